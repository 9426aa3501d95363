#include "app/options.h"

#include <charconv>
#include <limits>

#ifndef EZO_VERSION
#define EZO_VERSION "0.0.0"
#endif

namespace ezo {
namespace {

bool ParseInt(std::string_view text, int* out) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, *out);
    return !text.empty() && ec == std::errc() && ptr == end;
}

// Options that take a value, as "--name VALUE" or "--name=VALUE".
enum class Valued { None, Root, Config, Cache, Scale, Memory, Script, Output };

Valued ValuedOption(std::string_view name) {
    if (name == "--root") return Valued::Root;
    if (name == "--config") return Valued::Config;
    if (name == "--cache") return Valued::Cache;
    if (name == "--scale") return Valued::Scale;
    if (name == "--memory") return Valued::Memory;
    if (name == "--script") return Valued::Script;
    if (name == "--output") return Valued::Output;
    return Valued::None;
}

std::string& TextOption(Valued which, Options& o) {
    switch (which) {
    case Valued::Root: return o.root;
    case Valued::Config: return o.config;
    case Valued::Cache: return o.cache;
    case Valued::Script: return o.script;
    default: return o.output;
    }
}

// Stores one option's value; an error text when the value is bad.
std::string ApplyValue(Valued which, std::string_view name, const std::string& value, Options& o) {
    switch (which) {
    case Valued::Root:
    case Valued::Config:
    case Valued::Cache:
    case Valued::Script:
    case Valued::Output:
        if (value.empty()) return std::string(name) + " needs a non-empty value";
        TextOption(which, o) = value;
        if (which == Valued::Script) o.headless = true;
        return {};
    case Valued::Scale:
        if (!ParseInt(value, &o.scale) || o.scale < kMinScale || o.scale > kMaxScale)
            return "--scale wants a whole number from 1 to 8, not '" + value + "'";
        return {};
    case Valued::Memory:
        o.memory = ParseMemorySize(value);
        if (!o.memory) return "--memory wants a size such as 64M (bytes, K, M or G), not '" + value + "'";
        return {};
    case Valued::None:
        break;
    }
    return "internal: option without value";
}

}  // namespace

std::optional<uint64_t> ParseMemorySize(std::string_view text) {
    uint64_t shift = 0;
    if (!text.empty()) {
        switch (text.back()) {
        case 'K': case 'k': shift = 10; break;
        case 'M': case 'm': shift = 20; break;
        case 'G': case 'g': shift = 30; break;
        default: break;
        }
        if (shift) text.remove_suffix(1);
    }
    uint64_t number = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, number);
    if (text.empty() || ec != std::errc() || ptr != end || number == 0) return std::nullopt;
    if (number > (std::numeric_limits<uint64_t>::max() >> shift)) return std::nullopt;
    return number << shift;
}

ParsedOptions ParseOptions(std::span<const std::string> args) {
    Options o;
    bool onlyPaths = false;
    bool havePath = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (onlyPaths || arg.empty() || arg[0] != '-' || arg == "-") {
            if (havePath) return {std::nullopt, "only one PATH may be given, got '" + o.path + "' and '" + arg + "'"};
            o.path = arg;
            havePath = true;
            continue;
        }
        if (arg == "--") { onlyPaths = true; continue; }
        if (arg == "--help" || arg == "-h") { o.help = true; continue; }
        if (arg == "--version") { o.version = true; continue; }
        if (arg == "--headless") { o.headless = true; continue; }

        const size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        const Valued which = ValuedOption(name);
        if (which == Valued::None) return {std::nullopt, "unknown option '" + arg + "'"};
        std::string value;
        if (equals != std::string::npos) {
            value = arg.substr(equals + 1);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            return {std::nullopt, name + " needs a value"};
        }
        if (std::string error = ApplyValue(which, name, value, o); !error.empty()) return {std::nullopt, error};
    }
    if (!o.output.empty() && !o.headless) return {std::nullopt, "--output only applies to --headless runs"};
    return {o, {}};
}

std::string UsageText() {
    return "Usage: ezo [PATH] [options]\n"
           "Shows the 240 x 320 handheld screen of the Ezo picture viewer in a window.\n"
           "\n"
           "PATH, a picture or a folder, is shown at start instead of what the settings\n"
           "say (for this run only): a picture opens for viewing, a folder opens in the\n"
           "folder tree. A PATH outside the device root makes its folder the root.\n"
           "When Ezo already runs, it is handed the PATH and comes to the front.\n"
           "\n"
           "Options:\n"
           "  --root DIR       host folder holding the device's files (default: $HOME)\n"
           "  --config DIR     folder of the settings and of the socket a second start\n"
           "                   finds this one by (default: ~/.config/ezo; a headless run\n"
           "                   without it reads those settings but never changes them)\n"
           "  --cache DIR      folder of the thumbnails (default: ~/.cache/ezo)\n"
           "  --scale N        desktop pixels per device pixel, 1 to 8\n"
           "                   (default: the largest that fits, at most 2)\n"
           "  --memory SIZE    memory for pictures, in bytes or with K, M or G (default: 512M)\n"
           "  --headless       run without a window on a virtual clock; without --script\n"
           "                   the commands are read from standard input\n"
           "  --script FILE    run the commands in FILE headless, then exit\n"
           "  --output DIR     folder for the relative file names of shot and dump\n"
           "                   (default: the script's folder)\n"
           "  --help           show this text\n"
           "  --version        show the version\n"
           "\n"
           "Keys:\n"
           "  F1..F5 or 1..5   the five hardware buttons, while a picture is shown; by\n"
           "                   default landscape, full screen, slide show, quit, slide show\n"
           "  arrow keys       the previous (Left, Up) or next (Right, Down) picture;\n"
           "                   in the list, the row above or below\n"
           "  Space, Backspace the next or previous picture\n"
           "  Home, End        the first or last picture (in the list: the first or last row)\n"
           "  + and -          zoom in and out\n"
           "  0, F             actual size, fit\n"
           "  Esc              stop the slide show, leave full screen, or back to the list\n"
           "  Enter            open the selected picture\n"
           "  Tab              between the folder tree and the list\n"
           "  Ctrl+Q           quit\n"
           "  left mouse       the stylus: tap, drag to pan or move the splitter, double\n"
           "                   tap for full screen (hold still or right click: tap and hold)\n"
           "  wheel            over a picture: zoom (with Ctrl: next or previous picture);\n"
           "                   over the list, tree or thumbnails: scroll\n"
           "\n"
           "Exit status: 0 done, 1 failure, 2 bad options, a missing PATH, a PATH the\n"
           "running Ezo refused, or a bad script.\n"
           "\n"
           "Manual: man ezo.\n";
}

std::string VersionText() { return std::string("ezo ") + EZO_VERSION + "\n"; }

}  // namespace ezo
