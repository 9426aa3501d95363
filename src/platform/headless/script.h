#pragma once
// The headless script language: one command a line, blank lines and lines
// starting with '#' ignored. Parsing is separate from running so that a bad
// line is reported before anything runs.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace headless {

enum class Op { Tap, Down, Move, Up, DoubleTap, Hold, Key, AppKey, Type, Command, Wait, Settle, Shot, Dump, Quit };

// A key with its modifiers, as Qt numbers them (Qt::Key, Qt::KeyboardModifiers).
struct KeyChord {
    int key = 0;
    int modifiers = 0;
    friend bool operator==(const KeyChord&, const KeyChord&) = default;
};

struct ScriptCommand {
    Op op = Op::Quit;
    int line = 0;       // 1-based line in the script
    int x = 0, y = 0;   // stylus commands, device-screen pixels
    int number = 0;     // appkey button, command id, wait and settle milliseconds
    KeyChord key;       // key
    std::string text;   // type: the text; shot, dump: the file name
};

struct ScriptError {
    int line = 0;
    std::string message;
};

// One line: a command, nothing (blank or comment), or an error message.
struct LineResult {
    std::optional<ScriptCommand> command;
    std::string error;
};

// Limits that keep a hostile script from hanging or flooding the run.
constexpr int kMaxWaitMs = 3'600'000;
constexpr int kMinCoordinate = -32768;
constexpr int kMaxCoordinate = 32767;
constexpr int kMaxCommandId = 65535;
constexpr int kAppKeyCount = 5;
constexpr size_t kMaxScriptBytes = 16u << 20;

LineResult ParseScriptLine(std::string_view line);

struct ParsedScript {
    std::vector<ScriptCommand> commands;
    std::optional<ScriptError> error;  // the first bad line; commands then empty
};

// Editors may start a UTF-8 file with a byte-order mark; it is no part of
// the first line.
std::string_view SkipByteOrderMark(std::string_view text);

ParsedScript ParseScript(std::string_view text);

// "NAME:LINE: message", the form compilers use, so editors can jump there.
std::string FormatScriptError(std::string_view scriptName, const ScriptError& error);

// Key names: "Left", "Return", "F1", "Ctrl+Q" and every other single key Qt
// can name. Nothing for unknown names or sequences of several keys.
std::optional<KeyChord> ParseKeyName(std::string_view name);

}  // namespace headless
