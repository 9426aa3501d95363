#pragma once
// The fixed geometry of the device screen, in device pixels.
#include "platform/gdi/types.h"

namespace device {

constexpr int32_t kScreenWidth = 240;
constexpr int32_t kScreenHeight = 320;
constexpr int32_t kTaskBarHeight = 26;
constexpr int32_t kMenuBarHeight = 26;

constexpr gdi::RECT kScreenRect{0, 0, kScreenWidth, kScreenHeight};
constexpr gdi::RECT kTaskBarRect{0, 0, kScreenWidth, kTaskBarHeight};
// The band at the bottom where menu bars live.
constexpr gdi::RECT kMenuBarRect{0, kScreenHeight - kMenuBarHeight, kScreenWidth, kScreenHeight};
// Where a top-level window goes by default: between the task bar and the menu bar.
constexpr gdi::RECT kWorkArea{0, kTaskBarHeight, kScreenWidth, kScreenHeight - kMenuBarHeight};

// The busy indicator's square, centred on the screen.
constexpr int32_t kWaitIndicatorSize = 32;
constexpr gdi::RECT kWaitIndicatorRect{(kScreenWidth - kWaitIndicatorSize) / 2,
                                       (kScreenHeight - kWaitIndicatorSize) / 2,
                                       (kScreenWidth + kWaitIndicatorSize) / 2,
                                       (kScreenHeight + kWaitIndicatorSize) / 2};

}  // namespace device
