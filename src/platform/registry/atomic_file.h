#pragma once
// Replacing a small file so that a crash or a full disk never leaves it half
// written: the new text goes to a temporary file in the same folder, is
// flushed to the disk, renamed over the old file, and the folder is flushed.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace registry {

// True when path holds exactly data afterwards. On failure the old file is
// untouched, no temporary file is left, and *error holds the errno value.
bool WriteFileAtomically(const std::string& path, std::string_view data, int* error = nullptr);

// Removes the temporary files that writes of path cut short (the program
// killed mid-write) left beside it: "<file>.tmp-XXXXXX", untouched for at
// least minAgeSeconds, so that no running write loses its file.
void RemoveStaleTemporaries(const std::string& path, int minAgeSeconds = 60);

// Makes every write past the given number of bytes fail as on a full disk;
// nullopt restores normal writing. For tests of the failure path.
void SimulateDiskFullAfter(std::optional<size_t> bytes);

}  // namespace registry
