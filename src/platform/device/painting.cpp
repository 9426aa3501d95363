#include "platform/device/painting.h"

#include <QWidget>

#include <algorithm>
#include <cstring>
#include <unordered_map>

#include "platform/device/message_loop.h"
#include "platform/device/window_internal.h"

namespace device {
namespace {

// Every window context handed out, with its window (null once the window is
// gone: the context then draws nowhere until it is released).
struct OpenContext {
    std::unique_ptr<gdi::DeviceContext> dc;
    HWND window;
};
std::unordered_map<gdi::HDC, OpenContext> openContexts;

gdi::RECT ClientRect(HWND window) {
    const gdi::RECT& r = window->data().rect;
    return {0, 0, r.width(), r.height()};
}

gdi::RECT Union(const gdi::RECT& a, const gdi::RECT& b) {
    if (a.empty()) return b;
    if (b.empty()) return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

bool Covers(const gdi::RECT& outer, const gdi::RECT& inner) {
    return outer.left <= inner.left && outer.top <= inner.top && outer.right >= inner.right &&
           outer.bottom >= inner.bottom;
}

gdi::BitmapPtr NewStore(int32_t width, int32_t height) {
    gdi::BitmapPtr store = gdi::CreateCompatibleBitmap(nullptr, width, height);
    if (store) std::memset(store->pixels(), 0xFF, store->byteSize());  // white until painted
    return store;
}

// Points a context at the window's store, clipped to clip (client pixels).
void Aim(gdi::DeviceContext& dc, HWND window, const gdi::RECT& clip) {
    gdi::Bitmap* store = window ? BackingStore(window) : nullptr;
    const gdi::RECT area = store ? gdi::IntersectRect(clip, ClientRect(window)) : gdi::RECT{};
    dc.bitmap = area.empty() ? nullptr : store;
    dc.clip = area;
    dc.origin = {};
}

gdi::HDC OpenContextFor(HWND window, const gdi::RECT& clip) {
    auto dc = gdi::CreateCompatibleDC(nullptr);
    if (IsWindow(window)) Aim(*dc, window, clip);
    gdi::HDC handle = dc.get();
    openContexts.emplace(handle, OpenContext{std::move(dc), IsWindow(window) ? window : nullptr});
    return handle;
}

void Paint(HWND window) {
    SendMessage(window, WM_PAINT, 0, 0);
    // A procedure that ignores WM_PAINT must not be asked again forever.
    if (IsWindow(window)) ValidateRect(window, nullptr);
}

void PaintTree(const std::vector<HWND>& list) {
    const std::vector<HWND> copy = list;
    for (HWND w : copy) {
        if (!IsWindow(w) || !w->data().visible) continue;
        if (!w->data().invalid.empty()) Paint(w);
        if (IsWindow(w)) PaintTree(w->data().children);
    }
}

void ShowStore(HWND window) {
    if (IsWindow(window) && window->data().widget) window->data().widget->update();
}

}  // namespace

gdi::Bitmap* BackingStore(HWND window) {
    if (!IsWindow(window) || window->hostedWidget()) return nullptr;
    WindowData& d = window->data();
    const gdi::RECT client = ClientRect(window);
    if (client.empty()) return nullptr;
    if (!d.backingStore) d.backingStore = NewStore(client.width(), client.height());
    return d.backingStore.get();
}

gdi::HDC BeginPaint(HWND window, PAINTSTRUCT* paint) {
    if (!paint) return nullptr;
    *paint = PAINTSTRUCT{};
    if (!IsWindow(window)) return nullptr;
    WindowData& d = window->data();
    const gdi::RECT area = gdi::IntersectRect(d.invalid, ClientRect(window));
    const bool erase = d.eraseNeeded;
    d.invalid = {};
    d.eraseNeeded = false;
    paint->rcPaint = area;
    paint->hdc = OpenContextFor(window, area);
    if (area.empty()) paint->hdc->bitmap = nullptr;  // nothing to paint: draw nowhere
    paint->fErase = erase && SendMessage(window, WM_ERASEBKGND, WPARAM(paint->hdc), 0) == 0;
    return paint->hdc;
}

bool EndPaint(HWND window, const PAINTSTRUCT* paint) {
    if (!paint) return false;
    ReleaseWindowDC(window, paint->hdc);
    return true;
}

gdi::HDC GetWindowDC(HWND window) {
    if (!window) return OpenContextFor(nullptr, {});
    if (!IsWindow(window)) return nullptr;
    return OpenContextFor(window, ClientRect(window));
}

void ReleaseWindowDC(HWND window, gdi::HDC dc) {
    auto it = openContexts.find(dc);
    if (it == openContexts.end()) return;  // not ours, or released twice
    const HWND owner = it->second.window;
    openContexts.erase(it);
    // What was drawn shows in one update.
    ShowStore(owner);
}

bool InvalidateWindowRect(HWND window, const gdi::RECT* rect, bool erase) {
    if (!window) {
        for (HWND top : TopLevelWindows()) InvalidateWindowRect(top, rect, erase);
        return true;
    }
    if (!IsWindow(window)) return false;
    WindowData& d = window->data();
    const gdi::RECT client = ClientRect(window);
    const gdi::RECT area = rect ? gdi::IntersectRect(*rect, client) : client;
    if (window->hostedWidget()) {
        if (d.widget) d.widget->update();
        return true;
    }
    if (area.empty()) return true;
    d.invalid = Union(d.invalid, area);
    d.eraseNeeded = d.eraseNeeded || erase;
    internal::RequestTurn();
    return true;
}

bool ValidateRect(HWND window, const gdi::RECT* rect) {
    if (!IsWindow(window)) return false;
    WindowData& d = window->data();
    // One rectangle keeps the invalid part: validating all of it clears it.
    if (!rect || Covers(*rect, d.invalid)) {
        d.invalid = {};
        d.eraseNeeded = false;
    }
    return true;
}

bool GetUpdateRect(HWND window, gdi::RECT* rect) {
    if (!IsWindow(window)) return false;
    if (rect) *rect = window->data().invalid;
    return !window->data().invalid.empty();
}

bool UpdateWindowNow(HWND window) {
    if (!IsWindow(window)) return false;
    if (IsWindowVisible(window) && !window->data().invalid.empty()) Paint(window);
    return true;
}

void PaintInvalidWindows() { PaintTree(TopLevelWindows()); }

size_t OpenDeviceContexts() { return openContexts.size(); }

namespace internal {

void SizeChanged(HWND window) {
    WindowData& d = window->data();
    if (!d.backingStore) return;
    const gdi::RECT client = ClientRect(window);
    gdi::BitmapPtr old = std::move(d.backingStore);
    d.backingStore = client.empty() ? nullptr : NewStore(client.width(), client.height());
    if (d.backingStore) {
        // Keep what was drawn where the old and new stores overlap.
        const int32_t rows = std::min(old->height(), d.backingStore->height());
        const size_t bytes = size_t(std::min(old->stride(), d.backingStore->stride()));
        for (int32_t y = 0; y < rows; ++y) std::memcpy(d.backingStore->row(y), old->row(y), bytes);
    }
    // Open contexts follow the new store.
    for (auto& [dc, open] : openContexts)
        if (open.window == window) Aim(*dc, window, dc->bitmap ? dc->clip : gdi::RECT{});
}

void ForgetPainting(HWND window) {
    for (auto& [dc, open] : openContexts) {
        if (open.window != window) continue;
        open.window = nullptr;
        dc->bitmap = nullptr;
    }
    window->data().backingStore.reset();
    window->data().invalid = {};
}

void InvalidateWhole(HWND window, bool erase) { InvalidateWindowRect(window, nullptr, erase); }

}  // namespace internal
}  // namespace device
