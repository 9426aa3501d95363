#include "platform/device/window.h"

#include <QWidget>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <unordered_map>

#include "platform/device/activation.h"
#include "platform/device/message_loop.h"
#include "platform/device/painting.h"
#include "platform/device/screen_layout.h"
#include "platform/device/timers.h"
#include "platform/device/window_internal.h"
#include "platform/device/window_widget.h"

namespace device {
namespace {

struct WindowClass {
    uint32_t style = 0;
    WindowFactory factory;
};

// Window objects are owned here; a window's handle is its address.
std::unordered_map<HWND, std::unique_ptr<Window>> windows;
std::vector<HWND> topLevels;
std::map<std::u16string, WindowClass, std::less<>> classes;

std::vector<HWND>& Siblings(HWND window) {
    WindowData& d = window->data();
    if ((d.style & WS_CHILD) && d.parent) return d.parent->data().children;
    return topLevels;
}

void Unlink(HWND window) {
    auto& list = Siblings(window);
    list.erase(std::remove(list.begin(), list.end(), window), list.end());
}

bool Contains(const gdi::RECT& r, gdi::POINT p) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

HWND DeepestAt(const std::vector<HWND>& list, gdi::POINT p) {
    for (auto it = list.rbegin(); it != list.rend(); ++it) {
        const WindowData& d = (*it)->data();
        if (!d.visible || d.destroying || (*it)->TransparentToStylus() || !Contains(d.rect, p)) continue;
        HWND inner = DeepestAt(d.children, {p.x - d.rect.left, p.y - d.rect.top});
        return inner ? inner : *it;
    }
    return nullptr;
}

// Positions and sizes are kept far inside 32 bits, so that no sum of them overflows.
constexpr int32_t kMaxCoordinate = 1 << 24;
int32_t ClampPosition(int32_t v) { return std::clamp(v, -kMaxCoordinate, kMaxCoordinate); }
int32_t ClampSize(int32_t v) { return std::clamp(v, 0, kMaxCoordinate); }

// Top-level windows get the work area for CW_USEDEFAULT; children get 0.
void ApplyDefaults(bool child, int32_t& x, int32_t& y, int32_t& width, int32_t& height) {
    if (x == CW_USEDEFAULT) {
        x = child ? 0 : kWorkArea.left;
        y = child ? 0 : kWorkArea.top;
    }
    if (width == CW_USEDEFAULT) {
        width = child ? 0 : kWorkArea.width();
        height = child ? 0 : kWorkArea.height();
    }
    x = ClampPosition(x);
    y = ClampPosition(y);
    width = ClampSize(width);
    height = ClampSize(height);
}

void Free(HWND window) {
    auto it = windows.find(window);
    if (it != windows.end()) windows.erase(it);
}

}  // namespace

Window::~Window() = default;

LRESULT Window::WindowProc(uint32_t msg, WPARAM wParam, LPARAM lParam) {
    return DefWindowProc(this, msg, wParam, lParam);
}

bool RegisterClass(std::u16string_view className, uint32_t classStyle, WindowFactory factory) {
    if (className.empty() || !factory || classes.count(className)) return false;
    classes.emplace(std::u16string(className), WindowClass{classStyle, std::move(factory)});
    return true;
}

bool UnregisterClass(std::u16string_view className) {
    auto it = classes.find(className);
    if (it == classes.end()) return false;
    classes.erase(it);
    return true;
}

HWND CreateWindow(std::u16string_view className, std::u16string_view title, uint32_t style,
                  int32_t x, int32_t y, int32_t width, int32_t height, HWND parent, int32_t id) {
    auto it = classes.find(className);
    if (it == classes.end()) return nullptr;
    std::unique_ptr<Window> window = it->second.factory();
    return CreateWindowFor(std::move(window), className, it->second.style, title, style, x, y,
                           width, height, parent, id);
}

HWND CreateWindowFor(std::unique_ptr<Window> object, std::u16string_view className,
                     uint32_t classStyle, std::u16string_view title, uint32_t style, int32_t x,
                     int32_t y, int32_t width, int32_t height, HWND parent, int32_t id) {
    QWidget* layer = internal::ScreenLayer();
    const bool child = style & WS_CHILD;
    if (!object || !layer || (parent && !IsWindow(parent)) || (child && !parent)) return nullptr;
    if (parent && parent->data().destroying) return nullptr;  // it could never be destroyed with it
    ApplyDefaults(child, x, y, width, height);

    HWND window = object.get();
    WindowData& d = window->data();
    d.className = className;
    d.title = title;
    d.style = style & ~WS_VISIBLE;
    d.classStyle = classStyle;
    d.id = id;
    d.rect = {x, y, x + width, y + height};
    d.parent = parent;
    d.enabled = !(style & WS_DISABLED);
    windows.emplace(window, std::move(object));
    Siblings(window).push_back(window);

    d.widget = new WindowWidget(window, child ? parent->data().widget : layer);
    d.widget->setGeometry(x, y, width, height);
    internal::RaiseScreenOverlays();

    if (SendMessage(window, WM_CREATE, 0, 0) == -1) {
        DestroyWindow(window);
        return nullptr;
    }
    if (!IsWindow(window)) return nullptr;  // destroyed itself while being created
    SendMessage(window, WM_SIZE, SIZE_RESTORED, MAKELPARAM(width, height));
    if (IsWindow(window) && (style & WS_VISIBLE)) ShowWindow(window, SW_SHOW);
    return IsWindow(window) ? window : nullptr;
}

bool IsWindow(HWND window) {
    if (!window) return false;
    auto it = windows.find(window);
    return it != windows.end() && !window->data().gone;
}

bool DestroyWindow(HWND window) {
    if (!IsWindow(window) || window->data().destroying) return false;
    WindowData& d = window->data();
    // Owned windows go first, then the window leaves the screen.
    std::vector<HWND> owned;
    for (HWND top : topLevels)
        if (top->data().parent == window) owned.push_back(top);
    for (HWND w : owned) DestroyWindow(w);
    if (!IsWindow(window)) return true;
    if (d.visible) ShowWindow(window, SW_HIDE);
    if (!IsWindow(window)) return true;

    d.destroying = true;
    // Its children still exist while it handles WM_DESTROY.
    SendMessage(window, WM_DESTROY, 0, 0);
    std::vector<HWND> children = d.children;
    for (auto it = children.rbegin(); it != children.rend(); ++it) DestroyWindow(*it);
    d.gone = true;

    internal::WindowDestroyed(window);
    internal::DropPostedMessages(window);
    internal::ForgetPainting(window);
    internal::ForgetHotKeys(window);
    Timers().KillAllTimers(window);
    Unlink(window);
    if (d.widget) {
        static_cast<WindowWidget*>(d.widget)->detach();
        d.widget->hide();
        d.widget->deleteLater();  // Qt may still be delivering an event to it
        d.widget = nullptr;
    }
    if (d.dispatchDepth == 0)
        Free(window);
    else
        d.freePending = true;
    return true;
}

void DestroyAllWindows() {
    while (!topLevels.empty()) {
        HWND top = topLevels.back();
        if (!DestroyWindow(top)) Unlink(top);
    }
    // Windows destroyed while their procedure ran are freed here at the latest.
    for (auto it = windows.begin(); it != windows.end();) {
        if (it->first->data().gone)
            it = windows.erase(it);
        else
            ++it;
    }
}

bool MoveWindow(HWND window, int32_t x, int32_t y, int32_t width, int32_t height, bool repaint) {
    return SetWindowPos(window, nullptr, x, y, width, height,
                        SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

bool SetWindowPos(HWND window, HWND insertAfter, int32_t x, int32_t y, int32_t width, int32_t height,
                  uint32_t flags) {
    if (!IsWindow(window)) return false;
    WindowData& d = window->data();
    gdi::RECT r = d.rect;
    if (!(flags & SWP_NOMOVE)) {
        x = ClampPosition(x);
        y = ClampPosition(y);
        r = {x, y, x + r.width(), y + r.height()};
    }
    if (!(flags & SWP_NOSIZE)) {
        r.right = r.left + ClampSize(width);
        r.bottom = r.top + ClampSize(height);
    }
    const bool moved = r.left != d.rect.left || r.top != d.rect.top;
    const bool sized = r.width() != d.rect.width() || r.height() != d.rect.height();
    d.rect = r;
    if (d.widget) d.widget->setGeometry(r.left, r.top, r.width(), r.height());

    if (!(flags & SWP_NOZORDER)) {
        auto& list = Siblings(window);
        list.erase(std::remove(list.begin(), list.end(), window), list.end());
        if (insertAfter == HWND_BOTTOM) {
            list.insert(list.begin(), window);
        } else if (insertAfter == HWND_TOP || insertAfter == HWND_TOPMOST) {
            list.push_back(window);
        } else {
            auto at = std::find(list.begin(), list.end(), insertAfter);
            list.insert(at, window);  // just below insertAfter; at the top if it is no sibling
        }
        internal::RestackWidgets((d.style & WS_CHILD) ? d.parent : nullptr);
    }
    if (sized) {
        internal::SizeChanged(window);
        SendMessage(window, WM_SIZE, SIZE_RESTORED, MAKELPARAM(r.width(), r.height()));
    }
    if (moved && IsWindow(window)) SendMessage(window, WM_MOVE, 0, MAKELPARAM(r.left, r.top));
    if (!IsWindow(window)) return true;
    if ((moved || sized) && !(flags & SWP_NOREDRAW)) internal::InvalidateWhole(window, true);
    if (flags & SWP_SHOWWINDOW) ShowWindow(window, (flags & SWP_NOACTIVATE) ? SW_SHOWNA : SW_SHOW);
    if (flags & SWP_HIDEWINDOW) ShowWindow(window, SW_HIDE);
    return true;
}

bool BringWindowToTop(HWND window) {
    return SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool ShowWindow(HWND window, int command) {
    if (!IsWindow(window)) return false;
    WindowData& d = window->data();
    const bool wasVisible = d.visible;
    const bool show = command != SW_HIDE && command != SW_MINIMIZE;
    if (show != wasVisible) {
        d.visible = show;
        if (d.widget) d.widget->setVisible(show);
        SendMessage(window, WM_SHOWWINDOW, show ? 1 : 0, 0);
        if (!IsWindow(window)) return wasVisible;
        if (show)
            internal::InvalidateWhole(window, true);
        else
            internal::WindowHidden(window);
    }
    const bool activate = command == SW_SHOW || command == SW_SHOWNORMAL;
    if (show && activate && !(d.style & WS_CHILD)) SetActiveWindow(window);
    return wasVisible;
}

bool IsWindowVisible(HWND window) {
    for (HWND w = window; IsWindow(w); w = w->data().parent) {
        if (!w->data().visible) return false;
        if (!(w->data().style & WS_CHILD)) return true;
    }
    return false;
}

bool EnableWindow(HWND window, bool enable) {
    if (!IsWindow(window)) return false;
    WindowData& d = window->data();
    const bool wasDisabled = !d.enabled;
    if (d.enabled != enable) {
        d.enabled = enable;
        if (!enable) {
            if (GetCapture() == window) ReleaseCapture();
            for (HWND f = GetFocus(); f; f = (f->data().style & WS_CHILD) ? f->data().parent : nullptr)
                if (f == window) { SetFocus(nullptr); break; }
        }
        SendMessage(window, WM_ENABLE, enable ? 1 : 0, 0);
    }
    return wasDisabled;
}

bool IsWindowEnabled(HWND window) { return IsWindow(window) && window->data().enabled; }

bool SetWindowText(HWND window, std::u16string_view text) {
    if (!IsWindow(window)) return false;
    window->data().title = text;
    internal::TitleChanged(window);
    return true;
}

int GetWindowText(HWND window, char16_t* buffer, int maxCount) {
    if (!buffer || maxCount <= 0) return 0;
    buffer[0] = 0;
    if (!IsWindow(window)) return 0;
    const std::u16string& title = window->data().title;
    const int n = int(std::min<size_t>(title.size(), size_t(maxCount - 1)));
    std::copy_n(title.data(), n, buffer);
    buffer[n] = 0;
    return n;
}

std::u16string GetWindowText(HWND window) { return IsWindow(window) ? window->data().title : u""; }

HWND GetDlgItem(HWND parent, int32_t id) {
    if (!IsWindow(parent)) return nullptr;
    for (HWND child : parent->data().children)
        if (child->data().id == id) return child;
    return nullptr;
}

int32_t GetDlgCtrlID(HWND window) { return IsWindow(window) ? window->data().id : 0; }

HWND GetParent(HWND window) {
    if (!IsWindow(window)) return nullptr;
    HWND parent = window->data().parent;
    return IsWindow(parent) ? parent : nullptr;
}

HWND GetTopLevel(HWND window) {
    HWND w = window;
    while (IsWindow(w) && (w->data().style & WS_CHILD)) w = w->data().parent;
    return IsWindow(w) ? w : nullptr;
}

gdi::POINT ClientToScreen(HWND window, gdi::POINT p) {
    for (HWND w = window; IsWindow(w); w = w->data().parent) {
        p.x += w->data().rect.left;
        p.y += w->data().rect.top;
        if (!(w->data().style & WS_CHILD)) break;
    }
    return p;
}

gdi::POINT ScreenToClient(HWND window, gdi::POINT p) {
    const gdi::POINT origin = ClientToScreen(window, {0, 0});
    return {p.x - origin.x, p.y - origin.y};
}

bool GetWindowRect(HWND window, gdi::RECT* rect) {
    if (!rect) return false;
    if (!IsWindow(window)) {
        *rect = {};
        return false;
    }
    const gdi::POINT origin = ClientToScreen(window, {0, 0});
    const WindowData& d = window->data();
    *rect = {origin.x, origin.y, origin.x + d.rect.width(), origin.y + d.rect.height()};
    return true;
}

uint32_t GetWindowStyle(HWND window) {
    if (!IsWindow(window)) return 0;
    return window->data().style | (window->data().visible ? WS_VISIBLE : 0) |
           (window->data().enabled ? 0 : WS_DISABLED);
}

bool SetWindowStyle(HWND window, uint32_t style) {
    if (!IsWindow(window)) return false;
    // Being a child or not is fixed at creation; visibility and enabling have their own calls.
    WindowData& d = window->data();
    d.style = (style & ~(WS_CHILD | WS_VISIBLE | WS_DISABLED)) | (d.style & WS_CHILD);
    return true;
}

HWND FindWindow(std::u16string_view className, const char16_t* title) {
    for (auto it = topLevels.rbegin(); it != topLevels.rend(); ++it) {
        const WindowData& d = (*it)->data();
        if (d.className == className && (!title || d.title == title)) return *it;
    }
    return nullptr;
}

const std::vector<HWND>& TopLevelWindows() { return topLevels; }

LRESULT DefWindowProc(HWND window, uint32_t msg, WPARAM wParam, LPARAM) {
    switch (msg) {
    case WM_MOUSEWHEEL: {
        // A window that does not take the wheel itself scrolls a line a notch.
        const int32_t notches = GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA;
        const uint16_t request = notches > 0 ? SB_LINEUP : SB_LINEDOWN;
        for (int32_t i = 0; i < std::abs(notches) && IsWindow(window); ++i)
            SendMessage(window, WM_VSCROLL, request, 0);
        return 0;
    }
    case WM_CLOSE:
        DestroyWindow(window);
        return 0;
    case WM_PAINT:
        ValidateRect(window, nullptr);
        return 0;
    default:
        return 0;
    }
}

namespace internal {

bool IsLive(HWND window) { return window && windows.count(window); }

void FreeIfPending(HWND window) {
    if (IsLive(window) && window->data().freePending && window->data().dispatchDepth == 0) Free(window);
}

HWND WindowFromPoint(gdi::POINT screen) { return DeepestAt(topLevels, screen); }

void RestackWidgets(HWND parent) {
    const auto& list = parent ? parent->data().children : topLevels;
    for (HWND w : list)
        if (w->data().widget) w->data().widget->raise();
    if (!parent) RaiseScreenOverlays();
}

}  // namespace internal
}  // namespace device
