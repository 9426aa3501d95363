#pragma once
// Test support for JPEG loading: small JPEG files made with libjpeg's
// compressor in a temporary folder that is the device root, a window backend
// that counts borrowed device contexts, and the pixels of a program's picture.
#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>
#include <jpeglib.h>

#include "platform/device/window_api.h"
#include "shell/program.h"

namespace jpeg_test {

// A picture to encode: the top-left band x band square `top`, the rest
// `bottom`, each pixel in `space` (JCS_RGB, JCS_GRAYSCALE, JCS_CMYK, JCS_UNKNOWN).
struct Samples {
    Samples(int32_t width, int32_t height, J_COLOR_SPACE space, std::vector<uint8_t> top,
            std::vector<uint8_t> bottom = {})
        : width(width), height(height), space(space), top(std::move(top)), bottom(std::move(bottom)) {}
    int32_t width = 0;
    int32_t height = 0;
    J_COLOR_SPACE space = JCS_RGB;
    std::vector<uint8_t> top;
    std::vector<uint8_t> bottom;  // empty: as top
    int32_t band = 8;
    // Baseline; the library's usual progressive scans; or (one component)
    // every bit of every coefficient in its own scan, 704 scans.
    enum class Scans { Baseline, Progressive, EveryBit } scans = Scans::Baseline;
    int quality = 100;
};

// A fresh host folder that is the device root for the scope; removed after.
class DeviceFolder {
public:
    DeviceFolder();
    ~DeviceFolder();
    DeviceFolder(const DeviceFolder&) = delete;
    DeviceFolder& operator=(const DeviceFolder&) = delete;

    // Encodes samples (no chroma subsampling) as name; its device path.
    std::u16string Write(const std::string& name, const Samples& samples);
    std::u16string WriteBytes(const std::string& name, const std::vector<uint8_t>& bytes);
    std::vector<uint8_t> ReadBytes(const std::string& name) const;

private:
    std::string folder_;
    std::string previousRoot_;
};

// "a/b.jpg" as the device path "\a\b.jpg".
std::u16string DevicePath(const std::string& relative);

// Counts the device contexts handed out and given back, and message boxes.
class CountingBackend final : public device::Backend {
public:
    CountingBackend() : previous_(device::SetBackend(this)) {}
    ~CountingBackend() override { device::SetBackend(previous_); }
    gdi::HDC GetDC(device::HWND) override;
    void ReleaseDC(device::HWND, gdi::HDC dc) override;
    bool GetClientRect(device::HWND, gdi::RECT*) override { return false; }
    int MessageBox(device::HWND, std::u16string_view, std::u16string_view, unsigned) override;
    void SetCursor(device::Cursor) override {}
    bool InvalidateRect(device::HWND, const gdi::RECT*, bool) override { return false; }
    bool UpdateWindow(device::HWND) override { return false; }

    int taken = 0;
    int released = 0;
    int messages = 0;

private:
    device::Backend* previous_;
};

// Blue, green, red of the pixel (x, y) of the program's current picture, y
// counted from the top.
std::array<uint8_t, 3> SlotPixel(const ezo::Program& program, int32_t x, int32_t y);

// A fresh program on a main window of its own, a device folder and a counting
// backend for each test; every borrowed device context is given back.
class SlotTest : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_EQ(backend.taken, backend.released); }
    DeviceFolder folder;
    CountingBackend backend;
    ezo::ProgramWindow window;
    ezo::Program& program = window.program;
};

}  // namespace jpeg_test
