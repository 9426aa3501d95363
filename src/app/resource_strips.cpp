// Image strips: the full-screen overlay buttons (12 x 12 each), the
// splitter buttons (8 x 8 each, of which the 7 x 7 button shows the top
// left), and the thumbnail grid's placeholder.
#include "shell/resource_ids.h"
#include "app/resource_pixel_art.h"
#include "app/resource_table.h"

namespace ezo {
namespace {

// Overlay buttons lie on the picture, so each has an opaque face.
const PixelRows kOverlayZoomOutArt{
    "kkkkkkkkkkkk",
    "kwwwwwwwwwwk",
    "kwwwwwwwwwwk",
    "kwwwwwwwwwwk",
    "kwwwwwwwwwwk",
    "kwwaaaaaawwk",
    "kwwaaaaaawwk",
    "kwwwwwwwwwwk",
    "kwwwwwwwwwwk",
    "kwwwwwwwwwwk",
    "kwwwwwwwwwwk",
    "kkkkkkkkkkkk",
};

const PixelRows kOverlayZoomInArt{
    "kkkkkkkkkkkk",
    "kwwwwwwwwwwk",
    "kwwwwwwwwwwk",
    "kwwwwaawwwwk",
    "kwwwwaawwwwk",
    "kwwaaaaaawwk",
    "kwwaaaaaawwk",
    "kwwwwaawwwwk",
    "kwwwwaawwwwk",
    "kwwwwwwwwwwk",
    "kwwwwwwwwwwk",
    "kkkkkkkkkkkk",
};

// Fit: a picture within screen corners; lit (blue face) while fit is on.
const PixelRows kOverlayFitArt{
    "kkkkkkkkkkkk",
    "kwwwwwwwwwwk",
    "kwkkwwwwkkwk",
    "kwkwwwwwwkwk",
    "kwwwaaaawwwk",
    "kwwwaaaawwwk",
    "kwwwaaaawwwk",
    "kwwwaaaawwwk",
    "kwkwwwwwwkwk",
    "kwkkwwwwkkwk",
    "kwwwwwwwwwwk",
    "kkkkkkkkkkkk",
};

const PixelRows kOverlayFitOnArt{
    "kkkkkkkkkkkk",
    "kaaaaaaaaaak",
    "kawwaaaawwak",
    "kawaaaaaawak",
    "kaaawwwwaaak",
    "kaaawwwwaaak",
    "kaaawwwwaaak",
    "kaaawwwwaaak",
    "kawaaaaaawak",
    "kawwaaaawwak",
    "kaaaaaaaaaak",
    "kkkkkkkkkkkk",
};

// Leave full screen: the screen with its title and menu bars back.
const PixelRows kOverlayLeaveArt{
    "kkkkkkkkkkkk",
    "kwwwwwwwwwwk",
    "kwkkkkkkkkwk",
    "kwkaaaaaakwk",
    "kwkwwwwwwkwk",
    "kwkwwwwwwkwk",
    "kwkwwwwwwkwk",
    "kwkwwwwwwkwk",
    "kwkaaaaaakwk",
    "kwkkkkkkkkwk",
    "kwwwwwwwwwwk",
    "kkkkkkkkkkkk",
};

// Splitter buttons on the separator band: move the split to the middle,
// up (tree hidden) or down (file area hidden).
const PixelRows kSplitMiddleArt{
    "kkkkkkk.",
    "kwwwwwk.",
    "kwwwwwk.",
    "kaaaaak.",
    "kwwwwwk.",
    "kwwwwwk.",
    "kkkkkkk.",
    "........",
};

const PixelRows kSplitUpArt{
    "kkkkkkk.",
    "kwwwwwk.",
    "kwwawwk.",
    "kwaaawk.",
    "kaaaaak.",
    "kwwwwwk.",
    "kkkkkkk.",
    "........",
};

const PixelRows kSplitDownArt{
    "kkkkkkk.",
    "kwwwwwk.",
    "kaaaaak.",
    "kwaaawk.",
    "kwwawwk.",
    "kwwwwwk.",
    "kkkkkkk.",
    "........",
};

// The grid's "not yet" picture: three dots on the frame's light grey.
const PixelRows kThumbPlaceholderArt{
    "lllllllllll",
    "lllllllllll",
    "lllllllllll",
    "lllllllllll",
    "lllllllllll",
    "llkllkllkll",
    "lllllllllll",
    "lllllllllll",
};

}  // namespace

void DefineProgramStrips() {
    using controls::DefineBitmap;
    // In image order: the index constants of resource_ids.h.
    static_assert(kOverlayZoomOut == 0 && kOverlayZoomIn == 1 && kOverlayFit == 2 && kOverlayFitOn == 3 &&
                  kOverlayLeaveFullScreen == 4);
    DefineBitmap(IDB_OVERLAY_BUTTONS,
                 ProgramArt(JoinStrip({&kOverlayZoomOutArt, &kOverlayZoomInArt, &kOverlayFitArt,
                                       &kOverlayFitOnArt, &kOverlayLeaveArt})));
    static_assert(kSplitMiddle == 0 && kSplitTreeHidden == 1 && kSplitFilesHidden == 2);
    DefineBitmap(IDB_SPLIT_BUTTONS, ProgramArt(JoinStrip({&kSplitMiddleArt, &kSplitUpArt, &kSplitDownArt})));
    DefineBitmap(IDB_THUMB_PLACEHOLDER, ProgramArt(kThumbPlaceholderArt));
}

}  // namespace ezo
