// The program's resources, checked for what the main window relies on.
#include <gtest/gtest.h>

#include <QImage>

#include <set>
#include <vector>

#include "app/resource_table.h"
#include "platform/controls/menu_bar.h"
#include "platform/controls/resources.h"
#include "shell/resource_ids.h"

namespace {

using namespace controls;
using namespace ezo;

class ProgramResources : public ::testing::Test {
protected:
    void SetUp() override { ClearResources(), DefineProgramResources(); }
    void TearDown() override { ClearResources(); }
};

// The pop-up at index in menu id, null when there is none.
const MenuItemTemplate* PopUp(int id, size_t index) {
    const MenuTemplate* menu = FindMenuTemplate(id);
    if (!menu || index >= menu->items.size() || !(menu->items[index].flags & MF_POPUP)) return nullptr;
    return &menu->items[index];
}

bool Holds(const MenuItemTemplate& popUp, uint16_t command) {
    for (const MenuItemTemplate& item : popUp.items)
        if (item.id == command || ((item.flags & MF_POPUP) && Holds(item, command))) return true;
    return false;
}

// Browse bars switch on to the next view; view bars offer fit or actual
// size, and start or stop, as their state says. Each button shows a picture
// of its own. File is on every bar; Tool, whose items the shell checks, on
// view bars only.
TEST_F(ProgramResources, EachBarOffersTheCommandsOfItsScreen) {
    const std::set<uint16_t> browse{IDM_FILE_INFO, IDM_DELETE},
        view{IDM_BACK_TO_BROWSE, IDM_PREVIOUS, IDM_NEXT, IDM_ZOOM_IN, IDM_ZOOM_OUT};
    const struct { int id; uint16_t switching, slide; } bars[] = {
        {IDR_BAR_REPORT, IDM_TO_THUMBNAILS, 0},         {IDR_BAR_THUMBNAILS, IDM_TO_LIST, 0},
        {IDR_BAR_LIST, IDM_TO_REPORT, 0},               {IDR_BAR_VIEW, IDM_FIT, IDM_SLIDE_START},
        {IDR_BAR_VIEW_SLIDE, IDM_FIT, IDM_SLIDE_STOP},  {IDR_BAR_VIEW_FIT, IDM_ACTUAL_SIZE, IDM_SLIDE_START},
        {IDR_BAR_VIEW_FIT_SLIDE, IDM_ACTUAL_SIZE_SLIDE, IDM_SLIDE_STOP},
    };
    for (const auto& c : bars) {
        SCOPED_TRACE(c.id);
        const MenuBarTemplate* bar = FindMenuBarTemplate(c.id);
        ASSERT_TRUE(bar && bar->menuId == c.id);
        std::set<uint16_t> commands;
        std::set<size_t> images;
        for (const MenuBarButtonTemplate& b : bar->buttons) {
            if (b.style & TBSTYLE_SEP) continue;
            if (b.style & TBSTYLE_DROPDOWN) {
                EXPECT_TRUE(PopUp(c.id, b.subMenu)) << "drop-down " << b.command;
            } else if (b.image >= 0) {
                commands.insert(b.command);
                images.insert(size_t(b.image));
            } else {  // a blank spacer needs a caption of spaces: an empty one makes no room
                const std::u16string text = LoadStringText(b.stringId);
                EXPECT_TRUE(!text.empty() && text.find_first_not_of(u' ') == std::u16string::npos);
            }
        }
        std::set<uint16_t> expected = c.slide ? view : browse;
        expected.insert({c.switching, c.slide});
        expected.erase(0);
        EXPECT_EQ(commands, expected);
        EXPECT_EQ(images.size(), commands.size());
        EXPECT_LT(*images.rbegin(), MenuBarImages(c.id).size());
        EXPECT_TRUE(PopUp(c.id, kFilePopup) && Holds(*PopUp(c.id, kFilePopup), IDM_EXIT));
        const MenuItemTemplate* tool = PopUp(c.id, kToolPopup);
        EXPECT_EQ(tool != nullptr, c.slide != 0);
        EXPECT_TRUE(!tool || (Holds(*tool, IDM_LANDSCAPE) && Holds(*tool, IDM_TITLE_BAR)));
    }
    const MenuItemTemplate* held = PopUp(IDR_FILE_CONTEXT_MENU, 0);
    EXPECT_TRUE(held && Holds(*held, IDM_DELETE) && Holds(*held, IDM_FILE_INFO));
}

int Transparent(const QImage& image, QRect area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) n += qAlpha(image.pixel(x, y)) == 0;
    return n;
}

// Two buttons that look alike are a slip in the tables.
void ExpectAllDistinct(const std::vector<QImage>& images) {
    for (size_t i = 0; i < images.size(); ++i)
        for (size_t j = i + 1; j < images.size(); ++j) EXPECT_NE(images[i], images[j]) << i << " and " << j;
}

TEST_F(ProgramResources, PicturesLoadDistinctAndLieOnTheirBar) {
    const auto load = [](int id) { gdi::BitmapPtr b = LoadBitmap(nullptr, id); return b ? ImageFromBitmap(*b) : QImage(); };
    // The bars' images: 16 x 16, a see-through part (or they show as a
    // square on the bar) and enough drawn to be seen.
    std::set<int> barImages;
    for (int bar : kMenuBarsInCreationOrder)
        for (int id : MenuBarImages(bar)) barImages.insert(id);
    ASSERT_EQ(barImages.size(), 14u);
    std::vector<QImage> images;
    for (int id : barImages) {
        images.push_back(load(id));
        ASSERT_EQ(images.back().size(), QSize(16, 16)) << id;
        const int clear = Transparent(images.back(), images.back().rect());
        EXPECT_TRUE(clear > 0 && clear < 16 * 16 * 3 / 4) << id;
    }
    ExpectAllDistinct(images);
    // Strips: overlay buttons lie on the picture, a solid face each; split
    // buttons are 7 x 7, the eighth row and column clear.
    const struct { int id, imageWidth, count, shown; } strips[] = {
        {IDB_OVERLAY_BUTTONS, kOverlayImageSize, kOverlayImageCount, 12},
        {IDB_SPLIT_BUTTONS, kSplitImageSize, kSplitImageCount, 7},
    };
    for (const auto& c : strips) {
        const QImage strip = load(c.id);
        ASSERT_EQ(strip.size(), QSize(c.imageWidth * c.count, c.imageWidth)) << c.id;
        images.clear();
        for (int x = 0; x < strip.width(); x += c.imageWidth) images.push_back(strip.copy(x, 0, c.imageWidth, c.imageWidth));
        for (const QImage& image : images) {
            EXPECT_EQ(Transparent(image, QRect(0, 0, c.shown, c.shown)), 0) << c.id;
            EXPECT_EQ(Transparent(image, image.rect()), c.imageWidth * c.imageWidth - c.shown * c.shown) << c.id;
        }
        ExpectAllDistinct(images);
    }
    const QImage icon = LoadIcon(nullptr, IDI_EZO);  // 32 x 32, mostly picture
    EXPECT_TRUE(icon.size() == QSize(32, 32) && Transparent(icon, icon.rect()) < 32 * 32 / 2);
}

}  // namespace
