#pragma once
// Comparing device names without regard to case, as the handheld does: each
// UTF-16 unit is folded to lower case on its own and the units are compared
// as numbers. Folding covers ASCII and Latin-1 (A-Z, U+00C0-U+00DE except the
// multiplication sign U+00D7); other units compare as they are, so two names
// that differ only in, say, Greek letter case are different names here.
#include <string_view>

namespace files {

constexpr char16_t FoldCase(char16_t c) {
    if (c >= u'A' && c <= u'Z') return char16_t(c + 32);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return char16_t(c + 32);
    return c;
}

// Negative, 0 or positive, like the runtime library's case-blind compare.
int CompareNoCase(std::u16string_view a, std::u16string_view b);

inline bool EqualNoCase(std::u16string_view a, std::u16string_view b) {
    return a.size() == b.size() && CompareNoCase(a, b) == 0;
}

bool EndsWithNoCase(std::u16string_view text, std::u16string_view suffix);

}  // namespace files
