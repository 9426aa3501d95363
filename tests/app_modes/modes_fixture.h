#pragma once
// The main window with a picture put straight into the current-image slot
// and shown as opening it would, and a driver that plays steps from inside
// a modal loop (a message box's).
#include <deque>
#include <functional>

#include <QColor>

#include "platform/gdi/bitmap.h"
#include "support/main_window_fixture.h"

namespace modes_test {

using device::HWND;

// Plays its steps one per posted message, so that they run inside whatever
// loop is running.
class Driver final : public device::Window {
public:
    device::LRESULT WindowProc(uint32_t msg, device::WPARAM wParam, device::LPARAM lParam) override;
    std::deque<std::function<void()>> steps;
};

class ModesTest : public test_support::MainWindowTest {
protected:
    void SetUp() override;
    gdi::RECT WindowRect(HWND window) const;
    bool Shown(HWND window) const { return window && device::IsWindowVisible(window); }
    // The one view or browse bar that shows, or 0 when none or several do.
    int ShownBar() const;
    // Puts the picture in the slot and switches to the view screen.
    void View(gdi::BitmapPtr picture);
    QColor ScreenPixel(int x, int y);
    // Steps to play inside the next modal loop.
    void Play(std::deque<std::function<void()>> steps);
    static bool HostFileExists(const std::string& name) { return std::filesystem::exists(HostPath(name)); }

    Driver* driver_ = nullptr;
};

// A bottom-up 24-bit w x h picture painted with colour(x, y), y from the top.
gdi::BitmapPtr Picture(int32_t w, int32_t h, std::function<QColor(int, int)> colour);

}  // namespace modes_test
