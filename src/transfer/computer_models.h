#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "transfer/memory_image.h"

namespace zirdan {

// One dive computer model, recognised by the code byte of its memory image.
struct TComputerModel {
  uint8_t Code = 0;            // model code at image offset 1984 (after mirroring)
  std::string_view Name;       // display name, at most 50 characters, ASCII
  bool Nitrox = false;         // dives get dive-type bit 8, pO2 setting shown
  bool Oxy = false;            // dives get dive-type bit 9
  bool AirIntegrated = false;  // sensitivity setting shown
};

// The model table. Row 0 is the default for an unknown code and is never matched.
inline constexpr std::size_t kComputerModelRows = 17;
extern const std::array<TComputerModel, kComputerModelRows> ComputerModels;

// The model code whose pressure-used byte counts in its own unit (136.09192 hundredths
// of a bar) instead of whole bar.
inline constexpr uint8_t kModelCodeBrava = 0x1C;

// The row for a model code; row 0 ("Unknown") when no row 1..16 holds it.
const TComputerModel& ModelForCode(uint8_t code);
// The row for a frame as received (byte 1984 not yet mirrored).
const TComputerModel& SelectModel(const TMemoryImage& received);

}  // namespace zirdan
