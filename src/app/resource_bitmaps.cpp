// The 16 x 16 button images of the menu bars, as pixel maps. Each shows
// what its button does: black outlines, white or sky fills, the accent blue;
// green and red only for starting and stopping the slide show. '.' is
// transparent.
#include "shell/resource_ids.h"
#include "app/resource_pixel_art.h"
#include "app/resource_table.h"

namespace ezo {
namespace {

// Back to browsing: an arrow that turns back.
const PixelRows kBack{
    "................",
    ".....k..........",
    "....kak.........",
    "...kaak.........",
    "..kaaakkkkkk....",
    ".kaaaaaaaaaak...",
    "kaaaaaaaaaaaak..",
    ".kaaaaaaaaaaaak.",
    "..kaaakkkkkaaak.",
    "...kaak...kaaak.",
    "....kak...kaaak.",
    ".....k....kaaak.",
    "..........kaaak.",
    "..........kaaak.",
    "...........kkk..",
    "................",
};

// Next picture: play-forward against a bar. Previous is its mirror image.
const PixelRows kNext{
    "................",
    "..kk.......kkkk.",
    "..kak......kaak.",
    "..kaak.....kaak.",
    "..kaaak....kaak.",
    "..kaaaak...kaak.",
    "..kaaaaak..kaak.",
    "..kaaaaaak.kaak.",
    "..kaaaaak..kaak.",
    "..kaaaak...kaak.",
    "..kaaak....kaak.",
    "..kaak.....kaak.",
    "..kak......kaak.",
    "..kk.......kkkk.",
    "................",
    "................",
};

// Zoom in and out: a magnifying glass with a plus or a minus.
const PixelRows kZoomIn{
    "...kkkkkk.......",
    "..kwwwwwwk......",
    ".kwwwwwwwwk.....",
    "kwwwwaawwwwk....",
    "kwwwwaawwwwk....",
    "kwwaaaaaawwk....",
    "kwwaaaaaawwk....",
    "kwwwwaawwwwk....",
    "kwwwwaawwwwk....",
    ".kwwwwwwwwk.....",
    "..kwwwwwwkkk....",
    "...kkkkkkkkkk...",
    "..........kkkk..",
    "...........kkkk.",
    "............kkkk",
    ".............kkk",
};

const PixelRows kZoomOut{
    "...kkkkkk.......",
    "..kwwwwwwk......",
    ".kwwwwwwwwk.....",
    "kwwwwwwwwwwk....",
    "kwwwwwwwwwwk....",
    "kwwaaaaaawwk....",
    "kwwaaaaaawwk....",
    "kwwwwwwwwwwk....",
    "kwwwwwwwwwwk....",
    ".kwwwwwwwwk.....",
    "..kwwwwwwkkk....",
    "...kkkkkkkkkk...",
    "..........kkkk..",
    "...........kkkk.",
    "............kkkk",
    ".............kkk",
};

// Fit: a picture filling the corners of the screen.
const PixelRows kFit{
    "kkkk........kkkk",
    "k..............k",
    "k..............k",
    "k.kkkkkkkkkkkk.k",
    "..kssssssssssk..",
    "..kssssssswwsk..",
    "..ksssAssswwsk..",
    "..kssAaAsssssk..",
    "..ksAaaaAssAsk..",
    "..kAaaaaaAAaAk..",
    "..kaaaaaaaaaak..",
    "..kaaaaaaaaaak..",
    "k.kkkkkkkkkkkk.k",
    "k..............k",
    "k..............k",
    "kkkk........kkkk",
};

// Actual size: "1:1" within the same corners.
const PixelRows kActualSize{
    "kkkk........kkkk",
    "k..............k",
    "k..............k",
    "k..............k",
    "....aa.....aa...",
    "...aaa....aaa...",
    "....aa.aa..aa...",
    "....aa.aa..aa...",
    "....aa.....aa...",
    "....aa.aa..aa...",
    "....aa.aa..aa...",
    "...aaaa...aaaa..",
    "k..............k",
    "k..............k",
    "k..............k",
    "kkkk........kkkk",
};

// Slide show: a slide with a green play triangle, or a red stop square.
const PixelRows kSlideStart{
    "................",
    "kkkkkkkkkkkkkkkk",
    "kwwwwwwwwwwwwwwk",
    "kwwwkkwwwwwwwwwk",
    "kwwwkGkkwwwwwwwk",
    "kwwwkGGGkkwwwwwk",
    "kwwwkGGGGGkkwwwk",
    "kwwwkGGGGGGGkwwk",
    "kwwwkGGGGGGGkwwk",
    "kwwwkGGGGGkkwwwk",
    "kwwwkGGGkkwwwwwk",
    "kwwwkGkkwwwwwwwk",
    "kwwwkkwwwwwwwwwk",
    "kwwwwwwwwwwwwwwk",
    "kkkkkkkkkkkkkkkk",
    "................",
};

const PixelRows kSlideStop{
    "................",
    "kkkkkkkkkkkkkkkk",
    "kwwwwwwwwwwwwwwk",
    "kwwwwwwwwwwwwwwk",
    "kwwwkkkkkkkkwwwk",
    "kwwwkrrrrrrkwwwk",
    "kwwwkrrrrrrkwwwk",
    "kwwwkrrrrrrkwwwk",
    "kwwwkrrrrrrkwwwk",
    "kwwwkrrrrrrkwwwk",
    "kwwwkrrrrrrkwwwk",
    "kwwwkkkkkkkkwwwk",
    "kwwwwwwwwwwwwwwk",
    "kwwwwwwwwwwwwwwk",
    "kkkkkkkkkkkkkkkk",
    "................",
};

// File information: a white "i" on a blue disc.
const PixelRows kFileInfo{
    "................",
    ".....kkkkkk.....",
    "...kkaaaaaakk...",
    "..kaaaawwaaaak..",
    ".kaaaaawwaaaaak.",
    ".kaaaaaaaaaaaak.",
    ".kaaaawwwaaaaak.",
    ".kaaaaawwaaaaak.",
    ".kaaaaawwaaaaak.",
    ".kaaaaawwaaaaak.",
    ".kaaaaawwaaaaak.",
    ".kaaaawwwwaaaak.",
    "..kaaaaaaaaaak..",
    "...kkaaaaaakk...",
    ".....kkkkkk.....",
    "................",
};

// Delete: a waste bin, lid and handle above a ribbed body.
const PixelRows kDelete{
    "......kkkk......",
    ".....kwwwwk.....",
    ".kkkkkkkkkkkkkk.",
    "kllllllllllllllk",
    "kkkkkkkkkkkkkkkk",
    ".kllllllllllllk.",
    ".klgllgllgllglk.",
    ".klgllgllgllglk.",
    ".klgllgllgllglk.",
    ".klgllgllgllglk.",
    ".klgllgllgllglk.",
    ".klgllgllgllglk.",
    ".klgllgllgllglk.",
    ".kllllllllllllk.",
    "..kkkkkkkkkkkk..",
    "................",
};

// The three browse views, each button showing the view it switches to.
// Report: a sheet with a header and rows of name and size.
const PixelRows kReportView{
    "................",
    "kkkkkkkkkkkkkkkk",
    "klllllllllgllllk",
    "kkkkkkkkkkkkkkkk",
    "kwwwwwwwwwwwwwwk",
    "kwaawggggwwgggwk",
    "kwaawggggwwgggwk",
    "kwwwwwwwwwwwwwwk",
    "kwaawggggwwgggwk",
    "kwaawggggwwgggwk",
    "kwwwwwwwwwwwwwwk",
    "kwaawggggwwgggwk",
    "kwaawggggwwgggwk",
    "kwwwwwwwwwwwwwwk",
    "kkkkkkkkkkkkkkkk",
    "................",
};

// Thumbnails: four small pictures.
const PixelRows kThumbnailView{
    "................",
    ".kkkkkk..kkkkkk.",
    ".kssssk..kssssk.",
    ".kssAsk..kssAsk.",
    ".ksAaAk..ksAaAk.",
    ".kAaaak..kAaaak.",
    ".kkkkkk..kkkkkk.",
    "................",
    "................",
    ".kkkkkk..kkkkkk.",
    ".kssssk..kssssk.",
    ".kssAsk..kssAsk.",
    ".ksAaAk..ksAaAk.",
    ".kAaaak..kAaaak.",
    ".kkkkkk..kkkkkk.",
    "................",
};

// List: a sheet with names in two columns.
const PixelRows kListView{
    "kkkkkkkkkkkkkkkk",
    "kwwwwwwwwwwwwwwk",
    "kwaawggwwaawggwk",
    "kwaawggwwaawggwk",
    "kwwwwwwwwwwwwwwk",
    "kwaawggwwaawggwk",
    "kwaawggwwaawggwk",
    "kwwwwwwwwwwwwwwk",
    "kwaawggwwaawggwk",
    "kwaawggwwaawggwk",
    "kwwwwwwwwwwwwwwk",
    "kwaawggwwaawggwk",
    "kwaawggwwaawggwk",
    "kwwwwwwwwwwwwwwk",
    "kkkkkkkkkkkkkkkk",
    "................",
};

}  // namespace

void DefineProgramBarImages() {
    using controls::DefineBitmap;
    DefineBitmap(IDB_BACK, ProgramArt(kBack));
    DefineBitmap(IDB_PREVIOUS, ProgramArt(Mirrored(kNext)));
    DefineBitmap(IDB_NEXT, ProgramArt(kNext));
    DefineBitmap(IDB_ZOOM_IN, ProgramArt(kZoomIn));
    DefineBitmap(IDB_ZOOM_OUT, ProgramArt(kZoomOut));
    DefineBitmap(IDB_FIT, ProgramArt(kFit));
    DefineBitmap(IDB_ACTUAL_SIZE, ProgramArt(kActualSize));
    DefineBitmap(IDB_SLIDE_START, ProgramArt(kSlideStart));
    DefineBitmap(IDB_SLIDE_STOP, ProgramArt(kSlideStop));
    DefineBitmap(IDB_FILE_INFO, ProgramArt(kFileInfo));
    DefineBitmap(IDB_DELETE, ProgramArt(kDelete));
    DefineBitmap(IDB_REPORT_VIEW, ProgramArt(kReportView));
    DefineBitmap(IDB_THUMBNAIL_VIEW, ProgramArt(kThumbnailView));
    DefineBitmap(IDB_LIST_VIEW, ProgramArt(kListView));
}

}  // namespace ezo
