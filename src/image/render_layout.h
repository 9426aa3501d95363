#pragma once
// Where the picture lands in the view: the pan step, the centring margins,
// the fitted size and zoom, and the one transfer that draws the picture.
// Pure arithmetic over sizes and view flags, so it is checked without a
// screen. Scaling is single-precision float; conversion to pixels truncates.
#include <cstdint>

namespace ezo {

constexpr int32_t kScreenWidth = 240;
constexpr int32_t kScreenHeight = 320;
constexpr int32_t kBarHeight = 26;

// Truncation toward zero that saturates at the int32 range (NaN gives 0), so
// extreme zooms of huge pictures never convert out of range.
int32_t TruncToInt(float value);
int32_t TruncToInt(double value);
int32_t ClampToInt(int64_t value);

struct ViewMode {
    bool fullScreen = false;
    bool titleBarHidden = false;
    int flipBits = 0;  // kFlipVertical | kFlipHorizontal
};

// Height of the picture area below the bars: 320, 294 or 268.
int32_t PictureAreaHeight(const ViewMode& mode);

struct Offsets {
    int32_t x = 0;
    int32_t y = 0;
    friend bool operator==(const Offsets&, const Offsets&) = default;
};

// The pan step (dx, dy) from offsets (x, y), accepted per axis only while the
// view stays inside the zoomed picture (sW x sH); a refused axis keeps its
// offset.
Offsets AcceptPanStep(Offsets current, int32_t dx, int32_t dy, int32_t cw, int32_t ch, float sW,
                      float sH);

struct Margins {
    int32_t mx = 0;
    int32_t my = 0;
    friend bool operator==(const Margins&, const Margins&) = default;
};

// Margins that centre a picture smaller than the screen, in window
// coordinates (the vertical centre is that of the 320-pixel screen).
Margins CentringMargins(float sW, float sH, const ViewMode& mode);

// One transfer of the whole picture. Block: an unscaled copy of width x
// height from source point (srcX, srcY). Stretch: the whole bitmap onto the
// destination rectangle, a negative extent mirroring that axis.
struct Transfer {
    enum Kind { None, Block, Stretch };
    Kind kind = None;
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
    int32_t srcX = 0;
    int32_t srcY = 0;
    friend bool operator==(const Transfer&, const Transfer&) = default;
};

// The transfer outside fit mode, for a W x H bitmap at `zoom` with offsets.
Transfer ZoomedTransfer(int32_t W, int32_t H, float zoom, Offsets offsets, int32_t cw, int32_t ch,
                        const ViewMode& mode);

struct FitLayout {
    Transfer transfer;
    float zoom = 1.0f;
};

// The transfer and zoom that fit a W x H bitmap into the picture area.
FitLayout FitTransfer(int32_t W, int32_t H, int32_t cw, const ViewMode& mode);

struct RenderInput {
    int32_t W = 0;  // bitmap size
    int32_t H = 0;
    int32_t cw = 0;  // client size
    int32_t ch = 0;
    float zoom = 1.0f;
    Offsets offsets;
    bool fit = false;
    ViewMode mode;
    int32_t dx = 0;  // pan step
    int32_t dy = 0;
};

struct RenderPlan {
    Offsets offsets;  // after the pan step
    float zoom = 1.0f;  // fit mode sets it
    Transfer transfer;
};

// Everything one draw decides: the pan step, then the fitted or zoomed
// transfer. A bitmap without pixels yields no transfer and keeps the state.
RenderPlan PlanRender(const RenderInput& in);

}  // namespace ezo
