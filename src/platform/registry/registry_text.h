#pragma once
// The registry's file: a readable text in the shape of a ".reg" export.
//
//   Windows Registry Editor Version 5.00
//
//   [HKEY_CURRENT_USER\Software\Morvex\Ezo]
//   "Slide"=dword:00000003
//   "OpenFile"="\\My Documents\\"
//   "Odd"=hex(1):41,00,42
//
// A quoted string is REG_SZ data of exactly its characters in UTF-16, with
// no terminating zero; dword: is REG_DWORD of exactly 4 bytes; every other
// value is written as hex(type): with its bytes, so values round-trip byte
// for byte. "@" names the unnamed value; "hex:" is read as REG_BINARY.
//
// Reading is forgiving line by line: a line that is not well formed is
// skipped and counted, every sound line before and after it is kept. Value
// lines below a bad or missing key header are skipped with it, as their key
// is unknown. Limits on keys, values and value sizes keep hostile files from
// exhausting memory; whatever passes them is skipped and counted too.
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace registry {

constexpr uint32_t REG_NONE = 0;
constexpr uint32_t REG_SZ = 1;
constexpr uint32_t REG_EXPAND_SZ = 2;
constexpr uint32_t REG_BINARY = 3;
constexpr uint32_t REG_DWORD = 4;

constexpr size_t kMaxKeys = 4096;
constexpr size_t kMaxValuesPerKey = 1024;
constexpr size_t kMaxValues = 65536;
constexpr size_t kMaxValueBytes = 64 * 1024;
constexpr size_t kMaxNameLength = 255;       // one key component or a value name
constexpr size_t kMaxKeyPathLength = 1024;

struct RegValue {
    std::u16string name;
    uint32_t type = REG_NONE;
    std::vector<uint8_t> data;
    friend bool operator==(const RegValue&, const RegValue&) = default;
};

struct RegKeyData {
    std::u16string path;  // below HKEY_CURRENT_USER, as first written; "" is the root
    std::vector<RegValue> values;
    friend bool operator==(const RegKeyData&, const RegKeyData&) = default;
};

// Keys by their case-folded path.
using RegKeyMap = std::map<std::u16string, RegKeyData>;

struct ParsedRegistry {
    RegKeyMap keys;
    size_t badLines = 0;
    bool damaged() const { return badLines > 0; }
};

std::u16string FoldKeyPath(std::u16string_view path);
// Components of at most kMaxNameLength units, none empty or holding control
// characters; "" (the root) is valid.
bool IsValidKeyPath(std::u16string_view path);
bool IsValidValueName(std::u16string_view name);

// The key at path, made (with its parents) when missing; null when that
// would pass kMaxKeys.
RegKeyData* EnsureKey(RegKeyMap& keys, std::u16string_view path);
RegValue* FindValue(RegKeyData& key, std::u16string_view name);

ParsedRegistry ParseRegistryText(std::string_view text);
std::string FormatRegistryText(const RegKeyMap& keys);

}  // namespace registry
