// The options sheet on the real main window: the "Setting" and "Key" pages
// show the program's settings, change them the moment a control is used,
// and the sheet closes by Done on the task bar.
#include <filesystem>

#include "app/dialog_ids.h"
#include "app/main_window.h"
#include "dialogs_fixture.h"
#include "platform/controls/button.h"
#include "platform/controls/edit.h"
#include "platform/controls/open_file.h"
#include "platform/controls/up_down.h"
#include "platform/device/timers.h"
#include "settings/settings.h"

namespace dialogs_test {
namespace {

using namespace ezo;

class OptionsSheetTest : public DialogsTest {
protected:
    ezo::Settings& settings() { return program().settings; }
    static uint32_t Check(HWND button) { return uint32_t(device::SendMessage(button, controls::BM_GETCHECK, 0, 0)); }
    static bool Enabled(HWND window) { return device::IsWindowEnabled(window); }
    // Replaces the time field's text as the user types it.
    void Type(HWND edit, const std::u16string& text) {
        device::SetFocus(edit);
        device::SendMessage(edit, controls::EM_SETSEL, 0, -1);
        if (text.empty()) dev().key(Qt::Key_Backspace);
        dev().typeText(text);
        dev().processPending();
    }
    // One arrow of the up-down control: the upper or the lower half.
    void TapArrow(HWND arrows, bool up) {
        gdi::RECT r;
        device::GetWindowRect(arrows, &r);
        TapAt(r.left + r.width() / 2, up ? r.top + 2 : r.bottom - 3);
    }
    // The dump's window line of the control id.
    std::string DumpLine(int id) {
        const std::string dump = dev().dumpState();
        const size_t at = dump.find(" id=" + std::to_string(id) + " ");
        return at == std::string::npos ? std::string() : dump.substr(at, dump.find('\n', at) - at);
    }
    uint32_t SlideTimerPeriod() {
        for (const device::TimerInfo& t : dev().timers().running())
            if (t.window == window_ && t.id == kSlideTimer) return t.periodMs;
        return 0;
    }
    // A picture on the view screen, for the hardware buttons and the slide show.
    void ViewPicture() {
        pictures_->Write("a.jpg", jpeg_test::Samples(40, 30, JCS_RGB, {1, 2, 3}));
        pictures_->Write("b.jpg", jpeg_test::Samples(40, 30, JCS_RGB, {3, 2, 1}));
        Start();
        OpenFromBrowse(window_, u"\\a.jpg", Jpg);
        ASSERT_TRUE(PictureOnView(program()));
    }
};

// Each start option shows its radio button, and the file field and "..."
// only with "Open selected file"; a mode that is none of them shows none.
TEST_F(OptionsSheetTest, TheSettingPageShowsTheStoredChoices) {
    Start();
    struct Case { int32_t mode; std::vector<uint32_t> checks; bool file; } cases[] = {
        {OpenNothing, {1, 0, 0}, false}, {OpenNothingLoaded, {1, 0, 0}, false}, {OpenLatestFile, {0, 1, 0}, false},
        {OpenSelectedFile, {0, 0, 1}, true}, {7, {0, 0, 0}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        settings().openMode = c.mode;
        settings().selectedFile = u"\\My Documents\\sea.jpg";
        settings().slideSeconds = 45;
        During(IDM_OPTION, [&](HWND sheet) {
            std::vector<uint32_t> checks;
            for (int id : {IDC_START_NONE, IDC_START_LATEST, IDC_START_SELECTED}) checks.push_back(Check(Item(sheet, id)));
            EXPECT_EQ(checks, c.checks);
            EXPECT_EQ(Enabled(Item(sheet, IDC_START_FILE)), c.file);
            EXPECT_EQ(Enabled(Item(sheet, IDC_START_BROWSE)), c.file);
            EXPECT_EQ(Text(Item(sheet, IDC_START_FILE)), c.file ? u"\\My Documents\\sea.jpg" : u"");
            EXPECT_EQ(Text(Item(sheet, IDC_SLIDE_SECONDS)), u"45");
            EXPECT_FALSE(Enabled(Item(sheet, IDC_DELETE_THUMBNAILS)));  // the store is empty
            // The effects in their sorted order, "None" selected, as the dump shows them.
            EXPECT_NE(DumpLine(1029).find("title=\"None\" rect=121,159,87,"), std::string::npos);
            EXPECT_NE(DumpLine(1029).find("selected=4 entries=\"Cover Down|Cover Left|Cover Right|Cover Up|None\""),
                      std::string::npos);
            EXPECT_NE(DumpLine(1042).find(" range=1..30"), std::string::npos);
            EXPECT_NE(DumpLine(1045).find(c.file ? "title=\"\\My Documents\\sea.jpg\"" : "title=\"\""),
                      std::string::npos);
            for (int i = 0; i < 3; ++i)
                EXPECT_NE(DumpLine(IDC_START_NONE + i).find(" check=" + std::to_string(c.checks[size_t(i)])),
                          std::string::npos);
            TapDone();
            EXPECT_EQ(device::ModalWindow(), nullptr);  // closed
        });
        EXPECT_EQ(settings().openMode, c.mode);  // looking changes nothing
        EXPECT_EQ(settings().slideSeconds, 45);
    }
}

TEST_F(OptionsSheetTest, EverySettingChangesTheMomentItsControlIsUsed) {
    MakeFolder("My Documents/" + std::string(230, 'f'));
    WriteFile("My Documents/sea.jpg");
    WriteFile("My Documents/" + std::string(230, 'f') + "/" + std::string(20, 'n') + ".jpg");
    Start();
    settings().slideSeconds = 30;
    During(IDM_OPTION, [&](HWND sheet) {
        TapOn(Item(sheet, IDC_START_SELECTED));
        EXPECT_EQ(settings().openMode, OpenSelectedFile);
        EXPECT_TRUE(Enabled(Item(sheet, IDC_START_BROWSE)));
        // The picker, its filter in Korean: a file chosen becomes the start
        // file; a path longer than the field takes changes nothing.
        const std::u16string chosen = u"\\My Documents\\sea.jpg";
        for (int row : {2, 1}) {  // sea.jpg; the long folder, then its file
            test_support::WhenModal([&, row](HWND picker) {
                EXPECT_EQ(picker, controls::OpenFilePicker());
                EXPECT_NE(dev().dumpState().find("title=\"Type: 그래픽 파일 (*.BMP,JPG,GIF)\""), std::string::npos);
                if (row == 1) device::SendMessage(picker, device::WM_COMMAND, device::MAKEWPARAM(101, 1), 0);
                device::SendMessage(picker, device::WM_COMMAND, device::MAKEWPARAM(101, row == 1 ? 1 : 2), 0);
            });
            TapOn(Item(sheet, IDC_START_BROWSE));
            EXPECT_EQ(settings().selectedFile, chosen);
            EXPECT_EQ(Text(Item(sheet, IDC_START_FILE)), chosen);
        }
        TapOn(Item(sheet, IDC_START_LATEST));
        EXPECT_EQ(settings().openMode, OpenLatestFile);
        EXPECT_FALSE(Enabled(Item(sheet, IDC_START_FILE)));
        TapOn(Item(sheet, IDC_START_NONE));
        EXPECT_EQ(settings().openMode, OpenNothing);

        TapEntry(Item(sheet, IDC_SLIDE_EFFECT), 1);
        EXPECT_EQ(settings().slideEffect, CoverLeft);

        // The arrows wrap within 1 to 30; typed numbers go beyond, up to an hour.
        HWND arrows = Item(sheet, IDC_SLIDE_ARROWS), field = Item(sheet, IDC_SLIDE_SECONDS);
        TapArrow(arrows, true);
        EXPECT_EQ(settings().slideSeconds, 1);
        TapArrow(arrows, false);
        EXPECT_EQ(settings().slideSeconds, 30);
        TapArrow(arrows, false);
        EXPECT_EQ(settings().slideSeconds, 29);
        struct Typed { std::u16string text; int32_t seconds; std::u16string shown; } typed[] = {
            {u"7", 7, u"7"},   {u"0", 7, u"0"},   {u"", 7, u""},   {u"120", 120, u"120"},
            {u"abc", 120, u"120"},  // refused as typed
            {u"9999999999", 3600, u"9999999999"},
        };
        for (const Typed& t : typed) {
            Type(field, t.text);
            EXPECT_EQ(settings().slideSeconds, t.seconds) << QString::fromStdU16String(t.text).toStdString();
            EXPECT_EQ(Text(field), t.shown);
        }
        controls::SetWindowTextW(field, std::u16string(10000, u'8'));  // a paste
        EXPECT_EQ(settings().slideSeconds, 3600);
        TapDone();
    });
    // Saved when the main window goes.
    device::DestroyWindow(window_);
    EXPECT_EQ(ReadSettingDword(u"Slide", 0), 3600);
    EXPECT_EQ(ReadSettingDword(u"OpenMode", -1), OpenNothing);
}

TEST_F(OptionsSheetTest, ARunningSlideShowTakesTheNewIntervalAtOnce) {
    ViewPicture();
    dev().command(IDM_SLIDE_START);
    EXPECT_EQ(SlideTimerPeriod(), 3000u);
    dev().advance(2000);
    During(IDM_OPTION, [&](HWND sheet) {
        Type(Item(sheet, IDC_SLIDE_SECONDS), u"7");
        EXPECT_EQ(SlideTimerPeriod(), 7000u);
        dev().advance(6000);  // the old interval would have stepped by now
        EXPECT_EQ(program().fileList.scanPath, u"\\a.jpg");
        dev().advance(1000);
        EXPECT_EQ(program().fileList.scanPath, u"\\b.jpg");
        TapDone();
    });
    EXPECT_EQ(program().shell.slideShowRunning, 1);
}

// The lists show each button's action; a change counts for the next press;
// "Default" restores every button, the hidden fifth too; an action outside
// the list shows no entry and its button does nothing.
TEST_F(OptionsSheetTest, TheKeyPageMapsTheHardwareButtons) {
    ViewPicture();
    settings().keyActions[2] = 7;
    const int lists[] = {IDC_KEY1, IDC_KEY2, IDC_KEY3, IDC_KEY4, IDC_KEY5};
    auto shown = [&](HWND sheet) {
        std::vector<intptr_t> selected;
        for (int id : lists) selected.push_back(Selected(Item(sheet, id)));
        return selected;
    };
    During(IDM_OPTION, [&](HWND sheet) {
        ShowTab(sheet, 1);
        ASSERT_TRUE(PageWith(sheet, IDC_KEY1));
        EXPECT_EQ(shown(sheet), (std::vector<intptr_t>{1, 0, -1, 2, 3}));
        EXPECT_FALSE(device::IsWindowVisible(Item(sheet, IDC_KEY5)));
        EXPECT_NE(dev().dumpState().find("entries=\"FullScreen|LandScape|Quit|SlideShow\""), std::string::npos);
        TapEntry(Item(sheet, IDC_KEY2), 3);
        EXPECT_EQ(settings().keyActions[1], SlideShow);
        settings().keyActions[4] = FullScreen;
        TapOn(Item(sheet, IDC_KEY_DEFAULT));
        EXPECT_EQ(shown(sheet), (std::vector<intptr_t>{1, 0, 3, 2, 3}));
        EXPECT_EQ(std::vector<int32_t>(settings().keyActions, settings().keyActions + 5),
                  (std::vector<int32_t>{1, 0, 3, 2, 3}));
        settings().keyActions[2] = 7;  // as loaded from a damaged store
        TapEntry(Item(sheet, IDC_KEY1), 2);
        EXPECT_EQ(settings().keyActions[0], Quit);
        TapDone();
    });
    dev().appKey(3);
    EXPECT_EQ(program().shell.slideShowRunning, 0);
    dev().appKey(1);  // now Quit
    EXPECT_FALSE(device::IsWindow(window_));
    EXPECT_EQ(ReadSettingDword(u"Key1", -1), Quit);
}

// The sheet fills the screen between the task bar and the menu band, its
// tabs at the bottom; each page's controls lie where the template's dialog
// units put them (combo boxes one line high), none cut by the tabs or the
// screen's edge.
TEST_F(OptionsSheetTest, TheSheetIsLaidOutByTheTemplatesWithItsTabsAtTheBottom) {
    Start();
    During(IDM_OPTION, [&](HWND sheet) {
        ShowTab(sheet, 1);
        ShowTab(sheet, 0);
        EXPECT_EQ(sheet->data().rect, (gdi::RECT{0, 26, 240, 294}));
        gdi::RECT tabs;
        device::GetWindowRect(device::GetDlgItem(sheet, controls::kSheetTabControlId), &tabs);
        EXPECT_EQ(tabs.bottom, 294);
        EXPECT_LT(tabs.top, 294 - 15);
        // The "Key" tab's face, unselected, is grey.
        HWND tabControl = device::GetDlgItem(sheet, controls::kSheetTabControlId);
        const QRect key = static_cast<QTabBar*>(tabControl->hostedWidget())->tabRect(1);
        EXPECT_EQ(dev().grabScreen().pixelColor(tabs.left + key.left() + 3, tabs.top + key.center().y()),
                  QColor(0xD4, 0xD0, 0xC8));
        for (int templateId : {IDD_SETTING, IDD_KEY}) {
            const controls::DialogTemplate* t = controls::FindDialogTemplate(templateId);
            ASSERT_TRUE(t);
            const controls::BaseUnits base = controls::DialogBaseUnits(t->pointSize);
            for (const controls::DialogItem& item : t->items) {
                if (item.id < 0) continue;
                HWND control = Item(sheet, item.id);
                ASSERT_TRUE(control) << item.id;
                const gdi::RECT want = controls::DialogUnitsToPixels(item.rect, base);
                gdi::RECT r;
                device::GetWindowRect(control, &r);
                EXPECT_EQ(r.left, want.left) << item.id;
                EXPECT_EQ(r.top, 26 + want.top) << item.id;
                EXPECT_EQ(r.width(), want.width()) << item.id;
                if (item.className != u"combobox") EXPECT_EQ(r.height(), want.height()) << item.id;
                EXPECT_LE(r.right, 240) << item.id;
                EXPECT_LE(r.bottom, tabs.top) << item.id;
            }
        }
        TapDone();
    });
}

}  // namespace
}  // namespace dialogs_test
