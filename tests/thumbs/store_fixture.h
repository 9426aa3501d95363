#pragma once
// A thumbnail store folder of its own for each test, and the index's bytes
// written out by hand for the tests to compare with.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "files/temp_folder.h"
#include "platform/files/device_paths.h"
#include "shell/thumbnail_store_state.h"

namespace thumbs_test {

class StoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        files::SetThumbnailFolder(Folder());
        std::filesystem::create_directories(Folder());
    }
    void TearDown() override { files::SetThumbnailFolder(""); }

    std::string Folder() const { return cache_ / "Thumbnails"; }
    std::vector<uint8_t> Bytes(const std::string& name) const {
        const std::string text = testing_support::ReadWholeFile(Folder() + "/" + name);
        return {text.begin(), text.end()};
    }
    void WriteBytes(const std::string& name, const std::vector<uint8_t>& bytes) const {
        cache_.WriteFile("Thumbnails/" + name, std::string(bytes.begin(), bytes.end()));
    }

    testing_support::TempFolder cache_;
};

// One 540-byte slot, field by field, little-endian.
inline std::vector<uint8_t> Slot(const std::u16string& name, int32_t number, uint32_t size = 1000,
                                 int32_t left = 0, int32_t top = 6) {
    std::vector<uint8_t> slot(540, 0);
    for (size_t i = 0; i < name.size() && i < 260; ++i) {
        slot[4 + 2 * i] = uint8_t(name[i]);
        slot[5 + 2 * i] = uint8_t(name[i] >> 8);
    }
    const auto put = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) slot[at + size_t(i)] = uint8_t(v >> (8 * i));
    };
    put(524, uint32_t(number));
    put(528, size);
    put(532, uint32_t(left));
    put(536, uint32_t(top));
    return slot;
}

inline std::vector<uint8_t> Join(std::initializer_list<std::vector<uint8_t>> parts) {
    std::vector<uint8_t> all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

}  // namespace thumbs_test
