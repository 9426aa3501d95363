// The options sheet and the About box on the real main window: the pages
// show the settings, change them the moment a control is used, and close by
// Done on the task bar.
#include "app/dialog_ids.h"
#include "app/main_window.h"
#include "dialogs_fixture.h"
#include "platform/controls/combo_box.h"
#include "platform/controls/edit.h"
#include "platform/controls/open_file.h"
#include "platform/controls/static_control.h"
#include "platform/device/screen.h"
#include "platform/device/timers.h"

namespace dialogs_test {
namespace {

using namespace ezo;

class OptionsTest : public DialogsTest {
protected:
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
TEST_F(OptionsTest, TheSettingPageShowsTheSettings) {
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
            EXPECT_EQ(device::IsWindowEnabled(Item(sheet, IDC_START_BROWSE)), c.file);
            EXPECT_NE(DumpLine(IDC_START_FILE).find(c.file ? "title=\"\\sea.jpg\" rect=33,80,158,19 visible=1 enabled=1"
                                                           : "title=\"\" rect=33,80,158,19 visible=1 enabled=0"),
                      std::string::npos);
            EXPECT_NE(DumpLine(IDC_SLIDE_SECONDS).find("title=\"3\""), std::string::npos);
            EXPECT_NE(DumpLine(IDC_SLIDE_ARROWS).find(" range=1..30"), std::string::npos);
            EXPECT_NE(DumpLine(IDC_SLIDE_EFFECT).find(
                          "title=\"None\" rect=121,159,87,21 visible=1 enabled=1 selected=4 "
                          "entries=\"Cover Down|Cover Left|Cover Right|Cover Up|None\""),
                      std::string::npos);
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
TEST_F(OptionsTest, EveryControlChangesItsSettingAtOnceAndTheRunSavesThem) {
    const std::string deep = "My Documents/" + std::string(230, 'f');
    MakeFolder(deep);
    WriteFile("My Documents/sea.jpg");
    WriteFile(deep + "/" + std::string(20, 'n') + ".jpg");
    Start();
    settings().slideSeconds = 30;
    During(IDM_OPTION, [&](HWND sheet) {
        TapOn(Item(sheet, IDC_START_SELECTED));
        EXPECT_EQ(settings().openMode, OpenSelectedFile);
        for (const std::vector<int>& rows : {std::vector<int>{2}, std::vector<int>{1, 1}}) {  // sea.jpg; deep
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

TEST_F(OptionsTest, ARunningSlideShowTakesTheNewIntervalAtOnce) {
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
TEST_F(OptionsTest, TheKeyPageMapsTheHardwareButtons) {
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
        EXPECT_NE(DumpLine(IDC_KEY1).find("entries=\"FullScreen|LandScape|Quit|SlideShow\""), std::string::npos);
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
TEST_F(OptionsTest, TheSheetIsLaidOutByTheTemplatesWithItsTabsAtTheBottom) {
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

TEST_F(OptionsTest, TheAboutBoxFillsTheScreenAndClosesByDone) {
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
}

}  // namespace
}  // namespace dialogs_test
