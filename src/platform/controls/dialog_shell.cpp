// The shell's part of dialogs: full-screen sizing and the Done button.
#include <QPushButton>

#include "platform/controls/dialog.h"
#include "platform/controls/dialog_window.h"
#include "platform/device/activation.h"
#include "platform/device/input.h"
#include "platform/device/message_loop.h"
#include "platform/device/screen.h"
#include "platform/device/screen_layout.h"
#include "platform/device/screen_parts.h"

namespace controls {
namespace {

constexpr int kDoneWidth = 28;
constexpr int kDoneMargin = 3;
// The band the button sits on covers the clock, as the handheld's does.
constexpr int kBandWidth = 50;

// The Done button on the screen, within the band at the task bar's right end.
gdi::RECT DoneButtonRect() {
    const int32_t left = device::kScreenWidth - kDoneMargin - kDoneWidth;
    return {left, kDoneMargin, left + kDoneWidth, device::kTaskBarHeight - kDoneMargin};
}

void SendDone(device::HWND dialog) {
    if (device::IsWindow(dialog))
        device::SendMessage(dialog, device::WM_COMMAND, device::MAKEWPARAM(device::IDOK, 0), 0);
}

// A tap on the task bar over the Done button of the active dialog.
void TapOnTaskBar(gdi::POINT p) {
    const gdi::RECT r = DoneButtonRect();
    if (p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom) PressDoneButton();
}

// The "ok" button lies over the task bar's right end, where the handheld's
// shell puts it; it sends IDOK to its dialog.
QWidget* MakeDoneButton(device::HWND dialog) {
    device::Screen* screen = device::Screen::current();
    if (!screen) return nullptr;
    auto* band = new QWidget(screen->taskBar());
    band->setObjectName(QStringLiteral("doneBand"));
    band->setAttribute(Qt::WA_StyledBackground);
    band->setGeometry(device::kScreenWidth - kBandWidth, 0, kBandWidth, device::kTaskBarHeight);
    auto* button = new QPushButton(QStringLiteral("ok"), band);
    button->setObjectName(QStringLiteral("doneButton"));
    button->setFocusPolicy(Qt::NoFocus);
    const gdi::RECT r = DoneButtonRect();
    button->setGeometry(r.left - band->x(), r.top, r.width(), r.height());
    QObject::connect(button, &QPushButton::clicked, button, [dialog] { SendDone(dialog); });
    device::input::SetTaskBarTapHandler(TapOnTaskBar);
    band->setVisible(device::GetActiveWindow() == dialog);
    return band;
}

}  // namespace

bool SHInitDialog(SHINITDLGINFO* info) {
    if (!info || !(info->dwMask & SHIDIM_FLAGS)) return false;
    auto* dialog = device::IsWindow(info->hDlg) ? dynamic_cast<DialogWindow*>(info->hDlg) : nullptr;
    if (!dialog) return false;
    if (info->dwFlags & (SHIDIF_SIZEDLGFULLSCREEN | SHIDIF_SIZEDLG)) {
        const int32_t bottom = (info->dwFlags & SHIDIF_FULLSCREENNOMENUBAR) ? device::kScreenHeight
                                                                            : device::kWorkArea.bottom;
        device::MoveWindow(dialog, 0, device::kWorkArea.top, device::kScreenWidth, bottom - device::kWorkArea.top,
                           true);
    }
    if (info->dwFlags & SHIDIF_DONEBUTTON) dialog->SetDoneButton(MakeDoneButton(dialog));
    return true;
}

bool HasDoneButton(device::HWND dialog) {
    auto* d = device::IsWindow(dialog) ? dynamic_cast<DialogWindow*>(dialog) : nullptr;
    return d && d->hasDoneButton();
}

bool PressDoneButton() {
    device::HWND active = device::GetActiveWindow();
    if (!HasDoneButton(active)) return false;
    SendDone(active);
    return true;
}

device::LRESULT SHHandleWMSettingChange(device::HWND, device::WPARAM, device::LPARAM, SHACTIVATEINFO*) {
    return 0;
}

}  // namespace controls
