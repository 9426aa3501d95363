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

ScriptSource::Next ScriptSource::Read() {
    if (!stream_) {
        if (next_ >= commands_.size()) return {};
        return {commands_[next_++], std::nullopt};
    }
    std::string line;
    while (std::getline(*stream_, line)) {
        ++line_;
        if (line.size() > kMaxScriptBytes) return {std::nullopt, ScriptError{line_, "line is too long"}};
        LineResult result = ParseScriptLine(line);
        if (!result.error.empty()) return {std::nullopt, ScriptError{line_, std::move(result.error)}};
        if (result.command) {
            result.command->line = line_;
            return {std::move(result.command), std::nullopt};
        }
    }
    return {};
}

}  // namespace headless
