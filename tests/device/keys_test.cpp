#include "device_fixture.h"

#include "platform/device/activation.h"
#include "platform/device/hot_keys.h"

namespace device_test {
namespace {

const std::set<uint32_t> kKeys{WM_KEYDOWN, WM_KEYUP, WM_CHAR, WM_HOTKEY, WM_COMMAND};

class KeysTest : public DeviceTest {
protected:
    void SetUp() override {
        DeviceTest::SetUp();
        main_ = MakeRecorder("main", &log_, kKeys, WS_VISIBLE, {0, 26, 240, 294});
        child_ = MakeRecorder("child", &log_, kKeys, WS_CHILD | WS_VISIBLE, {0, 0, 100, 100}, main_.window, 7);
        ASSERT_TRUE(main_.window && child_.window);
    }
    Log log_;
    Made main_, child_;
};

TEST_F(KeysTest, AKeyHeldByOneWindowCannotBeTakenByAnother) {
    EXPECT_TRUE(RegisterHotKey(main_.window, 195, MOD_WIN, 0xC3));
    EXPECT_FALSE(RegisterHotKey(child_.window, 1, MOD_WIN, 0xC3));
    EXPECT_FALSE(RegisterHotKey(main_.window, 195, MOD_WIN, 0xC4));  // id already used
    DestroyWindow(main_.window);                                     // takes its keys along
    EXPECT_FALSE(FindHotKey(0xC3).has_value());
}

TEST_F(KeysTest, AcceleratorsBecomeCommandsToTheActiveWindow) {
    SetFocus(child_.window);
    struct { Qt::Key key; Qt::KeyboardModifiers modifiers; Log expected; } cases[] = {
        // The key's release still goes to the focused window, as it always did.
        {Qt::Key_Q, Qt::ControlModifier,
         {{"main", WM_COMMAND, MAKEWPARAM(1, 1), 0}, {"child", WM_KEYUP, 'Q', LPARAM(0xC0000001u)}}},
        {Qt::Key_A, Qt::ControlModifier,
         {{"main", WM_COMMAND, MAKEWPARAM(40003, 1), 0}, {"child", WM_KEYUP, 'A', LPARAM(0xC0000001u)}}},
        // Not in the table: an ordinary key to the focused window.
        {Qt::Key_Q, Qt::ControlModifier | Qt::ShiftModifier,
         {{"child", WM_KEYDOWN, 'Q', 1}, {"child", WM_KEYUP, 'Q', LPARAM(0xC0000001u)}}},
        {Qt::Key_Q, Qt::NoModifier,
         {{"child", WM_KEYDOWN, 'Q', 1}, {"child", WM_CHAR, 'q', 1}, {"child", WM_KEYUP, 'Q', LPARAM(0xC0000001u)}}},
    };
    for (const auto& c : cases) {
        log_.clear();
        dev().key(c.key, c.modifiers);
        EXPECT_EQ(log_, c.expected) << std::hex << c.key;
    }
}

}  // namespace
}  // namespace device_test
