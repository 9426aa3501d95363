// The program's menus, menu bars, strings and accelerators, checked against
// the layouts the main window and the command handling rely on.
#include <gtest/gtest.h>

#include <QString>

#include <set>
#include <string>
#include <vector>

#include "app/resource_ids.h"
#include "app/resource_table.h"
#include "platform/controls/menu.h"
#include "platform/controls/menu_bar.h"
#include "platform/controls/resources.h"
#include "platform/device/accelerators.h"
#include "platform/device/device.h"
#include "platform/device/message_loop.h"
#include "platform/device/window.h"

namespace {

using namespace controls;

std::string Utf8(const std::u16string& text) { return QString::fromStdU16String(text).toStdString(); }

// A button as one line: "menu 40055 File", "sep", "image 40082 #1",
// "text 64 disabled".
std::string Describe(const MenuBarButtonTemplate& b) {
    if (b.style & TBSTYLE_SEP) return "sep";
    std::string out = (b.style & TBSTYLE_DROPDOWN) ? "menu " : (b.image >= 0 ? "image " : "text ");
    out += std::to_string(b.command);
    if (b.image >= 0) out += " #" + std::to_string(b.image);
    if (b.style & TBSTYLE_DROPDOWN) out += " " + Utf8(LoadStringText(b.stringId)) + " pop-up " + std::to_string(b.subMenu);
    if (!(b.state & TBSTATE_ENABLED)) out += " disabled";
    return out;
}

// A menu as one line per item, pop-ups indented.
void DescribeItems(const std::vector<MenuItemTemplate>& items, const std::string& indent,
                   std::vector<std::string>* out) {
    for (const MenuItemTemplate& item : items) {
        if (item.flags & MF_SEPARATOR) {
            out->push_back(indent + "-");
        } else if (item.flags & MF_POPUP) {
            out->push_back(indent + Utf8(item.text) + " >");
            DescribeItems(item.items, indent + "  ", out);
        } else {
            out->push_back(indent + Utf8(item.text) + " " + std::to_string(item.id));
        }
    }
}

class ProgramResourcesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ClearResources();
        ezo::DefineProgramResources();
    }
    void TearDown() override { ClearResources(); }
};

const std::vector<std::string> kFileItems{"File >", "  Option 40066", "  About 40015", "  -", "  Exit 40012"};
const std::vector<std::string> kToolItems{
    "Tool >",       "  Refresh 40095", "  Full Screen 40041", "  -",  "  Rotate >",    "    Right 40073",
    "    Left 40074", "  Flip >",      "    HORIZONTAL 40071", "    VERTICAL 40072", "  LandScape 40065",
    "  TitleBar 40070"};

struct BarCase {
    int id;
    std::vector<std::string> buttons;  // left to right
    std::vector<int> images;           // bitmap by image index
};

std::vector<std::string> BrowseButtons(int view) {
    return {"menu 40055 File pop-up 0", "sep", "image " + std::to_string(view) + " #1", "image 40076 #2",
            "text 64 disabled", "image 40081 #3"};
}

std::vector<std::string> ViewButtons(int fit, int slide) {
    return {"menu 40055 File pop-up 0", "menu 40058 Tool pop-up 1", "sep", "image 40088 #0", "image 40087 #1",
            "image 40084 #2", "image 40089 #3", "image 40090 #4", "image " + std::to_string(fit) + " #5",
            "image " + std::to_string(slide) + " #6"};
}

const BarCase kBars[] = {
    {102, BrowseButtons(40082), {150, 159, 151, 153}},
    {156, BrowseButtons(40085), {150, 160, 151, 153}},
    {157, BrowseButtons(40080), {150, 158, 151, 153}},
    {149, ViewButtons(40040, 40086), {150, 166, 165, 116, 117, 161, 163}},
    {167, ViewButtons(40040, 40093), {150, 166, 165, 116, 117, 161, 164}},
    {168, ViewButtons(40061, 40086), {150, 166, 165, 116, 117, 162, 163}},
    {169, ViewButtons(40092, 40093), {150, 166, 165, 116, 117, 162, 164}},
};

TEST_F(ProgramResourcesTest, EachBarHasItsButtonsImagesAndPopUps) {
    for (const BarCase& c : kBars) {
        SCOPED_TRACE(c.id);
        const MenuBarTemplate* bar = FindMenuBarTemplate(c.id);
        ASSERT_TRUE(bar);
        std::vector<std::string> seen;
        for (const MenuBarButtonTemplate& b : bar->buttons) seen.push_back(Describe(b));
        EXPECT_EQ(seen, c.buttons);
        // A blank spacer needs a caption of spaces: an empty one makes no room.
        for (const MenuBarButtonTemplate& b : bar->buttons)
            if (b.image < 0 && !(b.style & (TBSTYLE_SEP | TBSTYLE_DROPDOWN))) {
                const std::u16string text = LoadStringText(b.stringId);
                EXPECT_FALSE(text.empty());
                EXPECT_EQ(text.find_first_not_of(u' '), std::u16string::npos);
            }

        const auto images = ezo::MenuBarImages(c.id);
        EXPECT_EQ(std::vector<int>(images.begin(), images.end()), c.images);

        // The bar's own menu: File, and Tool on the view bars.
        ASSERT_EQ(bar->menuId, c.id);
        const MenuTemplate* menu = FindMenuTemplate(c.id);
        ASSERT_TRUE(menu);
        std::vector<std::string> items;
        DescribeItems(menu->items, "", &items);
        std::vector<std::string> expected = kFileItems;
        if (c.images.size() == 7) expected.insert(expected.end(), kToolItems.begin(), kToolItems.end());
        EXPECT_EQ(items, expected);
    }
    EXPECT_TRUE(ezo::MenuBarImages(12345).empty());
}

TEST_F(ProgramResourcesTest, AcceleratorsGiveQuitAndTheUnhandledCtrlA) {
    device::HACCEL table = LoadAccelerators(nullptr, ezo::IDR_ACCELERATORS);
    ASSERT_TRUE(table);
    const struct { uint32_t vk; uint8_t modifiers; int command; } cases[] = {  // command -1: none
        {'Q', device::FCONTROL, 1},  {'A', device::FCONTROL, 40003}, {'Q', 0, -1},
        {'Q', device::FCONTROL | device::FSHIFT, -1}, {'W', device::FCONTROL, -1},
    };
    for (const auto& c : cases) {
        const auto found = device::FindAccelerator(table, c.vk, c.modifiers);
        EXPECT_EQ(found ? int(*found) : -1, c.command) << char(c.vk) << " " << int(c.modifiers);
    }
}

TEST_F(ProgramResourcesTest, TapAndHoldPopUpOffersDeleteAndFileInfo) {
    const MenuTemplate* menu = FindMenuTemplate(ezo::IDR_FILE_CONTEXT_MENU);
    ASSERT_TRUE(menu);
    std::vector<std::string> items;
    DescribeItems(menu->items, "", &items);
    EXPECT_EQ(items, (std::vector<std::string>{" >", "  Delete 40081", "  File Info 40076"}));
}

// Every command of the command handling is reachable from a menu item, a
// bar button or an accelerator, and nothing reachable is a stray id.
TEST_F(ProgramResourcesTest, EveryHandledCommandIsReachable) {
    std::set<int> reachable;
    std::vector<const std::vector<MenuItemTemplate>*> pending;
    std::vector<int> menus(std::begin(ezo::kMenuBarsInCreationOrder), std::end(ezo::kMenuBarsInCreationOrder));
    menus.push_back(ezo::IDR_FILE_CONTEXT_MENU);
    for (int id : menus) {
        if (const MenuTemplate* menu = FindMenuTemplate(id)) pending.push_back(&menu->items);
        if (const MenuBarTemplate* bar = FindMenuBarTemplate(id))
            for (const MenuBarButtonTemplate& b : bar->buttons)
                if (!(b.style & (TBSTYLE_SEP | TBSTYLE_DROPDOWN)) && (b.state & TBSTATE_ENABLED))
                    reachable.insert(b.command);
    }
    while (!pending.empty()) {
        const auto* items = pending.back();
        pending.pop_back();
        for (const MenuItemTemplate& item : *items) {
            if (item.flags & MF_POPUP) pending.push_back(&item.items);
            else if (!(item.flags & MF_SEPARATOR)) reachable.insert(item.id);
        }
    }
    for (const device::ACCEL& a : *LoadAccelerators(nullptr, ezo::IDR_ACCELERATORS)) reachable.insert(a.cmd);

    const std::set<int> handled{1,     40003, 40012, 40015, 40066, 40095, 40041, 40065, 40070, 40073,
                                40074, 40071, 40072, 40088, 40087, 40084, 40089, 40090, 40040, 40061,
                                40092, 40086, 40093, 40082, 40085, 40080, 40076, 40081};
    EXPECT_EQ(reachable, handled);
}

// The bars made for real: created in the main window's order, each with its
// images loaded, and a drop-down giving its own pop-up.
class ProgramBarsTest : public ProgramResourcesTest {
protected:
    void SetUp() override {
        device_ = device::Device::start({.scale = 1, .headless = true, .virtualClock = true});
        ASSERT_TRUE(device_);
        ProgramResourcesTest::SetUp();
        window_ = device::CreateWindowFor(std::make_unique<device::Window>(), u"Owner", 0, u"Ezo",
                                          device::WS_VISIBLE, 0, 26, 240, 268, nullptr, 0);
        ASSERT_TRUE(window_);
    }
    void TearDown() override {
        device_.reset();
        ProgramResourcesTest::TearDown();
    }
    device::HWND Bar(int id) {
        SHMENUBARINFO info;
        info.cbSize = kSHMENUBARINFOSize;
        info.hwndParent = window_;
        info.dwFlags = SHCMBF_HIDESIPBUTTON;
        info.nToolBarId = uint32_t(id);
        return SHCreateMenuBar(&info) ? info.hwndMB : nullptr;
    }

    std::unique_ptr<device::Device> device_;
    device::HWND window_ = nullptr;
};

TEST_F(ProgramBarsTest, BarsTakeAllTheirImagesAndOpenTheirOwnToolMenus) {
    std::set<HMENU> toolMenus;
    for (int id : ezo::kMenuBarsInCreationOrder) {
        SCOPED_TRACE(id);
        device::HWND bar = Bar(id);
        ASSERT_TRUE(bar);
        const auto images = ezo::MenuBarImages(id);
        EXPECT_EQ(SetMenuBarImages(bar, nullptr, images), int(images.size())) << "an image did not load";
        auto* file = reinterpret_cast<HMENU>(device::SendMessage(bar, SHCMBM_GETSUBMENU, 0, ezo::IDM_FILE_MENU));
        ASSERT_TRUE(file);
        EXPECT_EQ(GetMenuItemID(file, 0), uint32_t(ezo::IDM_OPTION));
        auto* tool = reinterpret_cast<HMENU>(device::SendMessage(bar, SHCMBM_GETSUBMENU, 0, ezo::IDM_TOOL_MENU));
        if (images.size() == 7) {
            ASSERT_TRUE(tool);
            EXPECT_NE(CheckMenuItem(tool, ezo::IDM_TITLE_BAR, MF_CHECKED), kNoMenuItem);
            toolMenus.insert(tool);
        } else {
            EXPECT_FALSE(tool) << "a browse bar has no Tool menu";
        }
    }
    EXPECT_EQ(toolMenus.size(), 4u) << "each view bar keeps its own Tool menu";
}

}  // namespace
