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

TEST_F(KeysTest, ApplicationButtonsReachOnlyTheWindowThatRegisteredThem) {
    // The main window registers buttons 1, 2 and 4 the way the program does.
    for (int id : {193, 194, 196}) ASSERT_TRUE(RegisterHotKey(main_.window, id, MOD_WIN, uint32_t(id)));
    struct { Qt::Key key; int id; } cases[] = {  // id 0: nothing arrives
        {Qt::Key_F1, 193}, {Qt::Key_F2, 194}, {Qt::Key_F3, 0}, {Qt::Key_F4, 196}, {Qt::Key_F5, 0},
        {Qt::Key_1, 193},  {Qt::Key_2, 194},  {Qt::Key_3, 0},  {Qt::Key_4, 196},  {Qt::Key_5, 0},
    };
    for (const auto& c : cases) {
        log_.clear();
        dev().key(c.key);
        Log expected;
        if (c.id) expected.push_back({"main", WM_HOTKEY, WPARAM(c.id), MAKELPARAM(MOD_WIN, c.id)});
        EXPECT_EQ(log_, expected) << std::hex << c.key;
    }
    log_.clear();
    EXPECT_TRUE(dev().virtualKey(0xC4));  // the button's own virtual key
    EXPECT_EQ(log_, (Log{{"main", WM_HOTKEY, 196, MAKELPARAM(MOD_WIN, 0xC4)}}));
    log_.clear();
    UnregisterHotKey(main_.window, 193);
    dev().appKey(1);
    EXPECT_TRUE(log_.empty());
}

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

TEST_F(KeysTest, ArrowsAndReturnGoToTheFocusedWindow) {
    struct Case {
        const char* name;
        uint32_t vk;
    } cases[] = {{"Left", VK_LEFT}, {"Up", VK_UP}, {"Right", VK_RIGHT}, {"Down", VK_DOWN}, {"Return", VK_RETURN}};
    for (HWND focus : {main_.window, child_.window}) {
        SetFocus(focus);
        for (const Case& c : cases) {
            log_.clear();
            ASSERT_TRUE(dev().keyByName(c.name));
            const std::string who = focus == main_.window ? "main" : "child";
            const Log expected{{who, WM_KEYDOWN, c.vk, 1}, {who, WM_KEYUP, c.vk, LPARAM(0xC0000001u)}};
            EXPECT_EQ(log_, expected) << c.name;
        }
    }
    EXPECT_FALSE(dev().keyByName("NoSuchKey"));
}

TEST_F(KeysTest, TypedTextGoesToTheFocusAndCommandsToTheActiveWindow) {
    SetFocus(child_.window);
    log_.clear();
    dev().typeText(u"a1é");
    dev().command(40088);
    const Log expected{{"child", WM_CHAR, 'a', 1}, {"child", WM_CHAR, '1', 1}, {"child", WM_CHAR, u'é', 1},
                       {"main", WM_COMMAND, 40088, 0}};
    EXPECT_EQ(log_, expected);
}

}  // namespace
}  // namespace device_test
