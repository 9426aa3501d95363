#include "platform/device/desktop_scale.h"

#include "platform/device/screen_layout.h"

namespace device {
namespace {

bool Fits(int scale, QSize desktop) {
    return !desktop.isValid() || (kScreenWidth * scale <= desktop.width() && kScreenHeight * scale <= desktop.height());
}

}  // namespace

ScaleChoice ChooseScale(int requested, QSize desktop) {
    if (requested > 0) return {requested, Fits(requested, desktop)};
    int scale = kMaxAutoScale;
    while (scale > 1 && !Fits(scale, desktop)) --scale;
    return {scale, Fits(scale, desktop)};
}

}  // namespace device
