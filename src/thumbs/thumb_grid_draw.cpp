#include "thumbs/thumb_grid_draw.h"

#include <algorithm>

#include <QFont>
#include <QImage>
#include <QPainter>

#include "platform/controls/resources.h"
#include "platform/gdi/blit.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/paint.h"
#include "shell/resource_ids.h"
#include "thumbs/thumb_grid_layout.h"

namespace ezo {
namespace {

constexpr int32_t kGridWidth = 240;
constexpr int kCaptionPixelSize = 10;

// The back buffer with a memory context for blits and fills, and a painter
// for the captions' text, which the drawing core does not draw.
class GridCanvas {
public:
    explicit GridCanvas(Program& program)
        : program_(program),
          dc_(gdi::CreateCompatibleDC(nullptr)),
          bitmap_(dc_.get(), program.grid.backBuffer.get()),
          pen_(dc_.get(), gdi::GetStockPen(gdi::BLACK_PEN)),
          thumbDc_(gdi::CreateCompatibleDC(nullptr)) {
        gdi::Bitmap* buffer = program.grid.backBuffer.get();
        image_ = QImage(buffer->pixels(), buffer->width(), buffer->height(), buffer->stride(), QImage::Format_RGB32);
        painter_.begin(&image_);
        QFont font = painter_.font();
        font.setPixelSize(kCaptionPixelSize);
        painter_.setFont(font);
    }

    gdi::HDC dc() const { return dc_.get(); }

    void Frame(const FileEntry& entry, int32_t i, int32_t scrollY, bool selected) {
        const gdi::RECT r = CellFrameRect(i, scrollY);
        {
            gdi::SelectScope<gdi::HBRUSH> brush(dc(), gdi::GetStockBrush(selected ? gdi::BLACK_BRUSH : gdi::LTGRAY_BRUSH));
            gdi::Rectangle(dc(), r.left, r.top, r.right, r.bottom);
        }
        const gdi::RECT c = CellCaptionRect(i, scrollY);
        const QRect rect(c.left, c.top, c.width(), c.height());
        painter_.setClipRect(rect);
        painter_.setPen(selected ? Qt::white : Qt::black);
        painter_.drawText(rect, Qt::AlignHCenter | Qt::AlignTop,
                          QString::fromStdU16String(CaptionText(entry.name, entry.kind)));
    }

    void Picture(const FileEntry& entry, int32_t i, int32_t scrollY) {
        gdi::HBITMAP thumbnail = entry.thumbnail.get();
        gdi::POINT at = CellThumbPoint(i, scrollY, entry.thumbLeft, entry.thumbTop);
        if (!thumbnail) {
            thumbnail = Placeholder();
            at = CellPlaceholderPoint(i, scrollY);
        }
        if (!thumbnail) return;
        gdi::SelectScope<gdi::HBITMAP> selected(thumbDc_.get(), thumbnail);
        gdi::BitBlt(dc(), at.x, at.y, thumbnail->width(), thumbnail->height(), thumbDc_.get(), 0, 0, gdi::SRCCOPY);
    }

private:
    gdi::HBITMAP Placeholder() {
        GridState& grid = program_.grid;
        if (!grid.placeholder) grid.placeholder = controls::LoadBitmap(program_.shell.instance, IDB_THUMB_PLACEHOLDER);
        return grid.placeholder.get();
    }

    Program& program_;
    gdi::DeviceContextPtr dc_;
    gdi::SelectScope<gdi::HBITMAP> bitmap_;
    gdi::SelectScope<gdi::HPEN> pen_;
    gdi::DeviceContextPtr thumbDc_;
    QImage image_;
    QPainter painter_;
};

bool Selected(const GridState& grid, const FileEntry& entry) {
    return grid.selectionActive && entry.index == grid.selectedIndex;
}

// Calls draw(entry, i) for every entry of a row near the view, from the
// head. Rows wholly outside the buffer are left out too: drawing them would
// change no pixel, and a long folder would pay for rows nobody sees.
template <typename Draw>
void SweepRows(const Program& program, int32_t height, Draw draw) {
    const int32_t scrollY = program.grid.scrollY;
    int32_t i = 0;
    for (const FileEntry* entry = program.fileList.head.get(); entry; entry = entry->next.get(), ++i) {
        const int32_t row = GridRow(i);
        const gdi::RECT frame = CellFrameRect(i, scrollY);
        if (frame.top >= height) return;
        if (GridRowSkipped(row, scrollY) || frame.bottom <= 0) continue;
        draw(*entry, i);
        if (GridRowEndsSweep(row, scrollY)) return;
    }
}

}  // namespace

void DrawThumbGrid(Program& program, int32_t height) {
    GridState& grid = program.grid;
    grid.backBuffer.reset();
    if (height <= 0) return;
    grid.backBuffer = gdi::CreateCompatibleBitmap(nullptr, kGridWidth, height);
    if (!grid.backBuffer) return;
    GridCanvas canvas(program);
    const gdi::RECT all{0, 0, kGridWidth, height};
    gdi::FillRect(canvas.dc(), &all, gdi::GetStockBrush(gdi::WHITE_BRUSH));
    const int32_t scrollY = grid.scrollY;
    SweepRows(program, height, [&](const FileEntry& e, int32_t i) { canvas.Frame(e, i, scrollY, Selected(grid, e)); });
    SweepRows(program, height, [&](const FileEntry& e, int32_t i) { canvas.Picture(e, i, scrollY); });
}

gdi::RECT DrawGridCells(Program& program, const std::vector<int>& positions) {
    GridState& grid = program.grid;
    gdi::RECT covered{};
    if (!grid.backBuffer || positions.empty()) return covered;
    const int32_t last = *std::max_element(positions.begin(), positions.end());
    GridCanvas canvas(program);
    const int32_t scrollY = grid.scrollY;
    int32_t i = 0;
    for (const FileEntry* entry = program.fileList.head.get(); entry && i <= last; entry = entry->next.get(), ++i) {
        if (std::find(positions.begin(), positions.end(), i) == positions.end()) continue;
        canvas.Frame(*entry, i, scrollY, Selected(grid, *entry));
        canvas.Picture(*entry, i, scrollY);
        const gdi::RECT r = CellFrameRect(i, scrollY);
        covered = covered.empty() ? r
                                  : gdi::RECT{std::min(covered.left, r.left), std::min(covered.top, r.top),
                                              std::max(covered.right, r.right), std::max(covered.bottom, r.bottom)};
    }
    return covered;
}

}  // namespace ezo
