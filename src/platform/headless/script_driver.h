#pragma once
// Runs a script inside the program's own message loop: one command a turn
// of the loop, so a command that opens a modal window (whose nested loop
// then runs the next commands) never blocks the script. At the end of the
// script, or on a bad line, the program is asked to quit.
#include <filesystem>
#include <memory>
#include <string>

#include <QObject>

#include "platform/headless/script_runner.h"
#include "platform/headless/script_source.h"

namespace headless {

// Exit status of a script whose line is bad, or whose file is missing.
constexpr int kExitBadScript = 2;

class ScriptDriver {
public:
    // scriptName is used in messages ("tour.ezs:3: ...").
    ScriptDriver(ScriptTarget& target, ScriptSource source, std::filesystem::path outputFolder,
                 std::string scriptName);
    ~ScriptDriver();
    ScriptDriver(const ScriptDriver&) = delete;
    ScriptDriver& operator=(const ScriptDriver&) = delete;

    // Schedules the first command for the next turn of the event loop.
    void Start();
    bool finished() const { return finished_; }
    // 2 after a bad line, 1 after a failed command, else the program's code.
    int ExitStatus() const;

private:
    void Step();
    void Schedule();
    // A modal loop opened while a command still runs (a tap-and-hold's
    // pop-up menu opens inside the hold): the next commands go to it.
    void OnModalLoop();
    void Finish();

    ScriptTarget& target_;
    ScriptSource source_;
    ScriptRunner runner_;
    std::string name_;
    bool badLine_ = false;
    bool finished_ = false;
    int executing_ = 0;            // commands running, nested ones included
    bool stepScheduled_ = false;   // the next step waits in the event queue
    // Context of the scheduled steps: they are dropped with the driver.
    std::unique_ptr<QObject> steps_ = std::make_unique<QObject>();
};

}  // namespace headless
