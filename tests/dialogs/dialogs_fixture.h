#pragma once
// The program's dialogs on the real main window: each test opens a dialog by
// its command and acts inside its modal loop with taps where a user would
// tap, then closes it by its Done or OK button.
#include <QListView>
#include <QTabBar>

#include "platform/controls/dialog.h"
#include "platform/controls/property_sheet.h"
#include "platform/device/activation.h"
#include "shell/resource_ids.h"
#include "support/main_window_fixture.h"
#include "support/when_modal.h"

namespace dialogs_test {

using device::HWND;

class DialogsTest : public test_support::MainWindowTest {
protected:
    // Sends command to the main window, which opens a modal window, and runs
    // fn inside it; the modal loop is ended afterwards if fn left it open.
    void During(uint16_t command, const std::function<void(HWND modal)>& fn) {
        test_support::WhenModal(fn);
        dev().command(command);
        dev().processPending();
    }
    void TapAt(int32_t x, int32_t y) {
        dev().tap(x, y);
        dev().processPending();
    }
    // At the window's centre, or dx from its right edge.
    void TapOn(HWND window, int32_t dx = 0) {
        gdi::RECT r;
        ASSERT_TRUE(device::GetWindowRect(window, &r));
        TapAt(dx ? r.right - dx : r.left + r.width() / 2, r.top + r.height() / 2);
    }
    // A point of a Qt widget shown by window.
    void TapWidget(HWND window, QWidget* widget, QPoint at) {
        const QPoint p = widget->mapTo(window->hostedWidget(), at);
        gdi::RECT r;
        device::GetWindowRect(window, &r);
        TapAt(r.left + p.x(), r.top + p.y());
    }
    // The Done button at the task bar's right end.
    void TapDone() { TapAt(223, 13); }
    // Opens the combo box's list by its arrow and taps its row.
    void TapEntry(HWND combo, int row) {
        TapOn(combo, 5);
        HWND drop = device::FindWindow(u"ComboLBox", nullptr);
        ASSERT_TRUE(drop);
        auto* list = drop->hostedWidget()->findChild<QListView*>();
        TapWidget(drop, list, list->visualRect(list->model()->index(row, 0)).center());
    }
    void ShowTab(HWND sheet, int index) {
        HWND tabs = device::GetDlgItem(sheet, controls::kSheetTabControlId);
        auto* bar = static_cast<QTabBar*>(tabs->hostedWidget());
        TapWidget(tabs, bar, bar->tabRect(index).center());
    }
    // The control id on whichever page of the sheet holds it.
    static HWND Item(HWND sheet, int id) {
        for (HWND page : sheet->data().children)
            if (HWND item = controls::IsDialog(page) ? device::GetDlgItem(page, id) : nullptr) return item;
        return nullptr;
    }
};

}  // namespace dialogs_test
