#include "menus_fixture.h"

#include <QAction>
#include <QMenu>

#include "platform/controls/look.h"
#include "platform/controls/menu_bar.h"

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

void MenusTest::SetUp() {
    HostTest::SetUp();
    ApplyDeviceLook(dev().desktopWindow());
    ClearResources();
    host_->describe = [this](uint32_t msg, device::WPARAM wParam, device::LPARAM) -> std::optional<std::string> {
        if (msg == device::WM_TIMER) ++ticks_;
        if (msg == device::WM_COMMAND) return "COMMAND " + std::to_string(device::LOWORD(wParam));
        if (msg != device::WM_INITMENUPOPUP) return std::nullopt;
        std::string name = "?";
        for (const auto& [menu, n] : names_)
            if (reinterpret_cast<device::WPARAM>(menu) == wParam) name = n;
        return "INITMENUPOPUP " + name;
    };
    host_->answer = [this](uint32_t msg, device::WPARAM, device::LPARAM) -> device::LRESULT {
        if (msg == device::WM_INITMENUPOPUP && onInitMenu_) onInitMenu_();
        return 0;
    };
}

void MenusTest::TearDown() {
    HostTest::TearDown();
    ClearResources();
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

void TapAt(device::Device& dev, gdi::POINT p) {
    dev.tap(p.x, p.y);
    dev.processPending();
}

}  // namespace menus_test
