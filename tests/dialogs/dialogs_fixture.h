#pragma once
// The program's dialogs on the real main window: each test opens a dialog by
// its command and acts inside its modal loop with taps where a user would
// tap, then closes it by its Done or OK button.
#include <QListView>
#include <QTabBar>

#include <functional>

#include "platform/controls/combo_box.h"
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
    void TapOn(HWND control) {
        gdi::RECT r;
        ASSERT_TRUE(device::GetWindowRect(control, &r));
        TapAt(r.left + r.width() / 2, r.top + r.height() / 2);
    }
    // The Done button at the task bar's right end.
    void TapDone() { TapAt(223, 13); }
    // Opens the combo box's list by its arrow and taps its row.
    void TapEntry(HWND combo, int row) {
        gdi::RECT box;
        device::GetWindowRect(combo, &box);
        TapAt(box.right - 5, box.top + box.height() / 2);
        HWND drop = device::FindWindow(u"ComboLBox", nullptr);
        ASSERT_TRUE(drop);
        auto* list = drop->hostedWidget()->findChild<QListView*>();
        const QRect r = list->visualRect(list->model()->index(row, 0));
        const QPoint at = list->mapTo(drop->hostedWidget(), r.center());
        TapAt(drop->data().rect.left + at.x(), drop->data().rect.top + at.y());
    }
    // The sheet's page that holds the control id (null when none does).
    static HWND PageWith(HWND sheet, int id) {
        for (HWND child : sheet->data().children)
            if (controls::IsDialog(child) && device::GetDlgItem(child, id)) return child;
        return nullptr;
    }
    static HWND Item(HWND sheet, int id) { return device::GetDlgItem(PageWith(sheet, id), id); }
    void ShowTab(HWND sheet, int index) {
        HWND tabs = device::GetDlgItem(sheet, controls::kSheetTabControlId);
        auto* bar = static_cast<QTabBar*>(tabs->hostedWidget());
        gdi::RECT r;
        device::GetWindowRect(tabs, &r);
        const QPoint at = bar->tabRect(index).center();
        TapAt(r.left + at.x(), r.top + at.y());
    }
    static intptr_t Selected(HWND combo) { return device::SendMessage(combo, controls::CB_GETCURSEL, 0, 0); }
    static std::u16string Text(HWND window) { return device::GetWindowText(window); }
};

}  // namespace dialogs_test
