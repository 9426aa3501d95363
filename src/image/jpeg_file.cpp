#include "image/jpeg_file.h"

#include <QString>

namespace ezo {

// The device file layer will map device paths onto the host folder; until
// it does, a path is taken as a host path, converted to UTF-8 here and
// nowhere else.
JpegFilePtr OpenJpegFile(const std::u16string& path) {
    if (path.empty()) return nullptr;
    const QByteArray host = QString::fromStdU16String(path).toUtf8();
    return JpegFilePtr(std::fopen(host.constData(), "rb"));
}

}  // namespace ezo
