#include "platform/headless/script_source.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

namespace headless {

ParsedScript LoadScriptFile(const std::string& path) {
    ParsedScript failed;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        failed.error = ScriptError{0, std::string("cannot read the script: ") + std::strerror(errno)};
        return failed;
    }
    // Read at most one byte past the limit, so a huge file is never loaded.
    std::string text;
    text.resize(kMaxScriptBytes + 1);
    in.read(text.data(), std::streamsize(text.size()));
    if (in.bad()) {
        failed.error = ScriptError{0, "cannot read the script"};
        return failed;
    }
    text.resize(size_t(in.gcount()));
    return ParseScript(text);
}

namespace {

enum class LineRead { Line, End, TooLong };

// Reads one line without its '\n'. A line longer than the script limit is
// not read on: input without line ends must not fill the memory.
LineRead ReadLine(std::istream& in, std::string& line) {
    line.clear();
    std::streambuf* source = in.rdbuf();
    if (!source) return LineRead::End;
    bool any = false;
    for (int c = source->sbumpc(); c != std::char_traits<char>::eof(); c = source->sbumpc()) {
        any = true;
        if (c == '\n') return LineRead::Line;
        if (line.size() == kMaxScriptBytes) return LineRead::TooLong;
        line.push_back(char(c));
    }
    return any ? LineRead::Line : LineRead::End;
}

}  // namespace

ScriptSource::Next ScriptSource::Read() {
    if (!stream_) {
        if (next_ >= commands_.size()) return {};
        return {commands_[next_++], std::nullopt};
    }
    std::string line;
    while (true) {
        const LineRead read = ReadLine(*stream_, line);
        if (read == LineRead::End) break;
        ++line_;
        if (read == LineRead::TooLong) return {std::nullopt, ScriptError{line_, "line is longer than 16 MiB"}};
        LineResult result = ParseScriptLine(line_ == 1 ? SkipByteOrderMark(line) : line);
        if (!result.error.empty()) return {std::nullopt, ScriptError{line_, std::move(result.error)}};
        if (result.command) {
            result.command->line = line_;
            return {std::move(result.command), std::nullopt};
        }
    }
    return {};
}

std::optional<size_t> ScriptSource::CommandsLeft() const {
    if (stream_) return std::nullopt;
    return commands_.size() - next_;
}

}  // namespace headless
