// File Info from the file list's tap-and-hold menu: the six lines of the
// held picture, in a small dialog over the list, closed by OK.
#include <utime.h>

#include <QMenu>

#include <ctime>
#include <filesystem>

#include "app/dialog_ids.h"
#include "app/main_window.h"
#include "dialogs_fixture.h"
#include "platform/controls/list_view.h"

namespace dialogs_test {
namespace {

class FileInfoTest : public DialogsTest {
protected:
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
};

// A damaged picture, one deleted since it was listed, and one past 4 GiB
// show zeros for the dimensions and the exact size.
TEST_F(FileInfoTest, ShowsTheSixLinesOfTheHeldPicture) {
    pictures_->Write("Sea.jpeg", jpeg_test::Samples(640, 480, JCS_RGB, {20, 90, 200}));
    Shape("Sea.jpeg", 1234567, 14, 3, 9);  // padded after the picture's end
    WriteFile("broken.jpg");
    Shape("broken.jpg", 999, 12, 0, 0);
    WriteFile("big.bmp");
    Shape("big.bmp", 5368709120ull, 0, 30, 0);  // sparse
    WriteFile("gone.gif", 1000);
    Start();
    std::filesystem::remove(HostPath("gone.gif"));
    dev().command(ezo::IDM_FILE_INFO);  // nothing selected: nothing opens
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
    const int ids[] = {ezo::IDC_INFO_NAME, ezo::IDC_INFO_FORMAT, ezo::IDC_INFO_SIZE,
                       ezo::IDC_INFO_DIMENSIONS, ezo::IDC_INFO_DATE, ezo::IDC_INFO_TIME};
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
    ezo::OpenFromBrowse(window_, u"\\Sea.jpeg", ezo::Jpeg);
    dev().command(ezo::IDM_FILE_INFO);
    EXPECT_EQ(device::GetActiveWindow(), window_);
    EXPECT_EQ(program().shell.thumbViewActive, 0);
}

}  // namespace
}  // namespace dialogs_test
