#include "platform/controls/property_sheet.h"

#include <QTabBar>

#include <memory>
#include <vector>

#include "platform/controls/dialog_window.h"
#include "platform/controls/form_control.h"
#include "platform/device/message_loop.h"
#include "platform/device/screen_layout.h"

namespace controls {
namespace {

using device::HWND;
using device::LPARAM;
using device::LRESULT;
using device::WPARAM;

constexpr int32_t kTabHeight = 22;

class TabControl final : public FormControl {
public:
    LRESULT WindowProc(uint32_t msg, WPARAM wParam, LPARAM lParam) override {
        if (CommonMessage(msg, wParam, lParam)) return 0;
        switch (msg) {
        case device::WM_CREATE: return OnCreate();
        case TCM_INSERTITEMW: return OnInsert(int(wParam), reinterpret_cast<const TCITEMW*>(lParam));
        case TCM_GETITEMCOUNT: return bar() ? bar()->count() : 0;
        case TCM_GETCURSEL: return bar() ? bar()->currentIndex() : -1;
        case TCM_SETCURSEL: return OnSetCurSel(int(wParam));
        case TCM_DELETEALLITEMS:
            Quietly([this] { while (bar()->count()) bar()->removeTab(0); });
            return 1;
        case WM_STYLECHANGED: ShowShape(); return 0;
        default: return device::DefWindowProc(this, msg, wParam, lParam);
        }
    }
    void OnTabChosen(int index) {
        NMHDR header;
        if (SendNotify(this, &header, TCN_SELCHANGING) != 0) {
            Quietly([&] { bar()->setCurrentIndex(current_); });  // the parent kept the page
            return;
        }
        current_ = index;
        SendNotify(this, &header, TCN_SELCHANGE);
    }

private:
    QTabBar* bar() const { return static_cast<QTabBar*>(widget_.data()); }
    void Quietly(const std::function<void()>& f) {
        if (!bar()) return;
        const QSignalBlocker quiet(bar());
        f();
    }
    void ShowShape() {
        if (bar()) bar()->setShape((data().style & TCS_BOTTOM) ? QTabBar::RoundedSouth : QTabBar::RoundedNorth);
    }
    LRESULT OnCreate() {
        auto* tabs = new QTabBar;
        tabs->setObjectName(QStringLiteral("tabs"));
        tabs->setExpanding(false);
        tabs->setDrawBase(true);
        tabs->setFocusPolicy(Qt::NoFocus);
        Host(tabs);
        ShowShape();
        ControlLink* l = link();
        QObject::connect(tabs, &QTabBar::currentChanged, l,
                         [l](int i) { l->call<TabControl>([i](TabControl* t) { t->OnTabChosen(i); }); });
        return 0;
    }
    LRESULT OnInsert(int index, const TCITEMW* item) {
        if (!bar() || !item) return -1;
        const QString text = (item->mask & TCIF_TEXT) && item->pszText ? QString::fromUtf16(item->pszText) : QString();
        int at = -1;
        Quietly([&] {
            at = bar()->insertTab(std::clamp(index, 0, bar()->count()), text);
            if (bar()->count() == 1) current_ = 0;
        });
        return at;
    }
    LRESULT OnSetCurSel(int index) {
        if (!bar() || index < 0 || index >= bar()->count()) return -1;
        const int previous = current_;
        Quietly([&] { bar()->setCurrentIndex(index); });
        current_ = index;
        return previous;
    }

    int current_ = -1;
};

struct Sheet {
    std::vector<PROPSHEETPAGEW> pages;
    std::vector<HWND> windows;
    HWND window = nullptr;
    HWND tabs = nullptr;
    int shown = -1;
    bool failed = false;
};

const DialogTemplate* PageTemplate(const PROPSHEETPAGEW& page) { return FindDialogTemplate(page.pszTemplate); }

void Relayout(Sheet& sheet) {
    const gdi::RECT r = sheet.window->data().rect;
    const SheetPlaces places =
        PlaceSheet(r.width(), r.height(), device::GetWindowStyle(sheet.tabs) & TCS_BOTTOM);
    device::SendMessage(sheet.tabs, WM_STYLECHANGED, 0, 0);
    device::MoveWindow(sheet.tabs, places.tabs.left, places.tabs.top, places.tabs.width(), places.tabs.height(), true);
    for (HWND page : sheet.windows)
        if (page) device::MoveWindow(page, places.page.left, places.page.top, places.page.width(), places.page.height(), true);
}

bool ShowPage(Sheet& sheet, int index) {
    if (index < 0 || index >= int(sheet.pages.size())) return false;
    if (!sheet.windows[size_t(index)]) {
        const DialogTemplate* t = PageTemplate(sheet.pages[size_t(index)]);
        if (!t) return false;
        DialogTemplate child = *t;
        child.style = (child.style | device::WS_CHILD | DS_CONTROL) & ~device::WS_VISIBLE;
        child.rect = {0, 0, child.rect.width(), child.rect.height()};
        PROPSHEETPAGEW& record = sheet.pages[size_t(index)];
        HWND page = CreateDialogIndirectParam(child, sheet.window, record.pfnDlgProc, LPARAM(&record));
        if (!page) return false;
        sheet.windows[size_t(index)] = page;
        Relayout(sheet);
    }
    if (sheet.shown >= 0 && sheet.windows[size_t(sheet.shown)] && sheet.shown != index)
        device::ShowWindow(sheet.windows[size_t(sheet.shown)], device::SW_HIDE);
    sheet.shown = index;
    device::ShowWindow(sheet.windows[size_t(index)], device::SW_SHOWNA);
    return true;
}

std::u16string TitleOf(const PROPSHEETPAGEW& page) {
    if ((page.dwFlags & PSP_USETITLE) && page.pszTitle) return page.pszTitle;
    const DialogTemplate* t = PageTemplate(page);
    return t ? t->caption : std::u16string();
}

intptr_t SheetProc(Sheet& sheet, const PROPSHEETHEADERW& header, HWND window, uint32_t msg, WPARAM wParam,
                   LPARAM lParam) {
    switch (msg) {
    case WM_INITDIALOG: {
        sheet.window = window;
        const gdi::RECT r = window->data().rect;
        const SheetPlaces places = PlaceSheet(r.width(), r.height(), false);
        sheet.tabs = device::CreateWindow(u"SysTabControl32", u"", device::WS_CHILD | device::WS_VISIBLE, places.tabs.left,
                                          places.tabs.top, places.tabs.width(), places.tabs.height(), window,
                                          kSheetTabControlId);
        if (!sheet.tabs) {
            sheet.failed = true;
            return 0;
        }
        for (size_t i = 0; i < sheet.pages.size(); ++i) {
            std::u16string title = TitleOf(sheet.pages[i]);
            TCITEMW item;
            item.mask = TCIF_TEXT;
            item.pszText = title.data();
            device::SendMessage(sheet.tabs, TCM_INSERTITEMW, WPARAM(i), LPARAM(&item));
        }
        const int start = header.nStartPage < sheet.pages.size() ? int(header.nStartPage) : 0;
        device::SendMessage(sheet.tabs, TCM_SETCURSEL, WPARAM(start), 0);
        if (!ShowPage(sheet, start)) {
            sheet.failed = true;
            return 0;
        }
        if ((header.dwFlags & PSH_USECALLBACK) && header.pfnCallback) header.pfnCallback(window, PSCB_INITIALIZED, 0);
        if (device::IsWindow(window)) Relayout(sheet);
        return 0;  // the page takes the focus
    }
    case device::WM_NOTIFY: {
        const auto* nm = reinterpret_cast<const NMHDR*>(lParam);
        if (nm && nm->hwndFrom == sheet.tabs && nm->code == TCN_SELCHANGE) {
            const int index = int(device::SendMessage(sheet.tabs, TCM_GETCURSEL, 0, 0));
            ShowPage(sheet, index);
        }
        return 1;
    }
    case device::WM_COMMAND:
        // Done, Return and Escape close the sheet; the changes are already made.
        if (device::LOWORD(wParam) == device::IDOK || device::LOWORD(wParam) == device::IDCANCEL) EndDialog(window, 1);
        return 1;
    default:
        return 0;
    }
}

}  // namespace

SheetPlaces PlaceSheet(int32_t width, int32_t height, bool tabsAtBottom) {
    const int32_t tab = std::min(kTabHeight, height);
    if (tabsAtBottom) return {{0, height - tab, width, height}, {0, 0, width, height - tab}};
    return {{0, 0, width, tab}, {0, tab, width, height}};
}

intptr_t PropertySheetW(const PROPSHEETHEADERW* header) {
    if (!header || !header->ppsp || header->nPages == 0 || !(header->dwFlags & PSH_PROPSHEETPAGE)) return -1;
    Sheet sheet;
    sheet.pages.assign(header->ppsp, header->ppsp + header->nPages);
    sheet.windows.assign(sheet.pages.size(), nullptr);
    for (const PROPSHEETPAGEW& page : sheet.pages)
        if (!PageTemplate(page)) return -1;
    const bool callback = (header->dwFlags & PSH_USECALLBACK) && header->pfnCallback;
    if (callback) header->pfnCallback(nullptr, PSCB_GETVERSION, 0);

    DialogTemplate t;
    t.style = DS_ABSALIGN;
    t.caption = header->pszCaption ? header->pszCaption : u"";
    // Laid out in pixels by SHInitDialog below; the template only needs a place.
    t.rect = {0, 0, 1, 1};
    const PROPSHEETHEADERW& h = *header;
    const intptr_t result = DialogBoxIndirectParam(
        t, header->hwndParent,
        [&sheet, &h](HWND window, uint32_t msg, WPARAM wParam, LPARAM lParam) -> intptr_t {
            if (msg == WM_INITDIALOG) {
                const gdi::RECT area = device::kWorkArea;
                device::MoveWindow(window, area.left, area.top, area.width(), area.height(), false);
                SHINITDLGINFO info{SHIDIM_FLAGS, window, SHIDIF_DONEBUTTON};
                SHInitDialog(&info);
                const intptr_t r = SheetProc(sheet, h, window, msg, wParam, lParam);
                if (sheet.failed) EndDialog(window, -1);
                return r;
            }
            return SheetProc(sheet, h, window, msg, wParam, lParam);
        },
        0);
    return result;
}

bool RegisterTabControlClass() {
    return device::RegisterClass(u"SysTabControl32", 0, [] { return std::make_unique<TabControl>(); });
}

}  // namespace controls
