#include "platform/device/device.h"

#include <QApplication>
#include <QEventLoop>
#include <QScreen>
#include <QTimer>

#include <cstdio>
#include <map>

#include "platform/device/activation.h"
#include "platform/device/clock.h"
#include "platform/device/desktop_scale.h"
#include "platform/device/input.h"
#include "platform/device/input_rules.h"
#include "platform/device/message_loop.h"
#include "platform/device/qt_backend.h"
#include "platform/device/screen.h"
#include "platform/device/screen_layout.h"
#include "platform/device/timers.h"
#include "platform/device/window.h"
#include "platform/device/window_internal.h"

namespace device {
namespace {

Device* running = nullptr;

int argc = 1;
char name[] = "ezo";
char* argv[] = {name, nullptr};

// The free area of the desktop's main screen, read through a Qt application
// made for the question alone: the scale must be set before the real one
// exists. Invalid when there is no screen.
QSize DesktopSize() {
    QGuiApplication probe(argc, argv);
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry().size() : QSize();
}

// Sets Qt's scale factor for the window, unless the user set one; tells when
// the requested scale puts the screen partly off the desktop. The scale taken.
int ScaleWindow(int requested) {
    if (!qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR")) return requested;
    const QSize desktop = DesktopSize();
    const ScaleChoice choice = ChooseScale(requested, desktop);
    if (!choice.fits)
        std::fprintf(stderr, "ezo: at scale %d the screen takes %d x %d desktop pixels; the desktop has %d x %d\n",
                     choice.scale, kScreenWidth * choice.scale, kScreenHeight * choice.scale, desktop.width(),
                     desktop.height());
    if (choice.scale > 1) qputenv("QT_SCALE_FACTOR", QByteArray::number(choice.scale));
    return choice.scale;
}

// Qt widgets need a QApplication; the first device makes one for the whole
// process. The platform and the scale must be chosen before it exists; the
// scale taken goes into options.
bool EnsureApplication(DeviceOptions& options) {
    if (QCoreApplication::instance()) return qobject_cast<QApplication*>(QCoreApplication::instance());
    if (options.headless && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!options.headless) options.scale = ScaleWindow(options.scale);
    static QApplication* application = new QApplication(argc, argv);
    return application != nullptr;
}

void DeliverTick(HWND window, uintptr_t id, TimerProc proc, uint32_t nowMs) {
    if (window && !IsWindow(window)) return;
    if (proc)
        proc(window, WM_TIMER, id, nowMs);
    else if (window)
        SendMessage(window, WM_TIMER, id, 0);
}

std::string Utf8(const std::u16string& text) { return QString::fromStdU16String(text).toStdString(); }

std::string Label(HWND window) {
    if (!window) return "none";
    const WindowData& d = window->data();
    return "class=" + Utf8(d.className) + " id=" + std::to_string(d.id) + " title=\"" + Utf8(d.title) + "\"";
}

void DumpWindow(DumpWriter& out, HWND window) {
    const WindowData& d = window->data();
    out.write("window", Label(window) + " rect=" + std::to_string(d.rect.left) + "," +
                            std::to_string(d.rect.top) + "," + std::to_string(d.rect.width()) + "," +
                            std::to_string(d.rect.height()) + " visible=" + (d.visible ? "1" : "0") +
                            " enabled=" + (d.enabled ? "1" : "0"));
    out.indent();
    for (HWND child : d.children) DumpWindow(out, child);
    out.outdent();
}

const std::map<std::string, Qt::Key, std::less<>>& KeyNames() {
    static const std::map<std::string, Qt::Key, std::less<>> names{
        {"Left", Qt::Key_Left},       {"Right", Qt::Key_Right},       {"Up", Qt::Key_Up},
        {"Down", Qt::Key_Down},       {"Return", Qt::Key_Return},     {"Enter", Qt::Key_Return},
        {"Escape", Qt::Key_Escape},   {"Esc", Qt::Key_Escape},        {"Space", Qt::Key_Space},
        {"Tab", Qt::Key_Tab},         {"Backspace", Qt::Key_Backspace}, {"Delete", Qt::Key_Delete},
        {"Home", Qt::Key_Home},       {"End", Qt::Key_End},           {"PageUp", Qt::Key_PageUp},
        {"PageDown", Qt::Key_PageDown},
    };
    return names;
}

std::optional<Qt::Key> KeyFromName(std::string_view name) {
    if (auto it = KeyNames().find(name); it != KeyNames().end()) return it->second;
    if (name.size() == 1) {
        const char c = name[0];
        if (c >= 'a' && c <= 'z') return Qt::Key(Qt::Key_A + (c - 'a'));
        if (c >= 'A' && c <= 'Z') return Qt::Key(Qt::Key_A + (c - 'A'));
        if (c >= '0' && c <= '9') return Qt::Key(Qt::Key_0 + (c - '0'));
    }
    if (name.size() >= 2 && name.size() <= 3 && (name[0] == 'F' || name[0] == 'f')) {
        const int n = std::atoi(std::string(name.substr(1)).c_str());
        if (n >= 1 && n <= 12) return Qt::Key(Qt::Key_F1 + n - 1);
    }
    return std::nullopt;
}

QString KeyText(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier)) return {};
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        const QChar c(char16_t('a' + (key - Qt::Key_A)));
        return (modifiers & Qt::ShiftModifier) ? QString(c.toUpper()) : QString(c);
    }
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return QString(QChar(char16_t('0' + (key - Qt::Key_0))));
    if (key == Qt::Key_Space) return QStringLiteral(" ");
    return {};
}

}  // namespace

void DumpWriter::write(std::string_view key, std::string_view value) {
    text_.append(size_t(depth_) * 2, ' ');
    text_.append(key);
    text_.append(": ");
    text_.append(value);
    text_.push_back('\n');
}

void DumpWriter::write(std::string_view key, int64_t value) { write(key, std::to_string(value)); }

struct Device::Parts {
    std::unique_ptr<Screen> screen;
    QtBackend backend;
    Backend* previousBackend = nullptr;
    std::vector<std::function<void(DumpWriter&)>> dumpSources;
    std::function<bool()> settledCheck;
};

std::unique_ptr<Device> Device::start(const DeviceOptions& options) {
    DeviceOptions taken = options;
    if (running || !EnsureApplication(taken)) return nullptr;
    return std::unique_ptr<Device>(new Device(taken));
}

Device* Device::current() { return running; }

Device::Device(const DeviceOptions& options) : options_(options), parts_(std::make_unique<Parts>()) {
    running = this;
    if (options.virtualClock)
        DeviceClock().makeVirtual(0);
    else
        DeviceClock().makeReal();
    internal::ResetMessageLoop();
    internal::ResetActivation();
    internal::ResetHotKeys();
    input::ResetInput();
    Timers().setTickSink(DeliverTick);
    Timers().setBetweenTicks([] { ProcessPendingMessages(); });
    parts_->screen = std::make_unique<Screen>(options.virtualClock);
    parts_->screen->show();
    parts_->previousBackend = SetBackend(&parts_->backend);
}

Device::~Device() {
    DestroyAllWindows();
    for (const TimerInfo& timer : Timers().running()) Timers().KillTimer(timer.window, timer.id);
    Timers().setTickSink({});
    Timers().setBetweenTicks({});
    SetBackend(parts_->previousBackend);
    ShowWaitIndicator(false);
    parts_->screen.reset();
    // Widgets of destroyed windows wait for deletion; no loop may come to do it.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    internal::ResetMessageLoop();
    internal::ResetActivation();
    internal::ResetHotKeys();
    input::ResetInput();
    running = nullptr;
}

Clock& Device::clock() { return DeviceClock(); }
TimerService& Device::timers() { return Timers(); }
QWidget* Device::desktopWindow() { return parts_->screen.get(); }

void Device::stylusDown(int x, int y) { input::StylusDown({x, y}); }
void Device::stylusMove(int x, int y) { input::StylusMove({x, y}); }
void Device::stylusUp(int x, int y) { input::StylusUp({x, y}); }

void Device::tap(int x, int y) {
    stylusDown(x, y);
    stylusUp(x, y);
}

void Device::doubleTap(int x, int y) {
    tap(x, y);
    tap(x, y);
}

void Device::hold(int x, int y) {
    stylusDown(x, y);
    if (DeviceClock().isVirtual()) {
        advance(int64_t(input::kHoldMs));
    } else {
        QEventLoop wait;
        QTimer::singleShot(int(input::kHoldMs) + 1, &wait, &QEventLoop::quit);
        wait.exec();
        input::CheckHold();
    }
    stylusUp(x, y);
}

void Device::key(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    input::KeyPress(key, modifiers, KeyText(key, modifiers));
    input::KeyRelease(key, modifiers);
}

bool Device::virtualKey(uint32_t vk, Qt::KeyboardModifiers modifiers) {
    const int qtKey = QtKeyFromVirtualKey(vk);
    if (!qtKey) return false;
    key(Qt::Key(qtKey), modifiers);
    return true;
}

bool Device::keyByName(std::string_view name) {
    Qt::KeyboardModifiers modifiers;
    const std::pair<std::string_view, Qt::KeyboardModifier> prefixes[] = {
        {"Ctrl+", Qt::ControlModifier}, {"Shift+", Qt::ShiftModifier}, {"Alt+", Qt::AltModifier}};
    for (bool found = true; found;) {
        found = false;
        for (const auto& [prefix, modifier] : prefixes) {
            if (name.size() > prefix.size() && name.substr(0, prefix.size()) == prefix) {
                modifiers |= modifier;
                name.remove_prefix(prefix.size());
                found = true;
            }
        }
    }
    const auto key = KeyFromName(name);
    if (!key) return false;
    this->key(*key, modifiers);
    return true;
}

void Device::appKey(int n) {
    if (n >= 1 && n <= 5) key(Qt::Key(Qt::Key_F1 + n - 1));
}

void Device::typeText(std::u16string_view text) { input::TypeText(text); }

void Device::command(uint16_t id) {
    if (HWND active = GetActiveWindow()) SendMessage(active, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

void Device::advance(int64_t ms) {
    processPending();
    if (ms > 0 && DeviceClock().isVirtual()) {
        const uint64_t end = DeviceClock().now() + uint64_t(ms);
        // A hold that comes due on the way fires at its time, among the timers.
        if (auto due = input::HoldDue(); due && *due <= end) {
            if (*due > DeviceClock().now()) Timers().advance(*due - DeviceClock().now());
            input::CheckHold();
            processPending();
        }
        if (end > DeviceClock().now()) Timers().advance(end - DeviceClock().now());
    }
    processPending();
    if (parts_->screen) parts_->screen->refreshClock();
}

void Device::processPending() { ProcessPendingMessages(); }

QImage Device::grabScreen() {
    processPending();
    return parts_->screen->grab240();
}

std::string Device::dumpState() {
    DumpWriter out;
    for (HWND top : TopLevelWindows()) DumpWindow(out, top);
    HWND active = GetActiveWindow();
    out.write("active", active ? "\"" + Utf8(active->data().title) + "\"" : std::string("none"));
    out.write("taskbar", TaskBarShown() ? "shown" : "hidden");
    out.write("wait", WaitIndicatorShown() ? "shown" : "hidden");
    out.write("focus", Label(GetFocus()));
    out.write("capture", Label(GetCapture()));
    out.write("modal", Label(ModalWindow()));
    for (const TimerInfo& timer : Timers().running())
        out.write("timer", Label(timer.window) + " timer=" + std::to_string(timer.id) + " period=" +
                               std::to_string(timer.periodMs) + (timer.hasCallback ? " callback" : ""));
    out.write("beeps", beeps_);
    for (const auto& source : parts_->dumpSources) source(out);
    return out.text();
}

void Device::addDumpSource(std::function<void(DumpWriter&)> source) {
    if (source) parts_->dumpSources.push_back(std::move(source));
}

void Device::setSettledCheck(std::function<bool()> check) { parts_->settledCheck = std::move(check); }

bool Device::settled() const { return !parts_->settledCheck || parts_->settledCheck(); }

void Device::beep() {
    ++beeps_;
    if (!options_.headless) QApplication::beep();
}

bool Device::taskBarShown() const { return TaskBarShown(); }
bool Device::waitIndicatorShown() const { return WaitIndicatorShown(); }
std::optional<int> Device::quitCode() const { return QuitCode(); }
int Device::runMessageLoop() { return RunMessageLoop(); }

namespace internal {
void CountBeep() {
    if (running) running->beep();
}
}  // namespace internal

}  // namespace device
