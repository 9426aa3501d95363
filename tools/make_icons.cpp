// make_icons OUT_DIR: the program's 32 x 32 pixel-art icon as the desktop's
// icon theme wants it: OUT_DIR/hicolor/NxN/apps/ezo.png for 16, 32, 48 and
// 256 px, and OUT_DIR/hicolor/scalable/apps/ezo.svg. Enlarged copies repeat
// each pixel (no blur); the 16 px copy averages each 2 x 2 block, which keeps
// the frame's one-pixel lines that taking every other pixel would drop.
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTextStream>

#include <cstdio>

#include "app/resource_table.h"
#include "platform/controls/resources.h"
#include "shell/resource_ids.h"

namespace {

constexpr int kSizes[] = {16, 32, 48, 256};

QImage Scaled(const QImage& art, int size) {
    const Qt::TransformationMode mode = size < art.width() ? Qt::SmoothTransformation : Qt::FastTransformation;
    return art.scaled(size, size, Qt::IgnoreAspectRatio, mode);
}

// One rectangle per run of equal pixels in a row; crispEdges keeps them sharp.
QString Svg(const QImage& art) {
    QString text;
    QTextStream out(&text);
    out << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << art.width() << "\" height=\"" << art.height()
        << "\" viewBox=\"0 0 " << art.width() << ' ' << art.height() << "\" shape-rendering=\"crispEdges\">\n";
    for (int y = 0; y < art.height(); ++y) {
        for (int x = 0; x < art.width();) {
            const QRgb pixel = art.pixel(x, y);
            int end = x + 1;
            while (end < art.width() && art.pixel(end, y) == pixel) ++end;
            if (qAlpha(pixel) != 0)
                out << "<rect x=\"" << x << "\" y=\"" << y << "\" width=\"" << end - x << "\" height=\"1\" fill=\""
                    << QColor(pixel).name() << "\"/>\n";
            x = end;
        }
    }
    out << "</svg>\n";
    return text;
}

bool Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icons OUT_DIR\n");
        return 2;
    }
    ezo::DefineProgramIcon();
    const QImage art = controls::LoadIcon(nullptr, ezo::IDI_EZO).convertToFormat(QImage::Format_ARGB32);
    if (art.isNull()) {
        std::fprintf(stderr, "make_icons: the program's icon does not load\n");
        return 1;
    }
    const QString root = QFile::decodeName(argv[1]) + "/hicolor/";
    for (int size : kSizes) {
        const QString path = root + QString("%1x%1/apps/ezo.png").arg(size);
        if (!QDir().mkpath(QFileInfo(path).path()) || !Scaled(art, size).save(path, "PNG")) {
            std::fprintf(stderr, "make_icons: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    const QString svg = root + "scalable/apps/ezo.svg";
    if (!Write(svg, Svg(art).toUtf8())) {
        std::fprintf(stderr, "make_icons: cannot write %s\n", qPrintable(svg));
        return 1;
    }
    return 0;
}
