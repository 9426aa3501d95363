#include "platform/controls/menu.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QStyleOptionMenuItem>

#include <algorithm>

#include "platform/controls/list_link.h"
#include "platform/device/activation.h"
#include "platform/device/message_loop.h"
#include "platform/device/screen.h"
#include "platform/device/screen_layout.h"

namespace controls {
namespace {

// ---- The menu data ----------------------------------------------------------

struct Found {
    HMENU menu = nullptr;
    size_t index = 0;
};

// The item by command id (depth first, as the handheld searches) or by position.
Found FindItem(HMENU menu, uint32_t item, uint32_t flags) {
    if (!menu) return {};
    if (flags & MF_BYPOSITION) return item < menu->items.size() ? Found{menu, item} : Found{};
    for (size_t i = 0; i < menu->items.size(); ++i) {
        const MenuItem& entry = menu->items[i];
        if (entry.flags & MF_POPUP) {
            if (Found inner = FindItem(entry.popup.get(), item, flags); inner.menu) return inner;
        } else if (!(entry.flags & MF_SEPARATOR) && entry.id == item) {
            return {menu, i};
        }
    }
    return {};
}

// Sets or clears the bits of mask on the item; returns the previous bits.
uint32_t ChangeItem(HMENU menu, uint32_t item, uint32_t flags, uint32_t mask) {
    const Found found = FindItem(menu, item, flags);
    if (!found.menu) return kNoMenuItem;
    uint32_t& bits = found.menu->items[found.index].flags;
    const uint32_t previous = bits & mask;
    bits = (bits & ~mask) | (flags & mask);
    return previous;
}

// ---- Tracking ---------------------------------------------------------------

// The part of the screen menus may use: below the task bar while it shows.
gdi::RECT MenuArea() {
    gdi::RECT area = device::kScreenRect;
    if (device::TaskBarShown()) area.top = device::kTaskBarHeight;
    return area;
}


class MenuWindow;

// One level of the tracked menu: a QMenu shown as a plain widget inside the
// menu window (never as a desktop pop-up), built from the menu's items.
class LevelWidget final : public QMenu {
public:
    LevelWidget(QWidget* parent, ControlLink* link, int level) : QMenu(parent), link_(link), level_(level) {
        setWindowFlags(Qt::Widget);
        setObjectName(QStringLiteral("ezoPopupMenu"));
    }
    int level() const { return level_; }

protected:
    void initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    ControlLink* link_;
    int level_;
};

// Covers the screen under the menus: a tap that lands here dismisses them.
class MenuLayer final : public QWidget {
public:
    MenuLayer(QWidget* parent, ControlLink* link) : QWidget(parent), link_(link) {
        setFocusPolicy(Qt::StrongFocus);
    }
    // The stylus went down on a menu since it opened: a lift means a choice.
    // (The lift of the tap-and-hold that opened the menu chooses nothing.)
    bool stylusDown = false;

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    ControlLink* link_;
};

constexpr char kItemIndex[] = "ezoItemIndex";
constexpr char kOpensPopup[] = "ezoOpensPopup";

class MenuWindow final : public device::Window {
public:
    MenuWindow(HMENU menu, device::HWND owner, bool notify) : menu_(menu), owner_(owner), notify_(notify) {}

    device::LRESULT WindowProc(uint32_t msg, device::WPARAM wParam, device::LPARAM lParam) override;
    QWidget* hostedWidget() override { return layer_; }
    // A menu leaves the window it belongs to active (its title stays on the task bar).
    bool TakesActivation() const override { return false; }

    // Opens the top level at the point, aligned as the flags say, inside area.
    void OpenTop(gdi::POINT at, uint32_t flags, const gdi::RECT& area);
    void OnTriggered(int level, QAction* action);
    void OnKey(int level, int qtKey);
    void OnHidden(int level);
    void Dismiss() { Finish(0); }
    uint16_t chosen() const { return chosen_; }

private:
    device::LRESULT OnCreate();
    LevelWidget* Build(HMENU menu, int level);
    void OpenSub(int level, QAction* action, bool selectFirst);
    void CloseAbove(int level);
    void Finish(uint16_t command);

    HMENU menu_;
    device::HWND owner_;
    bool notify_;
    ControlLink* link_ = nullptr;
    QPointer<MenuLayer> layer_;
    std::vector<QPointer<LevelWidget>> levels_;
    std::vector<HMENU> levelMenus_;
    bool closing_ = false;
    bool done_ = false;
    uint16_t chosen_ = 0;
};

device::HWND tracked = nullptr;

void LevelWidget::initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const {
    QMenu::initStyleOption(option, action);
    // Items that open a pop-up show the arrow; their pop-ups are opened by the
    // menu window, never by Qt.
    if (action && action->property(kOpensPopup).toBool()) option->menuItemType = QStyleOptionMenuItem::SubMenu;
}

void LevelWidget::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Escape || key == Qt::Key_Left || key == Qt::Key_Right) {
        const int level = level_;
        link_->call<MenuWindow>([level, key](MenuWindow* w) { w->OnKey(level, key); });
        return;
    }
    QMenu::keyPressEvent(event);
}

void LevelWidget::mousePressEvent(QMouseEvent* event) {
    if (auto* layer = dynamic_cast<MenuLayer*>(parentWidget())) layer->stylusDown = true;
    QMenu::mousePressEvent(event);
}

void LevelWidget::mouseReleaseEvent(QMouseEvent* event) {
    auto* layer = dynamic_cast<MenuLayer*>(parentWidget());
    const bool pressed = layer && layer->stylusDown;
    if (layer) layer->stylusDown = false;
    if (!pressed) return;
    // A lift on a separator or a grayed item leaves the menu open.
    QAction* action = actionAt(event->position().toPoint());
    if (action && (action->isSeparator() || !action->isEnabled())) return;
    QMenu::mouseReleaseEvent(event);
}

void MenuLayer::mousePressEvent(QMouseEvent*) {
    link_->call<MenuWindow>([](MenuWindow* w) { w->Dismiss(); });
}

device::LRESULT MenuWindow::WindowProc(uint32_t msg, device::WPARAM wParam, device::LPARAM lParam) {
    switch (msg) {
    case device::WM_CREATE:
        return OnCreate();
    case device::WM_DESTROY:
        if (link_) link_->control = nullptr;
        closing_ = true;
        return 0;
    default:
        return device::DefWindowProc(this, msg, wParam, lParam);
    }
}

device::LRESULT MenuWindow::OnCreate() {
    link_ = new ControlLink(data().widget);
    link_->control = this;
    layer_ = new MenuLayer(data().widget, link_);
    layer_->setGeometry(0, 0, data().rect.width(), data().rect.height());
    return 0;
}

LevelWidget* MenuWindow::Build(HMENU menu, int level) {
    auto* widget = new LevelWidget(layer_, link_, level);
    for (size_t i = 0; i < menu->items.size(); ++i) {
        const MenuItem& item = menu->items[i];
        if (item.flags & MF_SEPARATOR) {
            widget->addSeparator();
            continue;
        }
        QAction* action = widget->addAction(QString::fromStdU16String(item.text));
        action->setProperty(kItemIndex, int(i));
        action->setProperty(kOpensPopup, bool(item.flags & MF_POPUP));
        action->setEnabled(!(item.flags & (MF_GRAYED | MF_DISABLED)));
        if (item.flags & MF_CHECKED) {
            action->setCheckable(true);
            action->setChecked(true);
        }
    }
    ControlLink* link = link_;
    QObject::connect(widget, &QMenu::triggered, link, [link, level](QAction* action) {
        link->call<MenuWindow>([level, action](MenuWindow* w) { w->OnTriggered(level, action); });
    });
    QObject::connect(widget, &QMenu::aboutToHide, link, [link, level] {
        link->call<MenuWindow>([level](MenuWindow* w) { w->OnHidden(level); });
    });
    widget->ensurePolished();
    widget->adjustSize();
    return widget;
}

void MenuWindow::OpenTop(gdi::POINT at, uint32_t flags, const gdi::RECT& area) {
    LevelWidget* widget = Build(menu_, 0);
    const QSize size = widget->sizeHint();
    const gdi::RECT place = PlacePopup(at, size.width(), size.height(), flags, area);
    widget->setGeometry(place.left, place.top, place.width(), place.height());
    widget->show();
    levels_.push_back(widget);
    levelMenus_.push_back(menu_);
    layer_->setFocusProxy(widget);
}

void MenuWindow::OpenSub(int level, QAction* action, bool selectFirst) {
    CloseAbove(level);
    LevelWidget* parent = levels_[size_t(level)];
    HMENU parentMenu = levelMenus_[size_t(level)];
    // The owner may have changed the menu on an opening: look the item up again.
    const size_t index = size_t(action->property(kItemIndex).toInt());
    HMENU sub = index < parentMenu->items.size() ? parentMenu->items[index].popup.get() : nullptr;
    if (!sub || !parent) return;
    if (notify_ && device::IsWindow(owner_))
        device::SendMessage(owner_, device::WM_INITMENUPOPUP, reinterpret_cast<device::WPARAM>(sub),
                            device::MAKELPARAM(int32_t(index), 0));
    // The owner may have removed the pop-up while hearing of it.
    if (done_ || !layer_ || index >= parentMenu->items.size() || parentMenu->items[index].popup.get() != sub) return;
    LevelWidget* widget = Build(sub, level + 1);
    const QRect menuRect = parent->geometry();
    const QRect itemRect = parent->actionGeometry(action).translated(menuRect.topLeft());
    const QSize size = widget->sizeHint();
    const gdi::RECT place = PlaceSubMenu({menuRect.left(), menuRect.top(), menuRect.right() + 1, menuRect.bottom() + 1},
                                         {itemRect.left(), itemRect.top(), itemRect.right() + 1, itemRect.bottom() + 1},
                                         size.width(), size.height(), MenuArea());
    widget->setGeometry(place.left, place.top, place.width(), place.height());
    widget->show();
    widget->raise();
    parent->setActiveAction(action);
    levels_.push_back(widget);
    levelMenus_.push_back(sub);
    layer_->setFocusProxy(widget);
    widget->setFocus();
    if (selectFirst) {
        for (QAction* a : widget->actions())
            if (!a->isSeparator() && a->isEnabled()) { widget->setActiveAction(a); break; }
    }
}

void MenuWindow::CloseAbove(int level) {
    closing_ = true;
    while (int(levels_.size()) > level + 1) {
        if (LevelWidget* w = levels_.back()) {
            w->hide();
            w->deleteLater();
        }
        levels_.pop_back();
        levelMenus_.pop_back();
    }
    closing_ = false;
    if (layer_ && !levels_.empty() && levels_.back()) {
        layer_->setFocusProxy(levels_.back());
        levels_.back()->setFocus();
    }
}

void MenuWindow::OnTriggered(int level, QAction* action) {
    if (done_ || level < 0 || size_t(level) >= levels_.size() || !action) return;
    if (action->property(kOpensPopup).toBool()) {
        OpenSub(level, action, false);
        return;
    }
    const size_t index = size_t(action->property(kItemIndex).toInt());
    const auto& items = levelMenus_[size_t(level)]->items;
    if (index >= items.size()) return;
    const MenuItem& item = items[index];
    if (item.flags & (MF_GRAYED | MF_DISABLED | MF_SEPARATOR | MF_POPUP)) return;
    Finish(item.id);
}

void MenuWindow::OnKey(int level, int qtKey) {
    if (done_ || size_t(level) >= levels_.size()) return;
    LevelWidget* widget = levels_[size_t(level)];
    if (qtKey == Qt::Key_Right) {
        QAction* active = widget ? widget->activeAction() : nullptr;
        if (active && active->isEnabled() && active->property(kOpensPopup).toBool()) OpenSub(level, active, true);
        return;
    }
    // Escape and Left close this level; Escape on the first level ends the menu.
    if (level > 0)
        CloseAbove(level - 1);
    else if (qtKey == Qt::Key_Escape)
        Dismiss();
}

void MenuWindow::OnHidden(int level) {
    // Qt hides a menu by itself when the stylus is lifted away from every item.
    if (!closing_ && !done_ && level >= 0) Dismiss();
}

void MenuWindow::Finish(uint16_t command) {
    if (done_) return;
    done_ = true;
    chosen_ = command;
    device::EndModalLoop(this, command);
}

}  // namespace

MenuPtr CreatePopupMenu() { return MenuPtr(new Menu); }

MenuPtr MenuFromTemplate(const std::vector<MenuItemTemplate>& items) {
    MenuPtr menu = CreatePopupMenu();
    for (const MenuItemTemplate& item : items) {
        if (item.flags & MF_POPUP)
            AppendMenu(menu.get(), item.flags, MenuFromTemplate(item.items), item.text);
        else
            AppendMenu(menu.get(), item.flags, item.id, item.text);
    }
    return menu;
}

bool DestroyMenu(MenuPtr& menu) {
    if (!menu) return false;
    menu.reset();
    return true;
}

bool AppendMenu(HMENU menu, uint32_t flags, uint16_t id, std::u16string_view text) {
    if (!menu || (flags & MF_POPUP)) return false;
    if (flags & MF_SEPARATOR)
        menu->items.push_back({u"", 0, MF_SEPARATOR, nullptr});
    else
        menu->items.push_back({std::u16string(text), id, flags, nullptr});
    return true;
}

bool AppendMenu(HMENU menu, uint32_t flags, MenuPtr popup, std::u16string_view text) {
    if (!menu || !popup || !(flags & MF_POPUP)) return false;
    menu->items.push_back({std::u16string(text), 0, (flags | MF_POPUP) & ~MF_SEPARATOR, std::move(popup)});
    return true;
}

HMENU GetSubMenu(HMENU menu, int pos) {
    if (!menu || pos < 0 || size_t(pos) >= menu->items.size()) return nullptr;
    return menu->items[size_t(pos)].popup.get();
}

int GetMenuItemCount(HMENU menu) { return menu ? int(menu->items.size()) : -1; }

uint32_t GetMenuItemID(HMENU menu, int pos) {
    if (!menu || pos < 0 || size_t(pos) >= menu->items.size()) return kNoMenuItem;
    const MenuItem& item = menu->items[size_t(pos)];
    return (item.flags & (MF_POPUP | MF_SEPARATOR)) ? kNoMenuItem : item.id;
}

uint32_t CheckMenuItem(HMENU menu, uint32_t item, uint32_t flags) {
    return ChangeItem(menu, item, flags, MF_CHECKED);
}

uint32_t EnableMenuItem(HMENU menu, uint32_t item, uint32_t flags) {
    return ChangeItem(menu, item, flags, MF_GRAYED | MF_DISABLED);
}

uint32_t GetMenuState(HMENU menu, uint32_t item, uint32_t flags) {
    const Found found = FindItem(menu, item, flags);
    return found.menu ? found.menu->items[found.index].flags : kNoMenuItem;
}

std::u16string GetMenuString(HMENU menu, uint32_t item, uint32_t flags) {
    const Found found = FindItem(menu, item, flags);
    return found.menu ? found.menu->items[found.index].text : std::u16string();
}

gdi::RECT PlacePopup(gdi::POINT at, int32_t width, int32_t height, uint32_t flags, const gdi::RECT& screen) {
    width = std::min(width, screen.width());
    height = std::min(height, screen.height());
    int32_t left = at.x;
    if (flags & TPM_CENTERALIGN)
        left = at.x - width / 2;
    else if (flags & TPM_RIGHTALIGN)
        left = at.x - width;
    int32_t top = at.y;
    if (flags & TPM_VCENTERALIGN)
        top = at.y - height / 2;
    else if (flags & TPM_BOTTOMALIGN)
        top = at.y - height;
    left = std::clamp(left, screen.left, screen.right - width);
    top = std::clamp(top, screen.top, screen.bottom - height);
    return {left, top, left + width, top + height};
}

gdi::RECT PlaceSubMenu(const gdi::RECT& parentMenu, const gdi::RECT& item, int32_t width, int32_t height,
                       const gdi::RECT& screen) {
    width = std::min(width, screen.width());
    height = std::min(height, screen.height());
    int32_t left = parentMenu.right;
    if (left + width > screen.right) left = parentMenu.left - width;
    left = std::clamp(left, screen.left, screen.right - width);
    const int32_t top = std::clamp(item.top, screen.top, screen.bottom - height);
    return {left, top, left + width, top + height};
}

int32_t TrackPopupMenu(HMENU menu, uint32_t flags, int32_t x, int32_t y, int32_t, device::HWND owner,
                       const gdi::RECT*) {
    if (!menu || menu->items.empty() || !device::IsWindow(owner) || device::IsWindow(tracked)) return 0;
    const bool notify = !(flags & TPM_NONOTIFY);
    if (notify) device::SendMessage(owner, device::WM_INITMENUPOPUP, reinterpret_cast<device::WPARAM>(menu), 0);
    if (!device::IsWindow(owner)) return 0;

    auto object = std::make_unique<MenuWindow>(menu, owner, notify);
    MenuWindow* window = object.get();
    const gdi::RECT screen = device::kScreenRect;
    if (!device::CreateWindowFor(std::move(object), u"MenuPopup", 0, u"", device::WS_POPUP, screen.left, screen.top,
                                 screen.width(), screen.height(), device::GetTopLevel(owner), 0))
        return 0;
    window->OpenTop({x, y}, flags, MenuArea());
    tracked = window;
    device::RunModalLoop(window);
    tracked = nullptr;
    const uint16_t command = device::IsWindow(window) ? window->chosen() : 0;
    device::DestroyWindow(window);

    if (flags & TPM_RETURNCMD) return command;
    if (command && device::IsWindow(owner)) device::PostMessage(owner, device::WM_COMMAND, command, 0);
    return command ? 1 : 0;
}

device::HWND TrackedMenuWindow() { return device::IsWindow(tracked) ? tracked : nullptr; }

}  // namespace controls
