#include "platform/headless/script_driver.h"

#include <cstdio>

#include <QTimer>

namespace headless {
namespace {

void Report(const std::string& name, const ScriptError& error) {
    std::fprintf(stderr, "%s\n", FormatScriptError(name, error).c_str());
}

}  // namespace

ScriptDriver::ScriptDriver(ScriptTarget& target, ScriptSource source, std::filesystem::path outputFolder,
                           std::string scriptName)
    : target_(target),
      source_(std::move(source)),
      runner_(target, std::move(outputFolder)),
      name_(std::move(scriptName)) {}

void ScriptDriver::Start() {
    QTimer::singleShot(0, steps_.get(), [this] { Step(); });
}

void ScriptDriver::Step() {
    if (finished_) return;
    ScriptSource::Next next = source_.Read();
    if (next.error) {
        Report(name_, *next.error);
        badLine_ = true;
        Finish();
        return;
    }
    if (!next.command || !runner_.Execute(*next.command)) {
        if (runner_.error()) Report(name_, *runner_.error());
        Finish();
        return;
    }
    QTimer::singleShot(0, steps_.get(), [this] { Step(); });
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
