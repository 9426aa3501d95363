#pragma once
// Bitmap resources as Qt images for checking and showing them.
#include <QImage>

#include <vector>

#include "platform/controls/resources.h"

namespace resource_test {

// The bitmap resource with magenta see-through; null when it does not load.
inline QImage LoadImage(int id) {
    gdi::BitmapPtr bitmap = controls::LoadBitmap(nullptr, id);
    return bitmap ? controls::ImageFromBitmap(*bitmap) : QImage();
}

// The images of a strip, cut as an image list cuts them.
inline std::vector<QImage> CutStrip(const QImage& strip, int width) {
    std::vector<QImage> images;
    for (int x = 0; x + width <= strip.width(); x += width) images.push_back(strip.copy(x, 0, width, strip.height()));
    return images;
}

}  // namespace resource_test
