#pragma once
// The desktop's trash (the freedesktop.org one that file managers use): a
// file sent there can be restored by the user.
#include <string_view>

namespace files {

enum class Trashed {
    Yes,      // the file is in the trash
    Missing,  // there is no such file
    NoTrash,  // no trash takes it (or the move failed); the file stays
};

// Moves the file at a device path to the trash.
Trashed MoveToTrash(std::u16string_view devicePath);

}  // namespace files
