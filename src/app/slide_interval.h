#pragma once
// The slide-show interval typed into the options sheet's time field.
#include <cstdint>
#include <string_view>

namespace ezo {

// The longest interval the field sets: an hour. Longer would keep a slide
// show standing still for days and is stored for every later run.
constexpr int32_t kMaxSlideSeconds = 3600;
// The characters of the field that are read.
constexpr size_t kSlideTextRead = 255;

// The seconds the field's text asks for: the decimal digits at its start
// (after blanks) within its first 255 characters, at most kMaxSlideSeconds.
// 0 when there are none or they make 0: the interval then stays as it was.
int32_t TypedSlideSeconds(std::u16string_view text);

}  // namespace ezo
