#pragma once
// The PATH of `ezo [PATH]`: a host file or folder turned into the device path
// the program opens at start, and the device root that holds it.
#include <string>

namespace ezo {

struct StartPath {
    std::string error;        // set when the path is refused
    std::string root;         // the device root to use (the given one, or PATH's folder)
    std::u16string devicePath;  // "\My Documents\a.jpg"; a folder ends in "\"
};

// path is taken from cwd when relative; root is the host folder of the
// device's "\". A path outside root makes its own folder (a picture's
// folder, or the folder itself) the root. Refused: a path that does not
// exist, is neither a file nor a folder, or holds a name the device cannot.
StartPath ResolveStartPath(const std::string& path, const std::string& root, const std::string& cwd);

}  // namespace ezo
