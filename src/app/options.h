#pragma once
// The command line of the Linux program: what to open, where the device's
// files live, how big the window is, and whether to run a script instead of
// a person.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace ezo {

struct Options {
    std::string path;           // handed to the program as its command line
    std::string root;           // host folder of the device's files; empty: $HOME
    std::string config;         // folder of the settings and the instance socket; empty: the user's
    std::string cache;          // folder of the thumbnails; empty: the user's
    int scale = 0;              // desktop pixels per device pixel; 0: the largest that fits
    std::optional<uint64_t> memory;  // bitmap memory budget in bytes
    bool headless = false;
    std::string script;         // empty with headless: commands from stdin
    std::string output;         // folder for relative shot/dump files
    bool help = false;
    bool version = false;
};

struct ParsedOptions {
    std::optional<Options> options;  // set on success
    std::string error;               // set on failure
};

constexpr int kMinScale = 1;
constexpr int kMaxScale = 8;
constexpr int kExitUsage = 2;

// Parses the arguments after the program name. Pure: reads no environment.
ParsedOptions ParseOptions(std::span<const std::string> args);

// "123", "64K", "8M", "1G" (binary multiples) to bytes; nothing for zero,
// garbage or a value that does not fit in 64 bits.
std::optional<uint64_t> ParseMemorySize(std::string_view text);

std::string UsageText();
std::string VersionText();

}  // namespace ezo
