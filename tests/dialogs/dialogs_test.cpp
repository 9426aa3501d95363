// The program's dialogs on the real main window, opened by their commands and
// used by taps inside their modal loops: the options sheet, the About box and
// File Info; and the interval field's rule, without a screen.
#include <utime.h>

#include <QListView>
#include <QMenu>
#include <QTabBar>

#include <ctime>
#include <filesystem>

#include "app/dialog_ids.h"
#include "app/main_window.h"
#include "app/slide_interval.h"
#include "platform/controls/combo_box.h"
#include "platform/controls/dialog.h"
#include "platform/controls/edit.h"
#include "platform/controls/list_view.h"
#include "platform/controls/open_file.h"
#include "platform/controls/property_sheet.h"
#include "platform/controls/static_control.h"
#include "platform/device/activation.h"
#include "platform/device/screen.h"
#include "platform/device/timers.h"
#include "shell/resource_ids.h"
#include "support/main_window_fixture.h"
#include "support/when_modal.h"

namespace dialogs_test {
namespace {

using namespace ezo;
using device::HWND;

class DialogsTest : public test_support::MainWindowTest {
protected:
    // Sends command, which opens a modal window, and runs fn inside it.
    void During(uint16_t command, const std::function<void(HWND modal)>& fn) {
        test_support::WhenModal(fn);
        dev().command(command);
        dev().processPending();
    }
    void TapAt(int32_t x, int32_t y) { dev().tap(x, y), dev().processPending(); }
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
    // Holds the stylus on the row of name and taps "File Info" in the menu
    // that comes up; fn runs inside the dialog.
    void FileInfoOf(const std::u16string& name, const std::function<void(HWND dialog)>& fn) {
        test_support::WhenModal([&](HWND menuWindow) {
            QMenu* menu = menuWindow->hostedWidget()->findChildren<QMenu*>().value(0);
            ASSERT_TRUE(menu);
            QAction* info = menu->actions().value(1);
            ASSERT_EQ(info->text(), "File Info");
            test_support::WhenModal(fn);
            TapWidget(menuWindow, menu, menu->actionGeometry(info).center());
        });
        HWND list = program().shell.fileList;
        int row = 0;
        for (char16_t text[260] = {}; row < program().shell.rowCount; ++row) {
            controls::LVITEMW item{.pszText = text, .cchTextMax = 260};
            device::SendMessage(list, controls::LVM_GETITEMTEXTW, device::WPARAM(row), device::LPARAM(&item));
            if (text == name) break;
        }
        gdi::RECT r{controls::LVIR_BOUNDS, 0, 0, 0};
        device::SendMessage(list, controls::LVM_GETITEMRECT, device::WPARAM(row), device::LPARAM(&r));
        const gdi::POINT at = device::ClientToScreen(list, {r.left + 20, r.top + r.height() / 2});
        dev().hold(at.x, at.y);
        dev().processPending();
    }
    // The file's size and its last write at local time h:m:s of 2002-11-1.
    static void Shape(const std::string& name, uintmax_t size, int h, int m, int s) {
        std::filesystem::resize_file(HostPath(name), size);
        std::tm local{};
        local.tm_year = 102, local.tm_mon = 10, local.tm_mday = 1;
        local.tm_hour = h, local.tm_min = m, local.tm_sec = s, local.tm_isdst = -1;
        const time_t when = std::mktime(&local);
        const utimbuf times{when, when};
        ASSERT_EQ(utime(HostPath(name).c_str(), &times), 0);
    }
    Settings& settings() { return program().settings; }
    static intptr_t Selected(HWND combo) { return device::SendMessage(combo, controls::CB_GETCURSEL, 0, 0); }
    // Replaces the field's text as the user types it (Backspace for none).
    void Type(HWND edit, const std::u16string& text) {
        device::SetFocus(edit);
        device::SendMessage(edit, controls::EM_SETSEL, 0, -1);
        text.empty() ? dev().key(Qt::Key_Backspace) : dev().typeText(text);
    }
    std::string DumpLine(int id) {
        const std::string dump = dev().dumpState();
        const size_t at = dump.find(" id=" + std::to_string(id) + " ");
        return at == std::string::npos ? std::string() : dump.substr(at, dump.find('\n', at) - at);
    }
    void ViewPicture() {
        pictures_->Write("a.jpg", jpeg_test::Samples(40, 30, JCS_RGB, {1, 2, 3}));
        pictures_->Write("b.jpg", jpeg_test::Samples(40, 30, JCS_RGB, {3, 2, 1}));
        Start();
        OpenFromBrowse(window_, u"\\a.jpg", Jpg);
        ASSERT_TRUE(PictureOnView(program()));
    }
};

// A mode that is no start option checks no radio button; the store is
// empty, so its button is off.
TEST_F(DialogsTest, TheSettingPageShowsTheSettings) {
    Start();
    const struct { int32_t mode; std::string checks; bool file; } cases[] = {
        {OpenNothing, "100", false}, {OpenNothingLoaded, "100", false}, {OpenLatestFile, "010", false},
        {OpenSelectedFile, "001", true}, {7, "000", false}};
    for (const auto& c : cases) {
        settings().openMode = c.mode;
        settings().selectedFile = u"\\sea.jpg";
        During(IDM_OPTION, [&](HWND sheet) {
            std::string checks;  // each radio button's line ends in " check=N"
            for (int id : {IDC_START_NONE, IDC_START_LATEST, IDC_START_SELECTED}) checks += DumpLine(id).back();
            EXPECT_EQ(checks, c.checks);
            for (int id : {IDC_START_BROWSE, IDC_START_FILE}) EXPECT_EQ(device::IsWindowEnabled(Item(sheet, id)), c.file);
            EXPECT_EQ(device::GetWindowText(Item(sheet, IDC_START_FILE)), c.file ? u"\\sea.jpg" : u"");
            EXPECT_EQ(device::GetWindowText(Item(sheet, IDC_SLIDE_SECONDS)), u"3");
            EXPECT_NE(DumpLine(IDC_SLIDE_ARROWS).find(" range=1..30"), std::string::npos);
            EXPECT_EQ(Selected(Item(sheet, IDC_SLIDE_EFFECT)), 4);  // None, last of the sorted entries
            EXPECT_FALSE(device::IsWindowEnabled(Item(sheet, IDC_DELETE_THUMBNAILS)));
            TapDone();
            EXPECT_EQ(device::ModalWindow(), nullptr);  // closed
        });
        EXPECT_EQ(settings().openMode, c.mode);
    }
}

// The arrows wrap within 1 to 30; typing sets any number up to an hour,
// and 0 or nothing keeps the interval. A file chosen in the picker becomes
// the start file; one whose path is too long for the field does not.
TEST_F(DialogsTest, EveryControlChangesItsSettingAtOnceAndTheRunSavesThem) {
    const std::string deep = "My Documents/" + std::string(230, 'f');
    MakeFolder(deep);
    WriteFile("My Documents/sea.jpg");
    WriteFile(deep + "/" + std::string(20, 'n') + ".jpg");
    Start();
    settings().slideSeconds = 30;
    During(IDM_OPTION, [&](HWND sheet) {
        TapOn(Item(sheet, IDC_START_SELECTED));
        EXPECT_EQ(settings().openMode, OpenSelectedFile);
        for (const std::vector<int>& rows : {std::vector<int>{2}, std::vector<int>{1, 1}}) {  // sea.jpg; too deep
            test_support::WhenModal([&](HWND picker) {
                EXPECT_NE(dev().dumpState().find("title=\"Type: 그래픽 파일 (*.BMP,JPG,GIF)\""), std::string::npos);
                for (int row : rows) device::SendMessage(picker, device::WM_COMMAND, device::MAKEWPARAM(101, row), 0);
            });
            TapOn(Item(sheet, IDC_START_BROWSE));
            EXPECT_EQ(settings().selectedFile, u"\\My Documents\\sea.jpg");
            EXPECT_EQ(device::GetWindowText(Item(sheet, IDC_START_FILE)), u"\\My Documents\\sea.jpg");
        }
        TapOn(Item(sheet, IDC_START_LATEST));
        EXPECT_EQ(settings().openMode, OpenLatestFile);
        EXPECT_FALSE(device::IsWindowEnabled(Item(sheet, IDC_START_FILE)));
        TapEntry(Item(sheet, IDC_SLIDE_EFFECT), 1);
        EXPECT_EQ(settings().slideEffect, CoverLeft);
        HWND arrows = Item(sheet, IDC_SLIDE_ARROWS), field = Item(sheet, IDC_SLIDE_SECONDS);
        const struct { int arrow; std::u16string typed; int32_t seconds; } steps[] = {
            {+1, u"", 1}, {-1, u"", 30}, {-1, u"", 29}, {0, u"7", 7}, {0, u"0", 7}, {0, u"", 7},
            {0, u"abc", 7}, {0, u"120", 120}, {0, u"9999999999", 3600}};
        for (const auto& s : steps) {
            gdi::RECT r;
            device::GetWindowRect(arrows, &r);
            if (s.arrow) TapAt(r.left + 4, s.arrow > 0 ? r.top + 2 : r.bottom - 3);
            else Type(field, s.typed);
            EXPECT_EQ(settings().slideSeconds, s.seconds) << s.arrow << " " << std::string(s.typed.begin(), s.typed.end());
        }
        controls::SetWindowTextW(field, std::u16string(10000, u'8'));  // a paste
        EXPECT_EQ(settings().slideSeconds, 3600);
        TapDone();
    });
    device::DestroyWindow(window_);
    EXPECT_EQ(ReadSettingDword(u"Slide", 0), 3600);
    EXPECT_EQ(ReadSettingDword(u"OpenMode", -1), OpenLatestFile);
}

// Leading digits count; none, or 0, keep the interval; an hour at most.
TEST(SlideInterval, TypedTextGivesSecondsUpToAnHour) {
    const struct { std::u16string text; int32_t seconds; } cases[] = {
        {u"45", 45}, {u"3601", 3600}, {u"4294967303", 3600},  // would wrap to 7 in 32 bits
        {u"00", 0},  {u" 12abc", 12}, {u"abc12", 0},
        {std::u16string(300, u'0') + u"5", 0},  // the 5 lies past the characters read
    };
    for (const auto& c : cases) EXPECT_EQ(TypedSlideSeconds(c.text), c.seconds) << c.text.size();
}

TEST_F(DialogsTest, ARunningSlideShowTakesTheNewIntervalAtOnce) {
    ViewPicture();
    dev().command(IDM_SLIDE_START);
    dev().advance(2000);
    During(IDM_OPTION, [&](HWND sheet) {
        Type(Item(sheet, IDC_SLIDE_SECONDS), u"7");
        dev().advance(6000);  // the old interval would have stepped by now
        EXPECT_EQ(program().fileList.scanPath, u"\\a.jpg");
        dev().advance(1000);
        EXPECT_EQ(program().fileList.scanPath, u"\\b.jpg");
        TapDone();
    });
    EXPECT_EQ(program().shell.slideShowRunning, 1);
}

// A change counts for the next press; "Default" restores every button, the
// hidden fifth too; an action outside the list shows none and does nothing.
TEST_F(DialogsTest, TheKeyPageMapsTheHardwareButtons) {
    ViewPicture();
    settings().keyActions[2] = 7;
    auto shown = [&](HWND sheet) {
        std::vector<intptr_t> selected;
        for (int id : {IDC_KEY1, IDC_KEY2, IDC_KEY3, IDC_KEY4, IDC_KEY5}) selected.push_back(Selected(Item(sheet, id)));
        return selected;
    };
    During(IDM_OPTION, [&](HWND sheet) {
        ShowTab(sheet, 1);
        EXPECT_EQ(shown(sheet), (std::vector<intptr_t>{1, 0, -1, 2, 3}));
        EXPECT_FALSE(device::IsWindowVisible(Item(sheet, IDC_KEY5)));
        TapEntry(Item(sheet, IDC_KEY2), 3);
        EXPECT_EQ(settings().keyActions[1], SlideShow);
        settings().keyActions[4] = FullScreen;
        TapOn(Item(sheet, IDC_KEY_DEFAULT));
        EXPECT_EQ(shown(sheet), (std::vector<intptr_t>{1, 0, 3, 2, 3}));
        EXPECT_EQ(std::vector<int32_t>(settings().keyActions, settings().keyActions + 5),
                  (std::vector<int32_t>{1, 0, 3, 2, 3}));
        settings().keyActions[2] = 7;  // as a damaged store would give it
        TapEntry(Item(sheet, IDC_KEY1), 2);
        EXPECT_EQ(settings().keyActions[0], Quit);
        TapDone();
    });
    dev().appKey(3);
    EXPECT_EQ(program().shell.slideShowRunning, 0);
    dev().appKey(1);
    EXPECT_FALSE(device::IsWindow(window_));
    EXPECT_EQ(ReadSettingDword(u"Key1", -1), Quit);
}

// The sheet fills the screen between the task bar and the menu band, its
// tabs at the bottom; the pages' controls lie where the templates' dialog
// units put them (combo boxes one line high), none cut by the tabs.
TEST_F(DialogsTest, TheSheetIsLaidOutByTheTemplatesWithItsTabsAtTheBottom) {
    Start();
    During(IDM_OPTION, [&](HWND sheet) {
        ShowTab(sheet, 1);
        ShowTab(sheet, 0);
        EXPECT_EQ(sheet->data().rect, (gdi::RECT{0, 26, 240, 294}));
        HWND tabControl = device::GetDlgItem(sheet, controls::kSheetTabControlId);
        gdi::RECT tabs;
        device::GetWindowRect(tabControl, &tabs);
        EXPECT_EQ(tabs.bottom, 294);
        const QRect key = static_cast<QTabBar*>(tabControl->hostedWidget())->tabRect(1);  // unselected: grey
        EXPECT_EQ(dev().grabScreen().pixelColor(tabs.left + key.left() + 3, tabs.top + key.center().y()),
                  QColor(0xD4, 0xD0, 0xC8));
        for (int templateId : {IDD_SETTING, IDD_KEY}) {
            const controls::DialogTemplate* t = controls::FindDialogTemplate(templateId);
            for (const controls::DialogItem& item : t->items) {
                gdi::RECT want = controls::DialogUnitsToPixels(item.rect, controls::DialogBaseUnits(t->pointSize)), r;
                if (item.id < 0) continue;
                ASSERT_TRUE(device::GetWindowRect(Item(sheet, item.id), &r)) << item.id;
                if (item.className == u"combobox") want.bottom = want.top + r.height();
                EXPECT_EQ(r, (gdi::RECT{want.left, 26 + want.top, want.right, 26 + want.bottom})) << item.id;
                EXPECT_LE(r.bottom, tabs.top) << item.id;
            }
        }
        TapDone();
    });
}

TEST_F(DialogsTest, TheAboutBoxFillsTheScreenAndClosesByDone) {
    Start();
    dev().command(IDM_TITLE_BAR);  // hidden: the box brings it back first
    During(IDM_ABOUT, [&](HWND box) {
        EXPECT_TRUE(device::TaskBarShown());
        EXPECT_EQ(box->data().rect, (gdi::RECT{0, 26, 240, 294}));
        std::vector<std::u16string> texts;
        for (HWND item : box->data().children)
            if (!device::SendMessage(item, controls::STM_GETIMAGE, 0, 0)) texts.push_back(device::GetWindowText(item));
        ASSERT_EQ(texts.size(), 5u);  // beside the icon and the wordmark
        EXPECT_EQ(texts.front(), u"Image viewer Ezo 0.7b");
        EXPECT_EQ(texts.back(), u"This software is based in part on the work of the Independent JPEG Group.");
        TapAt(100, 13);  // the task bar's title: nothing
        EXPECT_EQ(device::ModalWindow(), box);
        TapDone();
        EXPECT_EQ(device::ModalWindow(), nullptr);
    });
    During(IDM_ABOUT, [&](HWND) {
        dev().key(Qt::Key_Escape);  // as Done
        EXPECT_EQ(device::ModalWindow(), nullptr);
    });
}

// A damaged picture, one deleted since it was listed, and one past 4 GiB
// show zeros for the dimensions and the exact size.
TEST_F(DialogsTest, FileInfoShowsTheSixLinesOfTheHeldPicture) {
    pictures_->Write("Sea.jpeg", jpeg_test::Samples(640, 480, JCS_RGB, {20, 90, 200}));
    Shape("Sea.jpeg", 1234567, 14, 3, 9);  // padded after the picture's end
    WriteFile("broken.jpg");
    Shape("broken.jpg", 999, 12, 0, 0);
    WriteFile("big.bmp");
    Shape("big.bmp", 5368709120ull, 0, 30, 0);  // sparse
    WriteFile("gone.gif", 1000);
    Start();
    std::filesystem::remove(HostPath("gone.gif"));
    dev().command(IDM_FILE_INFO);  // nothing selected: nothing opens
    EXPECT_EQ(device::GetActiveWindow(), window_);

    const struct { std::u16string row; std::vector<std::u16string> lines; } cases[] = {
        {u"big.bmp", {u"FileName: big", u"Format: BMP Image", u"Size: 5,368,709,120 bytes",
                      u"Dimensions: 0(W) * 0(H)", u"Date: 2002-11-1", u"Time: AM 0:30:0"}},
        {u"broken.jpg", {u"FileName: broken", u"Format: JPEG Image", u"Size: 999 bytes", u"Dimensions: 0(W) * 0(H)",
                         u"Date: 2002-11-1", u"Time: PM 12:0:0"}},
        {u"gone.gif", {u"FileName: gone", u"Format: GIF Image", u"Size: 1,000 bytes", u"Dimensions: 0(W) * 0(H)"}},
        {u"Sea.jpeg", {u"FileName: Sea", u"Format: JPEG Image", u"Size: 1,234,567 bytes",
                       u"Dimensions: 640(W) * 480(H)", u"Date: 2002-11-1", u"Time: PM 2:3:9"}},
    };
    const int ids[] = {IDC_INFO_NAME, IDC_INFO_FORMAT, IDC_INFO_SIZE, IDC_INFO_DIMENSIONS, IDC_INFO_DATE, IDC_INFO_TIME};
    // At 7, 60 in the main window's client area, 117 x 97 dialog units of "System" 10.
    const gdi::RECT units = controls::DialogUnitsToPixels(controls::DialogRect(7, 60, 117, 97),
                                                          controls::DialogBaseUnits(10));
    for (const auto& c : cases) {
        std::vector<std::u16string> shown;
        FileInfoOf(c.row, [&](HWND dialog) {
            for (size_t i = 0; i < c.lines.size(); ++i)
                shown.push_back(device::GetWindowText(device::GetDlgItem(dialog, ids[i])));
            EXPECT_EQ(dialog->data().rect, (gdi::RECT{units.left, 26 + units.top, units.right, 26 + units.bottom}));
            TapOn(device::GetDlgItem(dialog, device::IDOK));
            EXPECT_EQ(device::ModalWindow(), nullptr);  // closed
        });
        EXPECT_EQ(shown, c.lines);
        EXPECT_TRUE(device::IsWindowVisible(program().shell.fileList));  // nothing opened
    }
    // While a picture is viewed, the hidden list's row is not the grid's cell.
    OpenFromBrowse(window_, u"\\Sea.jpeg", Jpeg);
    dev().command(IDM_FILE_INFO);
    EXPECT_EQ(device::GetActiveWindow(), window_);
    EXPECT_EQ(program().shell.thumbViewActive, 0);
}

}  // namespace
}  // namespace dialogs_test
