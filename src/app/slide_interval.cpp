#include "app/slide_interval.h"

#include <algorithm>

namespace ezo {

int32_t TypedSlideSeconds(std::u16string_view text) {
    text = text.substr(0, std::min(text.size(), kSlideTextRead));
    size_t i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t')) ++i;
    int64_t seconds = 0;
    // Past the limit the digits no longer matter: the number only grows.
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i)
        seconds = std::min<int64_t>(seconds * 10 + (text[i] - u'0'), kMaxSlideSeconds + 1);
    return int32_t(std::min<int64_t>(seconds, kMaxSlideSeconds));
}

}  // namespace ezo
