#include "platform/headless/script_runner.h"

#include <fstream>
#include <system_error>

#include <QFile>

namespace headless {

ScriptRunner::ScriptRunner(ScriptTarget& target, std::filesystem::path outputFolder)
    : target_(target), outputFolder_(std::move(outputFolder)) {}

int ScriptRunner::exitCode() const {
    if (error_) return 1;
    return target_.ExitCode().value_or(0);
}

bool ScriptRunner::Fail(const ScriptCommand& command, std::string message) {
    error_ = ScriptError{command.line, std::move(message)};
    finished_ = true;
    return false;
}

std::filesystem::path ScriptRunner::OutputPath(const std::string& name) const {
    const std::filesystem::path path = std::filesystem::path(name);
    return path.is_absolute() ? path : outputFolder_ / path;
}

bool ScriptRunner::WriteShot(const ScriptCommand& command) {
    const std::filesystem::path path = OutputPath(command.text);
    const QImage screen = target_.Screen();
    if (screen.isNull()) return Fail(command, "there is no screen to take a shot of");
    std::error_code ignored;
    std::filesystem::create_directories(path.parent_path(), ignored);
    if (!screen.save(QFile::decodeName(path.c_str()), "PNG"))
        return Fail(command, "cannot write " + path.string());
    return true;
}

bool ScriptRunner::WriteDump(const ScriptCommand& command) {
    const std::string text = target_.Dump();
    const std::filesystem::path path = OutputPath(command.text);
    std::error_code ignored;
    std::filesystem::create_directories(path.parent_path(), ignored);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out) return Fail(command, "cannot write " + path.string());
    return true;
}

bool ScriptRunner::Execute(const ScriptCommand& command) {
    if (finished_) return false;
    switch (command.op) {
    case Op::Tap:
        target_.StylusDown(command.x, command.y);
        target_.ProcessPending();
        target_.StylusUp(command.x, command.y);
        break;
    case Op::Down: target_.StylusDown(command.x, command.y); break;
    case Op::Move: target_.StylusMove(command.x, command.y); break;
    case Op::Up: target_.StylusUp(command.x, command.y); break;
    case Op::DoubleTap: target_.DoubleTap(command.x, command.y); break;
    case Op::Hold: target_.Hold(command.x, command.y); break;
    case Op::Key: target_.Key(command.key); break;
    case Op::AppKey: target_.AppKey(command.number); break;
    case Op::Type: target_.Type(command.text); break;
    case Op::Command: target_.Command(command.number); break;
    case Op::Wait: target_.Advance(command.number); break;
    case Op::Settle:
        if (!target_.Settle(command.number))
            return Fail(command, "settle: the thumbnails were not done within " + std::to_string(command.number) + " ms");
        break;
    case Op::Shot:
        if (!WriteShot(command)) return false;
        break;
    case Op::Dump:
        if (!WriteDump(command)) return false;
        break;
    case Op::Quit:
        target_.Quit();
        target_.ProcessPending();
        finished_ = true;
        return false;
    }
    target_.ProcessPending();
    if (target_.ExitCode()) finished_ = programEnded_ = true;
    return !finished_;
}

void ScriptRunner::Run(std::span<const ScriptCommand> commands) {
    for (const ScriptCommand& command : commands) {
        if (!Execute(command)) return;
    }
}

}  // namespace headless
