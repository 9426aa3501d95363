// Menus, menu-bar layouts, their button images, the tap-and-hold pop-up and
// the accelerator table.
#include <array>

#include "shell/resource_ids.h"
#include "app/resource_table.h"
#include "platform/controls/resources.h"
#include "platform/device/accelerators.h"
#include "platform/device/messages.h"

namespace ezo {
namespace {

using namespace controls;

static_assert(IDR_ACCELERATORS == device::kProgramAccelerators);

// The three browse bars differ in the view button (image 1) and the
// string of their blank spacer. images: the bitmaps by image index.
struct BrowseBar {
    int id;
    uint16_t viewCommand;
    uint32_t blankString;
    std::array<int, 4> images;
};
constexpr BrowseBar kBrowseBars[] = {
    {IDR_BAR_REPORT, IDM_TO_THUMBNAILS, IDS_BLANK_REPORT, {IDB_BACK, IDB_THUMBNAIL_VIEW, IDB_FILE_INFO, IDB_DELETE}},
    {IDR_BAR_THUMBNAILS, IDM_TO_LIST, IDS_BLANK_THUMBNAILS, {IDB_BACK, IDB_LIST_VIEW, IDB_FILE_INFO, IDB_DELETE}},
    {IDR_BAR_LIST, IDM_TO_REPORT, IDS_BLANK_LIST, {IDB_BACK, IDB_REPORT_VIEW, IDB_FILE_INFO, IDB_DELETE}},
};

// The four view bars differ in the fit button (image 5) and the slide-show
// button (image 6).
struct ViewBar {
    int id;
    uint16_t fitCommand;
    uint16_t slideCommand;
    std::array<int, 7> images;
};
constexpr ViewBar kViewBars[] = {
    {IDR_BAR_VIEW, IDM_FIT, IDM_SLIDE_START,
     {IDB_BACK, IDB_PREVIOUS, IDB_NEXT, IDB_ZOOM_IN, IDB_ZOOM_OUT, IDB_FIT, IDB_SLIDE_START}},
    {IDR_BAR_VIEW_SLIDE, IDM_FIT, IDM_SLIDE_STOP,
     {IDB_BACK, IDB_PREVIOUS, IDB_NEXT, IDB_ZOOM_IN, IDB_ZOOM_OUT, IDB_FIT, IDB_SLIDE_STOP}},
    {IDR_BAR_VIEW_FIT, IDM_ACTUAL_SIZE, IDM_SLIDE_START,
     {IDB_BACK, IDB_PREVIOUS, IDB_NEXT, IDB_ZOOM_IN, IDB_ZOOM_OUT, IDB_ACTUAL_SIZE, IDB_SLIDE_START}},
    {IDR_BAR_VIEW_FIT_SLIDE, IDM_ACTUAL_SIZE_SLIDE, IDM_SLIDE_STOP,
     {IDB_BACK, IDB_PREVIOUS, IDB_NEXT, IDB_ZOOM_IN, IDB_ZOOM_OUT, IDB_ACTUAL_SIZE, IDB_SLIDE_STOP}},
};

MenuItemTemplate FilePopup() {
    return MenuPopup(u"File", {MenuString(u"Option", IDM_OPTION), MenuString(u"About", IDM_ABOUT), MenuSeparator(),
                               MenuString(u"Exit", IDM_EXIT)});
}

MenuItemTemplate ToolPopup() {
    return MenuPopup(u"Tool", {MenuString(u"Refresh", IDM_REFRESH), MenuString(u"Full Screen", IDM_FULL_SCREEN),
                               MenuSeparator(),
                               MenuPopup(u"Rotate", {MenuString(u"Right", IDM_ROTATE_RIGHT),
                                                     MenuString(u"Left", IDM_ROTATE_LEFT)}),
                               MenuPopup(u"Flip", {MenuString(u"HORIZONTAL", IDM_FLIP_HORIZONTAL),
                                                   MenuString(u"VERTICAL", IDM_FLIP_VERTICAL)}),
                               MenuString(u"LandScape", IDM_LANDSCAPE), MenuString(u"TitleBar", IDM_TITLE_BAR)});
}

void DefineBrowseBar(const BrowseBar& bar) {
    DefineMenu(bar.id, {{FilePopup()}});
    DefineMenuBar(bar.id, {bar.id,
                           {BarDropDown(IDM_FILE_MENU, IDS_FILE, kFilePopup), BarSeparator(),
                            BarImage(1, bar.viewCommand), BarImage(2, IDM_FILE_INFO),
                            BarDisabledText(bar.blankString, IDM_BLANK), BarImage(3, IDM_DELETE)}});
}

void DefineViewBar(const ViewBar& bar) {
    DefineMenu(bar.id, {{FilePopup(), ToolPopup()}});
    DefineMenuBar(bar.id, {bar.id,
                           {BarDropDown(IDM_FILE_MENU, IDS_FILE, kFilePopup),
                            BarDropDown(IDM_TOOL_MENU, IDS_TOOL, kToolPopup), BarSeparator(),
                            BarImage(0, IDM_BACK_TO_BROWSE), BarImage(1, IDM_PREVIOUS), BarImage(2, IDM_NEXT),
                            BarImage(3, IDM_ZOOM_IN), BarImage(4, IDM_ZOOM_OUT), BarImage(5, bar.fitCommand),
                            BarImage(6, bar.slideCommand)}});
}

}  // namespace

void DefineProgramMenus() {
    for (const BrowseBar& bar : kBrowseBars) DefineBrowseBar(bar);
    for (const ViewBar& bar : kViewBars) DefineViewBar(bar);
    // Tracked as GetSubMenu(menu, 0) at the tap-and-hold point.
    DefineMenu(IDR_FILE_CONTEXT_MENU,
               {{MenuPopup(u"", {MenuString(u"Delete", IDM_DELETE), MenuString(u"File Info", IDM_FILE_INFO)})}});
}

void DefineProgramAccelerators() {
    DefineAcceleratorTable(IDR_ACCELERATORS, {{device::FVIRTKEY | device::FCONTROL, 'A', IDM_CTRL_A},
                                              {device::FVIRTKEY | device::FCONTROL, 'Q', IDM_QUIT},
                                              {device::FVIRTKEY, device::VK_TAB, IDM_SWITCH_PANE},
                                              {device::FVIRTKEY | device::FSHIFT, device::VK_TAB, IDM_SWITCH_PANE}});
}

std::span<const int> MenuBarImages(int barId) {
    for (const BrowseBar& bar : kBrowseBars)
        if (bar.id == barId) return bar.images;
    for (const ViewBar& bar : kViewBars)
        if (bar.id == barId) return bar.images;
    return {};
}

}  // namespace ezo
