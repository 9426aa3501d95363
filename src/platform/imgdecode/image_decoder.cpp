#include "platform/imgdecode/image_decoder.h"

#include <cstdlib>

#include <QImage>
#include <QImageReader>

#include "platform/files/find_file.h"
#include "platform/gdi/memory_budget.h"
#include "platform/imgdecode/bitmap_rows.h"
#include "platform/imgdecode/file_chunks.h"
#include "platform/imgdecode/strict_jpeg.h"

namespace imgdecode {
namespace {

// Qt's readers make a whole-picture image of at most 4 bytes a pixel first;
// the bitmap it is copied into needs bitsPerPixel / 8 more.
constexpr uint64_t kWorkImageBytesPerPixel = 4;

uint64_t BytesPerPixelWithWork(int32_t bitsPerPixel) {
    return kWorkImageBytesPerPixel + uint64_t(bitsPerPixel) / 8;
}

// The most Qt may allocate for its image, in MiB: its share of what the
// budget has free. At least 1, since 0 would mean no limit.
int AllocationLimitMiB(uint64_t available, int32_t bitsPerPixel) {
    const uint64_t share = available / BytesPerPixelWithWork(bitsPerPixel) * kWorkImageBytesPerPixel;
    const uint64_t mib = share >> 20;
    return mib < 1 ? 1 : mib > uint64_t(INT32_MAX) ? INT32_MAX : int(mib);
}

bool WithinLimits(int64_t width, int64_t height, int32_t bitsPerPixel, uint64_t available) {
    if (width <= 0 || height <= 0 || width > kMaxPictureSide || height > kMaxPictureSide) return false;
    return uint64_t(width) * uint64_t(height) * BytesPerPixelWithWork(bitsPerPixel) <= available;
}

// Rows are converted a strip at a time, so that an image in another format
// never needs a second whole-picture copy.
constexpr int kStripRows = 32;

void CopyImage(const QImage& image, gdi::Bitmap& bitmap) {
    const QImage::Format format = image.format();
    const bool direct = format == QImage::Format_RGB32 || format == QImage::Format_ARGB32;
    for (int top = 0; top < image.height(); top += kStripRows) {
        const int rows = std::min(kStripRows, image.height() - top);
        const QImage strip =
            direct ? image : image.copy(0, top, image.width(), rows).convertToFormat(QImage::Format_ARGB32);
        const int first = direct ? top : 0;
        for (int i = 0; i < rows; ++i)
            WriteArgbRow(bitmap, top + i, reinterpret_cast<const uint32_t*>(strip.constScanLine(first + i)));
    }
}

gdi::BitmapPtr DecodeWithReader(FileChunkDevice& device, int32_t bitsPerPixel) {
    const uint64_t available = gdi::MemoryAvailable();
    QImageReader reader(&device);
    reader.setAllocationLimit(AllocationLimitMiB(available, bitsPerPixel));
    const QByteArray format = reader.format();
    if (format != "bmp" && format != "gif") return nullptr;
    // The header's size, where the reader knows it before decoding (a BMP's
    // height is negative for a top-down file).
    const QSize declared = reader.size();
    if (declared != QSize() &&
        !WithinLimits(declared.width(), std::abs(int64_t(declared.height())), bitsPerPixel, available))
        return nullptr;
    QImage image;
    if (!reader.read(&image) || !WithinLimits(image.width(), image.height(), bitsPerPixel, available))
        return nullptr;
    // Qt's BMP reader stops where the pixel data ends and keeps the rows it
    // did not reach as whatever memory held: such a file is refused. (GIF
    // data ends with its own marker; a GIF cut short keeps its background.)
    if (format == "bmp" && device.ReadPastEnd()) return nullptr;
    // The work image counts against the budget until it has been copied.
    gdi::MemoryReservation work(uint64_t(image.sizeInBytes()));
    if (!work.held()) return nullptr;
    gdi::BitmapPtr bitmap = CreatePictureBitmap(image.width(), image.height(), bitsPerPixel);
    if (bitmap) CopyImage(image, *bitmap);
    return bitmap;
}

}  // namespace

files::FileHandle OpenPictureFile(std::u16string_view devicePath) {
    return files::CreateFile(devicePath, files::GENERIC_READ, files::FILE_SHARE_READ, nullptr,
                             files::OPEN_EXISTING, files::FILE_ATTRIBUTE_NORMAL, nullptr);
}

gdi::BitmapPtr DecodePicture(const files::FileHandle& file, int32_t bitsPerPixel,
                             const std::atomic<bool>* cancel) {
    if (!file.valid() || !IsDecodableDepth(bitsPerPixel)) return nullptr;
    FileChunkDevice device(file, cancel);
    uint32_t size = 0;
    const uint8_t* head = device.PeekChunk(&size);
    if (LooksLikeJpeg(head, size)) return DecodeStrictJpeg(device, bitsPerPixel, kMaxPictureSide);
    gdi::BitmapPtr bitmap = DecodeWithReader(device, bitsPerPixel);
    // A cancel may have cut the file short where the reader does not mind.
    if (cancel && cancel->load()) return nullptr;
    return bitmap;
}

gdi::BitmapPtr DecodeImageFile(std::u16string_view devicePath, int32_t bitsPerPixel,
                               const std::atomic<bool>* cancel) {
    const files::FileHandle file = OpenPictureFile(devicePath);
    return DecodePicture(file, bitsPerPixel, cancel);
}

}  // namespace imgdecode
