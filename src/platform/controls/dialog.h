#pragma once
// Dialogs made from templates: modal (DialogBoxParam, over the device's modal
// loop, so timers and posted messages go on) or modeless (CreateDialogParam).
// The controls are created in the template's order with their ids and
// styles; the procedure then gets WM_INITDIALOG with the caller's lParam
// (returning TRUE puts the focus on the first tab stop). Commands of the
// controls reach the procedure as WM_COMMAND. Return gives the default
// button's command (IDOK unless a BS_DEFPUSHBUTTON says otherwise), Escape
// IDCANCEL, Tab the next tab stop. EndDialog makes DialogBoxParam return
// its value.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/controls/dialog_template.h"
#include "platform/device/window.h"

namespace controls {

constexpr uint32_t WM_INITDIALOG = 0x0110;
constexpr uint32_t DM_GETDEFID = device::WM_USER + 0;
constexpr uint32_t DC_HASDEFID = 0x534B;

// A dialog procedure returns TRUE (nonzero) for a message it handled.
using DLGPROC = std::function<intptr_t(device::HWND, uint32_t, device::WPARAM, device::LPARAM)>;
using HINSTANCE = void*;

// Runs the template's dialog modally over owner's top-level window; -1 when
// the template is unknown or the dialog cannot be made.
intptr_t DialogBoxParam(HINSTANCE instance, int templateId, device::HWND owner, DLGPROC proc,
                        device::LPARAM lParam);
intptr_t DialogBoxIndirectParam(const DialogTemplate& dialogTemplate, device::HWND owner, DLGPROC proc,
                                device::LPARAM lParam);
// A modeless dialog (shown when its template style has WS_VISIBLE); null on failure.
device::HWND CreateDialogParam(HINSTANCE instance, int templateId, device::HWND owner, DLGPROC proc,
                               device::LPARAM lParam);
// The same from a template in hand; a template with WS_CHILD makes a child
// of parent (a property-sheet page).
device::HWND CreateDialogIndirectParam(const DialogTemplate& dialogTemplate, device::HWND parent,
                                       DLGPROC proc, device::LPARAM lParam);
// Ends a modal dialog with result (a modeless one is hidden). False when the
// window is no dialog.
bool EndDialog(device::HWND dialog, intptr_t result);
bool IsDialog(device::HWND window);
// The base units the dialog was laid out with; MapDialogRect converts with them.
BaseUnits DialogBaseUnitsOf(device::HWND dialog);
bool MapDialogRect(device::HWND dialog, gdi::RECT* rect);

device::LRESULT SendDlgItemMessage(device::HWND dialog, int id, uint32_t msg, device::WPARAM wParam,
                                   device::LPARAM lParam);
// WM_SETTEXT / WM_GETTEXT through the control, so that it can answer (an edit tells EN_CHANGE).
bool SetWindowTextW(device::HWND window, std::u16string_view text);
int GetWindowTextW(device::HWND window, char16_t* buffer, int maxCount);
bool SetDlgItemText(device::HWND dialog, int id, std::u16string_view text);
int GetDlgItemText(device::HWND dialog, int id, char16_t* buffer, int maxCount);
bool SetDlgItemInt(device::HWND dialog, int id, uint32_t value, bool isSigned);
// Leading blanks, a sign when isSigned, then decimal digits; what follows
// the digits is ignored. No digits, or a value outside 32 bits, gives 0 and
// *translated false.
uint32_t GetDlgItemInt(device::HWND dialog, int id, bool* translated, bool isSigned);
// The number GetDlgItemInt reads from text; false as above.
bool ParseDlgInt(std::u16string_view text, bool isSigned, uint32_t* value);

// Radio buttons of a dialog.
bool CheckRadioButton(device::HWND dialog, int firstId, int lastId, int checkId);
uint32_t IsDlgButtonChecked(device::HWND dialog, int id);
bool CheckDlgButton(device::HWND dialog, int id, uint32_t check);

// The shell's dialog initialisation.
constexpr uint32_t SHIDIM_FLAGS = 0x0001;
constexpr uint32_t SHIDIF_DONEBUTTON = 0x0001;
constexpr uint32_t SHIDIF_SIZEDLG = 0x0002;
constexpr uint32_t SHIDIF_SIZEDLGFULLSCREEN = 0x0004;
constexpr uint32_t SHIDIF_SIPDOWN = 0x0008;
constexpr uint32_t SHIDIF_FULLSCREENNOMENUBAR = 0x0010;
struct SHINITDLGINFO {
    uint32_t dwMask = SHIDIM_FLAGS;
    device::HWND hDlg = nullptr;
    uint32_t dwFlags = 0;
};
// SHIDIF_SIZEDLGFULLSCREEN: the dialog fills the screen between the task bar
// and the menu band (with SHIDIF_FULLSCREENNOMENUBAR down to the bottom).
// SHIDIF_DONEBUTTON: an "ok" button at the task bar's right end that sends
// IDOK to the dialog while the dialog is active.
bool SHInitDialog(SHINITDLGINFO* info);
// Whether the dialog has a Done button (for tests and the state dump).
bool HasDoneButton(device::HWND dialog);
// Presses the Done button of the active dialog; false when it has none.
bool PressDoneButton();

struct SHACTIVATEINFO {
    uint32_t cbSize = 0;
    device::HWND hwndLastFocus = nullptr;
    uint32_t fSipUp = 0;
};
// The input panel does not exist here; a settings change needs nothing.
device::LRESULT SHHandleWMSettingChange(device::HWND window, device::WPARAM wParam, device::LPARAM lParam,
                                        SHACTIVATEINFO* info);

}  // namespace controls
