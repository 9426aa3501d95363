#include <gtest/gtest.h>

#include "platform/device/input_rules.h"
#include "platform/device/messages.h"

namespace {

using namespace device;

TEST(InputRules, DoubleTapNeedsSameWindowShortTimeAndSmallDistance) {
    const Window* a = reinterpret_cast<const Window*>(0x10);
    const Window* b = reinterpret_cast<const Window*>(0x20);
    const TapRecord first{true, 1000, {50, 50}, a};
    struct Case {
        const char* what; TapRecord first; uint64_t time; gdi::POINT point; const Window* window; bool expected;
    } cases[] = {
        {"same place at once", first, 1000, {50, 50}, a, true},
        {"at the interval", first, 1400, {50, 50}, a, true},
        {"past the interval", first, 1401, {50, 50}, a, false},
        {"within the distance", first, 1100, {55, 45}, a, true},
        {"past the distance in x", first, 1100, {56, 50}, a, false},
        {"past the distance in y", first, 1100, {50, 44}, a, false},
        {"another window", first, 1100, {50, 50}, b, false},
        {"no first tap", TapRecord{}, 1100, {50, 50}, a, false},
        {"clock earlier than the first tap", first, 999, {50, 50}, a, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsDoubleTap(c.first, c.time, c.point, c.window, 400, 5), c.expected) << c.what;
}

TEST(InputRules, ApplicationButtons) {
    struct { int key; Qt::KeyboardModifiers modifiers; bool digitsAreButtons; int button; } cases[] = {
        {Qt::Key_F1, Qt::NoModifier, true, 1},  {Qt::Key_F5, Qt::NoModifier, true, 5},
        {Qt::Key_F6, Qt::NoModifier, true, 0},  {Qt::Key_1, Qt::NoModifier, true, 1},
        {Qt::Key_5, Qt::NoModifier, true, 5},   {Qt::Key_6, Qt::NoModifier, true, 0},
        {Qt::Key_0, Qt::NoModifier, true, 0},   {Qt::Key_3, Qt::ControlModifier, true, 0},
        {Qt::Key_3, Qt::NoModifier, false, 0},  {Qt::Key_F3, Qt::NoModifier, false, 3},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AppButtonFromQt(c.key, c.modifiers, c.digitsAreButtons), c.button) << std::hex << c.key;
    EXPECT_EQ(AppButtonKey(1), 0xC1u);
    EXPECT_EQ(AppButtonKey(5), 0xC5u);
}

}  // namespace
