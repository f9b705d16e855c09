#include "transfer/computer_models.h"

namespace zirdan {

const std::array<TComputerModel, kComputerModelRows> ComputerModels = {{
    {0x00, "Unknown", false, false, false},
    {0x40, "Korvel Vega", false, false, true},
    {0x34, "Zirdan Brava A / Zirdan Brava B", false, false, true},
    {0x44, "Zirdan Brava A / Zirdan Brava B", false, false, true},
    {0xA4, "Zirdan Brava A O2 / Zirdan Brava B 02", true, true, true},
    {0xF4, "Zirdan Brava A Nitrox / Zirdan Brava B Nitrox", true, false, true},
    {0x48, "Delmo Vista 3 Air", false, false, true},
    {0x1C, "Zirdan Brava / Zirdan Brava Duo", false, false, true},
    {0x1D, "Delmo Vista 2 Plus", false, false, false},
    {0x3D, "Delmo Vista 2 Plus", false, false, false},
    {0x1E, "Zirdan Lido / Zirdan Lido Plus", false, false, false},
    {0x3E, "Zirdan Lido / Zirdan Lido Plus", false, false, false},
    {0x1F, "Zirdan Meta", false, false, false},
    {0x3F, "Zirdan Meta", false, false, false},
    {0xFF, "Zirdan Meta Nitrox / Zirdan Meta Summa", true, false, false},
    {0x1B, "ORVA (Zirdan Meta)", false, false, false},
    {0x00, "", false, false, false},
}};

const TComputerModel& ModelForCode(uint8_t code) {
  // Rows are searched in order and a later match wins; the codes are unique among rows
  // 1..16, so code 0x00 finds row 16.
  const TComputerModel* found = &ComputerModels[0];
  for (std::size_t row = 1; row < ComputerModels.size(); ++row)
    if (ComputerModels[row].Code == code) found = &ComputerModels[row];
  return *found;
}

const TComputerModel& SelectModel(const TMemoryImage& received) {
  return ModelForCode(MirrorBits(received[image::kModelCode]));
}

}  // namespace zirdan
