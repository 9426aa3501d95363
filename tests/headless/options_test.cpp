#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/options.h"

namespace ezo {
namespace {

struct GoodCase {
    std::vector<std::string> args;
    std::string path, root, script, output;
    int scale;
    std::optional<uint64_t> memory;
    bool headless, help, version;
};

TEST(ParseOptions, AcceptsGoodArgumentLists) {
    const GoodCase cases[] = {
        {{}, "", "", "", "", 0, std::nullopt, false, false, false},
        {{"/pics"}, "/pics", "", "", "", 0, std::nullopt, false, false, false},
        {{"--root", "/dev/root", "--scale", "8"}, "", "/dev/root", "", "", 8, std::nullopt, false, false, false},
        {{"--scale=1", "--root=/r"}, "", "/r", "", "", 1, std::nullopt, false, false, false},
        {{"--memory", "64M"}, "", "", "", "", 0, 64ull << 20, false, false, false},
        {{"--memory=4096"}, "", "", "", "", 0, 4096, false, false, false},
        {{"--script", "a.ezs"}, "", "", "a.ezs", "", 0, std::nullopt, true, false, false},
        {{"--headless"}, "", "", "", "", 0, std::nullopt, true, false, false},
        {{"--headless", "--output", "out", "x.jpg"}, "x.jpg", "", "", "out", 0, std::nullopt, true, false, false},
        {{"--help"}, "", "", "", "", 0, std::nullopt, false, true, false},
        {{"-h", "--version"}, "", "", "", "", 0, std::nullopt, false, true, true},
        // After "--" everything is a path, even what looks like an option.
        {{"--", "--scale"}, "--scale", "", "", "", 0, std::nullopt, false, false, false},
        {{"-"}, "-", "", "", "", 0, std::nullopt, false, false, false},
    };
    for (const GoodCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.args));
        const ParsedOptions parsed = ParseOptions(c.args);
        ASSERT_TRUE(parsed.options) << parsed.error;
        const Options& o = *parsed.options;
        EXPECT_EQ(o.path, c.path);
        EXPECT_EQ(o.root, c.root);
        EXPECT_EQ(o.script, c.script);
        EXPECT_EQ(o.output, c.output);
        EXPECT_EQ(o.scale, c.scale);
        EXPECT_EQ(o.memory, c.memory);
        EXPECT_EQ(o.headless, c.headless);
        EXPECT_EQ(o.help, c.help);
        EXPECT_EQ(o.version, c.version);
    }
}

TEST(ParseOptions, RefusesBadArgumentListsNamingTheProblem) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--bogus"}, "unknown option '--bogus'"},
        {{"--roots=/a"}, "unknown option '--roots=/a'"},
        {{"--scale"}, "--scale needs a value"},
        {{"--scale", "0"}, "from 1 to 8"},
        {{"--scale", "9"}, "from 1 to 8"},
        {{"--scale", "2x"}, "not '2x'"},
        {{"--scale="}, "not ''"},
        {{"--memory", "0"}, "--memory"},
        {{"--memory", "12T"}, "--memory"},
        {{"--memory", "-5M"}, "--memory"},
        {{"--memory", "99999999999999999999"}, "--memory"},
        {{"--root", ""}, "--root needs a non-empty value"},
        {{"--script"}, "--script needs a value"},
        {{"a", "b"}, "only one PATH"},
        {{"--output", "o"}, "--output only applies"},
    };
    for (const auto& [args, fragment] : cases) {
        SCOPED_TRACE(testing::PrintToString(args));
        const ParsedOptions parsed = ParseOptions(args);
        EXPECT_FALSE(parsed.options);
        EXPECT_NE(parsed.error.find(fragment), std::string::npos) << parsed.error;
    }
}

TEST(ParseMemorySize, ScalesSuffixesAndRefusesOverflow) {
    const std::pair<const char*, std::optional<uint64_t>> cases[] = {
        {"1", 1},
        {"1k", 1024},
        {"2m", 2u << 20},
        {"1G", 1ull << 30},
        {"17179869183G", 17179869183ull << 30},  // the largest that fits
        {"17179869184G", std::nullopt},          // one more overflows
        {"18446744073709551615", ~0ull},
        {"18446744073709551616", std::nullopt},
        {"", std::nullopt},
        {"0K", std::nullopt},
        {"1.5M", std::nullopt},
        {"1MB", std::nullopt},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(ParseMemorySize(text), expected) << text;
    }
}

TEST(UsageText, NamesEveryOptionAndTheKeys) {
    const std::string usage = UsageText();
    for (const char* word : {"--root", "--scale", "--memory", "--headless", "--script", "--output", "--help",
                             "--version", "F1..F5", "1..5", "Ctrl+Q", "arrow"}) {
        EXPECT_NE(usage.find(word), std::string::npos) << word;
    }
}

}  // namespace
}  // namespace ezo
