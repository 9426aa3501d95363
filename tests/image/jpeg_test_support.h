#pragma once
// Test support for JPEG loading: small JPEG files made with libjpeg's
// compressor, a temporary folder serving as the device's root, a window
// backend that counts borrowed device contexts, and pixels of the slot.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "platform/device/window_api.h"

namespace jpeg_test {

// Samples of a picture to encode, rows from the top, `components` bytes a
// pixel in `space` (JCS_RGB, JCS_GRAYSCALE or JCS_CMYK).
struct Samples {
    int32_t width = 0;
    int32_t height = 0;
    int components = 3;
    J_COLOR_SPACE space = JCS_RGB;
    std::vector<uint8_t> bytes;
    // Baseline; the library's usual progressive scans; or (one component
    // only) each coefficient in its own scan and each of its bits in a
    // further one, 704 scans in all.
    enum class Scans { Baseline, Progressive, EveryBit } scans = Scans::Baseline;
};

// Every pixel of a picture the same colour.
Samples Uniform(int32_t width, int32_t height, J_COLOR_SPACE space, std::vector<uint8_t> pixel);

// Encodes samples to a host file: no chroma subsampling, the given quality. False when the file cannot be written.
bool WriteJpeg(const std::string& hostPath, const Samples& samples, int quality = 100);

// Makes a host folder the device root for a scope.
class ScopedDeviceRoot {
public:
    explicit ScopedDeviceRoot(const std::string& hostFolder);
    ~ScopedDeviceRoot();
    ScopedDeviceRoot(const ScopedDeviceRoot&) = delete;
    ScopedDeviceRoot& operator=(const ScopedDeviceRoot&) = delete;

private:
    std::string previous_;
};

// The device path of a host path's name inside the device root: "\a\b.jpg".
std::u16string DevicePath(const std::string& relative);

// A fresh host folder that is the device root for the scope; removed after.
class DeviceFolder {
public:
    DeviceFolder();
    ~DeviceFolder();
    DeviceFolder(const DeviceFolder&) = delete;
    DeviceFolder& operator=(const DeviceFolder&) = delete;

    std::string HostPath(const std::string& name) const { return folder_ + "/" + name; }
    // Writes samples as name and returns its device path.
    std::u16string Write(const std::string& name, const Samples& samples, int quality = 100);
    // Writes raw bytes as name and returns its device path.
    std::u16string WriteBytes(const std::string& name, const std::vector<uint8_t>& bytes);

private:
    std::string folder_;
    std::string previousRoot_;
};

// A file's bytes, and writing them back.
std::vector<uint8_t> ReadBytes(const std::string& hostPath);

// Counts the device contexts handed out and given back while installed.
class CountingBackend final : public device::Backend {
public:
    CountingBackend();
    ~CountingBackend() override;
    gdi::HDC GetDC(device::HWND) override;
    void ReleaseDC(device::HWND, gdi::HDC dc) override;
    bool GetClientRect(device::HWND, gdi::RECT* rect) override;
    int MessageBox(device::HWND, std::u16string_view, std::u16string_view, unsigned) override;
    void SetCursor(device::Cursor) override {}
    bool InvalidateRect(device::HWND, const gdi::RECT*, bool) override { return false; }
    bool UpdateWindow(device::HWND) override { return false; }

    int taken = 0;
    int released = 0;
    int messages = 0;

private:
    device::Backend* previous_ = nullptr;
};

// Blue, green, red of the slot's pixel (x, y), y counted from the top.
std::array<uint8_t, 3> SlotPixel(int32_t x, int32_t y);

// Empties the current-image slot and its facts.
void ResetSlot();

}  // namespace jpeg_test
