#include "platform/device/activation.h"

#include <QEventLoop>
#include <QWidget>

#include <algorithm>
#include <vector>

#include "platform/device/message_loop.h"
#include "platform/device/window_internal.h"

namespace device {
namespace {

HWND active = nullptr;
HWND focus = nullptr;
HWND capture = nullptr;

struct ModalRun {
    HWND window;
    QEventLoop* loop;
    int result = 0;
    bool done = false;
};
std::vector<ModalRun*> modalRuns;

bool IsInside(HWND window, HWND ancestor) {
    for (HWND w = window; IsWindow(w); w = (w->data().style & WS_CHILD) ? w->data().parent : nullptr)
        if (w == ancestor) return true;
    return false;
}

// A top-level window owned, directly or not, by owner (or owner itself).
bool IsOwnedBy(HWND top, HWND owner) {
    for (HWND w = top; IsWindow(w); w = w->data().parent)
        if (w == owner) return true;
    return false;
}

bool CanActivate(HWND top) {
    return IsWindow(top) && top->data().visible && top->data().enabled && top->TakesActivation();
}

// Who becomes active when `leaving` goes: its owner if it can, otherwise the
// highest other top-level window that can.
HWND Successor(HWND leaving) {
    HWND owner = leaving->data().parent;
    if (owner && owner != leaving && CanActivate(owner)) return owner;
    const auto& tops = TopLevelWindows();
    for (auto it = tops.rbegin(); it != tops.rend(); ++it)
        if (*it != leaving && CanActivate(*it)) return *it;
    return nullptr;
}

void ChangeActive(HWND next, uint16_t how) {
    HWND previous = active;
    if (next == previous) return;
    active = next;
    if (IsWindow(previous))
        SendMessage(previous, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 0), LPARAM(next));
    if (IsWindow(next) && active == next) {
        SendMessage(next, WM_ACTIVATE, MAKEWPARAM(how, 0), LPARAM(previous));
        if (active == next && !IsInside(focus, next)) SetFocus(next);
    } else if (!next && focus) {
        SetFocus(nullptr);
    }
    internal::ActiveWindowChanged();
}

}  // namespace

HWND SetActiveWindow(HWND window) {
    HWND top = GetTopLevel(window);
    if (!top || !top->data().enabled || !top->TakesActivation()) return nullptr;
    HWND previous = active;
    BringWindowToTop(top);
    ChangeActive(top, WA_ACTIVE);
    return previous;
}

// Activation by a stylus tap on an inactive window.
void ClickActivate(HWND window) {
    HWND top = GetTopLevel(window);
    if (!top || top == active || !top->data().enabled || !top->TakesActivation()) return;
    BringWindowToTop(top);
    ChangeActive(top, WA_CLICKACTIVE);
}

HWND GetActiveWindow() { return IsWindow(active) ? active : nullptr; }
bool SetForegroundWindow(HWND window) {
    if (!IsWindow(window)) return false;
    SetActiveWindow(window);
    return active == GetTopLevel(window);
}
HWND GetForegroundWindow() { return GetActiveWindow(); }

HWND SetFocus(HWND window) {
    if (window && (!IsWindow(window) || !IsWindowEnabled(window))) return nullptr;
    HWND original = GetFocus();
    if (window == original) return original;
    // Activating the window's top-level window may move the focus already.
    if (window && GetTopLevel(window) != active) SetActiveWindow(window);
    HWND previous = GetFocus();
    if (window == previous) return original;
    focus = window;
    if (previous) SendMessage(previous, WM_KILLFOCUS, WPARAM(window), 0);
    if (IsWindow(window) && focus == window) {
        if (QWidget* hosted = window->hostedWidget()) hosted->setFocus();
        SendMessage(window, WM_SETFOCUS, WPARAM(previous), 0);
    }
    return original;
}

HWND GetFocus() { return IsWindow(focus) ? focus : nullptr; }

HWND SetCapture(HWND window) {
    HWND previous = GetCapture();
    capture = IsWindow(window) ? window : nullptr;
    return previous;
}

bool ReleaseCapture() {
    capture = nullptr;
    return true;
}

HWND GetCapture() { return IsWindow(capture) ? capture : nullptr; }

int RunModalLoop(HWND window) {
    if (!IsWindow(window) || (window->data().style & WS_CHILD)) return 0;
    HWND owner = GetParent(window);
    HWND focusBefore = GetFocus();
    const bool disableOwner = owner && IsWindowEnabled(owner) && owner != window;
    if (disableOwner) EnableWindow(owner, false);
    ShowWindow(window, SW_SHOW);
    // A window that takes no activation (a menu) still takes the keys.
    if (!window->TakesActivation()) SetFocus(window);

    QEventLoop loop;
    ModalRun run{window, &loop};
    modalRuns.push_back(&run);
    internal::PushLoop(&loop);
    while (!run.done && !QuitCode() && IsWindow(window)) loop.exec();
    internal::PopLoop(&loop);
    std::erase(modalRuns, &run);

    // The owner comes back before the window goes, so activation returns to it.
    if (disableOwner && IsWindow(owner)) EnableWindow(owner, true);
    if (IsWindow(window)) ShowWindow(window, SW_HIDE);
    if (disableOwner && IsWindow(owner) && owner->data().visible) SetActiveWindow(owner);
    // The active window did not change under a menu: the keys go back where they were.
    if (!GetFocus() && IsWindow(focusBefore) && GetTopLevel(focusBefore) == GetActiveWindow())
        SetFocus(focusBefore);
    return run.result;
}

bool EndModalLoop(HWND window, int result) {
    for (ModalRun* run : modalRuns) {
        if (run->window != window || run->done) continue;
        run->result = result;
        run->done = true;
        run->loop->exit(0);
        return true;
    }
    return false;
}

HWND ModalWindow() {
    for (auto it = modalRuns.rbegin(); it != modalRuns.rend(); ++it)
        if (!(*it)->done && IsWindow((*it)->window)) return (*it)->window;
    return nullptr;
}

bool AcceptsInput(HWND window) {
    for (HWND w = window; IsWindow(w); w = w->data().parent) {
        if (!w->data().enabled) return false;
        if (!(w->data().style & WS_CHILD)) break;
    }
    if (!IsWindow(window)) return false;
    HWND modal = ModalWindow();
    return !modal || IsOwnedBy(GetTopLevel(window), modal);
}

namespace internal {

void WindowHidden(HWND window) {
    if (capture && IsInside(capture, window)) capture = nullptr;
    if (window == active) {
        ChangeActive(Successor(window), WA_ACTIVE);
    } else if (focus && IsInside(focus, window)) {
        SetFocus(GetTopLevel(window) == active ? active : nullptr);
    }
}

void WindowDestroyed(HWND window) {
    if (capture == window) capture = nullptr;
    if (focus == window) focus = nullptr;
    if (active == window) ChangeActive(Successor(window), WA_ACTIVE);
    for (ModalRun* run : modalRuns) {
        if (run->window != window || run->done) continue;
        run->done = true;
        run->loop->exit(0);
    }
}

void ResetActivation() {
    active = focus = capture = nullptr;
}

}  // namespace internal
}  // namespace device
