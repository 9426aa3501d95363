#include "app/key_page.h"

#include <algorithm>
#include <iterator>

#include "app/dialog_ids.h"
#include "platform/controls/button.h"
#include "platform/controls/combo_box.h"
#include "platform/controls/dialog.h"
#include "shell/program.h"

namespace ezo {
namespace {

using device::HWND;
using device::LPARAM;
using device::WPARAM;

// The list of Key1 to Key5, in that order.
constexpr int kKeyLists[kKeyCount] = {IDC_KEY1, IDC_KEY2, IDC_KEY3, IDC_KEY4, IDC_KEY5};
// Added in this order; the sorted lists put them in KeyAction order.
constexpr const char16_t* kActionNames[] = {u"LandScape", u"FullScreen", u"SlideShow", u"Quit"};
constexpr int32_t kDefaultActions[kKeyCount] = {LandScape, FullScreen, SlideShow, Quit, SlideShow};

// An action outside the list's entries leaves the list without a selection.
void ShowActions(HWND page, const Settings& settings) {
    for (int key = 0; key < kKeyCount; ++key)
        controls::SendDlgItemMessage(page, kKeyLists[key], controls::CB_SETCURSEL,
                                     WPARAM(intptr_t(settings.keyActions[key])), 0);
}

void OnInit(HWND page) {
    for (int list : kKeyLists)
        for (const char16_t* name : kActionNames)
            controls::SendDlgItemMessage(page, list, controls::CB_ADDSTRING, 0, LPARAM(name));
    ShowActions(page, ProgramOf(page).settings);
}

void OnCommand(HWND page, int id, int code) {
    Settings& settings = ProgramOf(page).settings;
    if (id == IDC_KEY_DEFAULT && code == controls::BN_CLICKED) {
        std::copy(std::begin(kDefaultActions), std::end(kDefaultActions), settings.keyActions);
        ShowActions(page, settings);
        return;
    }
    const auto list = std::find(std::begin(kKeyLists), std::end(kKeyLists), id);
    if (list == std::end(kKeyLists) || code != controls::CBN_SELCHANGE) return;
    const auto index = controls::SendDlgItemMessage(page, id, controls::CB_GETCURSEL, 0, 0);
    if (index >= 0) settings.keyActions[list - std::begin(kKeyLists)] = int32_t(index);
}

}  // namespace

intptr_t KeyPageProc(HWND page, uint32_t msg, WPARAM wParam, LPARAM) {
    switch (msg) {
    case controls::WM_INITDIALOG:
        OnInit(page);
        return 1;
    case device::WM_COMMAND:
        OnCommand(page, device::LOWORD(wParam), device::HIWORD(wParam));
        return 1;
    default:
        return 0;
    }
}

}  // namespace ezo
