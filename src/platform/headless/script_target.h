#pragma once
// What a script drives: the device's input, clock, screen and state. The
// device implements it for the real program; tests implement it with a fake
// that records the calls.
#include <optional>
#include <string>
#include <string_view>

#include <QImage>

#include "platform/headless/script.h"

namespace headless {

class ScriptTarget {
public:
    virtual ~ScriptTarget() = default;

    // The stylus at device-screen pixels.
    virtual void StylusDown(int x, int y) = 0;
    virtual void StylusMove(int x, int y) = 0;
    virtual void StylusUp(int x, int y) = 0;
    virtual void DoubleTap(int x, int y) = 0;
    virtual void Hold(int x, int y) = 0;

    virtual void Key(KeyChord key) = 0;
    virtual void AppKey(int button) = 0;           // 1..5
    virtual void Type(std::string_view utf8) = 0;  // characters to the focused window
    virtual void Command(int id) = 0;              // to the active top-level window

    // Moves the virtual clock on; timers that come due fire in order.
    virtual void Advance(int milliseconds) = 0;
    // Delivers posted messages and paints that are waiting.
    virtual void ProcessPending() = 0;
    // Waits in real time, at most milliseconds, until the program's
    // background work has come to rest; false when the bound passed first.
    virtual bool Settle(int milliseconds) { return milliseconds >= 0; }

    // The 240 x 320 screen as shown, unscaled.
    virtual QImage Screen() = 0;
    // The device state as "key: value" lines.
    virtual std::string Dump() = 0;

    // Asks the program to end; ExitCode() tells once it has.
    virtual void Quit() = 0;
    virtual std::optional<int> ExitCode() = 0;
};

}  // namespace headless
