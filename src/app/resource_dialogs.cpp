// The dialog templates: File Info (154), the options sheet's "Setting" (132)
// and "Key" (135) pages, and the About box (103). Positions and sizes are in
// dialog units; the order of the items is their stacking and tab order.
#include "app/resource_table.h"
#include "platform/controls/button.h"
#include "platform/controls/combo_box.h"
#include "platform/controls/dialog_template.h"
#include "platform/controls/edit.h"
#include "platform/controls/form_control.h"
#include "platform/controls/static_control.h"
#include "platform/controls/up_down.h"
#include "app/dialog_ids.h"
#include "shell/resource_ids.h"

namespace ezo {
namespace {

using controls::DialogItem;
using controls::DialogRect;
using controls::DialogTemplate;

constexpr uint32_t kShown = device::WS_VISIBLE;
constexpr uint32_t kTab = device::WS_TABSTOP;
constexpr uint32_t kText = kShown | controls::SS_LEFT;
constexpr uint32_t kPush = kShown | kTab | controls::BS_PUSHBUTTON;
constexpr uint32_t kKeyList = controls::CBS_DROPDOWNLIST | controls::CBS_SORT | device::WS_VSCROLL | kTab;

std::u16string Reference(int id) {
    const std::string digits = "#" + std::to_string(id);
    return std::u16string(digits.begin(), digits.end());
}

DialogTemplate FileInfoTemplate() {
    DialogTemplate t;
    t.style = controls::DS_MODALFRAME;
    t.rect = DialogRect(7, 60, 117, 97);
    t.pointSize = 10;
    t.items = {
        {u"button", u"OK", device::IDOK, kShown | kTab | controls::BS_DEFPUSHBUTTON, DialogRect(49, 84, 20, 10)},
        {u"static", u"", IDC_INFO_FORMAT, kText, DialogRect(2, 26, 110, 8)},
        {u"static", u"", IDC_INFO_DIMENSIONS, kText, DialogRect(2, 46, 110, 8)},
        {u"static", u"", IDC_INFO_SIZE, kText, DialogRect(2, 36, 110, 8)},
        {u"static", u"", IDC_INFO_TIME, kText, DialogRect(2, 66, 110, 8)},
        {u"static", u"", IDC_INFO_DATE, kText, DialogRect(2, 56, 110, 8)},
        {u"static", Reference(IDB_FILE_INFO_PICTURE), -1, kShown | controls::SS_BITMAP, DialogRect(2, 3, 9, 8)},
        {u"static", u"", IDC_INFO_NAME, kText, DialogRect(2, 16, 110, 8)},
    };
    return t;
}

DialogTemplate SettingTemplate() {
    DialogTemplate t;
    t.style = controls::DS_CONTROL;
    t.rect = DialogRect(0, 0, 135, 147);
    t.pointSize = 10;
    t.caption = u"Setting";
    const uint32_t radio = kShown | controls::BS_AUTORADIOBUTTON;
    t.items = {
        {u"static", u"Starting Option", -1, kText, DialogRect(3, 5, 50, 8)},
        {u"button", u"None", IDC_START_NONE, radio | controls::WS_GROUP | kTab, DialogRect(3, 16, 33, 10)},
        {u"button", u"Open the latest file", IDC_START_LATEST, radio, DialogRect(3, 26, 78, 10)},
        {u"button", u"Open selected file", IDC_START_SELECTED, radio, DialogRect(3, 36, 74, 10)},
        {u"edit", u"", IDC_START_FILE,
         kShown | kTab | controls::WS_GROUP | controls::ES_AUTOHSCROLL | device::WS_BORDER,
         DialogRect(19, 49, 90, 12)},
        {u"button", u"...", IDC_START_BROWSE, kPush, DialogRect(118, 49, 13, 12)},
        {u"button", u"Static", -1, kShown | controls::BS_GROUPBOX, DialogRect(8, 67, 123, 48)},
        {u"static", u"Slide Show", -1, kText, DialogRect(3, 67, 38, 8)},
        {u"static", u"Time", -1, kText, DialogRect(18, 80, 18, 8)},
        {u"edit", u"", IDC_SLIDE_SECONDS,
         kShown | kTab | controls::ES_NUMBER | controls::ES_AUTOHSCROLL | device::WS_BORDER,
         DialogRect(69, 78, 40, 14)},
        {u"msctls_updown32", u"", IDC_SLIDE_ARROWS,
         kShown | controls::UDS_AUTOBUDDY | controls::UDS_SETBUDDYINT | controls::UDS_ARROWKEYS | controls::UDS_WRAP,
         DialogRect(110, 78, 9, 14)},
        {u"static", u"Effect", -1, kText, DialogRect(17, 98, 19, 8)},
        {u"combobox", u"", IDC_SLIDE_EFFECT,
         kShown | kTab | controls::CBS_DROPDOWN | controls::CBS_SORT | device::WS_VSCROLL, DialogRect(69, 98, 50, 55)},
        {u"button", u"Delete Thumbnail Files", IDC_DELETE_THUMBNAILS, kPush, DialogRect(17, 123, 102, 11)},
    };
    return t;
}

DialogTemplate KeyTemplate() {
    DialogTemplate t;
    t.style = controls::DS_CONTROL;
    t.rect = DialogRect(0, 0, 131, 138);
    t.pointSize = 10;
    t.caption = u"Key";
    t.items = {
        {u"static", u"Key1", -1, kText, DialogRect(13, 51, 16, 8)},
        {u"static", u"Key2", -1, kText, DialogRect(13, 66, 16, 8)},
        {u"static", u"Key3", -1, kText, DialogRect(13, 81, 16, 8)},
        {u"static", u"Key4", -1, kText, DialogRect(13, 96, 16, 8)},
        {u"static", u"Key5", -1, controls::SS_LEFT, DialogRect(13, 111, 16, 8)},
        {u"combobox", u"", IDC_KEY1, kShown | kKeyList, DialogRect(75, 50, 48, 50)},
        {u"combobox", u"", IDC_KEY2, kShown | kKeyList, DialogRect(75, 65, 48, 45)},
        {u"combobox", u"", IDC_KEY3, kShown | kKeyList, DialogRect(75, 80, 48, 44)},
        {u"combobox", u"", IDC_KEY4, kShown | kKeyList, DialogRect(75, 95, 48, 45)},
        {u"combobox", u"", IDC_KEY5, kKeyList | controls::CBS_NOINTEGRALHEIGHT, DialogRect(75, 110, 48, 47)},
        {u"static", u"Key Map", -1, kText, DialogRect(6, 21, 39, 12)},
        {u"button", u"Default", IDC_KEY_DEFAULT, kPush, DialogRect(73, 22, 52, 10)},
    };
    return t;
}

DialogTemplate AboutTemplate() {
    DialogTemplate t;
    t.style = controls::DS_MODALFRAME;
    t.rect = DialogRect(0, 0, 151, 138);
    t.pointSize = 8;
    t.caption = u"About";
    t.items = {
        {u"static", Reference(IDI_EZO), -1, kShown | controls::SS_ICON, DialogRect(5, 7, 21, 20)},
        {u"static", u"Image viewer Ezo 0.7b", -1, kText, DialogRect(34, 1, 110, 11)},
        {u"static", Reference(IDB_ABOUT_PICTURE), -1, kShown | controls::SS_BITMAP, DialogRect(5, 43, 53, 11)},
        {u"static", u"Made by the Ezo project", -1, kText, DialogRect(5, 60, 104, 12)},
        {u"static", u"Home: http://ezo.example.org", -1, kText, DialogRect(5, 86, 98, 11)},
        {u"static", u"Support: support@ezo.example.org", -1, kText, DialogRect(5, 98, 113, 12)},
        {u"static", u"This software is based in part on the work of the Independent JPEG Group.", -1, kText,
         DialogRect(5, 113, 139, 17)},
    };
    return t;
}

}  // namespace

void DefineProgramDialogs() {
    controls::RegisterDialogTemplate(IDD_FILE_INFO, FileInfoTemplate());
    controls::RegisterDialogTemplate(IDD_SETTING, SettingTemplate());
    controls::RegisterDialogTemplate(IDD_KEY, KeyTemplate());
    controls::RegisterDialogTemplate(IDD_ABOUT, AboutTemplate());
}

}  // namespace ezo
