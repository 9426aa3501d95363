#include "jpeg_test_support.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "platform/files/device_paths.h"

namespace jpeg_test {
namespace {

void Encode(std::FILE* file, const Samples& s) {
    jpeg_compress_struct cinfo;
    jpeg_error_mgr error;
    cinfo.err = jpeg_std_error(&error);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, file);
    cinfo.image_width = JDIMENSION(s.width);
    cinfo.image_height = JDIMENSION(s.height);
    cinfo.input_components = int(s.top.size());
    cinfo.in_color_space = s.space;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, s.quality, TRUE);
    for (int c = 0; c < cinfo.num_components; ++c)
        cinfo.comp_info[c].h_samp_factor = cinfo.comp_info[c].v_samp_factor = 1;
    std::vector<jpeg_scan_info> everyBit;
    if (s.scans == Samples::Scans::Progressive) jpeg_simple_progression(&cinfo);
    if (s.scans == Samples::Scans::EveryBit) {
        // Each coefficient first at bit 10 (the largest shift allowed), then one bit a scan.
        for (int k = 0; k < DCTSIZE2; ++k)
            for (int al = 10; al >= 0; --al) everyBit.push_back({1, {0}, k, k, al == 10 ? 0 : al + 1, al});
        cinfo.scan_info = everyBit.data();
        cinfo.num_scans = int(everyBit.size());
    }
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<uint8_t> row;
    while (cinfo.next_scanline < cinfo.image_height) {
        row.clear();
        for (int32_t x = 0; x < s.width; ++x) {
            const bool inBand = int32_t(cinfo.next_scanline) < s.band && x < s.band;
            const auto& pixel = inBand || s.bottom.empty() ? s.top : s.bottom;
            row.insert(row.end(), pixel.begin(), pixel.end());
        }
        JSAMPROW line = row.data();
        jpeg_write_scanlines(&cinfo, &line, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
}

}  // namespace

DeviceFolder::DeviceFolder() : previousRoot_(files::DeviceRoot()) {
    std::string pattern = (std::filesystem::temp_directory_path() / "ezo-jpeg-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("no temporary folder");
    folder_ = pattern;
    files::SetDeviceRoot(folder_);
}

DeviceFolder::~DeviceFolder() {
    files::SetDeviceRoot(previousRoot_);
    std::filesystem::remove_all(folder_);
}

std::u16string DeviceFolder::Write(const std::string& name, const Samples& samples) {
    std::FILE* file = std::fopen((folder_ + "/" + name).c_str(), "wb");
    if (!file) throw std::runtime_error("cannot write " + name);
    Encode(file, samples);
    std::fclose(file);
    return DevicePath(name);
}

std::u16string DeviceFolder::WriteBytes(const std::string& name, const std::vector<uint8_t>& bytes) {
    std::ofstream(folder_ + "/" + name, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                                std::streamsize(bytes.size()));
    return DevicePath(name);
}

std::vector<uint8_t> DeviceFolder::ReadBytes(const std::string& name) const {
    std::ifstream in(folder_ + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::u16string DevicePath(const std::string& relative) {
    std::u16string path = u"\\";
    for (char c : relative) path.push_back(c == '/' ? u'\\' : char16_t(c));
    return path;
}

gdi::HDC CountingBackend::GetDC(device::HWND) {
    ++taken;
    return gdi::CreateCompatibleDC(nullptr).release();
}

void CountingBackend::ReleaseDC(device::HWND, gdi::HDC dc) {
    ++released;
    gdi::DeviceContextPtr owned(dc);
}

int CountingBackend::MessageBox(device::HWND, std::u16string_view, std::u16string_view, unsigned) {
    ++messages;
    return device::IDOK;
}

std::array<uint8_t, 3> SlotPixel(const ezo::Program& program, int32_t x, int32_t y) {
    const uint8_t* p = program.viewState.currentImage->row(y) + size_t(x) * 3;
    return {p[0], p[1], p[2]};
}

}  // namespace jpeg_test
