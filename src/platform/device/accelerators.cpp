#include "platform/device/accelerators.h"

#include <map>

namespace device {
namespace {

std::map<int, AcceleratorTable>& Tables() {
    static std::map<int, AcceleratorTable> tables{
        {kProgramAccelerators,
         {{FVIRTKEY | FCONTROL, 'A', 40003}, {FVIRTKEY | FCONTROL, 'Q', 1}}},
    };
    return tables;
}

}  // namespace

void DefineAccelerators(int resourceId, AcceleratorTable table) { Tables()[resourceId] = std::move(table); }

HACCEL LoadAccelerators(int resourceId) {
    auto it = Tables().find(resourceId);
    return it == Tables().end() ? nullptr : &it->second;
}

std::optional<uint16_t> FindAccelerator(HACCEL table, uint32_t vk, uint8_t modifiers) {
    if (!table) return std::nullopt;
    constexpr uint8_t kModifierBits = FSHIFT | FCONTROL | FALT;
    for (const ACCEL& a : *table)
        if (a.key == vk && (a.fVirt & kModifierBits) == (modifiers & kModifierBits)) return a.cmd;
    return std::nullopt;
}

}  // namespace device
