#include "platform/controls/gallery_forms.h"

#include "platform/controls/button.h"
#include "platform/controls/combo_box.h"
#include "platform/controls/dialog.h"
#include "platform/controls/edit.h"
#include "platform/controls/form_classes.h"
#include "platform/controls/form_control.h"
#include "platform/controls/property_sheet.h"
#include "platform/controls/static_control.h"
#include "platform/controls/up_down.h"
#include <QWidget>

#include "platform/device/message_loop.h"
#include "platform/device/painting.h"
#include "platform/gdi/paint.h"

namespace controls {
namespace {

using device::HWND;
using device::LPARAM;
using device::WPARAM;
using device::WS_CHILD;
using device::WS_DISABLED;
using device::WS_VISIBLE;

constexpr int kGalleryTemplate = 0x7E01;

// A 24 x 12 bitmap: a blue band over yellow with a magenta corner, drawn
// opaque by the bitmap static and with the corner transparent by the icon one.
gdi::BitmapPtr GalleryPicture() {
    gdi::BitmapPtr bitmap = gdi::Bitmap::Create(24, 12, 24, true, true);
    if (!bitmap) return nullptr;
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 24; ++x) {
            uint8_t* p = bitmap->row(y) + 3 * x;
            const bool corner = x + y < 6;
            const bool band = y < 5;
            p[0] = corner ? 255 : band ? 160 : 0;
            p[1] = corner ? 0 : band ? 40 : 200;
            p[2] = corner ? 255 : band ? 0 : 255;
        }
    return bitmap;
}

class FormsPage final : public device::Window {
public:
    explicit FormsPage(int page) : page_(page), picture_(GalleryPicture()) {}
    gdi::HBITMAP picture() const { return picture_.get(); }

    device::LRESULT WindowProc(uint32_t msg, WPARAM wParam, LPARAM lParam) override {
        switch (msg) {
        case device::WM_PAINT: {
            device::PAINTSTRUCT paint;
            gdi::HDC dc = device::BeginPaint(this, &paint);
            const gdi::RECT all{0, 0, data().rect.width(), data().rect.height()};
            gdi::FillRect(dc, &all, gdi::GetStockBrush(gdi::WHITE_BRUSH));
            device::EndPaint(this, &paint);
            return 0;
        }
        case device::WM_DRAWITEM:
            DrawFace(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return 1;
        default:
            return device::DefWindowProc(this, msg, wParam, lParam);
        }
    }

private:
    // Owner-drawn faces: a framed square, dark when pressed, grey when disabled.
    static void DrawFace(const DRAWITEMSTRUCT& item) {
        const gdi::COLORREF face = (item.itemState & ODS_DISABLED)   ? gdi::RGB(200, 200, 200)
                                   : (item.itemState & ODS_SELECTED) ? gdi::RGB(10, 36, 106)
                                                                     : gdi::RGB(255, 200, 0);
        auto brush = gdi::CreateSolidBrush(face);
        gdi::FillRect(item.hDC, &item.rcItem, gdi::GetStockBrush(gdi::BLACK_BRUSH));
        gdi::RECT inner{item.rcItem.left + 1, item.rcItem.top + 1, item.rcItem.right - 1, item.rcItem.bottom - 1};
        gdi::FillRect(item.hDC, &inner, brush.get());
    }

    int page_;
    gdi::BitmapPtr picture_;
};

HWND Add(HWND page, const char16_t* cls, std::u16string_view text, uint32_t style, int x, int y, int w, int h,
         int id = -1) {
    return device::CreateWindow(cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, page, id);
}

void BuildButtons(HWND page, gdi::HBITMAP picture) {
    Add(page, u"button", u"Push", BS_PUSHBUTTON, 4, 4, 60, 20);
    Add(page, u"button", u"Default", BS_DEFPUSHBUTTON, 70, 4, 60, 20);
    Add(page, u"button", u"Disabled", BS_PUSHBUTTON | WS_DISABLED, 136, 4, 60, 20);
    Add(page, u"button", u"Options", BS_GROUPBOX, 4, 30, 232, 74);
    HWND on = Add(page, u"button", u"Radio on", BS_AUTORADIOBUTTON | WS_GROUP, 10, 44, 100, 16, 10);
    Add(page, u"button", u"Radio off", BS_AUTORADIOBUTTON, 10, 62, 100, 16, 11);
    HWND offDisabled = Add(page, u"button", u"Radio disabled", BS_AUTORADIOBUTTON | WS_DISABLED, 10, 80, 110, 16, 12);
    HWND check = Add(page, u"button", u"Check on", BS_AUTOCHECKBOX | WS_GROUP, 124, 44, 106, 16, 13);
    Add(page, u"button", u"Check off", BS_AUTOCHECKBOX, 124, 62, 106, 16, 14);
    HWND checkDisabled = Add(page, u"button", u"Check disabled", BS_AUTOCHECKBOX | WS_DISABLED, 124, 80, 106, 16, 15);
    device::SendMessage(on, BM_SETCHECK, BST_CHECKED, 0);
    device::SendMessage(check, BM_SETCHECK, BST_CHECKED, 0);
    device::SendMessage(checkDisabled, BM_SETCHECK, BST_CHECKED, 0);
    (void)offDisabled;

    Add(page, u"static", u"Owner-drawn:", SS_LEFT, 4, 112, 80, 14);
    Add(page, u"button", u"", BS_OWNERDRAW, 88, 112, 12, 12, 1005);
    Add(page, u"button", u"", BS_OWNERDRAW | WS_DISABLED, 106, 112, 12, 12, 1006);
    Add(page, u"button", u"", BS_OWNERDRAW, 124, 114, 7, 7, 5303);

    Add(page, u"static", u"Left text", SS_LEFT, 4, 134, 232, 14);
    Add(page, u"static", u"Centred text", SS_CENTER, 4, 150, 232, 14);
    Add(page, u"static", u"Right text", SS_RIGHT, 4, 166, 232, 14);
    Add(page, u"static", u"Disabled text", SS_LEFT | WS_DISABLED, 4, 182, 232, 14);
    Add(page, u"static", u"A longer line of static text wraps at the end of its rectangle.", SS_LEFT, 4, 198,
        232, 28);
    Add(page, u"static", u"Bitmap:", SS_LEFT, 4, 232, 50, 14);
    HWND bitmap = Add(page, u"static", u"", SS_BITMAP, 56, 232, 24, 12);
    device::SendMessage(bitmap, STM_SETIMAGE, IMAGE_BITMAP, LPARAM(picture));
    Add(page, u"static", u"Icon:", SS_LEFT, 100, 232, 40, 14);
    HWND icon = Add(page, u"static", u"", SS_ICON, 140, 232, 24, 12);
    device::SendMessage(icon, STM_SETIMAGE, IMAGE_ICON, LPARAM(picture));
}

HWND AddCombo(HWND page, uint32_t style, int x, int y, int selected) {
    HWND combo = Add(page, u"combobox", u"", style | CBS_SORT | device::WS_VSCROLL, x, y, 100, 90);
    for (const char16_t* s : {u"LandScape", u"FullScreen", u"SlideShow", u"Quit"})
        device::SendMessage(combo, CB_ADDSTRING, 0, LPARAM(s));
    device::SendMessage(combo, CB_SETCURSEL, WPARAM(selected), 0);
    return combo;
}

void BuildFields(HWND page) {
    Add(page, u"static", u"Edit", SS_LEFT, 4, 6, 60, 14);
    Add(page, u"edit", u"\\My Documents\\sea.jpg", ES_AUTOHSCROLL | device::WS_BORDER, 70, 4, 166, 20);
    Add(page, u"static", u"Read-only", SS_LEFT, 4, 30, 60, 14);
    Add(page, u"edit", u"read only", ES_READONLY | device::WS_BORDER, 70, 28, 166, 20);
    Add(page, u"static", u"Disabled", SS_LEFT, 4, 54, 60, 14);
    Add(page, u"edit", u"disabled", device::WS_BORDER | WS_DISABLED, 70, 52, 166, 20);
    Add(page, u"static", u"Time", SS_LEFT, 4, 78, 60, 14);
    Add(page, u"edit", u"", ES_NUMBER | device::WS_BORDER, 70, 76, 60, 20, 1041);
    HWND upDown = Add(page, u"msctls_updown32", u"",
                      UDS_AUTOBUDDY | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_WRAP | UDS_ALIGNRIGHT, 130, 76, 14, 20,
                      1042);
    device::SendMessage(upDown, UDM_SETRANGE, 0, device::MAKELPARAM(30, 1));
    device::SendMessage(upDown, UDM_SETPOS, 0, device::MAKELPARAM(7, 0));

    Add(page, u"static", u"Selected", SS_LEFT, 4, 104, 60, 14);
    AddCombo(page, CBS_DROPDOWNLIST, 70, 102, 1);
    Add(page, u"static", u"None", SS_LEFT, 4, 128, 60, 14);
    AddCombo(page, CBS_DROPDOWNLIST, 70, 126, -1);
    Add(page, u"static", u"Disabled", SS_LEFT, 4, 152, 60, 14);
    AddCombo(page, CBS_DROPDOWNLIST | WS_DISABLED, 70, 150, 2);
    Add(page, u"static", u"Dropped", SS_LEFT, 4, 176, 60, 14);
    HWND dropped = AddCombo(page, CBS_DROPDOWN, 70, 174, 3);
    device::SendMessage(dropped, CB_SHOWDROPDOWN, 1, 0);
}

void RegisterGalleryTemplate() {
    DialogTemplate t;
    t.style = WS_CHILD | DS_CONTROL;
    t.pointSize = 10;
    t.caption = u"Setting";
    t.rect = DialogRect(0, 0, 135, 130);
    const uint32_t v = WS_VISIBLE;
    t.items = {
        {u"static", u"Starting Option", -1, v, DialogRect(3, 5, 50, 8)},
        {u"button", u"None", 1014, v | BS_AUTORADIOBUTTON | WS_GROUP, DialogRect(3, 16, 33, 10)},
        {u"button", u"Open the latest file", 1015, v | BS_AUTORADIOBUTTON, DialogRect(3, 26, 78, 10)},
        {u"button", u"Open selected file", 1016, v | BS_AUTORADIOBUTTON, DialogRect(3, 36, 74, 10)},
        {u"edit", u"\\My Documents\\sea.jpg", 1045, v | ES_AUTOHSCROLL | device::WS_BORDER, DialogRect(19, 49, 90, 12)},
        {u"button", u"...", 1046, v | BS_PUSHBUTTON, DialogRect(118, 49, 13, 12)},
        {u"static", u"Type: 그래픽 파일 (*.BMP,JPG,GIF)", -1, v, DialogRect(3, 67, 128, 8)},
        {u"static", u"Time", -1, v, DialogRect(18, 80, 18, 8)},
        {u"edit", u"5", 1041, v | ES_NUMBER | ES_AUTOHSCROLL | device::WS_BORDER, DialogRect(69, 78, 40, 14)},
        {u"msctls_updown32", u"", 1042, v | UDS_AUTOBUDDY | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_WRAP,
         DialogRect(110, 78, 9, 14)},
        {u"static", u"Effect", -1, v, DialogRect(17, 98, 19, 8)},
        {u"combobox", u"", 1029, v | CBS_DROPDOWNLIST | CBS_SORT | device::WS_VSCROLL, DialogRect(69, 98, 50, 55)},
        {u"button", u"Delete Thumbnail Files", 1060, v | BS_PUSHBUTTON | WS_DISABLED, DialogRect(17, 115, 102, 11)},
    };
    RegisterDialogTemplate(kGalleryTemplate, t);
}

void BuildDialog(HWND page) {
    RegisterGalleryTemplate();
    const DialogTemplate* t = FindDialogTemplate(kGalleryTemplate);
    HWND dialog = CreateDialogIndirectParam(
        *t, page,
        [](HWND d, uint32_t msg, WPARAM, LPARAM) -> intptr_t {
            if (msg != WM_INITDIALOG) return 0;
            for (const char16_t* s : {u"Cover Left", u"Cover Right", u"Cover Up", u"Cover Down", u"None"})
                SendDlgItemMessage(d, 1029, CB_ADDSTRING, 0, LPARAM(s));
            SendDlgItemMessage(d, 1029, CB_SETCURSEL, 4, 0);
            SendDlgItemMessage(d, 1042, UDM_SETRANGE, 0, device::MAKELPARAM(30, 1));
            CheckRadioButton(d, 1014, 1016, 1016);
            return 1;
        },
        0);
    if (!dialog) return;
    device::MoveWindow(dialog, 0, 0, 240, 294 - 22, false);
    device::ShowWindow(dialog, device::SW_SHOWNA);
    HWND tabs = Add(page, u"SysTabControl32", u"", TCS_BOTTOM, 0, 294 - 22, 240, 22, kSheetTabControlId);
    for (std::u16string title : {u"Setting", u"Key"}) {
        TCITEMW item;
        item.mask = TCIF_TEXT;
        item.pszText = title.data();
        device::SendMessage(tabs, TCM_INSERTITEMW, 99, LPARAM(&item));
    }
}

}  // namespace

HWND CreateGalleryPageForms(int page) {
    if (page < 0 || page >= kGalleryPagesForms) return nullptr;
    RegisterFormControlClasses();
    static const char16_t* titles[] = {u"Buttons and text", u"Fields", u"Dialog"};
    auto object = std::make_unique<FormsPage>(page);
    FormsPage* forms = object.get();
    HWND window = device::CreateWindowFor(std::move(object), u"GalleryForms", 0, titles[page], WS_VISIBLE, 0, 26, 240,
                                          294, nullptr, 0);
    if (!window) return nullptr;
    if (QWidget* widget = window->data().widget) widget->setFont(DialogFont(8));
    if (page == 0) BuildButtons(window, forms->picture());
    if (page == 1) BuildFields(window);
    if (page == 2) BuildDialog(window);
    return window;
}

}  // namespace controls
