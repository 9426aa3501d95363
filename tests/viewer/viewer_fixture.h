#pragma once
// The started main window with small pictures in the device folder "\Folder\".
#include <filesystem>
#include <initializer_list>
#include <string>

#include "app_modes/modes_fixture.h"
#include "browse/file_list.h"
#include "browse/path_text.h"
#include "image/open_image.h"
#include "platform/device/painting.h"
#include "platform/gdi/paint.h"

namespace viewer_test {

using namespace ezo;
constexpr gdi::COLORREF kWhite = gdi::RGB(255, 255, 255), kBlack = 0;

class ViewerTest : public modes_test::ModesTest {
public:
    // Makes \Folder\ hold just these names (a 16 x 16 picture, or text for a
    // name starting with "bad") and lists it sorted by name.
    void ListFolder(std::initializer_list<const char*> names) {
        std::filesystem::remove_all(HostPath("Folder"));
        MakeFolder("Folder");
        for (const char* name : names) {
            const std::string file = std::string("Folder/") + name;
            if (std::string_view(name).starts_with("bad")) pictures_->WriteBytes(file, {'t', 'e', 'x', 't'});
            else pictures_->Write(file, jpeg_test::Samples(16, 16, JCS_RGB, {250, 0, 0}));
        }
        FileList& list = program().fileList;
        list.scanPath = u"\\Folder\\";
        ScanFolder(list);
        SortFileList(list);
        NumberFileList(list);
    }
    static std::u16string PathOf(const char* name) { return u"\\Folder\\" + *files::Utf8ToUtf16(name); }
    int Open(const char* name) { return OpenImageForView(window_, PathOf(name), ImageKindOfName(PathOf(name)), 0); }
    // The file name of the picture loaded last.
    std::u16string Showing() const { return FileNameOfPath(program().fileList.scanPath, 0); }
    // The window's own pixels, as drawn, without the children above them.
    gdi::COLORREF Pixel(int32_t x, int32_t y) const { return draw_test::PixelAt(*device::BackingStore(window_), x, y); }
    void FillWindow(gdi::COLORREF colour) {
        device::WindowDC dc(window_);
        const gdi::RECT all{0, 0, 240, 320};
        gdi::FillRect(dc, &all, gdi::CreateSolidBrush(colour).get());
    }
};

}  // namespace viewer_test
