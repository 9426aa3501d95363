#pragma once
// Strict conversion between the host's UTF-8 names and the device's UTF-16
// names. Anything that is not well-formed on either side is refused rather
// than repaired, so a name never changes on its way through.
#include <optional>
#include <string>
#include <string_view>

namespace files {

// Null for invalid UTF-8: bad lead or continuation bytes, overlong forms,
// encoded surrogates, values above U+10FFFF.
std::optional<std::u16string> Utf8ToUtf16(std::string_view text);

// Null for unpaired surrogates.
std::optional<std::string> Utf16ToUtf8(std::u16string_view text);

}  // namespace files
