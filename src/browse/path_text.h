#pragma once
// Finding the folder and the file name in a device path. Both return new
// strings, so callers on different threads never share a result.
#include <string>
#include <string_view>

namespace ezo {

// path cut right after its last "\" (so it ends in "\"); path itself when it
// holds no "\".
std::u16string FolderOfPath(std::u16string_view path);

// The part of path after its last "\"; with stripExtension, without its last
// four characters (five for ".jpeg", any case), never more than the whole
// name. A path without "\" comes back unchanged.
std::u16string FileNameOfPath(std::u16string_view path, int stripExtension);

}  // namespace ezo
