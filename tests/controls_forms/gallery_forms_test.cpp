#include "forms_fixture.h"

#include <QDir>
#include <QImage>

#include "platform/controls/gallery_forms.h"

namespace forms_test {
namespace {

class GalleryFormsTest : public FormsTest {};

// Shoots every page for review (build folder, gallery-forms/), and checks
// that each page shows something on every part of the screen it claims.
TEST_F(GalleryFormsTest, EveryPageShowsAndStaysOnTheScreen) {
    const QString folder = QStringLiteral(EZO_BINARY_DIR "/gallery-forms");
    QDir().mkpath(folder);
    int pages = 0;
    for (int page = 0;; ++page) {
        HWND window = CreateGalleryPageForms(page);
        if (!window) break;
        ++pages;
        dev().advance(10);
        const QImage shot = dev().grabScreen();
        EXPECT_TRUE(shot.save(folder + QStringLiteral("/forms-%1.png").arg(page)));
        // Every control lies inside the 240 x 320 screen.
        std::vector<HWND> todo{window};
        while (!todo.empty()) {
            HWND w = todo.back();
            todo.pop_back();
            gdi::RECT r;
            device::GetWindowRect(w, &r);
            EXPECT_GE(r.left, 0);
            EXPECT_GE(r.top, 0);
            EXPECT_LE(r.right, 240);
            EXPECT_LE(r.bottom, 320);
            for (HWND c : w->data().children) todo.push_back(c);
        }
        // A dark pixel (text) somewhere in the upper and lower halves of the page.
        auto inked = [&](int top, int bottom) {
            for (int y = top; y < bottom; ++y)
                for (int x = 0; x < 240; ++x)
                    if (qGray(shot.pixel(x, y)) < 80) return true;
            return false;
        };
        EXPECT_TRUE(inked(26, 170)) << page;
        EXPECT_TRUE(inked(170, 294)) << page;
        device::DestroyWindow(window);
        for (HWND top : std::vector<HWND>(device::TopLevelWindows()))
            if (top->data().className == u"ComboLBox") device::DestroyWindow(top);
    }
    EXPECT_EQ(pages, kGalleryPagesForms);
}

}  // namespace
}  // namespace forms_test
