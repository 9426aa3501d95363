#include "platform/controls/menu_bar.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QPixmap>
#include <QPointer>
#include <QToolButton>

#include <algorithm>
#include <vector>

#include "platform/controls/list_link.h"
#include "platform/device/message_loop.h"
#include "platform/device/screen_layout.h"

namespace controls {
namespace {

constexpr char16_t kBandClass[] = u"MenuBand";
constexpr char16_t kBarClass[] = u"menu_bar";
constexpr int kSeparatorWidth = 6;
constexpr int kImageButtonWidth = 23;

// The band at the bottom of the screen that holds a window's bars. The bars
// are its children and the band takes no activation, so neither showing a
// bar nor tapping one changes the active window; the band shows while one of
// its bars does.
class MenuBand final : public device::Window {
public:
    device::LRESULT WindowProc(uint32_t msg, device::WPARAM wParam, device::LPARAM lParam) override {
        if (msg == device::WM_CREATE) {
            layer_ = new QWidget(data().widget);
            layer_->setObjectName(QStringLiteral("ezoMenuBand"));
            return 0;
        }
        return device::DefWindowProc(this, msg, wParam, lParam);
    }
    QWidget* hostedWidget() override { return layer_; }
    bool TakesActivation() const override { return false; }

    void Refresh() {
        const bool any = std::any_of(data().children.begin(), data().children.end(),
                                     [](device::HWND bar) { return bar->data().visible; });
        if (any) {
            device::ShowWindow(this, device::SW_SHOWNA);
            device::BringWindowToTop(this);
        } else {
            device::ShowWindow(this, device::SW_HIDE);
        }
    }

private:
    QPointer<QWidget> layer_;
};

struct Button {
    MenuBarButtonTemplate shape;
    QPointer<QWidget> widget;
};

class MenuBar final : public device::Window {
public:
    MenuBar(device::HWND parent, const MenuBarTemplate* layout, HINSTANCE instance)
        : parent_(parent), layout_(layout ? *layout : MenuBarTemplate{}) {
        if (layout && layout->menuId) menu_ = LoadMenu(instance, layout->menuId);
    }

    device::LRESULT WindowProc(uint32_t msg, device::WPARAM wParam, device::LPARAM lParam) override;
    QWidget* hostedWidget() override { return row_; }

    void OnPressed(size_t index);
    gdi::RECT ButtonRect(size_t index) const;
    // Adds the bitmap as the next image; a bitmap that cannot be loaded
    // still takes its index (as a blank image), so later images keep theirs.
    bool AddImage(HINSTANCE instance, int bitmapId);

private:
    device::LRESULT OnCreate();
    void OnShowWindow();
    HMENU SubMenuOf(uint16_t command) const;
    int32_t AddBitmap(int32_t count, const TBADDBITMAP* add);
    Button* Find(uint16_t command);
    bool ChangeImage(uint16_t command, int32_t image);
    bool EnableButton(uint16_t command, bool enable);
    int CopyText(uint16_t command, char16_t* buffer) const;
    bool GetButton(size_t index, TBBUTTON* out) const;
    QWidget* MakeButton(size_t index);
    void ShowImage(Button& button);

    device::HWND parent_;
    MenuBarTemplate layout_;
    MenuPtr menu_;
    ControlLink* link_ = nullptr;
    QPointer<QWidget> row_;
    std::vector<Button> buttons_;
    std::vector<QImage> images_;
};

device::LRESULT MenuBar::WindowProc(uint32_t msg, device::WPARAM wParam, device::LPARAM lParam) {
    switch (msg) {
    case device::WM_CREATE:
        return OnCreate();
    case device::WM_DESTROY:
        if (link_) link_->control = nullptr;
        return 0;
    case device::WM_SHOWWINDOW:
        OnShowWindow();
        return 0;
    case SHCMBM_GETSUBMENU:
        return reinterpret_cast<device::LRESULT>(SubMenuOf(uint16_t(lParam)));
    case TB_ADDBITMAP:
        return AddBitmap(int32_t(wParam), reinterpret_cast<const TBADDBITMAP*>(lParam));
    case TB_CHANGEBITMAP:
        return ChangeImage(uint16_t(wParam), int32_t(lParam));
    case TB_GETBITMAP: {
        const Button* b = Find(uint16_t(wParam));
        return b ? b->shape.image : 0;
    }
    case TB_ENABLEBUTTON:
        return EnableButton(uint16_t(wParam), device::LOWORD(uintptr_t(lParam)) != 0);
    case TB_ISBUTTONENABLED: {
        const Button* b = Find(uint16_t(wParam));
        return b && (b->shape.state & TBSTATE_ENABLED);
    }
    case TB_BUTTONCOUNT:
        return device::LRESULT(buttons_.size());
    case TB_GETBUTTON:
        return GetButton(size_t(wParam), reinterpret_cast<TBBUTTON*>(lParam));
    case TB_GETBUTTONTEXTW:
        return CopyText(uint16_t(wParam), reinterpret_cast<char16_t*>(lParam));
    default:
        return device::DefWindowProc(this, msg, wParam, lParam);
    }
}

device::LRESULT MenuBar::OnCreate() {
    link_ = new ControlLink(data().widget);
    link_->control = this;
    row_ = new QWidget(data().widget);
    row_->setObjectName(QStringLiteral("ezoMenuBar"));
    row_->setAttribute(Qt::WA_StyledBackground);
    row_->setGeometry(0, 0, data().rect.width(), data().rect.height());
    auto* layout = new QHBoxLayout(row_);
    layout->setContentsMargins(1, 1, 1, 0);
    layout->setSpacing(0);
    for (const MenuBarButtonTemplate& shape : layout_.buttons) buttons_.push_back({shape, nullptr});
    for (size_t i = 0; i < buttons_.size(); ++i) {
        buttons_[i].widget = MakeButton(i);
        layout->addWidget(buttons_[i].widget);
    }
    layout->addStretch(1);
    layout->activate();
    return 0;
}

QWidget* MenuBar::MakeButton(size_t index) {
    Button& button = buttons_[index];
    const MenuBarButtonTemplate& shape = button.shape;
    if (shape.style & TBSTYLE_SEP) {
        auto* line = new QFrame(row_);
        line->setObjectName(QStringLiteral("ezoBarSeparator"));
        line->setFixedWidth(kSeparatorWidth);
        return line;
    }
    auto* tool = new QToolButton(row_);
    tool->setFocusPolicy(Qt::NoFocus);
    tool->setEnabled(shape.state & TBSTATE_ENABLED);
    tool->setFixedHeight(device::kMenuBarHeight - 1);
    if (shape.image >= 0) {
        tool->setObjectName(QStringLiteral("ezoBarImageButton"));
        tool->setFixedWidth(kImageButtonWidth);
        tool->setIconSize(QSize(kBarImageSize, kBarImageSize));
        tool->setToolButtonStyle(Qt::ToolButtonIconOnly);
    } else {
        tool->setObjectName((shape.style & TBSTYLE_DROPDOWN) ? QStringLiteral("ezoBarMenuButton")
                                                            : QStringLiteral("ezoBarTextButton"));
        tool->setText(QString::fromStdU16String(LoadStringText(shape.stringId)));
        tool->setToolButtonStyle(Qt::ToolButtonTextOnly);
    }
    // The press is handled once Qt has finished delivering the tap: what it
    // starts (a pop-up, a dialog) may run a loop of its own.
    ControlLink* link = link_;
    QObject::connect(
        tool, &QToolButton::clicked, link,
        [link, index] { link->call<MenuBar>([index](MenuBar* bar) { bar->OnPressed(index); }); },
        Qt::QueuedConnection);
    return tool;
}

void MenuBar::ShowImage(Button& button) {
    auto* tool = qobject_cast<QToolButton*>(button.widget.data());
    if (!tool || button.shape.image < 0) return;
    const size_t at = size_t(button.shape.image);
    tool->setIcon(at < images_.size() ? QIcon(QPixmap::fromImage(images_[at])) : QIcon());
}

void MenuBar::OnShowWindow() {
    if (data().visible) device::BringWindowToTop(this);
    if (auto* band = dynamic_cast<MenuBand*>(device::GetParent(this))) band->Refresh();
}

HMENU MenuBar::SubMenuOf(uint16_t command) const {
    for (const Button& b : buttons_)
        if (b.shape.command == command && b.shape.subMenu != NOMENU) return GetSubMenu(menu_.get(), b.shape.subMenu);
    return nullptr;
}

Button* MenuBar::Find(uint16_t command) {
    for (Button& b : buttons_)
        if (!(b.shape.style & TBSTYLE_SEP) && b.shape.command == command) return &b;
    return nullptr;
}

int32_t MenuBar::AddBitmap(int32_t count, const TBADDBITMAP* add) {
    if (!add || count < 1) return -1;
    gdi::BitmapPtr bitmap = LoadBitmap(add->hInst, int(add->nID));
    if (!bitmap) return -1;
    const QImage strip = ImageFromBitmap(*bitmap);
    if (strip.isNull()) return -1;
    const int32_t first = int32_t(images_.size());
    const int32_t available = std::max(1, strip.width() / kBarImageSize);
    for (int32_t i = 0; i < std::min(count, available); ++i)
        images_.push_back(strip.copy(i * kBarImageSize, 0, kBarImageSize, kBarImageSize));
    for (Button& b : buttons_) ShowImage(b);
    return first;
}

bool MenuBar::AddImage(HINSTANCE instance, int bitmapId) {
    TBADDBITMAP add{instance, uintptr_t(bitmapId)};
    if (AddBitmap(1, &add) >= 0) return true;
    QImage blank(kBarImageSize, kBarImageSize, QImage::Format_ARGB32);
    blank.fill(Qt::transparent);
    images_.push_back(blank);
    return false;
}

bool MenuBar::ChangeImage(uint16_t command, int32_t image) {
    Button* b = Find(command);
    if (!b || b->shape.image < 0 || image < 0) return false;
    b->shape.image = image;
    ShowImage(*b);
    return true;
}

bool MenuBar::EnableButton(uint16_t command, bool enable) {
    Button* b = Find(command);
    if (!b) return false;
    b->shape.state = enable ? uint8_t(b->shape.state | TBSTATE_ENABLED) : uint8_t(b->shape.state & ~TBSTATE_ENABLED);
    if (b->widget) b->widget->setEnabled(enable);
    return true;
}

int MenuBar::CopyText(uint16_t command, char16_t* buffer) const {
    for (const Button& b : buttons_) {
        if ((b.shape.style & TBSTYLE_SEP) || b.shape.command != command) continue;
        const std::u16string text = LoadStringText(b.shape.stringId);
        if (buffer) LoadString(nullptr, b.shape.stringId, buffer, 260);
        return int(std::min<size_t>(text.size(), 259));
    }
    return -1;
}

bool MenuBar::GetButton(size_t index, TBBUTTON* out) const {
    if (!out || index >= buttons_.size()) return false;
    const MenuBarButtonTemplate& shape = buttons_[index].shape;
    *out = {shape.image, shape.command, shape.state, shape.style, 0, intptr_t(shape.stringId)};
    return true;
}

gdi::RECT MenuBar::ButtonRect(size_t index) const {
    if (index >= buttons_.size() || !buttons_[index].widget) return {};
    const QRect r = buttons_[index].widget->geometry();
    const gdi::POINT at = device::ClientToScreen(const_cast<MenuBar*>(this), {r.left(), r.top()});
    return {at.x, at.y, at.x + r.width(), at.y + r.height()};
}

void MenuBar::OnPressed(size_t index) {
    if (index >= buttons_.size()) return;
    const MenuBarButtonTemplate shape = buttons_[index].shape;
    if (!(shape.state & TBSTATE_ENABLED) || !device::IsWindow(parent_)) return;
    if (HMENU popup = shape.subMenu != NOMENU ? GetSubMenu(menu_.get(), shape.subMenu) : nullptr) {
        // The pop-up opens upward from the button's left edge on the bar's top.
        const gdi::RECT r = ButtonRect(index);
        gdi::RECT bar;
        device::GetWindowRect(this, &bar);
        auto* tool = qobject_cast<QToolButton*>(buttons_[index].widget.data());
        if (tool) tool->setDown(true);
        QPointer<QToolButton> guard(tool);
        TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_BOTTOMALIGN, r.left, bar.top, 0, parent_, nullptr);
        if (guard) guard->setDown(false);
        return;
    }
    device::SendMessage(parent_, device::WM_COMMAND, device::MAKEWPARAM(shape.command, 0),
                        reinterpret_cast<device::LPARAM>(this));
}

// The band of the parent's top-level window, made on first use.
MenuBand* BandFor(device::HWND parent) {
    device::HWND owner = device::GetTopLevel(parent);
    for (device::HWND top : device::TopLevelWindows())
        if (top->data().className == kBandClass && top->data().parent == owner && !top->data().destroying)
            return static_cast<MenuBand*>(top);
    const gdi::RECT r = device::kMenuBarRect;
    return static_cast<MenuBand*>(device::CreateWindowFor(std::make_unique<MenuBand>(), kBandClass, 0, u"",
                                                          device::WS_POPUP, r.left, r.top, r.width(),
                                                          r.height(), owner, 0));
}

}  // namespace

bool SHCreateMenuBar(SHMENUBARINFO* info) {
    if (!info) return false;
    info->hwndMB = nullptr;
    if (info->cbSize != kSHMENUBARINFOSize || !device::IsWindow(info->hwndParent)) return false;
    const MenuBarTemplate* layout = nullptr;
    if (!(info->dwFlags & SHCMBF_EMPTYBAR)) {
        layout = FindMenuBarTemplate(int(info->nToolBarId));
        if (!layout) return false;
    }
    MenuBand* band = BandFor(info->hwndParent);
    if (!band) return false;
    const uint32_t style = device::WS_CHILD | ((info->dwFlags & SHCMBF_HIDDEN) ? 0 : device::WS_VISIBLE);
    device::HWND bar = device::CreateWindowFor(std::make_unique<MenuBar>(info->hwndParent, layout, info->hInstRes),
                                               kBarClass, 0, u"", style, 0, 0, device::kScreenWidth,
                                               device::kMenuBarHeight, band, int32_t(info->nToolBarId));
    if (!bar) return false;
    if (info->nBmpId) {
        TBADDBITMAP add{info->hInstRes, uintptr_t(info->nBmpId)};
        device::SendMessage(bar, TB_ADDBITMAP, device::WPARAM(std::max(info->cBmpImages, 1)),
                            reinterpret_cast<device::LPARAM>(&add));
    }
    info->hwndMB = bar;
    return true;
}

int SetMenuBarImages(device::HWND bar, HINSTANCE instance, std::span<const int> bitmapIds) {
    auto* object = dynamic_cast<MenuBar*>(bar);
    if (!object || !device::IsWindow(bar)) return 0;
    int added = 0;
    for (int id : bitmapIds) added += object->AddImage(instance, id) ? 1 : 0;
    return added;
}

gdi::RECT MenuBarButtonRect(device::HWND bar, int index) {
    auto* object = dynamic_cast<MenuBar*>(bar);
    return (object && device::IsWindow(bar) && index >= 0) ? object->ButtonRect(size_t(index)) : gdi::RECT{};
}

}  // namespace controls
