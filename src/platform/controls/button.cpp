#include "platform/controls/button.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include "platform/controls/form_control.h"
#include "platform/device/activation.h"
#include "platform/device/message_loop.h"
#include "platform/device/painting.h"

namespace controls {
namespace {

using device::LPARAM;
using device::LRESULT;
using device::WPARAM;

bool IsRadio(uint32_t type) { return type == BS_AUTORADIOBUTTON || type == BS_RADIOBUTTON; }
bool IsCheckable(uint32_t type) { return IsRadio(type) || type == BS_AUTOCHECKBOX || type == BS_CHECKBOX; }

class Button final : public FormControl {
public:
    LRESULT WindowProc(uint32_t msg, WPARAM wParam, LPARAM lParam) override;
    // A group box only frames its group: taps reach the controls inside.
    bool TransparentToStylus() const override { return type() == BS_GROUPBOX; }
    std::string DumpDetails() override {
        return IsCheckable(type()) ? " check=" + std::to_string(check_) : std::string();
    }
    void OnClicked();

private:
    uint32_t type() const { return data().style & BS_TYPEMASK; }
    LRESULT OnCreate();
    void SetCheck(uint32_t check);
    void ShowCheck();
    // Owner-drawn buttons.
    void OnPaint();
    void OnStylus(uint32_t msg, LPARAM lParam);
    void SetPressed(bool pressed);

    uint32_t check_ = BST_UNCHECKED;
    bool pressed_ = false;
};

LRESULT Button::WindowProc(uint32_t msg, WPARAM wParam, LPARAM lParam) {
    if (CommonMessage(msg, wParam, lParam)) return 0;
    switch (msg) {
    case device::WM_CREATE:
        return OnCreate();
    case device::WM_SETTEXT:
        TitleMessage(msg, wParam, lParam);
        if (auto* button = qobject_cast<QAbstractButton*>(widget_.data()))
            button->setText(QString::fromStdU16String(data().title));
        if (auto* box = qobject_cast<QGroupBox*>(widget_.data())) box->setTitle(QString::fromStdU16String(data().title));
        return 1;
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
        return TitleMessage(msg, wParam, lParam);
    case BM_GETCHECK:
        return check_;
    case BM_SETCHECK:
        SetCheck(uint32_t(wParam));
        return 0;
    case BM_GETSTATE:
        return check_ | (pressed_ ? BST_PUSHED : 0);
    case BM_CLICK:
        if (device::IsWindowEnabled(this)) OnClicked();
        return 0;
    case device::WM_PAINT:
        if (type() == BS_OWNERDRAW) OnPaint();
        else device::ValidateRect(this, nullptr);
        return 0;
    case device::WM_LBUTTONDOWN:
    case device::WM_LBUTTONDBLCLK:
    case device::WM_MOUSEMOVE:
    case device::WM_LBUTTONUP:
        OnStylus(msg, lParam);
        return 0;
    case device::WM_KEYUP:
        if (wParam == device::VK_SPACE) OnClicked();
        return 0;
    default:
        return device::DefWindowProc(this, msg, wParam, lParam);
    }
}

LRESULT Button::OnCreate() {
    const QString text = QString::fromStdU16String(data().title);
    QWidget* widget = nullptr;
    switch (type()) {
    case BS_OWNERDRAW:
        break;
    case BS_GROUPBOX:
        widget = new QGroupBox(text);
        widget->setAttribute(Qt::WA_TransparentForMouseEvents);
        break;
    case BS_AUTORADIOBUTTON:
    case BS_RADIOBUTTON: {
        auto* radio = new QRadioButton(text);
        radio->setAutoExclusive(false);  // the group is the dialog's WS_GROUP run, not the Qt parent
        widget = radio;
        break;
    }
    case BS_AUTOCHECKBOX:
    case BS_CHECKBOX:
        widget = new QCheckBox(text);
        break;
    default: {
        auto* push = new QPushButton(text);
        push->setDefault(type() == BS_DEFPUSHBUTTON);
        push->setAutoDefault(false);
        widget = push;
        break;
    }
    }
    if (widget) widget->setObjectName(QStringLiteral("button"));
    Host(widget);
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        ControlLink* l = link();
        QObject::connect(button, &QAbstractButton::clicked, l,
                         [l] { l->call<Button>([](Button* b) { b->OnClicked(); }); });
    }
    return 0;
}

void Button::ShowCheck() {
    auto* button = qobject_cast<QAbstractButton*>(widget_.data());
    if (!button || !IsCheckable(type())) return;
    const QSignalBlocker quiet(button);
    button->setChecked(check_ == BST_CHECKED);
}

void Button::SetCheck(uint32_t check) {
    check_ = check == BST_CHECKED ? BST_CHECKED : BST_UNCHECKED;
    ShowCheck();
}

void Button::OnClicked() {
    switch (type()) {
    case BS_AUTORADIOBUTTON:
        for (device::HWND other : RadioGroupOf(this))
            if (other != this) device::SendMessage(other, BM_SETCHECK, BST_UNCHECKED, 0);
        check_ = BST_CHECKED;
        break;
    case BS_AUTOCHECKBOX:
        check_ = check_ == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
        break;
    default:
        break;
    }
    ShowCheck();  // a plain radio or check box keeps the check the program set
    Command(BN_CLICKED);
}

void Button::OnPaint() {
    device::PAINTSTRUCT ps;
    device::BeginPaint(this, &ps);
    DRAWITEMSTRUCT item;
    item.CtlType = ODT_BUTTON;
    item.CtlID = uint32_t(data().id);
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = (pressed_ ? ODS_SELECTED : 0) | (data().enabled ? 0 : ODS_DISABLED) |
                     (device::GetFocus() == this ? ODS_FOCUS : 0);
    item.hwndItem = this;
    item.hDC = ps.hdc;
    item.rcItem = {0, 0, data().rect.width(), data().rect.height()};
    if (device::HWND parent = device::GetParent(this))
        device::SendMessage(parent, device::WM_DRAWITEM, WPARAM(data().id), LPARAM(&item));
    device::EndPaint(this, &ps);
}

void Button::SetPressed(bool pressed) {
    if (pressed == pressed_) return;
    pressed_ = pressed;
    device::InvalidateRect(this, nullptr, false);
    device::UpdateWindow(this);
}

void Button::OnStylus(uint32_t msg, LPARAM lParam) {
    if (type() != BS_OWNERDRAW) return;
    const int32_t x = device::GET_X_LPARAM(lParam), y = device::GET_Y_LPARAM(lParam);
    const bool inside = x >= 0 && y >= 0 && x < data().rect.width() && y < data().rect.height();
    switch (msg) {
    case device::WM_LBUTTONDOWN:
    case device::WM_LBUTTONDBLCLK:
        device::SetCapture(this);
        SetPressed(true);
        break;
    case device::WM_MOUSEMOVE:
        if (device::GetCapture() == this) SetPressed(inside);
        break;
    case device::WM_LBUTTONUP: {
        const bool held = device::GetCapture() == this;
        if (held) device::ReleaseCapture();
        const bool click = held && inside && pressed_;
        SetPressed(false);
        if (click) Command(BN_CLICKED);
        break;
    }
    default:
        break;
    }
}

}  // namespace

std::vector<device::HWND> RadioGroupOf(device::HWND button) {
    std::vector<device::HWND> group;
    device::HWND parent = device::GetParent(button);
    if (!parent) return group;
    const auto& siblings = parent->data().children;
    auto at = std::find(siblings.begin(), siblings.end(), button);
    if (at == siblings.end()) return group;
    auto first = at;
    while (first != siblings.begin() && !((*first)->data().style & WS_GROUP)) --first;
    for (auto it = first; it != siblings.end(); ++it) {
        if (it != first && ((*it)->data().style & WS_GROUP)) break;
        const auto& d = (*it)->data();
        if (d.className == u"button" && IsRadio(d.style & BS_TYPEMASK)) group.push_back(*it);
    }
    return group;
}

bool RegisterButtonClass() {
    return device::RegisterClass(u"button", 0, [] { return std::make_unique<Button>(); });
}

}  // namespace controls
