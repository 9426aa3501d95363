#pragma once
// Runs parsed script commands against a target, one at a time, letting the
// pending work of each finish before the next. Also the C++ API that
// scenario tests drive directly.
#include <filesystem>
#include <optional>
#include <span>

#include "platform/headless/script.h"
#include "platform/headless/script_target.h"

namespace headless {

class ScriptRunner {
public:
    // Relative shot and dump files land in outputFolder.
    ScriptRunner(ScriptTarget& target, std::filesystem::path outputFolder);

    // Runs one command and the work it caused. False when the run is over:
    // after quit, when the program has ended, or when the command failed.
    bool Execute(const ScriptCommand& command);
    // Runs commands in order until one ends the run.
    void Run(std::span<const ScriptCommand> commands);

    bool finished() const { return finished_; }
    // The program ended on its own during a command other than quit (its
    // Exit, Ctrl+Q, a hardware button).
    bool programEnded() const { return programEnded_; }
    // Set when a command could not be carried out (a file not written).
    const std::optional<ScriptError>& error() const { return error_; }
    // 1 after an error, else the program's exit code, else 0.
    int exitCode() const;

private:
    bool Fail(const ScriptCommand& command, std::string message);
    bool WriteShot(const ScriptCommand& command);
    bool WriteDump(const ScriptCommand& command);
    std::filesystem::path OutputPath(const std::string& name) const;

    ScriptTarget& target_;
    std::filesystem::path outputFolder_;
    bool finished_ = false;
    bool programEnded_ = false;
    std::optional<ScriptError> error_;
};

}  // namespace headless
