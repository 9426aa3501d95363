#include "forms_fixture.h"

#include "files/temp_folder.h"
#include "platform/controls/message_box_control.h"
#include "platform/controls/open_file.h"
#include "platform/controls/property_sheet.h"
#include "platform/device/activation.h"
#include "platform/device/window_api.h"
#include "platform/files/device_paths.h"

namespace forms_test {
namespace {

using device::LPARAM;
using device::WPARAM;

// A small page with a caption, a radio button and the default button.
DialogTemplate TestTemplate() {
    DialogTemplate t;
    t.pointSize = 10;
    t.caption = u"Setting";
    t.rect = DialogRect(0, 0, 135, 147);
    const uint32_t v = device::WS_VISIBLE;
    t.items = {
        {u"static", u"Starting Option", -1, v, DialogRect(3, 5, 50, 8)},
        {u"button", u"None", 1014, v | BS_AUTORADIOBUTTON | WS_GROUP | device::WS_TABSTOP, DialogRect(3, 16, 33, 10)},
        {u"button", u"OK", device::IDOK, v | BS_DEFPUSHBUTTON | device::WS_TABSTOP, DialogRect(17, 123, 102, 11)},
    };
    return t;
}

constexpr int kTestTemplate = 9001;

class DialogsTest : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        RegisterDialogTemplate(kTestTemplate, TestTemplate());
    }
};

TEST(DialogUnits, ConvertWithTheFontsBaseUnits) {
    const struct { int pointSize; gdi::RECT units; gdi::RECT pixels; } cases[] = {
        {10, DialogRect(0, 0, 135, 147), {0, 0, 236, 239}},    // the "Setting" page fills the screen's width
        {8, DialogRect(5, 113, 139, 17), {8, 170, 216, 195}},  // in the About box
        {10, DialogRect(7, 60, 117, 97), {12, 98, 217, 255}},  // File Info, placed in its owner
    };
    for (const auto& c : cases)
        EXPECT_EQ(DialogUnitsToPixels(c.units, DialogBaseUnits(c.pointSize)), c.pixels) << c.pointSize;
    // Every size gives positive units, even absurd ones.
    for (int size : {-3, 0, 1, 9, 12, 1000}) {
        const BaseUnits b = DialogBaseUnits(size);
        EXPECT_GT(b.x, 0);
        EXPECT_GT(b.y, 0);
    }
}

TEST(DialogNumbers, ReadLeadingDigitsAndRefuseOverflow) {
    const struct { std::u16string text; bool isSigned; bool ok; uint32_t value; } cases[] = {
        {u"  45abc", false, true, 45},   {u"abc", false, false, 0},
        {u"-5", false, false, 0},        {u"-5", true, true, uint32_t(-5)},
        {u"4294967295", false, true, 4294967295u}, {u"4294967296", false, false, 0},
        {u"2147483648", true, false, 0}, {u"-2147483648", true, true, 0x80000000u},
    };
    for (const auto& c : cases) {
        uint32_t value = 0;
        EXPECT_EQ(ParseDlgInt(c.text, c.isSigned, &value), c.ok) << std::string(c.text.begin(), c.text.end());
        if (c.ok) {
            EXPECT_EQ(value, c.value);
        }
    }
}

TEST(UpDownArithmetic, StepsWrapOrStopAtTheEnds) {
    const struct { int32_t pos, delta, lower, upper; bool wrap; int32_t expected; } cases[] = {
        {5, 1, 1, 30, true, 6},    {30, 1, 1, 30, true, 1},   {1, -1, 1, 30, true, 30},
        {30, 1, 1, 30, false, 30}, {1, -1, 1, 30, false, 1},
        {50, 1, 100, 0, false, 49},  // the default range runs the other way
        {0, 1, 100, 0, true, 100},
        {2147483647, 1, -2147483647 - 1, 2147483647, true, -2147483647 - 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(UpDownStep(c.pos, c.delta, c.lower, c.upper, c.wrap), c.expected) << c.pos << " " << c.delta;
}

TEST(ComboArithmetic, DropDownStaysOnTheScreen) {
    const struct { gdi::RECT box; int32_t dropped, rows; gdi::RECT expected; } cases[] = {
        {{60, 100, 160, 120}, 70, 5, {60, 120, 160, 190}},   // limited by the created height
        {{60, 100, 160, 120}, 200, 3, {60, 120, 160, 170}},  // as high as its rows
        {{60, 280, 160, 300}, 200, 5, {60, 198, 160, 280}},  // no room below: above the box
        {{60, 100, 160, 120}, 0, 0, {60, 120, 160, 138}},    // at least one row
    };
    for (const auto& c : cases) EXPECT_EQ(DropDownRect(c.box, c.dropped, c.rows, 16), c.expected);
}

// Return presses the default button; a missing template, a control that
// cannot be made or an empty sheet header fail without leaving a window.
TEST_F(DialogsTest, ModalDialogInitialisesFirstReturnsEndDialogsValueAndRefusesBadTemplates) {
    std::vector<std::string> seen;
    HWND dialogSeen = nullptr;
    Later({[&] {
        dialogSeen = device::GetActiveWindow();
        dev().key(Qt::Key_Return);
    }});
    auto proc = [&](HWND dialog, uint32_t msg, WPARAM w, LPARAM l) -> intptr_t {
        if (msg == WM_INITDIALOG) seen.push_back("INITDIALOG l=" + std::to_string(l));
        if (msg == device::WM_COMMAND) seen.push_back(DescribeCommand(w));
        if (msg == device::WM_COMMAND && device::LOWORD(w) == device::IDOK) EndDialog(dialog, 42);
        return msg == WM_INITDIALOG || msg == device::WM_COMMAND;
    };
    EXPECT_EQ(DialogBoxParam(nullptr, kTestTemplate, hostWindow_, proc, 77), 42);
    EXPECT_EQ(seen, (std::vector<std::string>{"INITDIALOG l=77", "COMMAND id=1 code=0"}));
    EXPECT_FALSE(device::IsWindow(dialogSeen));
    EXPECT_EQ(DialogBoxParam(nullptr, 12345, hostWindow_, nullptr, 0), -1);
    DialogTemplate broken = TestTemplate();
    broken.items.push_back({u"NoSuchClass", u"", 5, device::WS_VISIBLE, DialogRect(0, 0, 10, 10)});
    EXPECT_EQ(DialogBoxIndirectParam(broken, hostWindow_, nullptr, 0), -1);
    PROPSHEETHEADERW none;
    EXPECT_EQ(PropertySheetW(&none), -1);
    EXPECT_EQ(device::TopLevelWindows().size(), 1u);  // nothing left behind but the host
    EXPECT_TRUE(device::IsWindowEnabled(hostWindow_));
}

TEST_F(DialogsTest, MessageBoxAnswersByTapAndKey) {
    struct Case { unsigned type; std::function<void()> answer; int expected; };
    auto tapButton = [this](int id) {
        return [this, id] { TapOn(device::GetDlgItem(device::GetActiveWindow(), id)); };
    };
    const Case cases[] = {
        {MB_OKCANCEL | MB_ICONQUESTION, tapButton(device::IDCANCEL), device::IDCANCEL},
        {MB_OKCANCEL, tapButton(device::IDOK), device::IDOK},
        {MB_OK | MB_ICONSTOP, [this] { dev().key(Qt::Key_Escape); }, device::IDOK},  // no Cancel: Escape is OK
    };
    InstallMessageBox();
    for (const Case& c : cases) {
        std::u16string title;
        Later({[&] { title = device::GetWindowText(device::GetActiveWindow()); }, c.answer});
        EXPECT_EQ(device::MessageBox(hostWindow_, u"Remove selected file?", u"Delete", c.type), c.expected);
        EXPECT_EQ(title, u"Delete");  // the caption shows in the task bar
    }
}

TEST(MessageBoxPlaces, LongTextsStayOnTheScreen) {
    for (int textHeight : {0, 14, 100, 5000}) {
        const MessageBoxPlaces p = PlaceMessageBox(MB_OKCANCEL | MB_ICONSTOP, textHeight);
        EXPECT_TRUE(p.box.left >= 0 && p.box.right <= 240 && p.box.top >= 26 && p.box.bottom <= 294);
        EXPECT_LE(p.ok.bottom, p.box.height());
        EXPECT_LE(p.text.right, p.box.width());
        EXPECT_GE(p.ok.top, p.text.bottom);
        EXPECT_LE(p.ok.right, p.cancel.left);
    }
}

class OpenFileTest : public DialogsTest {
protected:
    void SetUp() override {
        DialogsTest::SetUp();
        root_.MakeFolder("My Documents/Trips");
        for (const char* name : {"b.JPG", "a.bmp", "notes.txt", "c.Gif", "Trips/sea.jpg"})
            root_.WriteFile(std::string("My Documents/") + name, "");
        files::SetDeviceRoot(root_.path());
    }
    void TearDown() override {
        files::SetDeviceRoot("");
        DialogsTest::TearDown();
    }
    testing_support::TempFolder root_;
};

TEST(OpenFileArithmetic, FilterPairsAndPaths) {
    const char16_t filter[] = u"그래픽 파일 (*.BMP,JPG,GIF)\0*.jpg;*.bmp;*.gif\0All\0*.*\0";
    const auto pairs = ParseFileFilter(filter);
    ASSERT_EQ(pairs.size(), 2u);
    EXPECT_EQ(pairs[0].patterns, (std::vector<std::u16string>{u"*.jpg", u"*.bmp", u"*.gif"}));
    EXPECT_TRUE(ParseFileFilter(nullptr).empty());
    const struct { std::u16string folder, name, path; } cases[] = {
        {u"\\My Documents", u"a.jpg", u"\\My Documents\\a.jpg"},
        {u"\\My Documents\\", u"a.jpg", u"\\My Documents\\a.jpg"},
        {u"", u"My Documents", u"\\My Documents"},
        {u"\\My Documents\\Trips", u"..", u"\\My Documents"},
        {u"\\My Documents", u"..", u""},
    };
    for (const auto& c : cases) EXPECT_EQ(JoinDevicePath(c.folder, c.name), c.path);
}

TEST_F(OpenFileTest, ListsFoldersThenMatchingFilesInAnyCase) {
    const auto entries = ListPickerFolder(u"\\My Documents", {u"*.jpg", u"*.bmp", u"*.gif"});
    std::vector<std::u16string> names;
    for (const auto& e : entries) names.push_back((e.folder ? u"[" : u"") + e.name);
    EXPECT_EQ(names, (std::vector<std::u16string>{u"[..", u"[Trips", u"a.bmp", u"b.JPG", u"c.Gif"}));
}

TEST_F(OpenFileTest, ThePathFitsTheBufferWithItsZeroOrTheCallFails) {
    const struct { uint32_t bufferSize; bool ok; std::u16string path; uint32_t error; } cases[] = {
        {20, true, u"\\My Documents\\b.JPG", 0},  // 19 characters and the zero fit exactly
        {19, false, u"", FNERR_BUFFERTOOSMALL},
    };
    for (const auto& c : cases) {
        std::vector<char16_t> buffer(c.bufferSize, u'?');
        OPENFILENAMEW ofn{.hwndOwner = hostWindow_, .lpstrFile = buffer.data(), .nMaxFile = c.bufferSize};
        Later({[] { device::SendMessage(OpenFilePicker(), device::WM_COMMAND, device::MAKEWPARAM(101, 3), 0); }});
        EXPECT_EQ(GetOpenFileNameW(&ofn), c.ok);
        EXPECT_EQ(std::u16string(buffer.data()), c.path);
        EXPECT_EQ(CommDlgExtendedError(), c.error);
    }
}

}  // namespace
}  // namespace forms_test
