#include "platform/headless/script_driver.h"

#include <cstdio>

#include <QTimer>

#include "platform/device/message_loop.h"

namespace headless {
namespace {

void Report(const std::string& name, const ScriptError& error) {
    std::fprintf(stderr, "%s\n", FormatScriptError(name, error).c_str());
}

// What a script that the program left early did not do; nothing when it
// was at its end anyway.
std::optional<std::string> SkippedText(std::optional<size_t> commandsLeft) {
    if (!commandsLeft) return "the program quit; the rest of the input was not read";
    if (*commandsLeft == 0) return std::nullopt;
    if (*commandsLeft == 1) return "the program quit; the 1 command after this line was not run";
    return "the program quit; the " + std::to_string(*commandsLeft) + " commands after this line were not run";
}

}  // namespace

ScriptDriver::ScriptDriver(ScriptTarget& target, ScriptSource source, std::filesystem::path outputFolder,
                           std::string scriptName)
    : target_(target),
      source_(std::move(source)),
      runner_(target, std::move(outputFolder)),
      name_(std::move(scriptName)) {}

ScriptDriver::~ScriptDriver() { device::SetModalLoopHook({}); }

void ScriptDriver::Start() {
    device::SetModalLoopHook([this] { OnModalLoop(); });
    Schedule();
}

void ScriptDriver::Schedule() {
    stepScheduled_ = true;
    QTimer::singleShot(0, steps_.get(), [this] { Step(); });
}

void ScriptDriver::OnModalLoop() {
    if (executing_ > 0 && !stepScheduled_ && !finished_) Schedule();
}

void ScriptDriver::Step() {
    stepScheduled_ = false;
    if (finished_) return;
    ScriptSource::Next next = source_.Read();
    if (next.error) {
        Report(name_, *next.error);
        badLine_ = true;
        Finish();
        return;
    }
    if (!next.command) {
        Finish();
        return;
    }
    ++executing_;
    const bool ok = runner_.Execute(*next.command);
    --executing_;
    if (finished_) return;
    if (!ok) {
        if (runner_.error()) Report(name_, *runner_.error());
        if (runner_.programEnded())
            if (auto skipped = SkippedText(source_.CommandsLeft())) Report(name_, {next.command->line, *skipped});
        Finish();
        return;
    }
    // A step run inside a modal loop this command opened has already
    // scheduled its own successor.
    if (!stepScheduled_) Schedule();
}

void ScriptDriver::Finish() {
    finished_ = true;
    // The program is still running when the script simply ends.
    target_.Quit();
    target_.ProcessPending();
}

int ScriptDriver::ExitStatus() const {
    if (badLine_) return kExitBadScript;
    return runner_.exitCode();
}

}  // namespace headless
