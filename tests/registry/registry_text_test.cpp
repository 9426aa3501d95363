#include "platform/registry/registry_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using registry::ParseRegistryText;
using registry::RegValue;

std::vector<uint8_t> Utf16Bytes(std::u16string_view text) {
    std::vector<uint8_t> bytes;
    for (char16_t c : text) bytes.insert(bytes.end(), {uint8_t(c), uint8_t(c >> 8)});
    return bytes;
}

constexpr const char* kHeader = "Windows Registry Editor Version 5.00\n";

TEST(RegistryText, WritesEachValueInItsReadableFormAndReadsItBackExactly) {
    struct { RegValue value; std::string line; } cases[] = {
        {RegValue{u"Slide", 4, {3, 0, 0, 0}}, "\"Slide\"=dword:00000003"},
        {RegValue{u"Big", 4, {0xEF, 0xBE, 0xAD, 0xDE}}, "\"Big\"=dword:deadbeef"},
        {RegValue{u"OpenFile", 1, Utf16Bytes(u"\\My Documents\\")}, "\"OpenFile\"=\"\\\\My Documents\\\\\""},
        {RegValue{u"Quote", 1, Utf16Bytes(u"say \"hi\"")}, "\"Quote\"=\"say \\\"hi\\\"\""},
        {RegValue{u"Empty", 1, {}}, "\"Empty\"=\"\""},
        {RegValue{u"Accents", 1, Utf16Bytes(u"\u00e9t\u00e9 \u65e5")}, "\"Accents\"=\"\xC3\xA9t\xC3\xA9 \xE6\x97\xA5\""},
        // Not exactly 2 x n bytes of text without a zero: kept as bytes.
        {RegValue{u"Terminated", 1, {'A', 0, 0, 0}}, "\"Terminated\"=hex(1):41,00,00,00"},
        {RegValue{u"Odd", 1, {'A', 0, 'B'}}, "\"Odd\"=hex(1):41,00,42"},
        {RegValue{u"Newline", 1, Utf16Bytes(u"a\nb")}, "\"Newline\"=hex(1):61,00,0a,00,62,00"},
        {RegValue{u"Lone", 1, {0x00, 0xD8}}, "\"Lone\"=hex(1):00,d8"},
        {RegValue{u"Short", 4, {1, 2}}, "\"Short\"=hex(4):01,02"}, {RegValue{u"Bin", 3, {0xFF}}, "\"Bin\"=hex(3):ff"},
        {RegValue{u"None", 0, {}}, "\"None\"=hex(0):"},
        {RegValue{u"", 1, Utf16Bytes(u"default")}, "@=\"default\""},
        {RegValue{u"a\\b \"c\"", 4, {0, 0, 0, 0}}, "\"a\\\\b \\\"c\\\"\"=dword:00000000"},
    };
    for (const auto& c : cases) {
        registry::RegKeyMap keys;
        registry::EnsureKey(keys, u"Software\\Morvex\\Ezo")->values.push_back(c.value);
        const std::string text = registry::FormatRegistryText(keys);
        EXPECT_EQ(text, std::string(kHeader) + "\n[HKEY_CURRENT_USER\\Software\\Morvex\\Ezo]\n" + c.line + "\n");
        const registry::ParsedRegistry parsed = ParseRegistryText(text);
        EXPECT_FALSE(parsed.damaged()) << c.line;
        EXPECT_EQ(parsed.keys, keys) << c.line;
    }
}

TEST(RegistryText, ReadsEverySoundLineAroundDamage) {
    // kept: the key and value names read.
    struct {
        const char* name; std::string text; size_t badLines; std::vector<std::pair<std::u16string, std::u16string>> kept;
    } cases[] = {
        {"bad value line between good ones",
         std::string(kHeader) + "[HKEY_CURRENT_USER\\K]\n\"A\"=dword:00000001\n\"B\"=dword:12\n"
                                "\"C\"=dword:00000003\n",
         1, {{u"K", u"A"}, {u"K", u"C"}}},
        {"values below a bad header are dropped with it",
         std::string(kHeader) + "[HKEY_LOCAL_MACHINE\\K]\n\"A\"=dword:00000001\n"
                                "[HKEY_CURRENT_USER\\K]\n\"B\"=dword:00000002\n",
         2, {{u"K", u"B"}}},
        {"missing file header", "[HKEY_CURRENT_USER\\K]\n\"A\"=\"x\"\n", 1, {{u"K", u"A"}}},
        {"CRLF line ends and comments are fine",
         std::string("Windows Registry Editor Version 5.00\r\n\r\n; note\r\n") +
             "[HKEY_CURRENT_USER\\K]\r\n\"A\"=\"x\"\r\n",
         0, {{u"K", u"A"}}},
        {"bad escapes, bad hex, unterminated strings, junk",
         std::string(kHeader) + "[HKEY_CURRENT_USER\\K]\n\"A\"=\"\\n\"\n\"B\"=hex(1):4\n"
                                "\"C\"=hex(1):41,\n\"D\"=\"open\n\"E\n=dword:00000001\n"
                                "\"F\"=hex(zz):00\n\"G\"=\"ok\"\n",
         7, {{u"K", u"G"}}},
        {"bad key paths",
         std::string(kHeader) + "[HKEY_CURRENT_USER\\]\n[HKEY_CURRENT_USER\\a\\\\b]\n"
                                "[HKEY_CURRENT_USERX]\n[HKEY_CURRENT_USER\\ok]\n\"V\"=\"1\"\n",
         3, {{u"ok", u"V"}}},
        {"invalid UTF-8 in a string",
         std::string(kHeader) + "[HKEY_CURRENT_USER\\K]\n\"A\"=\"\xFF\"\n\"B\"=\"\"\n", 1, {{u"K", u"B"}}},
        {"value before any key", std::string(kHeader) + "\"A\"=\"x\"\n", 1, {}},
        {"key names and value names ignore case; the later value wins",
         std::string(kHeader) + "[HKEY_CURRENT_USER\\Key]\n\"a\"=\"1\"\n"
                                "[hkey_current_user\\KEY]\n\"A\"=\"2\"\n",
         0, {{u"Key", u"a"}}},
    };
    for (const auto& c : cases) {
        const registry::ParsedRegistry parsed = ParseRegistryText(c.text);
        EXPECT_EQ(parsed.badLines, c.badLines) << c.name;
        std::vector<std::pair<std::u16string, std::u16string>> kept;
        for (const auto& [folded, key] : parsed.keys)
            for (const auto& value : key.values) kept.emplace_back(key.path, value.name);
        EXPECT_EQ(kept, c.kept) << c.name;
    }
    const auto later = ParseRegistryText(std::string(kHeader) + "[HKEY_CURRENT_USER\\K]\n\"a\"=\"1\"\n\"A\"=\"2\"\n");
    EXPECT_EQ(later.keys.at(u"k").values.at(0).data, Utf16Bytes(u"2"));
}

TEST(RegistryText, KeepsHostileInputWithinLimits) {
    // Far more keys than allowed: the rest is refused and counted, not kept.
    std::string manyKeys = kHeader;
    for (int i = 0; i < 3 * int(registry::kMaxKeys); ++i) manyKeys += "[HKEY_CURRENT_USER\\k" + std::to_string(i) + "]\n";
    const auto keys = ParseRegistryText(manyKeys);
    EXPECT_EQ(keys.keys.size(), registry::kMaxKeys);
    EXPECT_EQ(keys.badLines, 2 * registry::kMaxKeys);

    std::string manyValues = std::string(kHeader) + "[HKEY_CURRENT_USER\\K]\n";
    for (size_t i = 0; i < registry::kMaxValuesPerKey + 10; ++i) manyValues += "\"v" + std::to_string(i) + "\"=dword:00000000\n";
    const auto values = ParseRegistryText(manyValues);
    EXPECT_EQ(values.keys.at(u"k").values.size(), registry::kMaxValuesPerKey);
    EXPECT_EQ(values.badLines, 10u);

    // One value far past the size limit on a single line.
    std::string huge = std::string(kHeader) + "[HKEY_CURRENT_USER\\K]\n\"H\"=hex(3):00";
    for (size_t i = 0; i < registry::kMaxValueBytes; ++i) huge += ",00";
    const auto big = ParseRegistryText(huge + "\n");
    EXPECT_EQ(big.badLines, 1u);
    EXPECT_TRUE(big.keys.at(u"k").values.empty());
}

}  // namespace
