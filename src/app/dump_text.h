#pragma once
// Texts in the headless dump: one line each, whatever they hold.
#include <string>
#include <string_view>

namespace ezo {

// UTF-8 of text with every control character (below U+0020, and U+007F)
// and "%" written as "%" and two upper-case hex digits, so a line break in a
// name cannot start a new dump line. Unpaired surrogates become U+FFFD.
std::string DumpText(std::u16string_view text);

}  // namespace ezo
