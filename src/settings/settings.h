#pragma once
// The user's choices kept between runs in the registry key
// "Software\Morvex\Ezo" of the current user: start option and its file,
// the five hardware buttons' actions and the slide-show interval. Loaded once
// when the main window is created, saved once when it is destroyed; in
// between only the program's Settings change.
#include <cstdint>
#include <string>
#include <string_view>

namespace ezo {

enum KeyAction : int32_t { FullScreen = 0, LandScape = 1, Quit = 2, SlideShow = 3 };

enum SlideEffect : int32_t { CoverDown = 0, CoverLeft = 1, CoverRight = 2, CoverUp = 3, NoEffect = 4 };

// Start options.
constexpr int32_t OpenNothing = 0;  // as the options dialog sets it
constexpr int32_t OpenLatestFile = 1;
constexpr int32_t OpenSelectedFile = 2;
constexpr int32_t OpenNothingLoaded = 4;  // any stored value but 1 and 2

constexpr int kKeyCount = 5;
constexpr int kMaxSettingText = 259;  // characters a read string can hold

struct Settings {
    int32_t openMode = OpenNothing;
    std::u16string latestFile;
    std::u16string selectedFile;
    int32_t keyActions[kKeyCount] = {LandScape, FullScreen, SlideShow, Quit, SlideShow};
    int32_t slideSeconds = 3;
    int32_t slideEffect = NoEffect;  // for this run only, never stored
    // The stored start file exists but could not be read back (too long or
    // not text): it stays stored unless the run picks another file.
    int keepStoredFile = 0;
};

// A REG_DWORD value; defaultValue when it is missing or not a 4-byte
// REG_DWORD, 0 when the key cannot be opened.
int32_t ReadSettingDword(std::u16string_view valueName, int32_t defaultValue);
// A REG_SZ value of at most 259 characters into buffer: 1. Otherwise 0,
// with defaultText in buffer when the value is missing, too long or not
// REG_SZ, and buffer unchanged when the key cannot be opened.
int ReadSettingString(std::u16string_view valueName, std::u16string_view defaultText,
                      std::u16string& buffer);
// 1 on success, 0 on failure.
int WriteSettingDword(std::u16string_view valueName, int32_t value);
// Stores the characters without a terminating zero.
int WriteSettingString(std::u16string_view valueName, std::u16string_view text);

void LoadSettings(Settings& settings);
// The folder on view is kept as the start folder unless a file is. A file or
// folder text too long to be read back is not stored, the stored one kept.
// 1 when every value was stored, 0 when any write failed.
int SaveSettings(const Settings& settings, std::u16string_view currentFolder);

}  // namespace ezo
