#include "app/options_sheet.h"

#include "app/key_page.h"
#include "app/setting_page.h"
#include "app/view_modes.h"
#include "platform/controls/property_sheet.h"
#include "shell/program.h"
#include "shell/resource_ids.h"

namespace ezo {
namespace {

using device::HWND;

// The version the sheet is told, and the tabs moved to the bottom.
constexpr int kSheetVersion = 0x020C;

int OptionsSheetCallback(HWND sheet, uint32_t message, device::LPARAM) {
    if (message == controls::PSCB_GETVERSION) return kSheetVersion;
    if (message == controls::PSCB_INITIALIZED) {
        HWND tabs = device::GetDlgItem(sheet, controls::kSheetTabControlId);
        device::SetWindowStyle(tabs, device::GetWindowStyle(tabs) | controls::TCS_BOTTOM);
    }
    return 1;
}

}  // namespace

void ShowOptionsDialog(HWND mainWindow) {
    RestoreTitleBar(mainWindow);
    controls::HINSTANCE instance = ProgramOf(mainWindow).shell.instance;
    controls::PROPSHEETPAGEW pages[2];
    pages[0].hInstance = instance;
    pages[0].pszTemplate = IDD_SETTING;
    pages[0].pfnDlgProc = SettingPageProc;
    pages[1].hInstance = instance;
    pages[1].pszTemplate = IDD_KEY;
    pages[1].pfnDlgProc = KeyPageProc;
    controls::PROPSHEETHEADERW header;
    header.dwFlags = controls::PSH_PROPSHEETPAGE | controls::PSH_USECALLBACK | controls::PSH_MAXIMIZE;
    header.hwndParent = mainWindow;
    header.hInstance = instance;
    header.nPages = 2;
    header.nStartPage = 0;
    header.ppsp = pages;
    header.pfnCallback = OptionsSheetCallback;
    controls::PropertySheetW(&header);
}

}  // namespace ezo
