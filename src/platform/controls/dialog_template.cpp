#include "platform/controls/dialog_template.h"

#include <map>

namespace controls {
namespace {

std::map<int, DialogTemplate>& Templates() {
    static std::map<int, DialogTemplate> table;
    return table;
}

// Rounds a * b / c to the nearest integer, halves away from zero, as MulDiv does.
int32_t MulDiv(int32_t a, int32_t b, int32_t c) {
    const int64_t product = int64_t(a) * b;
    const int64_t half = c / 2;
    return int32_t(product >= 0 ? (product + half) / c : (product - half) / c);
}

}  // namespace

void RegisterDialogTemplate(int id, DialogTemplate dialogTemplate) {
    Templates()[id] = std::move(dialogTemplate);
}

const DialogTemplate* FindDialogTemplate(int id) {
    auto it = Templates().find(id);
    return it == Templates().end() ? nullptr : &it->second;
}

BaseUnits DialogBaseUnits(int pointSize) {
    if (pointSize <= 0 || pointSize == 8) return {6, 12};
    if (pointSize == 10) return {7, 13};
    const int32_t size = pointSize > 72 ? 72 : pointSize;
    return {MulDiv(7, size, 10), MulDiv(13, size, 10)};
}

gdi::RECT DialogUnitsToPixels(const gdi::RECT& units, BaseUnits base) {
    return {MulDiv(units.left, base.x, 4), MulDiv(units.top, base.y, 8), MulDiv(units.right, base.x, 4),
            MulDiv(units.bottom, base.y, 8)};
}

int32_t DialogFontPixels(int pointSize) {
    // A line of text fits an 8-unit-high static with a pixel to spare.
    return DialogBaseUnits(pointSize).y - 2;
}

}  // namespace controls
