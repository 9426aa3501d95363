// File Info from the file list's tap-and-hold menu: the six lines of the
// held picture, shown in a small dialog over the list and closed by OK.
#include <utime.h>

#include <QMenu>

#include <ctime>
#include <filesystem>

#include "app/dialog_ids.h"
#include "dialogs_fixture.h"
#include "platform/controls/list_view.h"

namespace dialogs_test {
namespace {

class FileInfoTest : public DialogsTest {
protected:
    // Holds the stylus on the row that names name and taps "File Info" in
    // the menu that comes up; fn runs inside the dialog.
    void FileInfoOf(const std::u16string& name, const std::function<void(HWND dialog)>& fn) {
        test_support::WhenModal([&](HWND menuWindow) {
            QMenu* menu = nullptr;
            for (QMenu* m : menuWindow->hostedWidget()->findChildren<QMenu*>())
                if (m->isVisible()) menu = m;
            ASSERT_TRUE(menu);
            QAction* info = menu->actions().value(1);
            ASSERT_EQ(info->text(), "File Info");
            const QPoint at = menu->mapTo(menuWindow->hostedWidget(), menu->actionGeometry(info).center());
            test_support::WhenModal(fn);
            TapAt(menuWindow->data().rect.left + at.x(), menuWindow->data().rect.top + at.y());
        });
        const gdi::POINT row = RowPoint(name);
        dev().hold(row.x, row.y);
        dev().processPending();
    }
    gdi::POINT RowPoint(const std::u16string& name) {
        HWND list = program().shell.fileList;
        const int rows = int(device::SendMessage(list, controls::LVM_GETITEMCOUNT, 0, 0));
        for (int row = 0; row < rows; ++row) {
            char16_t text[260] = {};
            controls::LVITEMW item;
            item.pszText = text;
            item.cchTextMax = 260;
            device::SendMessage(list, controls::LVM_GETITEMTEXTW, device::WPARAM(row), device::LPARAM(&item));
            if (text != name) continue;
            gdi::RECT r{controls::LVIR_BOUNDS, 0, 0, 0};
            device::SendMessage(list, controls::LVM_GETITEMRECT, device::WPARAM(row), device::LPARAM(&r));
            return device::ClientToScreen(list, {r.left + 20, r.top + r.height() / 2});
        }
        ADD_FAILURE() << "no row";
        return {};
    }
    // The file's last write at this local time.
    static void Touch(const std::string& relative, int year, int month, int day, int h, int m, int s) {
        std::tm local{.tm_sec = s, .tm_min = m, .tm_hour = h, .tm_mday = day, .tm_mon = month - 1,
                      .tm_year = year - 1900, .tm_isdst = -1};
        const time_t when = std::mktime(&local);
        const utimbuf times{when, when};
        ASSERT_EQ(utime(HostPath(relative).c_str(), &times), 0);
    }
};

TEST_F(FileInfoTest, ShowsTheSixLinesOfTheSelectedPicture) {
    pictures_->Write("Sea.jpeg", jpeg_test::Samples(640, 480, JCS_RGB, {20, 90, 200}));
    std::filesystem::resize_file(HostPath("Sea.jpeg"), 1234567);  // padded after its end
    Touch("Sea.jpeg", 2002, 11, 1, 14, 3, 9);
    WriteFile("broken.jpg", 999);
    Touch("broken.jpg", 2024, 5, 1, 12, 0, 0);
    WriteFile("gone.jpg", 1000);
    WriteFile("big.bmp", 1);
    std::filesystem::resize_file(HostPath("big.bmp"), 5368709120ull);  // 5 GiB, sparse
    Touch("big.bmp", 2024, 5, 1, 0, 30, 0);
    Start();
    std::filesystem::remove(HostPath("gone.jpg"));  // after the listing

    // Nothing selected: nothing opens.
    dev().command(ezo::IDM_FILE_INFO);
    EXPECT_EQ(device::GetActiveWindow(), window_);

    struct Case { std::u16string row; std::vector<std::u16string> lines; } cases[] = {
        {u"Sea.jpeg", {u"FileName: Sea", u"Format: JPEG Image", u"Size: 1,234,567 bytes",
                       u"Dimensions: 640(W) * 480(H)", u"Date: 2002-11-1", u"Time: PM 2:3:9"}},
        // A picture whose header cannot be read, and one gone since it was listed: zeros.
        {u"broken.jpg", {u"FileName: broken", u"Format: JPEG Image", u"Size: 999 bytes",
                         u"Dimensions: 0(W) * 0(H)", u"Date: 2024-5-1", u"Time: PM 12:0:0"}},
        {u"gone.jpg", {u"FileName: gone", u"Format: JPEG Image", u"Size: 1,000 bytes", u"Dimensions: 0(W) * 0(H)"}},
        {u"big.bmp", {u"FileName: big", u"Format: BMP Image", u"Size: 5,368,709,120 bytes",
                      u"Dimensions: 0(W) * 0(H)", u"Date: 2024-5-1", u"Time: AM 0:30:0"}},
    };
    const int ids[] = {ezo::IDC_INFO_NAME, ezo::IDC_INFO_FORMAT, ezo::IDC_INFO_SIZE,
                       ezo::IDC_INFO_DIMENSIONS, ezo::IDC_INFO_DATE, ezo::IDC_INFO_TIME};
    for (const Case& c : cases) {
        SCOPED_TRACE(QString::fromStdU16String(c.row).toStdString());
        std::vector<std::u16string> shown;
        gdi::RECT place{};
        FileInfoOf(c.row, [&](HWND dialog) {
            for (size_t i = 0; i < c.lines.size(); ++i) shown.push_back(Text(device::GetDlgItem(dialog, ids[i])));
            device::GetWindowRect(dialog, &place);
            TapOn(device::GetDlgItem(dialog, device::IDOK));
            EXPECT_EQ(device::ModalWindow(), nullptr);  // closed
        });
        EXPECT_EQ(shown, c.lines);
        // At 7, 60 in the main window's client area, 117 x 97 dialog units of "System" 10.
        const gdi::RECT units = controls::DialogUnitsToPixels(controls::DialogRect(7, 60, 117, 97),
                                                              controls::DialogBaseUnits(10));
        EXPECT_EQ(place, (gdi::RECT{units.left, 26 + units.top, units.right, 26 + units.bottom}));
        EXPECT_EQ(device::GetActiveWindow(), window_);
        EXPECT_TRUE(device::IsWindowVisible(program().shell.fileList));  // nothing opened
    }
}

}  // namespace
}  // namespace dialogs_test
