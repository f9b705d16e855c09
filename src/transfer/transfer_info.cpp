#include "transfer/transfer_info.h"

#include <array>
#include <cstdio>

namespace zirdan {
namespace {

// Sensitivity texts by code; codes not listed have no text.
struct SensitivityRange {
  uint8_t First;
  uint8_t Last;
  const char* Text;
};
constexpr std::array<SensitivityRange, 26> kSensitivity = {{
    {1, 1, "0"},    {25, 26, "-12"}, {27, 28, "-11"}, {29, 30, "-10"}, {31, 32, "-9"},
    {33, 34, "-8"}, {35, 36, "-7"},  {37, 38, "-6"},  {39, 41, "-5"},  {42, 43, "-4"},
    {44, 45, "-3"}, {47, 48, "-2"},  {49, 50, "-1"},  {51, 53, "0"},   {54, 56, "1"},
    {57, 59, "2"},  {60, 63, "3"},   {64, 67, "4"},   {68, 71, "5"},   {72, 75, "6"},
    {76, 79, "7"},  {80, 83, "8"},   {84, 87, "9"},   {88, 91, "10"},  {92, 95, "11"},
    {96, 97, "12"},
}};

}  // namespace

std::string BatteryText(uint8_t level, uint8_t warning, const std::string& batteryLow) {
  // level * 99 / 255 rounded; 255 is odd, so there is never an exact half.
  const int percent = (level * 99 * 2 + 255) / (2 * 255);
  std::string text = std::to_string(percent) + " %";
  if ((warning & 0x0F) != 0)
    text += " " + batteryLow;
  else
    text += " [OK]";
  return text;
}

std::string MaxPO2Text(uint8_t setting, char decimalSeparator) {
  const int hundredths = 120 + 5 * (setting & 0x0F);
  char text[16];
  std::snprintf(text, sizeof text, "%d%c%02d bar", hundredths / 100, decimalSeparator,
                hundredths % 100);
  return text;
}

std::optional<std::string> SensitivityText(uint8_t code) {
  for (const SensitivityRange& range : kSensitivity)
    if (code >= range.First && code <= range.Last) return std::string(range.Text);
  return std::nullopt;
}

std::string SerialNumberText(uint8_t b2033, uint8_t b2034, uint8_t b2035) {
  const unsigned number = unsigned{b2033} << 16 | unsigned{b2034} << 8 | b2035;
  // The year is coded in the top byte; the division truncates toward zero.
  const int year = (b2033 - (b2034 >> 7)) / 6 + 1994;
  char text[32];
  std::snprintf(text, sizeof text, "%06X (%d)", number, year);
  return text;
}

TTransferInfo BuildTransferInfo(const TMemoryImage& m, const TComputerModel& model,
                                const TTransferInfoTexts& texts, char decimalSeparator) {
  TTransferInfo info;
  info.Typ = std::string(model.Name);
  if (model.Nitrox) info.MaxPO2 = MaxPO2Text(m[image::kMaxPO2], decimalSeparator);
  info.CitlivostShown = model.AirIntegrated;
  if (model.AirIntegrated) info.Citlivost = SensitivityText(m[image::kSensitivity]);
  info.SerioveCislo = SerialNumberText(m[image::kIdentification], m[image::kIdentification + 1],
                                       m[image::kIdentification + 2]);
  info.Baterie = BatteryText(m[image::kBattery], BatteryWarning(m), texts.BatteryLow);
  info.PocetPonoru = std::to_string(TotalDiveCount(m));
  const uint8_t settings = m[image::kDeviceSettings];
  info.Jednotky = (settings & 0x01) ? texts.UnitsBitSet : texts.UnitsBitClear;
  info.Pipani = (settings & 0x02) ? texts.BeeperBitSet : texts.BeeperBitClear;
  return info;
}

}  // namespace zirdan
