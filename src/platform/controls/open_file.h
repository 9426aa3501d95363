#pragma once
// The open-file picker inside the device screen (GetOpenFileNameW): the
// device's folders and the files matching the filter's patterns (any case),
// the filter's description as written. A tap on a folder opens it (".." goes
// up), a tap on a file chooses it. The full device path goes into lpstrFile
// when it fits nMaxFile characters with its terminating zero; otherwise the
// call fails with FNERR_BUFFERTOOSMALL and the buffer holds an empty
// string. Cancel fails with no error.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/device/window.h"

namespace controls {

constexpr uint32_t CDERR_INITIALIZATION = 0x0002;
constexpr uint32_t FNERR_BUFFERTOOSMALL = 0x3003;

struct OPENFILENAMEW {
    uint32_t lStructSize = sizeof(OPENFILENAMEW);
    device::HWND hwndOwner = nullptr;
    void* hInstance = nullptr;
    const char16_t* lpstrFilter = nullptr;  // pairs of description and patterns, each zero-ended, then a zero
    char16_t* lpstrCustomFilter = nullptr;
    uint32_t nMaxCustFilter = 0;
    uint32_t nFilterIndex = 0;  // 1-based; 0 takes the first pair
    char16_t* lpstrFile = nullptr;
    uint32_t nMaxFile = 0;
    char16_t* lpstrFileTitle = nullptr;
    uint32_t nMaxFileTitle = 0;
    const char16_t* lpstrInitialDir = nullptr;
    const char16_t* lpstrTitle = nullptr;
    uint32_t Flags = 0;
    uint16_t nFileOffset = 0;
    uint16_t nFileExtension = 0;
    const char16_t* lpstrDefExt = nullptr;
};

bool GetOpenFileNameW(OPENFILENAMEW* ofn);
// The error of the last failed picker call (0 after a cancel).
uint32_t CommDlgExtendedError();

// The filter's pairs.
struct FileFilter {
    std::u16string description;
    std::vector<std::u16string> patterns;  // "*.jpg;*.bmp" split at ";"
};
std::vector<FileFilter> ParseFileFilter(const char16_t* filter);

// One row of the picker: a folder or a matching file.
struct PickerEntry {
    std::u16string name;
    bool folder = false;
};
// The rows of a device folder: ".." unless it is the root, then folders,
// then the files matching any pattern, each group in case-blind order.
std::vector<PickerEntry> ListPickerFolder(std::u16string_view folder, const std::vector<std::u16string>& patterns);
// folder + "\" + name without doubling the "\"; ".." goes up.
std::u16string JoinDevicePath(std::u16string_view folder, std::u16string_view name);

// The picker window in use (null when none shows), for tests and scripts.
device::HWND OpenFilePicker();

}  // namespace controls
