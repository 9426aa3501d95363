#include "platform/controls/gallery_lists.h"

#include <string>

#include "platform/controls/image_list.h"
#include "platform/controls/list_classes.h"
#include "platform/controls/list_view.h"
#include "platform/controls/scroll_bar.h"
#include "platform/controls/tree_view.h"
#include "platform/device/message_loop.h"
#include "platform/device/painting.h"
#include "platform/gdi/paint.h"
#include "platform/gdi/pixel_format.h"

namespace controls {
namespace {

using device::HWND;
using device::LPARAM;
using device::SendMessage;
using device::WS_CHILD;
using device::WS_VISIBLE;

constexpr int kImageSide = 16;
constexpr int kImages = 4;

// Four 16 x 16 pixel-art images on magenta: a square, a ring, a cross, an arrow.
gdi::BitmapPtr GalleryStrip() {
    gdi::BitmapPtr strip = gdi::Bitmap::Create(kImageSide * kImages, kImageSide, 24, true, true);
    if (!strip) return nullptr;
    const gdi::Rgb magenta{255, 0, 255}, ink{0, 0, 128}, fill{255, 200, 0};
    for (int y = 0; y < kImageSide; ++y) {
        for (int x = 0; x < kImageSide * kImages; ++x) {
            const int i = x / kImageSide, u = x % kImageSide - 8, v = y - 8;
            bool on = false, edge = false;
            if (i == 0) on = std::abs(u) < 6 && std::abs(v) < 6, edge = on && (std::abs(u) == 5 || std::abs(v) == 5);
            if (i == 1) on = u * u + v * v < 49 && u * u + v * v >= 16, edge = on && u * u + v * v >= 36;
            if (i == 2) on = std::abs(u) < 2 || std::abs(v) < 2, edge = false;
            if (i == 3) on = (v >= -1 && v <= 1 && u > -7 && u < 3) || (u >= 3 && std::abs(v) < 7 - (u - 1)), edge = false;
            gdi::WritePixelAt(strip->row(y) + size_t(x) * 3, 24, on ? (edge || i >= 2 ? ink : fill) : magenta);
        }
    }
    return strip;
}

// The page itself: white, and on the last page the image list drawn over a
// grey band so that the transparent pixels show.
class GalleryPage final : public device::Window {
public:
    explicit GalleryPage(int page) : page_(page) {}
    device::LRESULT WindowProc(uint32_t msg, device::WPARAM wParam, LPARAM lParam) override {
        if (msg != device::WM_PAINT) return device::DefWindowProc(this, msg, wParam, lParam);
        device::PAINTSTRUCT paint;
        gdi::HDC dc = device::BeginPaint(this, &paint);
        const gdi::RECT all{0, 0, data().rect.width(), data().rect.height()};
        gdi::FillRect(dc, &all, gdi::GetStockBrush(gdi::WHITE_BRUSH));
        if (page_ == 2) DrawImages(dc);
        device::EndPaint(this, &paint);
        return 0;
    }

private:
    void DrawImages(gdi::HDC dc) {
        if (!images_) {
            gdi::BitmapPtr strip = GalleryStrip();
            images_ = ImageList_LoadImage(strip.get(), kImageSide, 1, gdi::RGB(255, 0, 255));
        }
        const gdi::RECT band{100, 200, 236, 240};
        gdi::FillRect(dc, &band, gdi::GetStockBrush(gdi::LTGRAY_BRUSH));
        for (int i = 0; i < ImageList_GetImageCount(images_.get()); ++i) {
            ImageList_Draw(images_.get(), i, dc, 104 + i * 32, 212, ILD_TRANSPARENT);
            ImageList_Draw(images_.get(), i, dc, 104 + i * 32, 250, ILD_TRANSPARENT);
        }
    }
    int page_;
    ImageListPtr images_;
};

HTREEITEM AddItem(HWND tree, HTREEITEM parent, std::u16string text, int children) {
    TVINSERTSTRUCTW insert;
    insert.hParent = parent;
    insert.hInsertAfter = TVI_SORT;
    insert.item.mask = TVIF_TEXT | TVIF_CHILDREN;
    insert.item.pszText = text.data();
    insert.item.cChildren = children;
    return reinterpret_cast<HTREEITEM>(SendMessage(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
}

void FillTree(HWND tree, bool select) {
    HTREEITEM root = AddItem(tree, nullptr, u"\\", 1);
    HTREEITEM docs = AddItem(tree, root, u"My Documents", 1);
    AddItem(tree, docs, u"Pictures", 0);
    AddItem(tree, docs, u"Holiday 2002", 1);
    AddItem(tree, root, u"Program Files", 1);
    AddItem(tree, root, u"Storage Card", 1);
    AddItem(tree, root, u"Windows", 1);
    AddItem(tree, root, u"a.jpg", 0);
    SendMessage(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(root));
    SendMessage(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(docs));
    if (select) SendMessage(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(docs));
}

void AddColumn(HWND list, int index, std::u16string title, int width, int fmt) {
    LVCOLUMNW column;
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    column.fmt = fmt;
    column.cx = width;
    column.pszText = title.data();
    column.iSubItem = index;
    SendMessage(list, LVM_INSERTCOLUMNW, device::WPARAM(index), reinterpret_cast<LPARAM>(&column));
}

void FillList(HWND list, bool select) {
    SendMessage(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT);
    AddColumn(list, 0, u"Name", 130, LVCFMT_LEFT);
    AddColumn(list, 1, u"Type", 50, LVCFMT_CENTER);
    AddColumn(list, 2, u"Size", 50, LVCFMT_RIGHT);
    AddColumn(list, 3, u"Date", 90, LVCFMT_LEFT);
    const char16_t* rows[][4] = {
        {u"DSC01234.JPG", u"JPEG", u"412K", u"2002/11/1"}, {u"Holiday_Picture_001.jpg", u"JPEG", u"2M", u"2002/8/14"},
        {u"map.gif", u"GIF", u"9K", u"2001/3/30"},          {u"sea.jpeg", u"JPEG", u"1M", u"2002/11/1"},
        {u"scan.bmp", u"BMP", u"225K", u"2000/1/2"},         {u"x.gif", u"GIF", u"1K", u"2002/12/24"},
    };
    for (int r = 0; r < 6; ++r) {
        LVITEMW item;
        item.mask = LVIF_TEXT;
        item.iItem = r;
        std::u16string name = rows[r][0];
        item.pszText = name.data();
        SendMessage(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        for (int c = 1; c < 4; ++c) {
            std::u16string text = rows[r][c];
            LVITEMW cell;
            cell.iSubItem = c;
            cell.pszText = text.data();
            SendMessage(list, LVM_SETITEMTEXTW, device::WPARAM(r), reinterpret_cast<LPARAM>(&cell));
        }
    }
    if (!select) return;
    for (int r : {1, 3}) {
        LVITEMW state;
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        state.state = LVIS_SELECTED | (r == 3 ? LVIS_FOCUSED : 0);
        SendMessage(list, LVM_SETITEMSTATE, device::WPARAM(r), reinterpret_cast<LPARAM>(&state));
    }
}

void SetBar(HWND bar, int nMax, uint32_t page, int pos) {
    SCROLLINFO info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    info.nMax = nMax;
    info.nPage = page;
    info.nPos = pos;
    SetScrollInfo(bar, SB_CTL, &info, true);
}

HWND Child(HWND page, std::u16string_view cls, uint32_t style, int x, int y, int w, int h, int id) {
    return device::CreateWindow(cls, u"", WS_CHILD | WS_VISIBLE | style, x, y, w, h, page, id);
}

void BuildTrees(HWND page) {
    const uint32_t style = TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS;
    FillTree(Child(page, u"SysTreeView32", style, 0, 0, 240, 150, 1), true);
    HWND disabled = Child(page, u"SysTreeView32", style, 0, 156, 240, 138, 2);
    FillTree(disabled, false);
    device::EnableWindow(disabled, false);
}

void BuildLists(HWND page) {
    FillList(Child(page, u"SysListView32", LVS_REPORT | LVS_SHOWSELALWAYS, 0, 0, 240, 120, 1), true);
    FillList(Child(page, u"SysListView32", LVS_LIST | LVS_SHOWSELALWAYS, 0, 124, 240, 84, 2), true);
    HWND disabled = Child(page, u"SysListView32", LVS_REPORT | LVS_SHOWSELALWAYS, 0, 212, 240, 82, 3);
    FillList(disabled, false);
    device::EnableWindow(disabled, false);
}

void BuildBars(HWND page) {
    SetBar(Child(page, u"scrollbar", SBS_VERT, 8, 8, 13, 144, 1), 261, 158, 0);
    SetBar(Child(page, u"scrollbar", SBS_VERT, 32, 8, 13, 144, 2), 261, 158, 103);
    SetBar(Child(page, u"scrollbar", SBS_VERT, 56, 8, 13, 144, 3), 2000, 158, 900);
    SetBar(Child(page, u"scrollbar", SBS_VERT, 80, 8, 13, 144, 4), 91, 158, 0);  // nothing to scroll: disabled
    SetBar(Child(page, u"scrollbar", SBS_HORZ, 8, 170, 224, 13, 5), 400, 240, 80);
}

}  // namespace

HWND CreateGalleryPageLists(int page) {
    if (page < 0 || page >= kGalleryPagesLists) return nullptr;
    RegisterListControlClasses();
    static const char16_t* titles[] = {u"Trees", u"Lists", u"Scroll bars and images"};
    HWND window = device::CreateWindowFor(std::make_unique<GalleryPage>(page), u"GalleryLists", 0, titles[page],
                                          WS_VISIBLE, 0, 26, 240, 294, nullptr, 0);
    if (!window) return nullptr;
    if (page == 0) BuildTrees(window);
    if (page == 1) BuildLists(window);
    if (page == 2) BuildBars(window);
    return window;
}

}  // namespace controls
