#include "platform/controls/dialog.h"

#include <QWidget>

#include <algorithm>
#include <limits>

#include "platform/controls/button.h"
#include "platform/controls/dialog_window.h"
#include "platform/controls/form_classes.h"
#include "platform/controls/form_control.h"
#include "platform/device/activation.h"
#include "platform/device/message_loop.h"
#include "platform/device/screen_layout.h"

namespace controls {
namespace {

using device::HWND;
using device::LPARAM;
using device::LRESULT;
using device::WPARAM;

bool Takes(HWND w) {
    const auto& d = w->data();
    return (d.style & device::WS_TABSTOP) && d.visible && d.enabled;
}

void CollectTabStops(HWND parent, std::vector<HWND>& out) {
    for (HWND child : parent->data().children) {
        if (dynamic_cast<DialogWindow*>(child)) {
            if (child->data().visible) CollectTabStops(child, out);
        } else if (Takes(child)) {
            out.push_back(child);
        }
    }
}

// Keeps a top-level dialog's rectangle inside the screen below the task bar.
gdi::RECT KeepOnScreen(gdi::RECT r) {
    const gdi::RECT area{0, device::kTaskBarHeight, device::kScreenWidth, device::kScreenHeight};
    const int32_t w = std::min(r.width(), area.width());
    const int32_t h = std::min(r.height(), area.height());
    const int32_t x = std::clamp(r.left, area.left, area.right - w);
    const int32_t y = std::clamp(r.top, area.top, area.bottom - h);
    return {x, y, x + w, y + h};
}

gdi::RECT PlaceDialog(const DialogTemplate& t, const gdi::RECT& pixels, HWND parent, bool child) {
    if (child) return pixels;
    gdi::RECT r = pixels;
    if (t.style & DS_CENTER) {
        const gdi::RECT area = device::kWorkArea;
        const int32_t x = area.left + (area.width() - r.width()) / 2;
        const int32_t y = area.top + (area.height() - r.height()) / 2;
        r = {x, y, x + r.width(), y + r.height()};
    } else if (!(t.style & DS_ABSALIGN) && parent) {
        // Relative to the owner's client area.
        const gdi::POINT origin = device::ClientToScreen(parent, {0, 0});
        r = {r.left + origin.x, r.top + origin.y, r.right + origin.x, r.bottom + origin.y};
    }
    return KeepOnScreen(r);
}

bool CreateItems(const DialogTemplate& t, HWND dialog, BaseUnits base) {
    for (const DialogItem& item : t.items) {
        const gdi::RECT r = DialogUnitsToPixels(item.rect, base);
        HWND control = device::CreateWindow(item.className, item.text, item.style | device::WS_CHILD, r.left,
                                            r.top, r.width(), r.height(), dialog, item.id);
        if (!control) return false;
    }
    return true;
}

}  // namespace

DialogWindow* OuterDialogOf(HWND window) {
    DialogWindow* found = nullptr;
    for (HWND w = window; device::IsWindow(w); w = w->data().parent) {
        if (auto* d = dynamic_cast<DialogWindow*>(w)) found = d;
        if (!(w->data().style & device::WS_CHILD)) break;
    }
    return found;
}

std::vector<HWND> TabStops(HWND dialog) {
    std::vector<HWND> out;
    if (device::IsWindow(dialog)) CollectTabStops(dialog, out);
    return out;
}

int DefaultCommand(HWND dialog) {
    const LRESULT answer = device::SendMessage(dialog, DM_GETDEFID, 0, 0);
    if (device::HIWORD(uintptr_t(answer)) == DC_HASDEFID) return device::LOWORD(uintptr_t(answer));
    return device::IDOK;
}

void MoveToNextTabStop(HWND dialog, bool backwards) {
    const std::vector<HWND> stops = TabStops(dialog);
    if (stops.empty()) return;
    auto at = std::find(stops.begin(), stops.end(), device::GetFocus());
    size_t next;
    if (at == stops.end())
        next = backwards ? stops.size() - 1 : 0;
    else {
        const size_t i = size_t(at - stops.begin());
        next = backwards ? (i + stops.size() - 1) % stops.size() : (i + 1) % stops.size();
    }
    device::SetFocus(stops[next]);
}

intptr_t DialogWindow::CallProc(uint32_t msg, WPARAM wParam, LPARAM lParam) {
    if (!started_ || !proc_) return 0;
    return proc_(this, msg, wParam, lParam);
}

void DialogWindow::End(intptr_t result) {
    ended_ = true;
    result_ = result;
    if (!device::EndModalLoop(this, int(result))) device::ShowWindow(this, device::SW_HIDE);
}

void DialogWindow::SetDoneButton(QWidget* button) {
    if (done_) done_->deleteLater();
    done_ = button;
}

LRESULT DialogWindow::WindowProc(uint32_t msg, WPARAM wParam, LPARAM lParam) {
    if (msg == device::WM_DESTROY && done_) done_->deleteLater();
    if (msg == device::WM_ACTIVATE && done_) done_->setVisible(device::LOWORD(wParam) != device::WA_INACTIVE);
    const intptr_t handled = CallProc(msg, wParam, lParam);
    if (handled) return msg == WM_INITDIALOG ? handled : 0;
    switch (msg) {
    case device::WM_CLOSE:
        device::SendMessage(this, device::WM_COMMAND, device::MAKEWPARAM(device::IDCANCEL, 0), 0);
        return 0;
    case device::WM_SETFOCUS:
        OnSetFocus();
        return 0;
    case device::WM_KEYDOWN:
        OnKey(uint32_t(wParam));
        return 0;
    case DM_GETDEFID:
        for (HWND child : data().children)
            if ((child->data().className == u"button") &&
                (child->data().style & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
                return device::MAKELPARAM(child->data().id, DC_HASDEFID);
        return 0;
    default:
        return device::DefWindowProc(this, msg, wParam, lParam);
    }
}

void DialogWindow::OnSetFocus() {
    HWND target = device::IsWindow(focusTarget_) ? focusTarget_ : nullptr;
    if (!target) {
        const std::vector<HWND> stops = TabStops(this);
        if (!stops.empty()) target = stops.front();
    }
    if (target && target != this && device::IsWindowEnabled(target)) device::SetFocus(target);
}

void DialogWindow::OnKey(uint32_t vk) {
    HWND dialog = OuterDialogOf(this);
    if (!dialog) return;
    if (vk == device::VK_RETURN) {
        // A focused push button takes Return itself; otherwise the default button does.
        HWND focus = device::GetFocus();
        const bool pushFocused = focus && focus->data().className == u"button" &&
                                 (focus->data().style & BS_TYPEMASK) <= BS_DEFPUSHBUTTON;
        const int id = pushFocused ? focus->data().id : DefaultCommand(dialog);
        device::SendMessage(dialog, device::WM_COMMAND, device::MAKEWPARAM(id, BN_CLICKED),
                            LPARAM(device::GetDlgItem(dialog, id)));
    } else if (vk == device::VK_ESCAPE) {
        device::SendMessage(dialog, device::WM_COMMAND, device::MAKEWPARAM(device::IDCANCEL, BN_CLICKED), 0);
    } else if (vk == device::VK_TAB) {
        MoveToNextTabStop(dialog, false);
    }
}

bool DialogKey(HWND control, int qtKey, Qt::KeyboardModifiers modifiers) {
    DialogWindow* dialog = OuterDialogOf(control);
    if (!dialog) return false;
    switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter: dialog->WindowProc(device::WM_KEYDOWN, device::VK_RETURN, 0); return true;
    case Qt::Key_Escape: dialog->WindowProc(device::WM_KEYDOWN, device::VK_ESCAPE, 0); return true;
    case Qt::Key_Tab: MoveToNextTabStop(dialog, modifiers & Qt::ShiftModifier); return true;
    case Qt::Key_Backtab: MoveToNextTabStop(dialog, true); return true;
    default: return false;
    }
}

HWND CreateDialogIndirectParam(const DialogTemplate& t, HWND parent, DLGPROC proc, LPARAM lParam) {
    RegisterFormControlClasses();
    const bool child = t.style & device::WS_CHILD;
    if (child && !device::IsWindow(parent)) return nullptr;
    HWND owner = child ? parent : device::GetTopLevel(parent);
    const BaseUnits base = DialogBaseUnits(t.pointSize);
    const gdi::RECT r = PlaceDialog(t, DialogUnitsToPixels(t.rect, base), owner, child);
    auto object = std::make_unique<DialogWindow>(std::move(proc), base);
    DialogWindow* dialog = object.get();
    HWND window = device::CreateWindowFor(std::move(object), u"Dialog", 0, t.caption, t.style & ~device::WS_VISIBLE,
                                          r.left, r.top, r.width(), r.height(), owner, 0);
    if (!window) return nullptr;
    if (QWidget* widget = window->data().widget) {
        widget->setFont(DialogFont(t.pointSize));
    }
    if (!CreateItems(t, window, base)) {
        device::DestroyWindow(window);
        return nullptr;
    }
    dialog->Start();
    const std::vector<HWND> stops = TabStops(window);
    HWND first = stops.empty() ? nullptr : stops.front();
    const LRESULT focusDefault = device::SendMessage(window, WM_INITDIALOG, WPARAM(first), lParam);
    if (!device::IsWindow(window)) return nullptr;
    if (focusDefault && first && !dialog->ended()) dialog->SetFocusTarget(first);
    if ((t.style & device::WS_VISIBLE) && !dialog->ended()) device::ShowWindow(window, device::SW_SHOW);
    return window;
}

HWND CreateDialogParam(HINSTANCE, int templateId, HWND owner, DLGPROC proc, LPARAM lParam) {
    const DialogTemplate* t = FindDialogTemplate(templateId);
    return t ? CreateDialogIndirectParam(*t, owner, std::move(proc), lParam) : nullptr;
}

intptr_t DialogBoxIndirectParam(const DialogTemplate& t, HWND owner, DLGPROC proc, LPARAM lParam) {
    DialogTemplate modal = t;
    modal.style &= ~(device::WS_VISIBLE | device::WS_CHILD);
    HWND window = CreateDialogIndirectParam(modal, owner, std::move(proc), lParam);
    auto* dialog = dynamic_cast<DialogWindow*>(window);
    if (!dialog) return -1;
    if (!dialog->ended()) device::RunModalLoop(window);
    const intptr_t result = device::IsWindow(window) ? dialog->result() : 0;
    if (device::IsWindow(window)) device::DestroyWindow(window);
    return result;
}

intptr_t DialogBoxParam(HINSTANCE, int templateId, HWND owner, DLGPROC proc, LPARAM lParam) {
    const DialogTemplate* t = FindDialogTemplate(templateId);
    if (!t) return -1;
    const DialogTemplate copy = *t;  // the table may change while the dialog runs
    return DialogBoxIndirectParam(copy, owner, std::move(proc), lParam);
}

bool EndDialog(HWND dialog, intptr_t result) {
    auto* d = device::IsWindow(dialog) ? dynamic_cast<DialogWindow*>(dialog) : nullptr;
    if (!d) return false;
    d->End(result);
    return true;
}

bool IsDialog(HWND window) { return device::IsWindow(window) && dynamic_cast<DialogWindow*>(window); }

BaseUnits DialogBaseUnitsOf(HWND dialog) {
    auto* d = device::IsWindow(dialog) ? dynamic_cast<DialogWindow*>(dialog) : nullptr;
    return d ? d->base() : DialogBaseUnits(8);
}

bool MapDialogRect(HWND dialog, gdi::RECT* rect) {
    if (!rect || !IsDialog(dialog)) return false;
    *rect = DialogUnitsToPixels(*rect, DialogBaseUnitsOf(dialog));
    return true;
}

LRESULT SendDlgItemMessage(HWND dialog, int id, uint32_t msg, WPARAM wParam, LPARAM lParam) {
    return device::SendMessage(device::GetDlgItem(dialog, id), msg, wParam, lParam);
}

bool SetWindowTextW(HWND window, std::u16string_view text) {
    if (!device::IsWindow(window)) return false;
    const std::u16string copy(text);
    return device::SendMessage(window, device::WM_SETTEXT, 0, LPARAM(copy.c_str())) != 0;
}

int GetWindowTextW(HWND window, char16_t* buffer, int maxCount) {
    if (!buffer || maxCount <= 0) return 0;
    buffer[0] = 0;
    if (!device::IsWindow(window)) return 0;
    return int(device::SendMessage(window, WM_GETTEXT, WPARAM(maxCount), LPARAM(buffer)));
}

bool SetDlgItemText(HWND dialog, int id, std::u16string_view text) {
    return SetWindowTextW(device::GetDlgItem(dialog, id), text);
}

int GetDlgItemText(HWND dialog, int id, char16_t* buffer, int maxCount) {
    return GetWindowTextW(device::GetDlgItem(dialog, id), buffer, maxCount);
}

bool SetDlgItemInt(HWND dialog, int id, uint32_t value, bool isSigned) {
    const std::string digits = isSigned ? std::to_string(int32_t(value)) : std::to_string(value);
    return SetDlgItemText(dialog, id, std::u16string(digits.begin(), digits.end()));
}

bool ParseDlgInt(std::u16string_view text, bool isSigned, uint32_t* value) {
    size_t i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t')) ++i;
    bool negative = false;
    if (isSigned && i < text.size() && (text[i] == u'-' || text[i] == u'+')) negative = text[i++] == u'-';
    int64_t n = 0;
    size_t digits = 0;
    const int64_t limit = isSigned ? (negative ? int64_t(1) << 31 : (int64_t(1) << 31) - 1) : 0xFFFFFFFFll;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i, ++digits) {
        n = n * 10 + (text[i] - u'0');
        if (n > limit) return false;
    }
    if (digits == 0) return false;
    if (value) *value = uint32_t(negative ? -n : n);
    return true;
}

uint32_t GetDlgItemInt(HWND dialog, int id, bool* translated, bool isSigned) {
    if (translated) *translated = false;
    HWND item = device::GetDlgItem(dialog, id);
    // The whole text: leading zeros must not push the digits out of a short buffer.
    std::u16string text(size_t(std::max<LRESULT>(device::SendMessage(item, WM_GETTEXTLENGTH, 0, 0), 0)) + 1, u'\0');
    GetWindowTextW(item, text.data(), int(text.size()));
    uint32_t value = 0;
    if (!ParseDlgInt(text.c_str(), isSigned, &value)) return 0;
    if (translated) *translated = true;
    return value;
}

bool CheckDlgButton(HWND dialog, int id, uint32_t check) {
    HWND button = device::GetDlgItem(dialog, id);
    if (!button) return false;
    device::SendMessage(button, BM_SETCHECK, check, 0);
    return true;
}

bool CheckRadioButton(HWND dialog, int firstId, int lastId, int checkId) {
    if (!device::IsWindow(dialog)) return false;
    for (HWND child : dialog->data().children) {
        const int id = child->data().id;
        if (id >= firstId && id <= lastId)
            device::SendMessage(child, BM_SETCHECK, id == checkId ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    return true;
}

uint32_t IsDlgButtonChecked(HWND dialog, int id) {
    return uint32_t(device::SendMessage(device::GetDlgItem(dialog, id), BM_GETCHECK, 0, 0));
}

}  // namespace controls
