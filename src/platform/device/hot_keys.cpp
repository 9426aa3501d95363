#include "platform/device/hot_keys.h"

#include <algorithm>

#include "platform/device/window_internal.h"

namespace device {
namespace {
std::vector<HotKey> hotKeys;
}

bool RegisterHotKey(HWND window, int id, uint32_t modifiers, uint32_t vk) {
    if (!IsWindow(window)) return false;
    for (const HotKey& k : hotKeys) {
        if (k.window == window && k.id == id) return false;
        if (k.vk == vk && k.window != window) return false;
    }
    hotKeys.push_back({window, id, modifiers, vk});
    return true;
}

bool UnregisterHotKey(HWND window, int id) {
    return std::erase_if(hotKeys, [&](const HotKey& k) { return k.window == window && k.id == id; }) > 0;
}

std::optional<HotKey> FindHotKey(uint32_t vk) {
    for (const HotKey& k : hotKeys)
        if (k.vk == vk) return k;
    return std::nullopt;
}

const std::vector<HotKey>& RegisteredHotKeys() { return hotKeys; }

namespace internal {
void ForgetHotKeys(HWND window) {
    std::erase_if(hotKeys, [&](const HotKey& k) { return k.window == window; });
}
void ResetHotKeys() { hotKeys.clear(); }
}  // namespace internal

}  // namespace device
