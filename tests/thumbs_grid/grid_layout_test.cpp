// The grid's arithmetic: which cell a stylus point hits, where a key move
// scrolls to, the scroll bar's steps and the captions (the arrow keys are
// the window test's).
#include <gtest/gtest.h>

#include "platform/controls/scroll_bar.h"
#include "platform/device/messages.h"
#include "shell/image_kind.h"
#include "thumbs/thumb_grid_layout.h"

namespace ezo {
namespace {

TEST(GridLayout, HitTest) {
    struct Case { int32_t x, y, count, scrollY, index; } cases[] = {
        {40, 40, 7, 0, 1},    {100, 100, 7, 0, 5},   {77, 40, 7, 0, -1},   {40, 87, 7, 0, -1},
        {200, 40, 2, 0, -1},  {40, 40, 7, 85, 4},    {5, 5, 7, 0, 1},      {75, 85, 7, 0, 1},
        {4, 40, 7, 0, -1},    {76, 40, 7, 0, -1},    {79, 40, 7, 0, 2},    {149, 40, 7, 0, 2},
        {150, 40, 7, 0, -1},  {153, 40, 7, 0, 3},    {223, 40, 7, 0, 3},   {224, 40, 7, 0, -1},
        {40, 4, 7, 0, -1},    {40, 90, 7, 0, 4},     {40, 200, 7, 0, 7},   {100, 200, 7, 0, -1},
        {40, 300, 7, 0, -1},  {40, -5, 7, 0, -1},    {40, 40, 0, 0, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ThumbHitTest(c.x, c.y, c.count, c.scrollY), c.index) << c.x << "," << c.y << " of " << c.count;
}

TEST(GridLayout, ScrollPosForEntry) {
    struct Case { int32_t index; bool forward; int32_t height, count, scrollY; } cases[] = {
        {7, true, 195, 10, 150},  {7, true, 158, 10, 102},  {1, false, 195, 10, 0},
        {10, false, 158, 10, 187}, {10, true, 195, 10, 235}, {3, true, 171, 3, 4},
        {11, false, 158, 10, 187},  // no such entry: every row counts
        {0, true, 195, 0, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ScrollPosForEntry(c.index, c.forward, c.height, c.count), c.scrollY) << c.index << " " << c.height;
}

TEST(GridLayout, ScrollSteps) {
    using namespace controls;
    struct Case { uint16_t request; int32_t track, scrollY, maxScroll, result; } cases[] = {
        {SB_LINEDOWN, 0, 0, 500, 10},     {SB_LINEUP, 0, 40, 500, 30},    {SB_PAGEDOWN, 0, 0, 500, 20},
        {SB_PAGEUP, 0, 40, 500, 20},      {SB_THUMBTRACK, 300, 40, 500, 300},
        {SB_THUMBPOSITION, 300, 40, 500, 40},  // the other requests do not move
        {SB_LINEDOWN, 0, 495, 500, 500},  {SB_LINEUP, 0, 5, 500, 0},      {SB_LINEDOWN, 0, 0, -50, 0},
        {SB_THUMBTRACK, 25000, 0, 30000, 0},  // a step past 20000 is refused
        {SB_THUMBTRACK, 20000, 0, 30000, 20000},
        {SB_THUMBTRACK, 900, 0, 500, 500},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ScrolledPosition(c.request, c.track, c.scrollY, c.maxScroll), c.result) << c.request << " " << c.scrollY;
}

TEST(GridLayout, Captions) {
    struct Case { const char16_t* name; uint32_t kind; const char16_t* caption; } cases[] = {
        {u"DSC01234.JPG", Jpg, u"DSC01234"},       {u"Holiday_Picture_001.jpg", Jpg, u"Holiday_Pi..."},
        {u"abcdefghijk.jpeg", Jpeg, u"abcdefghijk"}, {u"abcdefghijkl.gif", Gif, u"abcdefghij..."},
        {u"a.bmp", Bmp, u"a"}, {u".gif", Gif, u""}, {u"x", Bmp, u""},
        {u"abcdefghi\U0001F600xy.jpg", Jpg, u"abcdefghi..."},  // a pair is never cut in two
    };
    for (const Case& c : cases) EXPECT_EQ(CaptionText(c.name, c.kind), c.caption);
}

}  // namespace
}  // namespace ezo
