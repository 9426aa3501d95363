#include "platform/device/input_rules.h"

#include <cstdlib>

#include "platform/device/messages.h"

namespace device {

bool IsDoubleTap(const TapRecord& first, uint64_t timeMs, gdi::POINT point, const Window* window,
                 int intervalMs, int distance) {
    if (!first.valid || first.window != window || timeMs < first.timeMs) return false;
    if (timeMs - first.timeMs > uint64_t(intervalMs)) return false;
    return std::abs(int64_t(point.x) - first.point.x) <= distance &&
           std::abs(int64_t(point.y) - first.point.y) <= distance;
}

uint32_t VirtualKeyFromQt(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Left: return VK_LEFT;
    case Qt::Key_Up: return VK_UP;
    case Qt::Key_Right: return VK_RIGHT;
    case Qt::Key_Down: return VK_DOWN;
    case Qt::Key_Return:
    case Qt::Key_Enter: return VK_RETURN;
    case Qt::Key_Escape: return VK_ESCAPE;
    case Qt::Key_Space: return VK_SPACE;
    case Qt::Key_Tab: return VK_TAB;
    case Qt::Key_Backspace: return VK_BACK;
    case Qt::Key_Delete: return VK_DELETE;
    case Qt::Key_Home: return VK_HOME;
    case Qt::Key_End: return VK_END;
    case Qt::Key_PageUp: return VK_PRIOR;
    case Qt::Key_PageDown: return VK_NEXT;
    default: break;
    }
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return uint32_t('A' + (qtKey - Qt::Key_A));
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return uint32_t('0' + (qtKey - Qt::Key_0));
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) return VK_F1 + uint32_t(qtKey - Qt::Key_F1);
    return 0;
}

int QtKeyFromVirtualKey(uint32_t vk) {
    if (vk >= AppButtonKey(1) && vk <= AppButtonKey(5)) return Qt::Key_F1 + int(vk - AppButtonKey(1));
    const int candidates[] = {Qt::Key_Left,   Qt::Key_Up,     Qt::Key_Right, Qt::Key_Down, Qt::Key_Return,
                              Qt::Key_Escape, Qt::Key_Space,  Qt::Key_Tab,   Qt::Key_Backspace,
                              Qt::Key_Delete, Qt::Key_Home,   Qt::Key_End,   Qt::Key_PageUp, Qt::Key_PageDown};
    for (int key : candidates)
        if (VirtualKeyFromQt(key) == vk) return key;
    if (vk >= 'A' && vk <= 'Z') return Qt::Key_A + int(vk - 'A');
    if (vk >= '0' && vk <= '9') return Qt::Key_0 + int(vk - '0');
    if (vk >= VK_F1 && vk < VK_F1 + 12) return Qt::Key_F1 + int(vk - VK_F1);
    return 0;
}

int AppButtonFromQt(int qtKey, Qt::KeyboardModifiers modifiers, bool digitsAreButtons) {
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F5) return 1 + (qtKey - Qt::Key_F1);
    const bool plain = !(modifiers & (Qt::ControlModifier | Qt::AltModifier));
    if (digitsAreButtons && plain && qtKey >= Qt::Key_1 && qtKey <= Qt::Key_5) return 1 + (qtKey - Qt::Key_1);
    return 0;
}

}  // namespace device
