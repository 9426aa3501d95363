#pragma once
// Where a run's commands come from: a script file read and checked whole
// before anything runs, or a stream (standard input) read a line at a time.
#include <istream>
#include <optional>
#include <string>
#include <vector>

#include "platform/headless/script.h"

namespace headless {

// Reads and parses a script file. A file that cannot be read, or is larger
// than kMaxScriptBytes, is an error of line 0.
ParsedScript LoadScriptFile(const std::string& path);

class ScriptSource {
public:
    explicit ScriptSource(std::vector<ScriptCommand> commands) : commands_(std::move(commands)) {}
    // The stream must outlive the source.
    explicit ScriptSource(std::istream& lines) : stream_(&lines) {}

    // The next command; nothing at the end; an error for a bad line.
    struct Next {
        std::optional<ScriptCommand> command;
        std::optional<ScriptError> error;
    };
    Next Read();
    // How many commands are still to come; nothing for a stream, which
    // cannot tell without waiting for its next line.
    std::optional<size_t> CommandsLeft() const;

private:
    std::vector<ScriptCommand> commands_;
    size_t next_ = 0;
    std::istream* stream_ = nullptr;
    int line_ = 0;
};

}  // namespace headless
