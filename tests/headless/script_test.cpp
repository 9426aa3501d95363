#include <gtest/gtest.h>

#include <sstream>

#include "platform/headless/script.h"
#include "platform/headless/script_source.h"

namespace headless {
namespace {

TEST(ParseScriptLine, RefusesBadLinesWithAMessage) {
    const std::pair<std::string, const char*> cases[] = {
        {"TAP 1 2", "unknown command 'TAP'"},
        {"tap 1", "tap takes X Y"},
        {"tap 1 2 3", "tap takes X Y"},
        {"tap 1.5 2", "whole numbers"},
        {"down 32768 0", "whole numbers"},
        {"up 0 -32769", "whole numbers"},
        {"wheel 1 2", "wheel takes X Y STEPS"},
        {"wheel 1 2 101", "wheel takes X Y STEPS"},
        {"wheel 1 2 1 Shift", "wheel takes X Y STEPS"},
        {"key Ctrl+Q Ctrl+A", "key takes one NAME"},
        {"key Nonsense", "unknown key 'Nonsense'"},
        {"key Ctrl+Q,Ctrl+A", "unknown key"},
        {"appkey 0", "appkey takes a button N"},
        {"appkey 6", "appkey takes a button N"},
        {"command 65536", "command takes an ID"},
        {"wait -1", "wait takes MS"},
        {"wait 3600001", "wait takes MS"},
        {"type", "type takes TEXT"},
        {"shot .png", "must end in .png"},
        {"dump   ", "dump takes FILE"},
        {"quit now", "quit takes nothing"},
        // Bytes that could drive a terminal are shown escaped, and long words cut.
        {"\x1b[2J\xff 1 2", "unknown command '\\x1B[2J\\xFF'"},
        {"key \x07", "unknown key '\\x07'"},
        {"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", "'aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa...'"},
        // A file name with a NUL byte could name a different file.
        {std::string("shot a\0b.png", 12), "NUL"},
        {std::string("dump a\0b.txt", 12), "NUL"},
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
    EXPECT_EQ(good.commands[2].line, 5);

    const ParsedScript bad = ParseScript("tap 1 2\n# fine\nwait x\nbogus\n");
    ASSERT_TRUE(bad.error);
    EXPECT_TRUE(bad.commands.empty());
    EXPECT_EQ(FormatScriptError("tour.ezs", *bad.error), "tour.ezs:3: " + bad.error->message);

    const ParsedScript huge = ParseScript(std::string(kMaxScriptBytes + 1, '\n'));
    ASSERT_TRUE(huge.error);
    EXPECT_EQ(FormatScriptError("big.ezs", *huge.error), "big.ezs: script is larger than 16 MiB");
    EXPECT_FALSE(ParseScript(std::string(kMaxScriptBytes, '\n')).error);
}

// The first command a stream source gives, or its error as "LINE: message".
std::string FirstFromStream(std::istream& lines) {
    ScriptSource source(lines);
    const ScriptSource::Next next = source.Read();
    if (next.error) return std::to_string(next.error->line) + ": " + next.error->message;
    return next.command ? "line " + std::to_string(next.command->line) : "nothing";
}

TEST(ScriptInput, AByteOrderMarkStartsAScriptButNoLaterLine) {
    const struct { const char* text; const char* first; } cases[] = {
        {"\xEF\xBB\xBFwait 5\n", "line 1"},
        {"\xEF\xBB\xBF# a comment\nwait 5\n", "line 2"},
        {"\xEF\xBB\xBF\xEF\xBB\xBFwait 5\n", "1: unknown command '\\xEF\\xBB\\xBFwait'"},
    };
    for (const auto& c : cases) {
        std::istringstream lines(c.text);
        EXPECT_EQ(FirstFromStream(lines), c.first) << c.text;
        const ParsedScript parsed = ParseScript(c.text);
        EXPECT_EQ(parsed.error ? std::to_string(parsed.error->line) + ": " + parsed.error->message
                               : "line " + std::to_string(parsed.commands.front().line),
                  c.first);
    }
    std::istringstream later("wait 5\n\xEF\xBB\xBFwait 6\n");
    ScriptSource source(later);
    source.Read();
    ASSERT_TRUE(source.Read().error);
}

TEST(ScriptInput, ALineWithoutAnEndIsNotReadPastTheLimit) {
    std::istringstream lines(std::string(kMaxScriptBytes + 1000, 'a'));
    EXPECT_EQ(FirstFromStream(lines), "1: line is longer than 16 MiB");
    EXPECT_EQ(size_t(lines.tellg()), kMaxScriptBytes + 1);
}

}  // namespace
}  // namespace headless
