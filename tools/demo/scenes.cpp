#include "demo/scenes.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace demo {
namespace {

struct Color {
    double r, g, b;
};

Color Mix(Color a, Color b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

double Clamp01(double t) { return std::clamp(t, 0.0, 1.0); }

double Smooth(double edge0, double edge1, double t) {
    double k = Clamp01((t - edge0) / (edge1 - edge0));
    return k * k * (3 - 2 * k);
}

// How much of a pixel of size px lies inside a shape whose signed distance
// (negative inside) is d: soft edges instead of jagged ones.
double Cover(double d, double px) { return Clamp01(0.5 - d / px); }

double Circle(double x, double y, double cx, double cy, double r) { return std::hypot(x - cx, y - cy) - r; }

Color Hsv(double h, double s, double v) {
    h = std::fmod(h, 1.0) * 6;
    if (h < 0) h += 6;
    double f = h - std::floor(h);
    double p = v * (1 - s), q = v * (1 - s * f), t = v * (1 - s * (1 - f));
    switch (static_cast<int>(h) % 6) {
    case 0: return {v, t, p};
    case 1: return {q, v, p};
    case 2: return {p, v, t};
    case 3: return {p, q, v};
    case 4: return {t, p, v};
    default: return {v, p, q};
    }
}

// A small fixed hash for star fields: the same every run.
double Hash(int x, int y) {
    uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return ((h ^ (h >> 16)) & 0xFFFF) / 65535.0;
}

// x runs over 0..aspect, y over 0..1 top to bottom; px is one pixel.
Color SunsetAt(double x, double y, double aspect, double px) {
    const double horizon = 0.64;
    Color top{0.10, 0.08, 0.30}, middle{0.75, 0.25, 0.45}, low{1.0, 0.62, 0.25};
    Color sky = y < 0.4 ? Mix(top, middle, Smooth(0, 0.4, y)) : Mix(middle, low, Smooth(0.4, horizon, y));
    double cx = aspect * 0.5;
    sky = Mix(sky, Color{1.0, 0.95, 0.7}, Cover(Circle(x, y, cx, 0.56, 0.11), px));
    double ridge = horizon - 0.06 - 0.05 * std::sin(x * 7.0 / aspect + 1.0) - 0.03 * std::sin(x * 19.0 / aspect);
    Color hills = Mix(Color{0.25, 0.10, 0.25}, Color{0.15, 0.05, 0.18}, Smooth(ridge, horizon, y));
    Color land = Mix(sky, hills, Cover(ridge - y, px));
    if (y < horizon) return land;
    double depth = Smooth(horizon, 1.0, y);
    Color sea = Mix(Color{0.55, 0.25, 0.35}, Color{0.05, 0.05, 0.20}, depth);
    double width = 0.05 + 0.25 * depth;
    double glitter = 0.5 + 0.5 * std::sin(y * 160.0);
    double beam = Cover(std::fabs(x - cx) - width, px * 8) * glitter;
    return Mix(sea, Color{1.0, 0.75, 0.4}, beam * 0.8);
}

Color ColourWheelAt(double x, double y, double aspect, double px) {
    double cx = aspect * 0.5, cy = 0.5;
    double radius = 0.42 * std::min(aspect, 1.0);
    Color back = Mix(Color{0.85, 0.85, 0.88}, Color{0.45, 0.45, 0.5}, y);
    double d = std::hypot(x - cx, y - cy);
    double angle = std::atan2(y - cy, x - cx) / (2 * std::numbers::pi);
    Color wheel = Hsv(angle, Clamp01(d / radius), 1.0);
    Color shadow = Mix(back, Color{0.2, 0.2, 0.25}, 0.4 * Cover(Circle(x, y, cx + 0.015, cy + 0.02, radius), px * 6));
    Color c = Mix(shadow, wheel, Cover(d - radius, px));
    return Mix(c, Color{1, 1, 1}, Cover(d - radius * 0.08, px));
}

Color CheckerAt(double x, double y, double aspect, double px) {
    const double cell = 1.0 / 6;
    bool dark = (static_cast<int>(std::floor(x / cell)) + static_cast<int>(std::floor(y / cell))) % 2 != 0;
    Color tint = Hsv(0.55 + 0.3 * x / aspect, 0.5, 1.0);
    Color c = dark ? Mix(tint, Color{0.1, 0.1, 0.15}, 0.7) : Mix(tint, Color{1, 1, 1}, 0.6);
    double cx = aspect * 0.5;
    Color ball = Mix(Color{1.0, 0.85, 0.3}, Color{0.85, 0.3, 0.1}, Smooth(0, 0.35, std::hypot(x - cx + 0.08, y - 0.42)));
    return Mix(c, ball, Cover(Circle(x, y, cx, 0.5, 0.3), px));
}

Color ShapesAt(double x, double y, double aspect, double px) {
    Color c = Mix(Color{0.10, 0.55, 0.60}, Color{0.45, 0.20, 0.60}, Clamp01((x / aspect + y) / 2));
    // A red square, a yellow disc and a white triangle with soft shadows.
    double sx = aspect * 0.18, sy = 0.2, side = 0.3;
    double square = std::max(std::fabs(x - sx - side / 2), std::fabs(y - sy - side / 2)) - side / 2;
    double squareShadow = std::max(std::fabs(x - sx - side / 2 - 0.02), std::fabs(y - sy - side / 2 - 0.02)) - side / 2;
    c = Mix(c, Color{0, 0, 0}, 0.35 * Cover(squareShadow, px * 8));
    c = Mix(c, Color{0.9, 0.2, 0.2}, Cover(square, px));
    double cx = aspect * 0.62, cy = 0.58, r = 0.22;
    c = Mix(c, Color{0, 0, 0}, 0.35 * Cover(Circle(x, y, cx + 0.02, cy + 0.02, r), px * 8));
    c = Mix(c, Mix(Color{1, 0.95, 0.5}, Color{0.95, 0.7, 0.1}, Smooth(0, r, std::hypot(x - cx + 0.06, y - cy + 0.06))),
            Cover(Circle(x, y, cx, cy, r), px));
    double tx = aspect * 0.3, ty = 0.9, th = 0.3;
    double rise = std::fabs(x - tx) * 1.2;
    double triangle = std::max(y - ty, (ty - th) + rise - y);
    return Mix(c, Color{0.97, 0.97, 0.95}, Cover(triangle, px));
}

Color HillsAt(double x, double y, double aspect, double px) {
    Color c = Mix(Color{0.35, 0.6, 0.95}, Color{0.85, 0.93, 1.0}, Smooth(0, 0.6, y));
    c = Mix(c, Color{1.0, 0.98, 0.8}, Cover(Circle(x, y, aspect * 0.78, 0.18, 0.07), px));
    const Color greens[] = {{0.45, 0.65, 0.40}, {0.30, 0.55, 0.25}, {0.15, 0.40, 0.15}};
    for (int layer = 0; layer < 3; ++layer) {
        double u = x / aspect;
        double ridge = 0.5 + layer * 0.13 - 0.07 * std::sin(u * (4 + layer * 2) + layer * 1.7) -
                       0.03 * std::sin(u * (11 + layer * 3));
        Color green = Mix(greens[layer], Color{0.05, 0.2, 0.05}, Smooth(ridge, 1.0, y) * 0.6);
        c = Mix(c, green, Cover(ridge - y, px));
    }
    return c;
}

Color NightAt(double x, double y, double aspect, double px) {
    Color c = Mix(Color{0.01, 0.02, 0.08}, Color{0.10, 0.15, 0.35}, Smooth(0, 1, y));
    // Stars on a grid of cells, one at most per cell, at a fixed place.
    const double cell = 0.03;
    int cx = static_cast<int>(std::floor(x / cell)), cy = static_cast<int>(std::floor(y / cell));
    if (Hash(cx, cy) > 0.7 && y < 0.75) {
        double sx = (cx + Hash(cy, cx)) * cell, sy = (cy + Hash(cx + 7, cy + 3)) * cell;
        double bright = Hash(cx + 1, cy + 1);
        c = Mix(c, Color{1, 1, 0.9}, bright * Cover(Circle(x, y, sx, sy, 0.002 + 0.003 * bright), px));
    }
    // A crescent: a disc with another disc taken out.
    double mx = aspect * 0.7, my = 0.25, mr = 0.1;
    double crescent = std::max(Circle(x, y, mx, my, mr), -Circle(x, y, mx + 0.045, my - 0.03, mr * 0.9));
    c = Mix(c, Color{0.95, 0.92, 0.75}, Cover(crescent, px));
    double ground = 0.82 + 0.03 * std::sin(x * 9.0);
    return Mix(c, Color{0.02, 0.03, 0.05}, Cover(ground - y, px));
}

Color StripesAt(double x, double y, double aspect, double px) {
    Color band = Hsv(std::floor(y * 7) / 7, 0.75, 1.0);
    return Mix(band, Color{0.1, 0.1, 0.1}, 0.6 * Clamp01(x / aspect));
}

using Shader = Color (*)(double x, double y, double aspect, double px);

Shader ShaderOf(Scene scene) {
    switch (scene) {
    case Scene::Sunset: return SunsetAt;
    case Scene::ColourWheel: return ColourWheelAt;
    case Scene::Checker: return CheckerAt;
    case Scene::Shapes: return ShapesAt;
    case Scene::Hills: return HillsAt;
    case Scene::Night: return NightAt;
    case Scene::Stripes: return StripesAt;
    }
    return ShapesAt;
}

uint8_t Byte(double v) { return static_cast<uint8_t>(std::lround(Clamp01(v) * 255)); }

}  // namespace

Picture Paint(Scene scene, int width, int height) {
    Picture picture(width, height);
    if (picture.empty()) return picture;
    Shader shader = ShaderOf(scene);
    const double aspect = static_cast<double>(width) / height;
    const double px = 1.0 / height;
    for (int j = 0; j < height; ++j) {
        for (int i = 0; i < width; ++i) {
            Color c = shader((i + 0.5) * px, (j + 0.5) * px, aspect, px);
            picture.set(i, j, Rgb{Byte(c.r), Byte(c.g), Byte(c.b)});
        }
    }
    return picture;
}

}  // namespace demo
