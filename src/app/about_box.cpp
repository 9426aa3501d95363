#include "app/about_box.h"

#include "app/dialog_ids.h"
#include "app/view_modes.h"
#include "platform/controls/dialog.h"
#include "shell/program.h"
#include "shell/resource_ids.h"

namespace ezo {
namespace {

using device::HWND;

intptr_t AboutBoxProc(HWND dialog, uint32_t msg, device::WPARAM wParam, device::LPARAM) {
    switch (msg) {
    case controls::WM_INITDIALOG: {
        controls::SHINITDLGINFO init{controls::SHIDIM_FLAGS, dialog,
                                     controls::SHIDIF_DONEBUTTON | controls::SHIDIF_SIZEDLGFULLSCREEN};
        controls::SHInitDialog(&init);
        return 1;
    }
    case device::WM_COMMAND: {
        const int id = device::LOWORD(wParam);
        // Escape, and the close at the end of the program, as Done.
        if (id == device::IDOK || id == IDC_ABOUT_CLOSE) controls::EndDialog(dialog, id);
        if (id == device::IDCANCEL) controls::EndDialog(dialog, device::IDOK);
        return 1;
    }
    default:
        return 0;
    }
}

}  // namespace

void ShowAboutBox(HWND mainWindow) {
    RestoreTitleBar(mainWindow);
    controls::DialogBoxParam(ProgramOf(mainWindow).shell.instance, IDD_ABOUT, mainWindow, AboutBoxProc, 0);
}

}  // namespace ezo
