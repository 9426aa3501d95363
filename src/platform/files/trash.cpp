#include "platform/files/trash.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QString>

#include <optional>
#include <string>
#include <sys/stat.h>

#include "platform/files/device_paths.h"

namespace files {

Trashed MoveToTrash(std::u16string_view devicePath) {
    const std::optional<std::string> host = HostPathOf(devicePath);
    struct stat st;
    if (!host || ::lstat(host->c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return Trashed::Missing;
    // The home trash lies in the data folder ($XDG_DATA_HOME); Qt makes the
    // trash there but not the folder itself, and without it would put the
    // trash in the current folder.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty() || !QDir().mkpath(data)) return Trashed::NoTrash;
    QString inTrash;
    const bool moved = QFile::moveToTrash(QString::fromStdString(*host), &inTrash) && QDir::isAbsolutePath(inTrash);
    return moved ? Trashed::Yes : Trashed::NoTrash;
}

}  // namespace files
