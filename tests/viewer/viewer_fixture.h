#pragma once
// The real main window on a headless device with a virtual clock, a device
// root of small pictures in "\Folder\" and a registry in a temporary folder.
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>

#include "image/draw_test_support.h"
#include "image/jpeg_test_support.h"
#include "platform/device/device.h"

namespace viewer_test {

constexpr gdi::COLORREF kWhite = gdi::RGB(255, 255, 255);

class ViewerTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes each name into \Folder\ (a 16 x 16 picture, or some text for a
    // name that starts with "bad") and lists the folder sorted by name.
    void ListFolder(std::initializer_list<const char*> names);
    static std::u16string PathOf(const char* name);
    // Opens \Folder\name for viewing, at once.
    int Open(const char* name);
    // The name of the picture loaded last (what scanPath ends in).
    std::string Showing() const;
    std::u16string Title() const;
    // A pixel of the main window as it shows now.
    gdi::COLORREF Pixel(int32_t x, int32_t y) const;
    void FillWindow(gdi::COLORREF colour);
    // Whether timer id of the main window runs, and its period.
    bool TimerRuns(uintptr_t id, uint32_t* periodMs = nullptr) const;

    std::unique_ptr<jpeg_test::DeviceFolder> pictures_;
    std::unique_ptr<device::Device> device_;
    device::HWND window_ = nullptr;

private:
    std::string registryFolder_;
};

}  // namespace viewer_test
