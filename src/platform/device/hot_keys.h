#pragma once
// Hot keys: a window registers a virtual key (the application buttons) under
// an id and gets WM_HOTKEY for it; a key no window registered does nothing.
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/device/window.h"

namespace device {

struct HotKey {
    HWND window = nullptr;
    int id = 0;
    uint32_t modifiers = 0;
    uint32_t vk = 0;
};

// False when the window does not exist, or another window holds the key or
// this window the id already.
bool RegisterHotKey(HWND window, int id, uint32_t modifiers, uint32_t vk);
bool UnregisterHotKey(HWND window, int id);
std::optional<HotKey> FindHotKey(uint32_t vk);
const std::vector<HotKey>& RegisteredHotKeys();

}  // namespace device
