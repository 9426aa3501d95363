#pragma once
// An RGB picture in memory, top row first, 3 bytes a pixel.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace demo {

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

class Picture {
public:
    // The largest side the writers accept (GIF stores sides in 16 bits).
    static constexpr int kMaxSide = 16384;

    // An empty (0 x 0) picture when a side is not in 1..kMaxSide.
    Picture(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return pixels_.empty(); }

    Rgb at(int x, int y) const {
        const uint8_t* p = &pixels_[index(x, y)];
        return {p[0], p[1], p[2]};
    }
    void set(int x, int y, Rgb c) {
        uint8_t* p = &pixels_[index(x, y)];
        p[0] = c.r;
        p[1] = c.g;
        p[2] = c.b;
    }
    const uint8_t* row(int y) const { return &pixels_[index(0, y)]; }

private:
    size_t index(int x, int y) const { return (static_cast<size_t>(y) * width_ + x) * 3; }

    int width_ = 0;
    int height_ = 0;
    std::vector<uint8_t> pixels_;
};

}  // namespace demo
