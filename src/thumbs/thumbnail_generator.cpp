#include "thumbs/thumbnail_generator.h"

#include <optional>

#include "image/jpeg_decoder.h"
#include "image/platform_decoding.h"
#include "shell/file_entries.h"
#include "shell/image_kind.h"
#include "shell/thumbnail_thread.h"
#include "thumbs/make_thumbnail.h"
#include "thumbs/thumb_index.h"
#include "thumbs/thumbnail_store.h"

namespace ezo {
namespace {

// A reduced decode kept for the next picture (pictures of one camera share
// a size) unless it is bigger than this.
constexpr size_t kKeptDecodeBytes = size_t(4) << 20;

struct Made {
    gdi::BitmapPtr bitmap;
    ThumbnailLayout layout;
};

std::optional<Made> Shrunk(const gdi::Bitmap& source, const ThumbnailLayout& layout) {
    gdi::BitmapPtr bitmap = MakeThumbnail(source, layout);
    if (!bitmap) return std::nullopt;
    return Made{std::move(bitmap), layout};
}

// A JPEG is decoded at the smallest scale that still covers its thumbnail
// (the whole picture when it fits the box unscaled).
std::optional<Made> ThumbnailOfJpeg(const std::u16string& path, const ThumbnailJob& job, gdi::BitmapPtr& reduced) {
    ReducedJpegDecode decode(path, &job.pass->cancel);
    if (!decode.opened()) return std::nullopt;
    const JpegSize file = decode.fileSize();
    const std::optional<ThumbnailLayout> layout = LayoutThumbnail(file.width, file.height);
    if (!layout) return std::nullopt;
    const JpegSize least = layout->fits ? file : JpegSize{layout->width, layout->height};
    if (!decode.Decode(least, reduced)) return std::nullopt;
    std::optional<Made> made = Shrunk(*reduced, *layout);
    if (reduced->byteSize() > kKeptDecodeBytes) reduced.reset();
    return made;
}

// BMP and GIF pictures come whole from the platform decoder.
std::optional<Made> ThumbnailOfPicture(const std::u16string& path, uint32_t kind, const ThumbnailJob& job,
                                       gdi::BitmapPtr& reduced) {
    if (IsJpegKind(kind)) return ThumbnailOfJpeg(path, job, reduced);
    const gdi::BitmapPtr picture = DecodeToNewBitmap(path, &job.pass->cancel);
    if (!picture) return std::nullopt;
    const std::optional<ThumbnailLayout> layout = LayoutThumbnail(picture->width(), picture->height());
    if (!layout) return std::nullopt;
    return Shrunk(*picture, *layout);
}

// Keeps a new thumbnail under the next number, or writes the file of a
// record whose file was missing or damaged again under its own number.
void StoreThumbnail(ThumbnailJob& job, const PassEntry& entry, const FinishedThumbnail& done, int32_t foundNumber) {
    ThumbnailStore& store = *job.store;
    if (foundNumber >= 0) {
        StoreThumbnailFile(store, *done.bitmap, foundNumber);
        return;
    }
    const int32_t number = store.highestNumber + 1;
    if (number > kMaxThumbnailNumber) return;
    if (!StoreThumbnailFile(store, *done.bitmap, number)) return;
    const ThumbIndexRecord record{entry.name, number, uint32_t(entry.size), done.thumbLeft, done.thumbTop};
    if (AddThumbnailRecord(store, record, 1)) store.highestNumber = number;
}

void FillEntry(ThumbnailJob& job, const PassEntry& entry, gdi::BitmapPtr& reduced) {
    FinishedThumbnail done{entry.position, entry.name, nullptr, 0, 0};
    const int32_t number = FindThumbnail(*job.store, entry.name, uint32_t(entry.size), done.thumbLeft, done.thumbTop);
    if (number >= 0) {
        done.bitmap = LoadThumbnailFile(*job.store, number);
        if (done.bitmap) return HandOverThumbnail(job, std::move(done));
    }
    const std::u16string path = job.folder + entry.name;
    if (path.size() >= size_t(kMaxPath)) return;
    std::optional<Made> made = ThumbnailOfPicture(path, entry.kind, job, reduced);
    if (!made) return;
    done.bitmap = std::move(made->bitmap);
    done.thumbLeft = made->layout.thumbLeft;
    done.thumbTop = made->layout.thumbTop;
    // Stored even when the pass is being stopped: the write is short, and a
    // thumbnail handed over without being stored would be made again on
    // every later visit.
    if (made->layout.save) StoreThumbnail(job, entry, done, number);
    HandOverThumbnail(job, std::move(done));
}

}  // namespace

void GenerateThumbnails(ThumbnailJob& job) {
    gdi::BitmapPtr reduced;  // one decode buffer for the whole pass
    for (const PassEntry& entry : job.entries) {
        if (ThumbnailPassCancelled(job)) return;
        FillEntry(job, entry, reduced);
    }
}

}  // namespace ezo
