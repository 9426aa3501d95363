#include "image/render_layout.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "shell/view_state.h"

namespace ezo {

namespace {

constexpr int32_t kIntMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kIntMin = std::numeric_limits<int32_t>::min();

// The destination of an unflipped rectangle after the flips: a mirrored axis
// starts at the far edge and runs backwards.
Transfer FlippedStretch(int64_t x, int64_t y, int64_t w, int64_t h, int flipBits) {
    Transfer t;
    t.kind = Transfer::Stretch;
    const bool upsideDown = flipBits & kFlipVertical;
    const bool mirrored = flipBits & kFlipHorizontal;
    t.x = ClampToInt(mirrored ? x + w : x);
    t.y = ClampToInt(upsideDown ? y + h : y);
    t.width = ClampToInt(mirrored ? -w : w);
    t.height = ClampToInt(upsideDown ? -h : h);
    return t;
}

}  // namespace

int32_t TruncToInt(double value) {
    if (std::isnan(value)) return 0;
    if (value >= 2147483648.0) return kIntMax;
    if (value <= -2147483649.0) return kIntMin;
    return int32_t(value);
}

int32_t TruncToInt(float value) { return TruncToInt(double(value)); }

int32_t ClampToInt(int64_t value) {
    if (value > kIntMax) return kIntMax;
    if (value < kIntMin) return kIntMin;
    return int32_t(value);
}

int32_t PictureAreaHeight(const ViewMode& mode) {
    if (mode.fullScreen) return kScreenHeight;
    return kScreenHeight - kBarHeight * (mode.titleBarHidden ? 1 : 2);
}

Offsets AcceptPanStep(Offsets current, int32_t dx, int32_t dy, int32_t cw, int32_t ch, float sW,
                      float sH) {
    Offsets next = current;
    const int64_t x = int64_t(current.x) - dx;
    if (x >= 0 && float(x + cw) <= sW) next.x = ClampToInt(x);
    const int64_t y = int64_t(current.y) - dy;
    if (y >= 0 && float(y + (int64_t(ch) - kBarHeight)) <= sH) next.y = ClampToInt(y);
    return next;
}

Margins CentringMargins(float sW, float sH, const ViewMode& mode) {
    Margins m;
    if (sW < float(kScreenWidth)) m.mx = TruncToInt((float(kScreenWidth) - sW) * 0.5f);
    if (mode.fullScreen) {
        if (sH < float(kScreenHeight)) m.my = TruncToInt((float(kScreenHeight) - sH) * 0.5f);
        return m;
    }
    // Outside full screen the window starts below the top bar (or half of
    // it when the title bar is hidden), so the screen centre moves up.
    // A picture only a little shorter than the screen would get a negative
    // margin and lose its top rows out of reach of panning: it starts at the
    // top instead.
    const int32_t t = mode.titleBarHidden ? kBarHeight / 2 : kBarHeight;
    if (sH < float(kScreenHeight - t)) {
        m.my = std::max(0, TruncToInt((float(kScreenHeight) - sH) * 0.5f - float(t)));
    }
    return m;
}

Transfer ZoomedTransfer(int32_t W, int32_t H, float zoom, Offsets offsets, int32_t cw, int32_t ch,
                        const ViewMode& mode) {
    if (W <= 0 || H <= 0) return Transfer{};
    const float sW = float(W) * zoom;
    const float sH = float(H) * zoom;
    const Margins m = CentringMargins(sW, sH, mode);
    const int64_t X = offsets.x, Y = offsets.y, mx = m.mx, my = m.my;
    const int64_t top = mode.fullScreen ? kBarHeight : 0;
    const bool upsideDown = mode.flipBits & kFlipVertical;
    const bool mirrored = mode.flipBits & kFlipHorizontal;

    Transfer t;
    if (zoom == 1.0f) {
        if (!upsideDown && !mirrored) {
            // Unscaled: copy the window's worth of picture, margins included.
            t.kind = Transfer::Block;
            t.x = 0;
            t.y = int32_t(top);
            t.width = cw;
            t.height = ClampToInt(int64_t(ch) - top);
            t.srcX = ClampToInt(X - mx);
            t.srcY = ClampToInt(Y - my);
            return t;
        }
        t.kind = Transfer::Stretch;
        t.x = ClampToInt(mirrored ? W - X + mx : mx - X);
        t.y = ClampToInt((upsideDown ? H - Y + my : my - Y) + top);
        t.width = mirrored ? -W : W;
        t.height = upsideDown ? -H : H;
        return t;
    }
    t.kind = Transfer::Stretch;
    t.x = mirrored ? TruncToInt(sW - float(X) + float(mx)) : ClampToInt(mx - X);
    const int64_t y = upsideDown ? TruncToInt(sH - float(Y) + float(my)) : my - Y;
    t.y = ClampToInt(y + top);
    t.width = mirrored ? TruncToInt(float(-W) * zoom) : TruncToInt(sW);
    t.height = upsideDown ? TruncToInt(float(-H) * zoom) : TruncToInt(sH);
    return t;
}

FitLayout FitTransfer(int32_t W, int32_t H, int32_t cw, const ViewMode& mode) {
    FitLayout fit;
    if (W <= 0 || H <= 0) return fit;
    const int64_t w = W, h = H;
    const bool mirrored = mode.flipBits & kFlipHorizontal;

    if (mode.fullScreen) {
        // The picture area is the whole 240 x 320 screen below y = 26.
        if (w * kScreenHeight > h * kScreenWidth) {
            const int64_t dh = h * kScreenWidth / w;
            const int64_t y0 = (kScreenHeight - dh) / 2 + kBarHeight;
            fit.zoom = float(kScreenWidth) / float(W);
            fit.transfer = FlippedStretch(0, y0, kScreenWidth, dh, mode.flipBits);
        } else {
            const int64_t dw = w * kScreenHeight / h;
            const int64_t x0 = (kScreenWidth - dw) / 2;
            fit.zoom = float(dw) / float(W);
            fit.transfer = FlippedStretch(x0, kBarHeight, dw, kScreenHeight, mode.flipBits);
        }
        return fit;
    }

    const int64_t vh = PictureAreaHeight(mode);
    const int64_t t = mode.titleBarHidden ? kBarHeight / 2 : kBarHeight;
    if (w * vh <= h * kScreenWidth) {
        const int64_t dw = w * vh / h;
        const int64_t x0 = (kScreenWidth - dw) / 2;
        fit.zoom = float(dw) / float(W);
        fit.transfer = FlippedStretch(x0, 0, dw, vh, mode.flipBits);
    } else {
        const int64_t dh = h * kScreenWidth / w;
        const int64_t y0 = (kScreenHeight - dh) / 2 - t;
        fit.zoom = float(kScreenWidth) / float(W);
        fit.transfer = FlippedStretch(0, y0, kScreenWidth, dh, mode.flipBits);
        // Unmirrored, the width is the client's.
        if (!mirrored) fit.transfer.width = cw;
    }
    return fit;
}

RenderPlan PlanRender(const RenderInput& in) {
    RenderPlan plan;
    plan.offsets = in.offsets;
    plan.zoom = in.zoom;
    if (in.W <= 0 || in.H <= 0) return plan;
    const float sW = float(in.W) * in.zoom;
    const float sH = float(in.H) * in.zoom;
    plan.offsets = AcceptPanStep(in.offsets, in.dx, in.dy, in.cw, in.ch, sW, sH);
    if (in.fit) {
        const FitLayout fit = FitTransfer(in.W, in.H, in.cw, in.mode);
        plan.zoom = fit.zoom;
        plan.transfer = fit.transfer;
    } else {
        plan.transfer = ZoomedTransfer(in.W, in.H, in.zoom, plan.offsets, in.cw, in.ch, in.mode);
    }
    return plan;
}

}  // namespace ezo
