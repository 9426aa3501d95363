// What the desktop reads about the program: the menu entry, the manual page
// beside --help, and the icons drawn from the program's pixel-art icon.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QMimeDatabase>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include "app/options.h"
#include "browse/file_list.h"
#include "timers/qt_app.h"

namespace desktop_test {
namespace {

QString SourceFile(const char* relative) {
    QFile file(QString(EZO_SOURCE_DIR "/") + relative);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The [Desktop Entry] group's keys.
QMap<QString, QString> DesktopEntry() {
    QMap<QString, QString> keys;
    bool inGroup = false;
    for (const QString& line : SourceFile("data/ezo.desktop").split('\n')) {
        if (line.startsWith('[')) inGroup = line == "[Desktop Entry]";
        const qsizetype equals = line.indexOf('=');
        if (inGroup && equals > 0) keys[line.left(equals)] = line.mid(equals + 1);
    }
    return keys;
}

// The "--name" options of every line that starts with one, sorted.
std::string OptionsIn(const QString& text, const QString& linePattern) {
    QStringList names;
    const QRegularExpression line(linePattern, QRegularExpression::MultilineOption);
    for (auto it = line.globalMatch(text); it.hasNext();) names.append(it.next().captured(1));
    names.sort();
    names.removeDuplicates();
    return names.join(' ').toStdString();
}

// Runs a tool on a source file: its errors, or "skip" when the machine does not have it.
QByteArray ToolErrors(const QString& tool, QStringList args) {
    if (QStandardPaths::findExecutable(tool).isEmpty()) return "skip";
    QProcess process;
    process.start(tool, args);
    process.waitForFinished(20000);
    return process.exitCode() == 0 ? process.readAllStandardError() : "exit " + QByteArray::number(process.exitCode());
}

TEST(DesktopEntry, ValidatesAndOpensExactlyThePictureTypesTheProgramLists) {
    testing_support::App();
    const QMap<QString, QString> entry = DesktopEntry();
    EXPECT_EQ(entry.value("Exec"), "ezo %f");
    EXPECT_EQ(entry.value("Icon"), "ezo");
    const QStringList categories = entry.value("Categories").split(';');
    EXPECT_TRUE(categories.contains("Graphics") && categories.contains("Viewer"));
    const QStringList claimed = entry.value("MimeType").split(';', Qt::SkipEmptyParts);
    QMimeDatabase mime;
    for (const char* name : {"a.jpg", "a.jpeg", "a.JPG", "a.bmp", "a.gif", "a.png", "a.tif"}) {
        SCOPED_TRACE(name);
        const bool listed = ezo::ImageKindOfName(QString(name).toStdU16String()) >= 0;
        EXPECT_EQ(claimed.contains(mime.mimeTypeForFile(name, QMimeDatabase::MatchExtension).name()), listed);
    }
    const QByteArray errors = ToolErrors("desktop-file-validate", {EZO_SOURCE_DIR "/data/ezo.desktop"});
    if (errors != "skip") { EXPECT_EQ(errors.toStdString(), ""); }
}

TEST(ManualPage, NamesTheOptionsOfHelpAndRendersCleanly) {
    // "  --root DIR   ..." in --help; ".BI \-\-root " DIR"" in the page.
    const std::string help = OptionsIn(QString::fromStdString(ezo::UsageText()), R"(^  (--[a-z]+))");
    EXPECT_FALSE(help.empty());
    EXPECT_EQ(OptionsIn(SourceFile("docs/ezo.1").replace("\\-", "-"), R"(^\.TP\n\.B[IR]? (--[a-z]+))"), help);
    const QByteArray errors = ToolErrors("groff", {"-man", "-Wall", "-Tutf8", "-z", EZO_SOURCE_DIR "/docs/ezo.1"});
    if (errors != "skip") { EXPECT_EQ(errors.toStdString(), ""); }
}

// Enlarged icons repeat each pixel of the 32 px one: crisp, not blurred.
TEST(Icons, EverySizeIsThereAndTheLargeOnesRepeatPixels) {
    const QString folder = EZO_BINARY_DIR "/icons/hicolor/";
    const QImage art = QImage(folder + "32x32/apps/ezo.png").convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(art.size(), QSize(32, 32));
    for (int size : {16, 48, 256}) {
        SCOPED_TRACE(size);
        const QImage icon = QImage(folder + QString("%1x%1/apps/ezo.png").arg(size)).convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(icon.size(), QSize(size, size));
        if (size % 32 != 0) continue;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) ASSERT_EQ(icon.pixel(x, y), art.pixel(x * 32 / size, y * 32 / size));
    }
    EXPECT_TRUE(QFile::exists(folder + "scalable/apps/ezo.svg"));
}

}  // namespace
}  // namespace desktop_test
