#include "app/setting_page.h"

#include <string>

#include "app/dialog_ids.h"
#include "app/slide_interval.h"
#include "app/slide_show.h"
#include "platform/controls/button.h"
#include "platform/controls/combo_box.h"
#include "platform/controls/dialog.h"
#include "platform/controls/edit.h"
#include "platform/controls/open_file.h"
#include "platform/controls/up_down.h"
#include "shell/program.h"
#include "thumbs/thumbnail_store.h"

namespace ezo {
namespace {

using device::HWND;
using device::LPARAM;
using device::WPARAM;

// Added in this order; the sorted list puts them in SlideEffect order.
constexpr const char16_t* kEffectNames[] = {u"Cover Left", u"Cover Right", u"Cover Up", u"Cover Down", u"None"};
constexpr int kLowestSeconds = 1;   // the arrows' range; typing goes beyond it
constexpr int kHighestSeconds = 30;
constexpr uint32_t kFileBufferLength = 256;
// The description (Korean for "picture files") and the patterns.
constexpr char16_t kPictureFilter[] = u"그래픽 파일 (*.BMP,JPG,GIF)\0*.jpg;*.bmp;*.gif\0";

void EnableFileChoice(HWND page, bool enable) {
    device::EnableWindow(device::GetDlgItem(page, IDC_START_FILE), enable);
    device::EnableWindow(device::GetDlgItem(page, IDC_START_BROWSE), enable);
}

void EnableDeleteThumbnails(HWND page, const Program& program) {
    device::EnableWindow(device::GetDlgItem(page, IDC_DELETE_THUMBNAILS), ThumbnailStoreHighestNumber(program) > 0);
}

void OnInit(HWND page) {
    Program& program = ProgramOf(page);
    const Settings& settings = program.settings;
    for (const char16_t* name : kEffectNames)
        controls::SendDlgItemMessage(page, IDC_SLIDE_EFFECT, controls::CB_ADDSTRING, 0, LPARAM(name));
    controls::SendDlgItemMessage(page, IDC_SLIDE_EFFECT, controls::CB_SETCURSEL, WPARAM(settings.slideEffect), 0);
    controls::SendDlgItemMessage(page, IDC_SLIDE_ARROWS, controls::UDM_SETRANGE, 0,
                                 device::MAKELPARAM(kHighestSeconds, kLowestSeconds));
    controls::SetDlgItemInt(page, IDC_SLIDE_SECONDS, uint32_t(settings.slideSeconds), false);
    EnableDeleteThumbnails(page, program);
    EnableFileChoice(page, false);
    switch (settings.openMode) {
    case OpenNothing:
    case OpenNothingLoaded:
        controls::CheckDlgButton(page, IDC_START_NONE, controls::BST_CHECKED);
        break;
    case OpenLatestFile:
        controls::CheckDlgButton(page, IDC_START_LATEST, controls::BST_CHECKED);
        break;
    case OpenSelectedFile:
        controls::CheckDlgButton(page, IDC_START_SELECTED, controls::BST_CHECKED);
        EnableFileChoice(page, true);
        controls::SetDlgItemText(page, IDC_START_FILE, settings.selectedFile);
        break;
    default:
        break;
    }
}

// A new interval counts at once, also for a slide show that runs.
void OnSecondsChanged(HWND page) {
    char16_t text[kSlideTextRead + 1] = {};
    controls::GetDlgItemText(page, IDC_SLIDE_SECONDS, text, int(kSlideTextRead + 1));
    const int32_t seconds = TypedSlideSeconds(text);
    Program& program = ProgramOf(page);
    if (seconds == 0 || seconds == program.settings.slideSeconds) return;
    program.settings.slideSeconds = seconds;
    RestartSlideTimer(program.shell.mainWindow);
}

// A file chosen in the picker becomes the start file; a cancel, or a path
// longer than the field takes, changes nothing.
void ChooseStartFile(HWND page) {
    char16_t file[kFileBufferLength] = {};
    controls::OPENFILENAMEW request;
    request.hwndOwner = page;
    request.lpstrFilter = kPictureFilter;
    request.lpstrFile = file;
    request.nMaxFile = kFileBufferLength;
    if (!controls::GetOpenFileNameW(&request)) return;
    controls::SetDlgItemText(page, IDC_START_FILE, file);
    ProgramOf(page).settings.selectedFile = file;
}

// Emptying the store stops a running pass first and lets it go on after.
void DeleteThumbnails(HWND page) {
    Program& program = ProgramOf(page);
    EmptyThumbnailStore(program);
    EnableDeleteThumbnails(page, program);
}

void OnCommand(HWND page, int id, int code) {
    Settings& settings = ProgramOf(page).settings;
    switch (id) {
    case IDC_START_NONE:
    case IDC_START_LATEST:
    case IDC_START_SELECTED:
        if (code != controls::BN_CLICKED) return;
        settings.openMode = id == IDC_START_NONE ? OpenNothing : id == IDC_START_LATEST ? OpenLatestFile : OpenSelectedFile;
        EnableFileChoice(page, id == IDC_START_SELECTED);
        return;
    case IDC_SLIDE_EFFECT:
        if (code == controls::CBN_SELCHANGE) {
            const auto index = controls::SendDlgItemMessage(page, IDC_SLIDE_EFFECT, controls::CB_GETCURSEL, 0, 0);
            if (index >= 0) settings.slideEffect = int32_t(index);
        }
        return;
    case IDC_SLIDE_SECONDS:
        if (code == controls::EN_CHANGE) OnSecondsChanged(page);
        return;
    case IDC_START_BROWSE:
        if (code == controls::BN_CLICKED) ChooseStartFile(page);
        return;
    case IDC_DELETE_THUMBNAILS:
        if (code == controls::BN_CLICKED) DeleteThumbnails(page);
        return;
    default:
        return;
    }
}

}  // namespace

intptr_t SettingPageProc(HWND page, uint32_t msg, WPARAM wParam, LPARAM) {
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
