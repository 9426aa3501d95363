#include "demo/picture.h"

namespace demo {

Picture::Picture(int width, int height) {
    if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide) return;
    width_ = width;
    height_ = height;
    pixels_.assign(static_cast<size_t>(width) * height * 3, 0);
}

}  // namespace demo
