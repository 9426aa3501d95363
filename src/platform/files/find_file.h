#pragma once
// Enumerating device folders the handheld's way: FindFirstFile with a pattern
// whose last component may hold "*" and "?", then FindNextFile until it fails.
// Matching ignores case; "*.*" matches every name, with or without a dot.
// "." and "..", broken links, special files and entries that cannot be read
// are not listed.
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/files/file_time.h"

namespace files {

constexpr uint32_t FILE_ATTRIBUTE_READONLY = 0x01;
constexpr uint32_t FILE_ATTRIBUTE_HIDDEN = 0x02;  // names starting with "."
constexpr uint32_t FILE_ATTRIBUTE_DIRECTORY = 0x10;
constexpr uint32_t FILE_ATTRIBUTE_NORMAL = 0x80;  // a file with no other attribute
constexpr uint32_t INVALID_FILE_ATTRIBUTES = 0xFFFFFFFF;

constexpr int MAX_PATH = 260;

struct WIN32_FIND_DATA {
    uint32_t dwFileAttributes = 0;
    FILETIME ftCreationTime;
    FILETIME ftLastAccessTime;
    FILETIME ftLastWriteTime;
    uint32_t nFileSizeHigh = 0;
    uint32_t nFileSizeLow = 0;
    uint32_t dwOID = 0;
    char16_t cFileName[MAX_PATH] = {};
};

// One search in progress; the handle owns it and closing is its destruction.
struct FindSearch {
    std::vector<WIN32_FIND_DATA> found;
    size_t next = 0;
};
using FindHandle = std::unique_ptr<FindSearch>;

// Null when the folder does not exist or nothing matches; otherwise the
// first match is in *data.
FindHandle FindFirstFile(std::u16string_view pattern, WIN32_FIND_DATA* data);
// False once every match has been returned.
bool FindNextFile(const FindHandle& search, WIN32_FIND_DATA* data);
bool FindClose(FindHandle& search);

// INVALID_FILE_ATTRIBUTES when the path does not name a file or folder.
uint32_t GetFileAttributes(std::u16string_view path);

// Case-blind match of a name against a pattern with "*" and "?".
bool MatchesPattern(std::u16string_view name, std::u16string_view pattern);

}  // namespace files
