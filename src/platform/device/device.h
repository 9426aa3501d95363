#pragma once
// The device as a whole: the screen in its desktop window, the clock and the
// timers, and the ways in: injected stylus and keys (through the same routing
// as the real mouse and keyboard), time, a picture of the screen and a text
// dump of the device state. One device runs at a time.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include <QImage>
#include <Qt>

class QWidget;

namespace device {

class Clock;
class TimerService;
class Window;
using HWND = Window*;

struct DeviceOptions {
    // Desktop pixels per device pixel (real window only); 0 takes the largest
    // that fits the desktop, at most 2. A requested scale that does not fit
    // is taken with a warning on standard error.
    int scale = 0;
    bool headless = false;      // Qt's offscreen platform; the window is never on a desktop
    bool virtualClock = false;  // time moves only through Device::advance
};

// Collects the device state as "key: value" lines. Nested items (the window
// tree) are indented by two spaces per level.
class DumpWriter {
public:
    void write(std::string_view key, std::string_view value);
    void write(std::string_view key, int64_t value);
    void indent() { ++depth_; }
    void outdent() { if (depth_ > 0) --depth_; }
    const std::string& text() const { return text_; }

private:
    std::string text_;
    int depth_ = 0;
};

class Device {
public:
    // Creates the Qt application if there is none yet (offscreen when headless;
    // scaled by options.scale otherwise, and options().scale then tells the
    // scale taken, unless the user's QT_SCALE_FACTOR decides), the screen and
    // its desktop window,
    // the clock and the timers, and installs the window backend. Null when a
    // device already runs.
    static std::unique_ptr<Device> start(const DeviceOptions& options);
    // The running device, or null.
    static Device* current();
    // Destroys every remaining window and takes the device down.
    ~Device();
    Device(const Device&) = delete;
    Device& operator=(const Device&) = delete;

    const DeviceOptions& options() const { return options_; }
    Clock& clock();
    TimerService& timers();
    QWidget* desktopWindow();

    // Stylus, in device-screen pixels.
    void stylusDown(int x, int y);
    void stylusMove(int x, int y);
    void stylusUp(int x, int y);
    void tap(int x, int y);
    void doubleTap(int x, int y);
    // Holds the stylus still at (x, y) long enough for tap-and-hold, then lifts it.
    void hold(int x, int y);
    // A key press and release, as the keyboard would give it.
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // The same by virtual key (VK_LEFT, 'Q', 0xC1..0xC5 for the buttons...);
    // false for a key the keyboard cannot give.
    bool virtualKey(uint32_t vk, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Names as in scripts: Left, Right, Up, Down, Return, Escape, Space, Tab,
    // Backspace, F1..F12, a letter or digit, optionally with "Ctrl+"/"Shift+"/
    // "Alt+" in front. False for an unknown name.
    bool keyByName(std::string_view name);
    // Application button n (1..5).
    void appKey(int n);
    void typeText(std::u16string_view text);
    // WM_COMMAND with the id to the active top-level window.
    void command(uint16_t id);

    // Moves the virtual clock on by ms (due timers fire in order), then
    // handles posted messages and paints. With the real clock it only handles
    // what is pending.
    void advance(int64_t ms);
    // Handles posted messages, then paints invalid windows.
    void processPending();

    // The 240 x 320 screen as it shows now, unscaled.
    QImage grabScreen();
    // The device state: window tree, active window, task bar, focus, capture,
    // timers, beeps, then every added source.
    std::string dumpState();
    void addDumpSource(std::function<void(DumpWriter&)> source);
    // Whether the program's background work has come to rest (true when it
    // set no check): a headless script's settle command waits for it.
    void setSettledCheck(std::function<bool()> check);
    bool settled() const;

    int beepCount() const { return beeps_; }
    void beep();
    bool taskBarShown() const;
    bool waitIndicatorShown() const;
    // The code of the quit message once it has arrived.
    std::optional<int> quitCode() const;
    // Runs the event loop until the quit message arrives; returns its code.
    int runMessageLoop();

private:
    explicit Device(const DeviceOptions& options);
    struct Parts;
    DeviceOptions options_;
    std::unique_ptr<Parts> parts_;
    int beeps_ = 0;
};

}  // namespace device
