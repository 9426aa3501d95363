#include "image/render.h"

#include "image/render_layout.h"
#include "shell/view_state.h"
#include "platform/gdi/blit.h"

namespace ezo {

int RenderImage(ViewState& v, gdi::HDC target, gdi::HDC source, const gdi::RECT& client,
                const gdi::BITMAP& description, int32_t dx, int32_t dy) {
    RenderInput in;
    in.W = description.bmWidth;
    in.H = description.bmHeight;
    in.cw = client.width();
    in.ch = client.height();
    in.zoom = v.zoom;
    in.offsets = Offsets{v.xOffset, v.yOffset};
    in.fit = v.fitToggle != 0;
    in.mode = ViewMode{v.fullScreen != 0, v.titleBarHidden != 0, v.flipBits};
    in.dx = dx;
    in.dy = dy;

    const RenderPlan plan = PlanRender(in);
    v.xOffset = plan.offsets.x;
    v.yOffset = plan.offsets.y;
    v.zoom = plan.zoom;

    const Transfer& t = plan.transfer;
    switch (t.kind) {
    case Transfer::Block:
        return gdi::BitBlt(target, t.x, t.y, t.width, t.height, source, t.srcX, t.srcY, gdi::SRCCOPY)
                   ? 1
                   : 0;
    case Transfer::Stretch:
        return gdi::StretchBlt(target, t.x, t.y, t.width, t.height, source, 0, 0, in.W, in.H,
                               gdi::SRCCOPY)
                   ? 1
                   : 0;
    case Transfer::None:
        break;
    }
    return 0;
}

}  // namespace ezo
