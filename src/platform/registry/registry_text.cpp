#include "platform/registry/registry_text.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <set>

#include "platform/files/name_case.h"
#include "platform/files/utf.h"

namespace registry {

namespace {

constexpr std::string_view kHeader = "Windows Registry Editor Version 5.00";
constexpr std::string_view kRootName = "HKEY_CURRENT_USER";

bool IsControl(char16_t c) { return c < 0x20 || c == 0x7F; }

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::optional<uint32_t> ParseHexNumber(std::string_view digits, size_t maxDigits) {
    if (digits.empty() || digits.size() > maxDigits) return std::nullopt;
    uint32_t value = 0;
    for (char c : digits) {
        const int d = HexDigit(c);
        if (d < 0) return std::nullopt;
        value = (value << 4) | uint32_t(d);
    }
    return value;
}

// Reads a quoted string at the start of text (escapes \\ and \"); advances
// text past the closing quote. Null for bad escapes, bad UTF-8 or control
// characters.
std::optional<std::u16string> ParseQuoted(std::string_view& text) {
    if (text.empty() || text[0] != '"') return std::nullopt;
    std::string bytes;
    size_t i = 1;
    for (;; ++i) {
        if (i >= text.size()) return std::nullopt;
        const char c = text[i];
        if (c == '"') break;
        if (c == '\\') {
            if (i + 1 >= text.size() || (text[i + 1] != '\\' && text[i + 1] != '"')) {
                return std::nullopt;
            }
            bytes.push_back(text[++i]);
        } else {
            bytes.push_back(c);
        }
    }
    text.remove_prefix(i + 1);
    std::optional<std::u16string> value = files::Utf8ToUtf16(bytes);
    if (!value) return std::nullopt;
    for (char16_t c : *value) {
        if (IsControl(c)) return std::nullopt;
    }
    return value;
}

std::optional<std::vector<uint8_t>> ParseHexBytes(std::string_view text) {
    std::vector<uint8_t> bytes;
    if (text.empty()) return bytes;
    if ((text.size() + 1) % 3 != 0 || (text.size() + 1) / 3 > kMaxValueBytes) return std::nullopt;
    for (size_t i = 0; i < text.size(); i += 3) {
        const int high = HexDigit(text[i]);
        const int low = HexDigit(text[i + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        if (i + 2 < text.size() && text[i + 2] != ',') return std::nullopt;
        bytes.push_back(uint8_t(high * 16 + low));
    }
    return bytes;
}

std::vector<uint8_t> Utf16Bytes(std::u16string_view text) {
    std::vector<uint8_t> bytes;
    bytes.reserve(text.size() * 2);
    for (char16_t c : text) {
        bytes.push_back(uint8_t(c));
        bytes.push_back(uint8_t(c >> 8));
    }
    return bytes;
}

// The data part of a value line: "text", dword:XXXXXXXX, hex(T):.. or hex:..
std::optional<RegValue> ParseData(std::string_view text) {
    RegValue value;
    if (!text.empty() && text[0] == '"') {
        std::optional<std::u16string> s = ParseQuoted(text);
        if (!s || !text.empty() || s->size() * 2 > kMaxValueBytes) return std::nullopt;
        value.type = REG_SZ;
        value.data = Utf16Bytes(*s);
        return value;
    }
    if (text.starts_with("dword:")) {
        text.remove_prefix(6);
        if (text.size() != 8) return std::nullopt;
        const std::optional<uint32_t> number = ParseHexNumber(text, 8);
        if (!number) return std::nullopt;
        value.type = REG_DWORD;
        value.data = {uint8_t(*number), uint8_t(*number >> 8), uint8_t(*number >> 16),
                      uint8_t(*number >> 24)};
        return value;
    }
    if (text.starts_with("hex:")) {
        value.type = REG_BINARY;
        text.remove_prefix(4);
    } else if (text.starts_with("hex(")) {
        const size_t close = text.find("):");
        if (close == std::string_view::npos) return std::nullopt;
        const std::optional<uint32_t> type = ParseHexNumber(text.substr(4, close - 4), 8);
        if (!type) return std::nullopt;
        value.type = *type;
        text.remove_prefix(close + 2);
    } else {
        return std::nullopt;
    }
    std::optional<std::vector<uint8_t>> bytes = ParseHexBytes(text);
    if (!bytes) return std::nullopt;
    value.data = std::move(*bytes);
    return value;
}

std::optional<RegValue> ParseValueLine(std::string_view line) {
    std::u16string name;
    if (line.starts_with('@')) {
        line.remove_prefix(1);
    } else {
        std::optional<std::u16string> quoted = ParseQuoted(line);
        if (!quoted || quoted->empty() || !IsValidValueName(*quoted)) return std::nullopt;
        name = std::move(*quoted);
    }
    if (!line.starts_with('=')) return std::nullopt;
    line.remove_prefix(1);
    std::optional<RegValue> value = ParseData(line);
    if (value) value->name = std::move(name);
    return value;
}

// The path below HKEY_CURRENT_USER of a "[...]" line.
std::optional<std::u16string> ParseKeyHeader(std::string_view line) {
    if (line.size() < 2 || line.front() != '[' || line.back() != ']') return std::nullopt;
    const std::optional<std::u16string> full = files::Utf8ToUtf16(line.substr(1, line.size() - 2));
    if (!full) return std::nullopt;
    const std::u16string_view view(*full);
    const std::u16string_view root = u"HKEY_CURRENT_USER";
    if (view.size() < root.size() || !files::EqualNoCase(view.substr(0, root.size()), root)) {
        return std::nullopt;
    }
    std::u16string_view path = view.substr(root.size());
    if (!path.empty()) {
        if (path[0] != u'\\') return std::nullopt;
        path.remove_prefix(1);
        if (path.empty()) return std::nullopt;
    }
    if (!IsValidKeyPath(path)) return std::nullopt;
    return std::u16string(path);
}

std::string Utf8(std::u16string_view text) { return files::Utf16ToUtf8(text).value_or(""); }

std::string Quoted(std::u16string_view text) {
    std::string out = "\"";
    for (char c : Utf8(text)) {
        if (c == '\\' || c == '"') out.push_back('\\');
        out.push_back(c);
    }
    out.push_back('"');
    return out;
}

// The characters of REG_SZ data that a quoted string can carry exactly.
std::optional<std::u16string> QuotableText(const RegValue& value) {
    if (value.type != REG_SZ || value.data.size() % 2 != 0) return std::nullopt;
    std::u16string text;
    for (size_t i = 0; i < value.data.size(); i += 2) {
        const char16_t c = char16_t(value.data[i] | (value.data[i + 1] << 8));
        if (c == 0 || IsControl(c)) return std::nullopt;
        text.push_back(c);
    }
    if (!files::Utf16ToUtf8(text)) return std::nullopt;
    return text;
}

std::string FormatData(const RegValue& value) {
    static const char kDigits[] = "0123456789abcdef";
    char buffer[32];
    if (value.type == REG_DWORD && value.data.size() == 4) {
        const uint32_t n = uint32_t(value.data[0]) | uint32_t(value.data[1]) << 8 |
                           uint32_t(value.data[2]) << 16 | uint32_t(value.data[3]) << 24;
        std::snprintf(buffer, sizeof buffer, "dword:%08x", n);
        return buffer;
    }
    if (const std::optional<std::u16string> text = QuotableText(value)) return Quoted(*text);
    std::snprintf(buffer, sizeof buffer, "hex(%x):", value.type);
    std::string out = buffer;
    for (size_t i = 0; i < value.data.size(); ++i) {
        if (i > 0) out.push_back(',');
        out.push_back(kDigits[value.data[i] >> 4]);
        out.push_back(kDigits[value.data[i] & 15]);
    }
    return out;
}

// Adds a parsed value to its key within the limits; false when refused.
bool StoreValue(RegKeyData& key, RegValue value, size_t& totalValues) {
    if (RegValue* existing = FindValue(key, value.name)) {
        // The name keeps the case it was first written in.
        existing->type = value.type;
        existing->data = std::move(value.data);
        return true;
    }
    if (key.values.size() >= kMaxValuesPerKey || totalValues >= kMaxValues) return false;
    key.values.push_back(std::move(value));
    ++totalValues;
    return true;
}

}  // namespace

std::u16string FoldKeyPath(std::u16string_view path) {
    std::u16string folded(path);
    for (char16_t& c : folded) c = files::FoldCase(c);
    return folded;
}

bool IsValidKeyPath(std::u16string_view path) {
    if (path.size() > kMaxKeyPathLength) return false;
    if (path.empty()) return true;
    size_t start = 0;
    while (true) {
        const size_t end = std::min(path.find(u'\\', start), path.size());
        const size_t length = end - start;
        if (length == 0 || length > kMaxNameLength) return false;
        for (size_t i = start; i < end; ++i) {
            if (IsControl(path[i])) return false;
        }
        if (end == path.size()) return true;
        start = end + 1;
    }
}

bool IsValidValueName(std::u16string_view name) {
    if (name.size() > kMaxNameLength) return false;
    for (char16_t c : name) {
        if (IsControl(c)) return false;
    }
    return bool(files::Utf16ToUtf8(name));
}

RegKeyData* EnsureKey(RegKeyMap& keys, std::u16string_view path) {
    // A new key's name is its parent's as already stored, then its own part
    // as written, so every key spells its parents the same way.
    RegKeyData* key = nullptr;
    size_t start = 0;
    for (size_t end = 0;; ++end) {
        end = std::min(path.find(u'\\', end), path.size());
        const std::u16string folded = FoldKeyPath(path.substr(0, end));
        auto found = keys.find(folded);
        if (found == keys.end()) {
            if (keys.size() >= kMaxKeys) return nullptr;
            std::u16string name = key && !key->path.empty() ? key->path + u'\\' : std::u16string();
            name += path.substr(start, end - start);
            found = keys.emplace(folded, RegKeyData{std::move(name), {}}).first;
        }
        key = &found->second;
        if (end == path.size()) return key;
        start = end + 1;
    }
}

RegValue* FindValue(RegKeyData& key, std::u16string_view name) {
    for (RegValue& value : key.values) {
        if (files::EqualNoCase(value.name, name)) return &value;
    }
    return nullptr;
}

ParsedRegistry ParseRegistryText(std::string_view text) {
    ParsedRegistry result;
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    RegKeyData* key = nullptr;
    bool sawHeader = false;
    size_t totalValues = 0;
    while (!text.empty()) {
        const size_t newline = text.find('\n');
        std::string_view line = text.substr(0, newline);
        text.remove_prefix(newline == std::string_view::npos ? text.size() : newline + 1);
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (line.empty() || line.starts_with(';')) continue;

        if (!sawHeader) {
            sawHeader = true;
            if (line == kHeader) continue;
            ++result.badLines;  // no header: read on, but keep the file aside
        }
        if (line.starts_with('[')) {
            const std::optional<std::u16string> path = ParseKeyHeader(line);
            key = path ? EnsureKey(result.keys, *path) : nullptr;
            if (!key) ++result.badLines;
            continue;
        }
        std::optional<RegValue> value = key ? ParseValueLine(line) : std::nullopt;
        if (!value || !StoreValue(*key, std::move(*value), totalValues)) ++result.badLines;
    }
    // The root always exists; it is kept only for its values.
    const auto root = result.keys.find(u"");
    if (root != result.keys.end() && root->second.values.empty()) result.keys.erase(root);
    return result;
}

std::string FormatRegistryText(const RegKeyMap& keys) {
    // A key with subkeys but no values needs no line of its own: its
    // children's headers make it again when read.
    std::set<std::u16string> parents;
    for (const auto& [folded, key] : keys) {
        const size_t slash = folded.rfind(u'\\');
        if (!folded.empty()) parents.insert(slash == std::u16string::npos ? u"" : folded.substr(0, slash));
    }
    std::string out(kHeader);
    out += "\n";
    for (const auto& [folded, key] : keys) {
        if (key.values.empty() && (folded.empty() || parents.count(folded))) continue;
        out += "\n[";
        out += kRootName;
        if (!key.path.empty()) out += "\\" + Utf8(key.path);
        out += "]\n";
        for (const RegValue& value : key.values) {
            out += value.name.empty() ? std::string("@") : Quoted(value.name);
            out += "=" + FormatData(value) + "\n";
        }
    }
    return out;
}

}  // namespace registry
