#include "menus_fixture.h"

#include <QAction>
#include <QMenu>
#include <QTimer>

#include "platform/controls/look.h"
#include "platform/controls/menu_bar.h"
#include "platform/device/message_loop.h"

namespace menus_test {
namespace {

// The shown menu levels, first level first.
std::vector<QMenu*> Levels() {
    std::vector<QMenu*> levels;
    HWND window = TrackedMenuWindow();
    if (!window || !window->hostedWidget()) return levels;
    for (QMenu* menu : window->hostedWidget()->findChildren<QMenu*>())
        if (menu->isVisible()) levels.push_back(menu);
    return levels;
}

QMenu* Level(int level) {
    const auto levels = Levels();
    return level >= 0 && size_t(level) < levels.size() ? levels[size_t(level)] : nullptr;
}

// The menu window covers the screen from (0, 0): its layer's points are screen points.
QPoint ScreenOf(QMenu* menu, QPoint p) { return menu->mapTo(menu->parentWidget(), p); }

}  // namespace

device::LRESULT Owner::WindowProc(uint32_t msg, device::WPARAM wParam, device::LPARAM lParam) {
    if (msg == device::WM_INITMENUPOPUP) {
        std::string name = "?";
        for (const auto& [menu, n] : names)
            if (reinterpret_cast<device::WPARAM>(menu) == wParam) name = n;
        events.push_back("INITMENUPOPUP " + name);
        if (onInitMenu) onInitMenu();
        return 0;
    }
    if (msg == device::WM_TIMER) {
        ++ticks;
        return 0;
    }
    if (msg == device::WM_COMMAND) {
        events.push_back("COMMAND " + std::to_string(device::LOWORD(wParam)));
        return 0;
    }
    return device::DefWindowProc(this, msg, wParam, lParam);
}

void MenusTest::SetUp() {
    device_ = device::Device::start({.scale = 1, .headless = true, .virtualClock = true});
    ASSERT_TRUE(device_);
    ApplyDeviceLook(dev().desktopWindow());
    ClearResources();
    auto object = std::make_unique<Owner>();
    owner_ = object.get();
    ownerWindow_ = device::CreateWindowFor(std::move(object), u"MenusOwner", 0, u"Owner", device::WS_VISIBLE, 0, 26,
                                           240, 268, nullptr, 0);
    ASSERT_TRUE(ownerWindow_);
    dev().processPending();
}

void MenusTest::TearDown() {
    device_.reset();
    ClearResources();
}

void MenusTest::Later(std::vector<std::function<void()>> steps) {
    auto queue = std::make_shared<std::vector<std::function<void()>>>(std::move(steps));
    const int batch = ++*batch_;
    std::weak_ptr<int> current = batch_;
    // Each step schedules the next; the chain holds itself only while it runs.
    // It is dropped by the next call, so a chain waiting for a menu never
    // outlives its test.
    auto next = std::make_shared<std::function<void(size_t)>>();
    std::weak_ptr<std::function<void(size_t)>> weakNext = next;
    *next = [queue, weakNext, current, batch](size_t i) {
        if (i >= queue->size()) return;
        auto self = weakNext.lock();
        QTimer::singleShot(0, [queue, self, current, batch, i] {
            auto token = current.lock();
            if (!token || *token != batch) return;
            // The first step waits for the menu to open.
            if (i == 0 && !TrackedMenuWindow()) return (*self)(0);
            (*queue)[i]();
            (*self)(i + 1);
        });
    };
    (*next)(0);
}

std::vector<MenuItemTemplate> ToolItems() {
    return {MenuString(u"Refresh", 40095), MenuString(u"Full Screen", 40041), MenuSeparator(),
            MenuPopup(u"Rotate", {MenuString(u"Right", 40073), MenuString(u"Left", 40074)}),
            MenuPopup(u"Flip", {MenuString(u"HORIZONTAL", 40071), MenuString(u"VERTICAL", 40072)}),
            MenuString(u"LandScape", 40065), MenuString(u"TitleBar", 40070, MF_CHECKED)};
}

void DefineSampleBars() {
    const MenuItemTemplate file =
        MenuPopup(u"File", {MenuString(u"Option", 40066), MenuSeparator(), MenuString(u"Exit", 40012)});
    DefineString(40057, u"File");
    DefineString(40060, u"Tool");
    DefineString(40105, u"    ");
    DefineMenu(102, {{file}});
    DefineMenu(149, {{file, MenuPopup(u"Tool", ToolItems())}});
    DefineMenuBar(102, {102,
                        {BarDropDown(40055, 40057, 0), BarSeparator(), BarImage(1, 40082), BarImage(2, 40076),
                         BarDisabledText(40105, 64), BarImage(3, 40081)}});
    DefineMenuBar(149, {149,
                        {BarDropDown(40055, 40057, 0), BarDropDown(40058, 40060, 1), BarSeparator(),
                         BarImage(0, 40088), BarImage(1, 40087), BarImage(2, 40084), BarImage(3, 40089),
                         BarImage(4, 40090), BarImage(5, 40040), BarImage(6, 40086)}});
    // A framed square is enough: the tests look at places and commands, not at pictures.
    std::vector<std::string> square(16, "k" + std::string(14, 'w') + "k");
    square.front() = square.back() = std::string(16, 'k');
    for (int id : {150, 166, 165, 116, 117, 161, 163}) DefineBitmap(id, {square, {}});
}

gdi::POINT ItemPoint(int level, const std::u16string& text) {
    QMenu* menu = Level(level);
    if (!menu) return {-1, -1};
    for (QAction* action : menu->actions()) {
        if (action->text() != QString::fromStdU16String(text)) continue;
        const QPoint p = ScreenOf(menu, menu->actionGeometry(action).center());
        return {p.x(), p.y()};
    }
    return {-1, -1};
}

gdi::RECT LevelRect(int level) {
    QMenu* menu = Level(level);
    if (!menu) return {};
    const QRect r = menu->geometry();
    return {r.left(), r.top(), r.right() + 1, r.bottom() + 1};
}

void TapAt(device::Device& dev, gdi::POINT p) {
    dev.tap(p.x, p.y);
    dev.processPending();
}

}  // namespace menus_test
