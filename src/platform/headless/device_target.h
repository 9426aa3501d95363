#pragma once
// The script target of the real program: the running device.
#include <memory>

#include <QObject>

#include "platform/device/device.h"
#include "platform/headless/script_target.h"

namespace headless {

// Closes every top-level window as a user would, then ends the message loop
// on the next turn if the windows did not. The closes are posted, not sent:
// a close that opens a modal window must not block the caller, and the
// scheduled quit ends any such nested loop. Nothing happens once the loop
// has its quit message. The scheduled quit is dropped with context.
void CloseProgram(QObject* context);

class DeviceTarget final : public ScriptTarget {
public:
    explicit DeviceTarget(device::Device& device) : device_(device) {}

    void StylusDown(int x, int y) override { device_.stylusDown(x, y); }
    void StylusMove(int x, int y) override { device_.stylusMove(x, y); }
    void StylusUp(int x, int y) override { device_.stylusUp(x, y); }
    void DoubleTap(int x, int y) override { device_.doubleTap(x, y); }
    void Hold(int x, int y) override { device_.hold(x, y); }
    void Key(KeyChord key) override;
    void AppKey(int button) override { device_.appKey(button); }
    void Type(std::string_view utf8) override;
    void Command(int id) override { device_.command(uint16_t(id)); }
    void Advance(int milliseconds) override { device_.advance(milliseconds); }
    void ProcessPending() override { device_.processPending(); }
    bool Settle(int milliseconds) override;
    QImage Screen() override { return device_.grabScreen(); }
    std::string Dump() override { return device_.dumpState(); }
    void Quit() override;
    std::optional<int> ExitCode() override { return device_.quitCode(); }

private:
    device::Device& device_;
    bool quitting_ = false;
    // Context of the scheduled quit: dropped with the target.
    std::unique_ptr<QObject> context_ = std::make_unique<QObject>();
};

}  // namespace headless
