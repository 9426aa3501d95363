#pragma once
// The folder selected (or last expanded) in the folder tree, ending in "\":
// "\" for the root, "\My Documents\" below it. The shell owns it; the tree
// sets it, the file views build paths from it and the settings store saves
// it as the folder to show at the next start.
#include <string>

namespace ezo {

// Inline, so that any library may read it whatever order the linker sees
// the libraries in.
inline std::u16string currentFolder;

}  // namespace ezo
