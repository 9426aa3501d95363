#include "platform/controls/up_down.h"

#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

#include "platform/controls/dialog.h"
#include "platform/controls/edit.h"
#include "platform/controls/form_control.h"
#include "platform/controls/scroll_bar.h"
#include "platform/device/message_loop.h"

namespace controls {
namespace {

using device::HWND;
using device::LPARAM;
using device::LRESULT;
using device::WPARAM;

class UpDown final : public FormControl {
public:
    LRESULT WindowProc(uint32_t msg, WPARAM wParam, LPARAM lParam) override;
    // One press of an arrow: +1 up, -1 down.
    void Step(int32_t delta);
    std::string DumpDetails() override {
        return " value=" + std::to_string(pos_) + " range=" + std::to_string(lower_) + ".." + std::to_string(upper_);
    }

private:
    LRESULT OnCreate();
    void SetBuddy(HWND buddy);
    // The buddy's number, when it has one in the range.
    bool ReadBuddy(int32_t* value) const;
    void WriteBuddy();
    int32_t Clamp(int32_t pos) const {
        return std::clamp(pos, std::min(lower_, upper_), std::max(lower_, upper_));
    }

    HWND buddy_ = nullptr;
    int32_t lower_ = 100;  // the handheld's default range runs from 100 at the bottom to 0 at the top
    int32_t upper_ = 0;
    int32_t pos_ = 0;
};

LRESULT UpDown::WindowProc(uint32_t msg, WPARAM wParam, LPARAM lParam) {
    if (CommonMessage(msg, wParam, lParam)) return 0;
    switch (msg) {
    case device::WM_CREATE:
        return OnCreate();
    case UDM_SETRANGE:
        upper_ = int16_t(device::LOWORD(uintptr_t(lParam)));
        lower_ = int16_t(device::HIWORD(uintptr_t(lParam)));
        return 0;
    case UDM_GETRANGE:
        return device::MAKELPARAM(upper_, lower_);
    case UDM_SETPOS: {
        const int32_t previous = pos_;
        pos_ = Clamp(int16_t(device::LOWORD(uintptr_t(lParam))));
        WriteBuddy();
        return previous;
    }
    case UDM_GETPOS: {
        int32_t value = pos_;
        const bool read = !(data().style & UDS_SETBUDDYINT) || !buddy_ || ReadBuddy(&value);
        if (read) pos_ = value;
        return device::MAKELPARAM(pos_, read ? 0 : 1);
    }
    case UDM_SETBUDDY: {
        HWND previous = buddy_;
        SetBuddy(reinterpret_cast<HWND>(wParam));
        return LRESULT(previous);
    }
    case UDM_GETBUDDY:
        return LRESULT(device::IsWindow(buddy_) ? buddy_ : nullptr);
    default:
        return device::DefWindowProc(this, msg, wParam, lParam);
    }
}

LRESULT UpDown::OnCreate() {
    auto* arrows = new QWidget;
    arrows->setObjectName(QStringLiteral("updown"));
    auto* layout = new QVBoxLayout(arrows);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    ControlLink* l = link();
    for (int32_t delta : {+1, -1}) {
        auto* arrow = new QToolButton(arrows);
        arrow->setArrowType(delta > 0 ? Qt::UpArrow : Qt::DownArrow);
        arrow->setFocusPolicy(Qt::NoFocus);
        arrow->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        layout->addWidget(arrow);
        QObject::connect(arrow, &QToolButton::clicked, l,
                         [l, delta] { l->call<UpDown>([delta](UpDown* u) { u->Step(delta); }); });
    }
    Host(arrows);
    if (data().style & UDS_AUTOBUDDY) {
        HWND parent = device::GetParent(this);
        const auto& siblings = parent ? parent->data().children : std::vector<HWND>{};
        auto at = std::find(siblings.begin(), siblings.end(), static_cast<HWND>(this));
        if (at != siblings.end() && at != siblings.begin()) SetBuddy(*(at - 1));
    }
    return 0;
}

void UpDown::SetBuddy(HWND buddy) {
    buddy_ = device::IsWindow(buddy) ? buddy : nullptr;
    if (!buddy_) return;
    const uint32_t style = data().style;
    if (style & (UDS_ALIGNRIGHT | UDS_ALIGNLEFT)) {
        // The arrows take the buddy's edge; the buddy gives up that width.
        const gdi::RECT b = buddy_->data().rect;
        const int32_t w = data().rect.width();
        const bool right = style & UDS_ALIGNRIGHT;
        const int32_t buddyLeft = right ? b.left : b.left + w;
        device::MoveWindow(buddy_, buddyLeft, b.top, std::max(b.width() - w, 0), b.height(), true);
        device::MoveWindow(this, right ? b.right - w : b.left, b.top, w, b.height(), true);
    }
    if (style & UDS_ARROWKEYS) {
        ControlLink* l = link();
        SetEditArrowKeyHandler(buddy_, [l](uint32_t vk) {
            bool taken = false;
            l->call<UpDown>([&](UpDown* u) {
                u->Step(vk == device::VK_UP ? +1 : -1);
                taken = true;
            });
            return taken;
        });
    }
}

bool UpDown::ReadBuddy(int32_t* value) const {
    if (!device::IsWindow(buddy_)) return false;
    char16_t text[64] = {};
    GetWindowTextW(buddy_, text, 64);
    std::u16string digits;
    for (const char16_t* c = text; *c; ++c)
        if (*c != u',' || (data().style & UDS_NOTHOUSANDS)) digits += *c;
    uint32_t n = 0;
    if (!ParseDlgInt(digits, true, &n)) return false;
    const int32_t v = int32_t(n);
    if (v != Clamp(v)) return false;
    *value = v;
    return true;
}

void UpDown::WriteBuddy() {
    if (!(data().style & UDS_SETBUDDYINT) || !device::IsWindow(buddy_)) return;
    const std::string digits = std::to_string(pos_);
    SetWindowTextW(buddy_, std::u16string(digits.begin(), digits.end()));
}

void UpDown::Step(int32_t delta) {
    if (!device::IsWindowEnabled(this)) return;
    if (data().style & UDS_SETBUDDYINT) ReadBuddy(&pos_);
    NMUPDOWN change;
    change.iPos = pos_;
    change.iDelta = delta;
    const bool refused = SendNotify(this, &change.hdr, UDN_DELTAPOS) != 0;
    if (!device::IsWindow(this)) return;
    if (!refused) {
        const int32_t next = UpDownStep(pos_, change.iDelta, lower_, upper_, data().style & UDS_WRAP);
        if (next != pos_) {
            pos_ = next;
            WriteBuddy();
            if (!device::IsWindow(this)) return;
        }
    }
    if (HWND parent = device::GetParent(this)) {
        const uint32_t msg = (data().style & UDS_HORZ) ? device::WM_HSCROLL : device::WM_VSCROLL;
        device::SendMessage(parent, msg, device::MAKEWPARAM(SB_THUMBPOSITION, pos_), LPARAM(static_cast<HWND>(this)));
    }
}

}  // namespace

int32_t UpDownStep(int32_t pos, int32_t delta, int32_t lower, int32_t upper, bool wrap) {
    const int64_t low = std::min(lower, upper), high = std::max(lower, upper);
    const int64_t next = int64_t(pos) + int64_t(delta) * (upper >= lower ? 1 : -1);
    if (next >= low && next <= high) return int32_t(next);
    if (wrap) return int32_t(next > high ? low : high);
    return int32_t(next > high ? high : low);
}

bool RegisterUpDownClass() {
    return device::RegisterClass(u"msctls_updown32", 0, [] { return std::make_unique<UpDown>(); });
}

}  // namespace controls
