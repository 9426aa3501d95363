#include "jpeg_test_support.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "browse/file_list.h"
#include "image/view_state.h"
#include "platform/files/device_paths.h"

namespace jpeg_test {

Samples Uniform(int32_t width, int32_t height, J_COLOR_SPACE space, std::vector<uint8_t> pixel) {
    Samples s;
    s.width = width;
    s.height = height;
    s.components = int(pixel.size());
    s.space = space;
    for (int64_t i = 0; i < int64_t(width) * height; ++i) s.bytes.insert(s.bytes.end(), pixel.begin(), pixel.end());
    return s;
}

bool WriteJpeg(const std::string& hostPath, const Samples& samples, int quality) {
    std::FILE* file = std::fopen(hostPath.c_str(), "wb");
    if (!file) return false;
    jpeg_compress_struct cinfo;
    jpeg_error_mgr error;
    cinfo.err = jpeg_std_error(&error);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, file);
    cinfo.image_width = JDIMENSION(samples.width);
    cinfo.image_height = JDIMENSION(samples.height);
    cinfo.input_components = samples.components;
    cinfo.in_color_space = samples.space;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    for (int c = 0; c < cinfo.num_components; ++c) {
        cinfo.comp_info[c].h_samp_factor = 1;
        cinfo.comp_info[c].v_samp_factor = 1;
    }
    std::vector<jpeg_scan_info> everyBit;
    if (samples.scans == Samples::Scans::Progressive) jpeg_simple_progression(&cinfo);
    if (samples.scans == Samples::Scans::EveryBit) {
        // Each coefficient first at bit 10 (the largest shift allowed), then
        // one scan per lower bit.
        for (int k = 0; k < DCTSIZE2; ++k)
            for (int al = 10; al >= 0; --al) everyBit.push_back({1, {0}, k, k, al == 10 ? 0 : al + 1, al});
        cinfo.scan_info = everyBit.data();
        cinfo.num_scans = int(everyBit.size());
    }
    jpeg_start_compress(&cinfo, TRUE);
    const size_t rowBytes = size_t(samples.width) * size_t(samples.components);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(samples.bytes.data() + cinfo.next_scanline * rowBytes);
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return std::fclose(file) == 0;
}

DeviceFolder::DeviceFolder() : previousRoot_(files::DeviceRoot()) {
    std::string pattern = (std::filesystem::temp_directory_path() / "ezo-jpeg-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("no temporary folder");
    folder_ = pattern;
    files::SetDeviceRoot(folder_);
}

DeviceFolder::~DeviceFolder() {
    files::SetDeviceRoot(previousRoot_);
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

ScopedDeviceRoot::ScopedDeviceRoot(const std::string& hostFolder) : previous_(files::DeviceRoot()) {
    files::SetDeviceRoot(hostFolder);
}
ScopedDeviceRoot::~ScopedDeviceRoot() { files::SetDeviceRoot(previous_); }

std::u16string DevicePath(const std::string& relative) {
    std::u16string path = u"\\";
    for (char c : relative) path.push_back(c == '/' ? u'\\' : char16_t(c));
    return path;
}

std::vector<uint8_t> ReadBytes(const std::string& hostPath) {
    std::vector<uint8_t> bytes;
    std::FILE* file = std::fopen(hostPath.c_str(), "rb");
    if (!file) return bytes;
    uint8_t buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;) bytes.insert(bytes.end(), buffer, buffer + n);
    std::fclose(file);
    return bytes;
}

std::u16string DeviceFolder::Write(const std::string& name, const Samples& samples, int quality) {
    if (!WriteJpeg(HostPath(name), samples, quality)) throw std::runtime_error("cannot write " + name);
    return DevicePath(name);
}

std::u16string DeviceFolder::WriteBytes(const std::string& name, const std::vector<uint8_t>& bytes) {
    std::FILE* file = std::fopen(HostPath(name).c_str(), "wb");
    if (!file) throw std::runtime_error("cannot write " + name);
    if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
    return DevicePath(name);
}

CountingBackend::CountingBackend() : previous_(device::SetBackend(this)) {}
CountingBackend::~CountingBackend() { device::SetBackend(previous_); }

gdi::HDC CountingBackend::GetDC(device::HWND) {
    ++taken;
    return gdi::CreateCompatibleDC(nullptr).release();
}

void CountingBackend::ReleaseDC(device::HWND, gdi::HDC dc) {
    ++released;
    gdi::DeviceContextPtr owned(dc);
}

bool CountingBackend::GetClientRect(device::HWND, gdi::RECT* rect) {
    if (rect) *rect = gdi::RECT{0, 0, 240, 268};
    return true;
}

int CountingBackend::MessageBox(device::HWND, std::u16string_view, std::u16string_view, unsigned) {
    ++messages;
    return device::IDOK;
}

std::array<uint8_t, 3> SlotPixel(int32_t x, int32_t y) {
    const uint8_t* p = ezo::viewState.currentImage->row(y) + size_t(x) * 3;
    return {p[0], p[1], p[2]};
}

void ResetSlot() {
    ezo::viewState.currentImage.reset();
    ezo::viewState.imageLoaded = 0;
    ezo::viewState.landscapeApplied = 0;
    ezo::viewState.isLarge = 0;
    ezo::viewState.fitZoom = 0.0f;
    ezo::fileList.scanPath.clear();
}

}  // namespace jpeg_test
