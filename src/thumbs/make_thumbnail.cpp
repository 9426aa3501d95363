#include "thumbs/make_thumbnail.h"

#include "image/decoded_image.h"
#include "platform/gdi/blit.h"
#include "platform/gdi/device_context.h"
#include "thumbs/area_shrink.h"
#include "thumbs/thumb_geometry.h"

namespace ezo {

std::optional<ThumbnailLayout> LayoutThumbnail(int32_t width, int32_t height) {
    if (width <= 0 || height <= 0) return std::nullopt;
    ThumbnailLayout layout;
    layout.save = width > kSaveThreshold || height > kSaveThreshold ? 1 : 0;
    if (width <= kThumbBoxWidth && height <= kThumbBoxHeight) {
        layout.fits = 1;
        layout.width = width;
        layout.height = height;
        layout.thumbLeft = (kThumbBoxWidth - width) / 2;
        layout.thumbTop = (kThumbBoxHeight - height) / 2;
    } else if (int64_t(width) * kThumbBoxHeight > int64_t(height) * kThumbBoxWidth) {
        layout.width = kThumbBoxWidth;
        layout.height = int32_t(int64_t(height) * kThumbBoxWidth / width);
        layout.thumbTop = (kThumbBoxHeight - layout.height) / 2;
    } else {
        layout.width = int32_t(int64_t(width) * kThumbBoxHeight / height);
        layout.height = kThumbBoxHeight;
        // One pixel right of centre, as tall thumbnails have always sat.
        layout.thumbLeft = (kThumbBoxWidth - layout.width) / 2 + 1;
    }
    if (layout.width == 0 || layout.height == 0) return std::nullopt;
    return layout;
}

gdi::BitmapPtr MakeThumbnail(const gdi::Bitmap& source, const ThumbnailLayout& layout) {
    if (layout.fits) {
        gdi::BitmapPtr copy = gdi::CreateCompatibleBitmap(nullptr, layout.width, layout.height);
        if (!copy) return nullptr;
        gdi::DeviceContextPtr from = gdi::CreateCompatibleDC(nullptr);
        gdi::DeviceContextPtr to = gdi::CreateCompatibleDC(nullptr);
        gdi::SelectScope<gdi::HBITMAP> fromSelected(from.get(), const_cast<gdi::Bitmap*>(&source));
        gdi::SelectScope<gdi::HBITMAP> toSelected(to.get(), copy.get());
        gdi::BitBlt(to.get(), 0, 0, layout.width, layout.height, from.get(), 0, 0, gdi::SRCCOPY);
        return copy;
    }
    const gdi::BITMAPINFO info = Make24BitImageInfo(layout.width, layout.height);
    void* bits = nullptr;
    gdi::BitmapPtr thumbnail = gdi::CreateDIBSection(nullptr, &info, gdi::DIB_RGB_COLORS, &bits);
    if (!bits || !AreaShrink(source, *thumbnail)) return nullptr;
    return thumbnail;
}

}  // namespace ezo
