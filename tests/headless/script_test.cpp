#include <gtest/gtest.h>

#include <Qt>

#include "platform/headless/script.h"

namespace headless {
namespace {

struct GoodLine {
    const char* line;
    Op op;
    int x, y, number;
    KeyChord key;
    const char* text;
};

TEST(ParseScriptLine, ReadsEveryCommand) {
    const GoodLine cases[] = {
        {"tap 10 20", Op::Tap, 10, 20, 0, {}, ""},
        {"  down\t0   319  ", Op::Down, 0, 319, 0, {}, ""},
        {"move -5 400", Op::Move, -5, 400, 0, {}, ""},
        {"up 239 -26", Op::Up, 239, -26, 0, {}, ""},
        {"dbltap 1 2", Op::DoubleTap, 1, 2, 0, {}, ""},
        {"hold 120 160\r", Op::Hold, 120, 160, 0, {}, ""},
        {"key Left", Op::Key, 0, 0, 0, {Qt::Key_Left, 0}, ""},
        {"key Return", Op::Key, 0, 0, 0, {Qt::Key_Return, 0}, ""},
        {"key Escape", Op::Key, 0, 0, 0, {Qt::Key_Escape, 0}, ""},
        {"key F5", Op::Key, 0, 0, 0, {Qt::Key_F5, 0}, ""},
        {"key Ctrl+Q", Op::Key, 0, 0, 0, {Qt::Key_Q, int(Qt::ControlModifier)}, ""},
        {"key Ctrl+A", Op::Key, 0, 0, 0, {Qt::Key_A, int(Qt::ControlModifier)}, ""},
        {"key PgDown", Op::Key, 0, 0, 0, {Qt::Key_PageDown, 0}, ""},
        {"key Esc", Op::Key, 0, 0, 0, {Qt::Key_Escape, 0}, ""},
        {"key Space", Op::Key, 0, 0, 0, {Qt::Key_Space, 0}, ""},
        {"key 1", Op::Key, 0, 0, 0, {Qt::Key_1, 0}, ""},
        {"key a", Op::Key, 0, 0, 0, {Qt::Key_A, 0}, ""},
        {"appkey 1", Op::AppKey, 0, 0, 1, {}, ""},
        {"appkey 5", Op::AppKey, 0, 0, 5, {}, ""},
        {"type hello world", Op::Type, 0, 0, 0, {}, "hello world"},
        {"type  # not a comment", Op::Type, 0, 0, 0, {}, " # not a comment"},
        {"type \xED\x95\x9C", Op::Type, 0, 0, 0, {}, "\xED\x95\x9C"},
        {"command 40012", Op::Command, 0, 0, 40012, {}, ""},
        {"command 0", Op::Command, 0, 0, 0, {}, ""},
        {"wait 0", Op::Wait, 0, 0, 0, {}, ""},
        {"wait 3600000", Op::Wait, 0, 0, 3600000, {}, ""},
        {"shot out/first.PNG", Op::Shot, 0, 0, 0, {}, "out/first.PNG"},
        {"shot my shot.png ", Op::Shot, 0, 0, 0, {}, "my shot.png"},
        {"dump state.txt", Op::Dump, 0, 0, 0, {}, "state.txt"},
        {"quit", Op::Quit, 0, 0, 0, {}, ""},
    };
    for (const GoodLine& c : cases) {
        SCOPED_TRACE(c.line);
        const LineResult result = ParseScriptLine(c.line);
        ASSERT_TRUE(result.command) << result.error;
        const ScriptCommand& command = *result.command;
        EXPECT_EQ(command.op, c.op);
        EXPECT_EQ(command.x, c.x);
        EXPECT_EQ(command.y, c.y);
        EXPECT_EQ(command.number, c.number);
        EXPECT_EQ(command.key, c.key);
        EXPECT_EQ(command.text, c.text);
    }
}

TEST(ParseScriptLine, IgnoresBlankAndCommentLines) {
    for (const char* line : {"", "   ", "\t\r", "# a comment", "   # indented", "#tap 1 2"}) {
        const LineResult result = ParseScriptLine(line);
        EXPECT_FALSE(result.command) << line;
        EXPECT_EQ(result.error, "") << line;
    }
}

TEST(ParseScriptLine, RefusesBadLinesWithAMessage) {
    const std::pair<const char*, const char*> cases[] = {
        {"tapp 1 2", "unknown command 'tapp'"},
        {"TAP 1 2", "unknown command 'TAP'"},
        {"tap 1", "tap takes X Y"},
        {"tap 1 2 3", "tap takes X Y"},
        {"tap a 2", "whole numbers"},
        {"tap 1.5 2", "whole numbers"},
        {"down 40000 0", "whole numbers"},
        {"up 0 -40000", "whole numbers"},
        {"key", "key takes one NAME"},
        {"key Ctrl+Q Ctrl+A", "key takes one NAME"},
        {"key Nonsense", "unknown key 'Nonsense'"},
        {"key Ctrl+Q,Ctrl+A", "unknown key"},
        {"appkey 0", "appkey takes a button N"},
        {"appkey 6", "appkey takes a button N"},
        {"appkey", "appkey takes"},
        {"command -1", "command takes an ID"},
        {"command 65536", "command takes an ID"},
        {"command 12abc", "command takes an ID"},
        {"wait -1", "wait takes MS"},
        {"wait 3600001", "wait takes MS"},
        {"wait 1 2", "wait takes MS"},
        {"type", "type takes TEXT"},
        {"shot", "shot takes FILE"},
        {"shot picture.jpg", "must end in .png"},
        {"shot .png", "must end in .png"},
        {"dump   ", "dump takes FILE"},
        {"quit now", "quit takes nothing"},
        // Bytes that could drive a terminal are shown escaped, and long words cut.
        {"\x1b[2J\xff 1 2", "unknown command '\\x1B[2J\\xFF'"},
        {"key \x07", "unknown key '\\x07'"},
        {"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", "'aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa...'"},
    };
    for (const auto& [line, fragment] : cases) {
        const LineResult result = ParseScriptLine(line);
        EXPECT_FALSE(result.command) << line;
        EXPECT_NE(result.error.find(fragment), std::string::npos) << line << " -> " << result.error;
    }
}

TEST(ParseScript, NumbersCommandsByLineAndStopsAtTheFirstBadLine) {
    const ParsedScript good = ParseScript("# tour\n\ntap 1 2\r\nwait 50\nquit");
    ASSERT_FALSE(good.error);
    ASSERT_EQ(good.commands.size(), 3u);
    EXPECT_EQ(good.commands[0].line, 3);
    EXPECT_EQ(good.commands[1].line, 4);
    EXPECT_EQ(good.commands[2].line, 5);

    const ParsedScript bad = ParseScript("tap 1 2\n# fine\nwait x\nbogus\n");
    ASSERT_TRUE(bad.error);
    EXPECT_EQ(bad.error->line, 3);
    EXPECT_TRUE(bad.commands.empty());
    EXPECT_EQ(FormatScriptError("tour.ezs", *bad.error), "tour.ezs:3: " + bad.error->message);
}

TEST(ParseScript, RefusesAHugeScriptWithoutReadingIt) {
    const std::string huge(kMaxScriptBytes + 1, '\n');
    const ParsedScript parsed = ParseScript(huge);
    ASSERT_TRUE(parsed.error);
    EXPECT_EQ(FormatScriptError("big.ezs", *parsed.error), "big.ezs: script is larger than 16 MiB");
}

}  // namespace
}  // namespace headless
