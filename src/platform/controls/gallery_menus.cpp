#include "platform/controls/gallery_menus.h"

#include <array>

#include "platform/controls/menu.h"
#include "platform/controls/menu_bar.h"
#include "platform/controls/resources.h"
#include "platform/device/message_loop.h"
#include "platform/device/screen_layout.h"

namespace controls {
namespace {

constexpr std::array kBar149Images{150, 166, 165, 116, 117, 161, 163};
constexpr std::array kBar102Images{150, 159, 151, 153};

// The page: a plain white window below the task bar, down to the screen's
// bottom (its bar lies over the bottom band).
class PageWindow final : public device::Window {
public:
    ~PageWindow() override = default;
    MenuPtr contextMenu;  // page 2's menu, kept while its picture shows
};

device::HWND MakePage(const char16_t* title) {
    return device::CreateWindowFor(std::make_unique<PageWindow>(), u"GalleryMenus", 0, title, device::WS_VISIBLE, 0,
                                   device::kTaskBarHeight, device::kScreenWidth,
                                   device::kScreenHeight - device::kTaskBarHeight, nullptr, 0);
}

device::HWND MakeBar(device::HWND page, int id, std::span<const int> images) {
    SHMENUBARINFO info;
    info.cbSize = kSHMENUBARINFOSize;
    info.hwndParent = page;
    info.dwFlags = SHCMBF_HIDESIPBUTTON;
    info.nToolBarId = uint32_t(id);
    if (!SHCreateMenuBar(&info)) return nullptr;
    SetMenuBarImages(info.hwndMB, nullptr, images);
    return info.hwndMB;
}

// Opens the bar's drop-down button `command` as a still picture (the bar
// keeps the menu for as long as the page lives).
void PictureOfDropDown(device::HWND page, device::HWND bar, int buttonIndex, uint16_t command, int openItem) {
    auto* menu = reinterpret_cast<HMENU>(device::SendMessage(bar, SHCMBM_GETSUBMENU, 0, command));
    const gdi::RECT button = MenuBarButtonRect(bar, buttonIndex);
    ShowMenuPicture(menu, button.left, device::kMenuBarRect.top, TPM_LEFTALIGN | TPM_BOTTOMALIGN, page, openItem);
}

}  // namespace

device::HWND CreateGalleryPageMenus(int page) {
    if (page < 0 || page >= kGalleryPagesMenus) return nullptr;
    DefineGalleryMenuResources();
    if (page == 0) {
        device::HWND window = MakePage(u"Menus: bar 149");
        device::HWND bar = MakeBar(window, 149, kBar149Images);
        if (!bar) return window;
        // Check marks as the shell keeps them; Full Screen grayed to show the look.
        auto* tool = reinterpret_cast<HMENU>(device::SendMessage(bar, SHCMBM_GETSUBMENU, 0, 40058));
        CheckMenuItem(tool, 40065, MF_BYCOMMAND | MF_CHECKED);
        EnableMenuItem(tool, 40041, MF_BYCOMMAND | MF_GRAYED);
        PictureOfDropDown(window, bar, 1, 40058, 3);
        return window;
    }
    if (page == 1) {
        device::HWND window = MakePage(u"Menus: bar 102");
        device::HWND bar = MakeBar(window, 102, kBar102Images);
        if (!bar) return window;
        // One image button disabled, to show the look.
        device::SendMessage(bar, TB_ENABLEBUTTON, 40081, 0);
        PictureOfDropDown(window, bar, 0, 40055, -1);
        return window;
    }
    device::HWND window = MakePage(u"Menus: tap and hold");
    auto* object = static_cast<PageWindow*>(window);
    object->contextMenu = CreatePopupMenu();
    AppendMenu(object->contextMenu.get(), MF_STRING, 40081, u"Delete");
    AppendMenu(object->contextMenu.get(), MF_STRING, 40076, u"File Info");
    ShowMenuPicture(object->contextMenu.get(), 90, 120, TPM_LEFTALIGN, window, -1);
    return window;
}

}  // namespace controls
