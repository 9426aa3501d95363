#include "platform/headless/script.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <utility>

namespace headless {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

// Splits off the first word; `rest` is what follows its one separator.
std::string_view FirstWord(std::string_view s, std::string_view* rest) {
    const size_t end = std::min(s.find(' '), s.find('\t'));
    if (end == std::string_view::npos) {
        *rest = {};
        return s;
    }
    *rest = s.substr(end + 1);
    return s.substr(0, end);
}

std::vector<std::string_view> Words(std::string_view s) {
    std::vector<std::string_view> words;
    while (true) {
        s = Trim(s);
        if (s.empty()) return words;
        std::string_view rest;
        words.push_back(FirstWord(s, &rest));
        s = rest;
    }
}

bool ParseNumber(std::string_view text, int low, int high, int* out) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, *out);
    return !text.empty() && ec == std::errc() && ptr == end && *out >= low && *out <= high;
}

bool EndsWithPng(std::string_view name) {
    if (name.size() < 5) return false;
    std::string tail(name.substr(name.size() - 4));
    std::transform(tail.begin(), tail.end(), tail.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return tail == ".png";
}

// A word from the script as it may be shown in a message: control and
// non-ASCII bytes escaped, so a binary file cannot drive the terminal, and
// cut short.
std::string Quoted(std::string_view word) {
    constexpr size_t kMaxShown = 40;
    std::string out = "'";
    for (size_t i = 0; i < word.size() && i < kMaxShown; ++i) {
        const unsigned char c = static_cast<unsigned char>(word[i]);
        if (c >= 0x20 && c < 0x7F) {
            out += char(c);
        } else {
            static const char digits[] = "0123456789ABCDEF";
            out += "\\x";
            out += digits[c >> 4];
            out += digits[c & 15];
        }
    }
    if (word.size() > kMaxShown) out += "...";
    return out + "'";
}

struct Verb {
    std::string_view word;
    Op op;
};

constexpr Verb kVerbs[] = {
    {"tap", Op::Tap},       {"down", Op::Down},       {"move", Op::Move},     {"up", Op::Up},
    {"dbltap", Op::DoubleTap}, {"hold", Op::Hold},    {"key", Op::Key},       {"appkey", Op::AppKey},
    {"type", Op::Type},     {"command", Op::Command}, {"wait", Op::Wait},     {"shot", Op::Shot},
    {"dump", Op::Dump},     {"quit", Op::Quit},       {"settle", Op::Settle},
};

LineResult Fail(std::string message) { return {std::nullopt, std::move(message)}; }

LineResult ParsePoint(ScriptCommand command, std::string_view word, std::string_view rest) {
    const auto args = Words(rest);
    if (args.size() != 2) return Fail(std::string(word) + " takes X Y");
    if (!ParseNumber(args[0], kMinCoordinate, kMaxCoordinate, &command.x) ||
        !ParseNumber(args[1], kMinCoordinate, kMaxCoordinate, &command.y))
        return Fail(std::string(word) + ": X and Y must be whole numbers from -32768 to 32767");
    return {command, {}};
}

LineResult ParseOneNumber(ScriptCommand command, std::string_view word, std::string_view rest, int low,
                          int high, std::string_view what) {
    const auto args = Words(rest);
    if (args.size() != 1 || !ParseNumber(args[0], low, high, &command.number))
        return Fail(std::string(word) + " takes " + std::string(what) + ", a whole number from " +
                    std::to_string(low) + " to " + std::to_string(high));
    return {command, {}};
}

}  // namespace

LineResult ParseScriptLine(std::string_view line) {
    line = Trim(line);
    if (line.empty() || line.front() == '#') return {};
    std::string_view rest;
    const std::string_view word = FirstWord(line, &rest);
    const auto verb = std::find_if(std::begin(kVerbs), std::end(kVerbs), [&](const Verb& v) { return v.word == word; });
    if (verb == std::end(kVerbs)) return Fail("unknown command " + Quoted(word));

    ScriptCommand command;
    command.op = verb->op;
    switch (verb->op) {
    case Op::Tap:
    case Op::Down:
    case Op::Move:
    case Op::Up:
    case Op::DoubleTap:
    case Op::Hold:
        return ParsePoint(command, word, rest);
    case Op::AppKey:
        return ParseOneNumber(command, word, rest, 1, kAppKeyCount, "a button N");
    case Op::Command:
        return ParseOneNumber(command, word, rest, 0, kMaxCommandId, "an ID");
    case Op::Wait:
    case Op::Settle:
        return ParseOneNumber(command, word, rest, 0, kMaxWaitMs, "MS");
    case Op::Key: {
        const auto args = Words(rest);
        if (args.size() != 1) return Fail("key takes one NAME such as Left, Return, F1 or Ctrl+Q");
        const auto chord = ParseKeyName(args[0]);
        if (!chord) return Fail("unknown key " + Quoted(args[0]));
        command.key = *chord;
        return {command, {}};
    }
    case Op::Type:
        // The text is the rest of the line after one separator, spaces kept.
        if (rest.empty()) return Fail("type takes TEXT");
        command.text = std::string(rest);
        return {command, {}};
    case Op::Shot:
    case Op::Dump:
        command.text = std::string(Trim(rest));
        if (command.text.empty()) return Fail(std::string(word) + " takes FILE");
        // The file system would end the name at the NUL and write elsewhere.
        if (command.text.find('\0') != std::string::npos) return Fail(std::string(word) + ": FILE holds a NUL byte");
        if (verb->op == Op::Shot && !EndsWithPng(command.text)) return Fail("shot writes PNG files: FILE must end in .png");
        return {command, {}};
    case Op::Quit:
        if (!Trim(rest).empty()) return Fail("quit takes nothing");
        return {command, {}};
    }
    return Fail("unknown command");
}

std::string_view SkipByteOrderMark(std::string_view text) {
    constexpr std::string_view kMark = "\xEF\xBB\xBF";
    return text.substr(0, kMark.size()) == kMark ? text.substr(kMark.size()) : text;
}

ParsedScript ParseScript(std::string_view text) {
    ParsedScript script;
    if (text.size() > kMaxScriptBytes) {
        script.error = ScriptError{0, "script is larger than 16 MiB"};
        return script;
    }
    text = SkipByteOrderMark(text);
    int lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        LineResult result = ParseScriptLine(line);
        if (!result.error.empty()) {
            script.commands.clear();
            script.error = ScriptError{lineNumber, std::move(result.error)};
            return script;
        }
        if (result.command) {
            result.command->line = lineNumber;
            script.commands.push_back(std::move(*result.command));
        }
    }
    return script;
}

std::string FormatScriptError(std::string_view scriptName, const ScriptError& error) {
    std::string text(scriptName);
    if (error.line > 0) text += ":" + std::to_string(error.line);
    return text + ": " + error.message;
}

}  // namespace headless
