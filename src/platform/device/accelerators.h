#pragma once
// Accelerator tables: key chords that become commands (WM_COMMAND with 1 in
// the high word of wParam) to the active top-level window.
#include <cstdint>
#include <optional>
#include <vector>

namespace device {

constexpr uint8_t FVIRTKEY = 0x01;
constexpr uint8_t FSHIFT = 0x04;
constexpr uint8_t FCONTROL = 0x08;
constexpr uint8_t FALT = 0x10;

struct ACCEL {
    uint8_t fVirt = FVIRTKEY;
    uint16_t key = 0;  // a virtual key
    uint16_t cmd = 0;
};

using AcceleratorTable = std::vector<ACCEL>;
using HACCEL = const AcceleratorTable*;

// The program's table (resource 3): Ctrl+Q is command 1, Ctrl+A 40003.
constexpr int kProgramAccelerators = 3;

// Puts a table under a resource id (replacing one there).
void DefineAccelerators(int resourceId, AcceleratorTable table);
// Null for an id without a table.
HACCEL LoadAccelerators(int resourceId);

// The command of virtual key vk pressed with the modifiers (FSHIFT,
// FCONTROL, FALT), if the table has it.
std::optional<uint16_t> FindAccelerator(HACCEL table, uint32_t vk, uint8_t modifiers);

}  // namespace device
