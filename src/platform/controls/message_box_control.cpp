#include "platform/controls/message_box_control.h"

#include <QFont>
#include <QFontMetrics>

#include <algorithm>
#include <array>

#include "platform/controls/button.h"
#include "platform/controls/dialog.h"
#include "platform/controls/form_control.h"
#include "platform/controls/static_control.h"
#include "platform/device/message_loop.h"
#include "platform/device/painting.h"
#include "platform/device/screen_layout.h"
#include "platform/device/window_api.h"
#include "platform/gdi/paint.h"
#include "platform/gdi/pixel_format.h"

namespace controls {
namespace {

using device::HWND;

constexpr int32_t kBoxWidth = 232;
constexpr int32_t kMargin = 8;
constexpr int32_t kIconSize = 16;
constexpr int32_t kButtonWidth = 56;
constexpr int32_t kButtonHeight = 20;
constexpr int kPointSize = 8;

bool HasIcon(unsigned type) { return type & (MB_ICONSTOP | MB_ICONQUESTION); }

// The two icons as pixel art: '.' transparent, 'r' red, 'b' blue, 'w' white, 'k' dark edge.
constexpr std::array<const char*, kIconSize> kStopArt{
    "....kkkkkkkk....", "...krrrrrrrrk...", "..krrrrrrrrrrk..", ".krrwwrrrrwwrrk.",
    "krrrwwwrrwwwrrrk", "krrrrwwwwwwrrrrk", "krrrrrwwwwrrrrrk", "krrrrrwwwwrrrrrk",
    "krrrrwwwwwwrrrrk", "krrrwwwrrwwwrrrk", "krrwwwrrrrwwwrrk", ".krrwrrrrrrwrrk.",
    "..krrrrrrrrrrk..", "...krrrrrrrrk...", "....kkkkkkkk....", "................"};
constexpr std::array<const char*, kIconSize> kQuestionArt{
    "....kkkkkkkk....", "...kbbbbbbbbk...", "..kbbbwwwwbbbk..", ".kbbbwwbbwwbbbk.",
    "kbbbbbbbbwwbbbbk", "kbbbbbbbbwwbbbbk", "kbbbbbbbwwbbbbbk", "kbbbbbbwwbbbbbbk",
    "kbbbbbbwwbbbbbbk", "kbbbbbbbbbbbbbbk", "kbbbbbbwwbbbbbbk", ".kbbbbbwwbbbbbk.",
    "..kbbbbbbbbbbk..", "...kbbbbbbbbk...", "....kkkkkkkk....", "................"};

gdi::BitmapPtr IconBitmap(unsigned type) {
    const auto& art = (type & MB_ICONSTOP) ? kStopArt : kQuestionArt;
    gdi::BITMAPINFO info;
    info.bmiHeader.biWidth = kIconSize;
    info.bmiHeader.biHeight = -kIconSize;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    gdi::BitmapPtr bitmap = gdi::CreateDIBSection(nullptr, &info, gdi::DIB_RGB_COLORS, &bits);
    if (!bitmap) return nullptr;
    for (int y = 0; y < kIconSize; ++y) {
        uint8_t* row = bitmap->row(y);
        for (int x = 0; x < kIconSize; ++x) {
            gdi::COLORREF c = kIconTransparent;
            switch (art[size_t(y)][x]) {
            case 'r': c = gdi::RGB(200, 0, 0); break;
            case 'b': c = gdi::RGB(0, 64, 192); break;
            case 'w': c = gdi::RGB(255, 255, 255); break;
            case 'k': c = gdi::RGB(64, 64, 64); break;
            default: break;
            }
            row[3 * x] = gdi::GetBValue(c);
            row[3 * x + 1] = gdi::GetGValue(c);
            row[3 * x + 2] = gdi::GetRValue(c);
        }
    }
    return bitmap;
}

int32_t WrappedTextHeight(std::u16string_view text, int32_t width) {
    const QFontMetrics metrics(DialogFont(kPointSize));
    const QString s = QString::fromUtf16(text.data(), qsizetype(text.size()));
    return metrics.boundingRect(QRect(0, 0, width, 10000), Qt::TextWordWrap, s).height();
}

struct BoxRun {
    unsigned type;
    std::u16string text;
    MessageBoxPlaces places;
    gdi::BitmapPtr icon;
};

HWND MakeChild(HWND box, const char16_t* cls, std::u16string_view text, uint32_t style, const gdi::RECT& r, int id) {
    return device::CreateWindow(cls, text, device::WS_CHILD | device::WS_VISIBLE | style, r.left, r.top, r.width(),
                                r.height(), box, id);
}

intptr_t BoxProc(BoxRun& run, HWND box, uint32_t msg, device::WPARAM wParam) {
    switch (msg) {
    case WM_INITDIALOG: {
        const MessageBoxPlaces& p = run.places;
        device::MoveWindow(box, p.box.left, p.box.top, p.box.width(), p.box.height(), false);
        if (run.icon) {
            HWND icon = MakeChild(box, u"static", u"", SS_ICON, p.icon, -1);
            device::SendMessage(icon, STM_SETIMAGE, IMAGE_ICON, device::LPARAM(run.icon.get()));
        }
        MakeChild(box, u"static", run.text, SS_LEFT | SS_NOPREFIX, p.text, -1);
        MakeChild(box, u"button", u"OK", BS_DEFPUSHBUTTON | device::WS_TABSTOP, p.ok, IDOK);
        if (!p.cancel.empty()) MakeChild(box, u"button", u"Cancel", BS_PUSHBUTTON | device::WS_TABSTOP, p.cancel, IDCANCEL);
        return 1;
    }
    case device::WM_PAINT: {
        device::PAINTSTRUCT ps;
        device::BeginPaint(box, &ps);
        const gdi::RECT all{0, 0, run.places.box.width(), run.places.box.height()};
        gdi::FillRect(ps.hdc, &all, gdi::GetStockBrush(gdi::WHITE_BRUSH));
        {
            // The selections go back before the context is released.
            gdi::SelectScope<gdi::HPEN> pen(ps.hdc, gdi::GetStockPen(gdi::BLACK_PEN));
            gdi::SelectScope<gdi::HBRUSH> brush(ps.hdc, gdi::GetStockBrush(gdi::NULL_BRUSH));
            gdi::Rectangle(ps.hdc, 0, 0, all.right, all.bottom);
        }
        device::EndPaint(box, &ps);
        return 1;
    }
    case device::WM_COMMAND: {
        const int id = device::LOWORD(wParam);
        const bool cancel = !run.places.cancel.empty();
        if (id == IDOK) EndDialog(box, IDOK);
        if (id == IDCANCEL) EndDialog(box, cancel ? IDCANCEL : IDOK);
        return 1;
    }
    default:
        return 0;
    }
}

class MessageBoxBackend final : public device::Backend {
public:
    device::Backend* next = nullptr;
    gdi::HDC GetDC(HWND w) override { return next->GetDC(w); }
    void ReleaseDC(HWND w, gdi::HDC dc) override { next->ReleaseDC(w, dc); }
    bool GetClientRect(HWND w, gdi::RECT* r) override { return next->GetClientRect(w, r); }
    int MessageBox(HWND owner, std::u16string_view text, std::u16string_view caption, unsigned type) override {
        return MessageBoxW(owner, text, caption, type);
    }
    void SetCursor(device::Cursor c) override { next->SetCursor(c); }
    bool InvalidateRect(HWND w, const gdi::RECT* r, bool erase) override { return next->InvalidateRect(w, r, erase); }
    bool UpdateWindow(HWND w) override { return next->UpdateWindow(w); }
};

}  // namespace

int32_t MessageBoxTextWidth(unsigned type) {
    return kBoxWidth - 2 * kMargin - (HasIcon(type) ? kIconSize + kMargin : 0);
}

MessageBoxPlaces PlaceMessageBox(unsigned type, int32_t textHeight) {
    const gdi::RECT area = device::kWorkArea;
    const int32_t maxText = area.height() - 3 * kMargin - kButtonHeight;
    textHeight = std::clamp(textHeight, kIconSize, maxText);
    const int32_t height = 3 * kMargin + textHeight + kButtonHeight;
    MessageBoxPlaces p;
    const int32_t left = (device::kScreenWidth - kBoxWidth) / 2;
    const int32_t top = area.top + (area.height() - height) / 2;
    p.box = {left, top, left + kBoxWidth, top + height};
    int32_t textLeft = kMargin;
    if (HasIcon(type)) {
        p.icon = {kMargin, kMargin, kMargin + kIconSize, kMargin + kIconSize};
        textLeft += kIconSize + kMargin;
    }
    p.text = {textLeft, kMargin, textLeft + MessageBoxTextWidth(type), kMargin + textHeight};
    const bool two = (type & 0xF) == MB_OKCANCEL;
    const int32_t buttons = two ? 2 * kButtonWidth + kMargin : kButtonWidth;
    const int32_t buttonsLeft = (kBoxWidth - buttons) / 2;
    const int32_t buttonsTop = p.text.bottom + kMargin;
    p.ok = {buttonsLeft, buttonsTop, buttonsLeft + kButtonWidth, buttonsTop + kButtonHeight};
    if (two) p.cancel = {p.ok.right + kMargin, buttonsTop, p.ok.right + kMargin + kButtonWidth, buttonsTop + kButtonHeight};
    return p;
}

int MessageBoxW(HWND owner, std::u16string_view text, std::u16string_view caption, unsigned type) {
    BoxRun run{type, std::u16string(text), {}, nullptr};
    run.places = PlaceMessageBox(type, WrappedTextHeight(text, MessageBoxTextWidth(type)));
    if (HasIcon(type)) run.icon = IconBitmap(type);
    DialogTemplate t;
    t.style = DS_ABSALIGN;
    t.pointSize = kPointSize;
    t.caption = caption;
    const intptr_t result = DialogBoxIndirectParam(
        t, owner, [&run](HWND box, uint32_t msg, device::WPARAM w, device::LPARAM) { return BoxProc(run, box, msg, w); },
        0);
    return result == IDOK || result == IDCANCEL ? int(result) : IDCANCEL;
}

void InstallMessageBox() {
    static MessageBoxBackend backend;
    device::Backend* current = device::SetBackend(&backend);
    if (current == &backend) return;
    backend.next = current;
    if (!backend.next) device::SetBackend(nullptr);  // no device: nothing to forward to
}

}  // namespace controls
