#include "transfer/transfer_info.h"

#include <gtest/gtest.h>

#include "transfer/image_builder.h"
#include "transfer/memory_image_decoder.h"

namespace zirdan {
namespace {

const TTransferInfoTexts kTexts{"units set", "units clear", "beeper set", "beeper clear", "EMPTY"};

struct BatteryCase {
  uint8_t level;
  uint8_t warning;
  const char* text;
};

class BatteryTest : public ::testing::TestWithParam<BatteryCase> {};

TEST_P(BatteryTest, ShowsPercentAndState) {
  const BatteryCase& c = GetParam();
  EXPECT_EQ(BatteryText(c.level, c.warning, "EMPTY"), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BatteryTest,
    ::testing::Values(BatteryCase{255, 0, "99 % [OK]"}, BatteryCase{128, 0, "50 % [OK]"},  // 49.69
                      BatteryCase{0, 0, "0 % [OK]"}, BatteryCase{1, 0, "0 % [OK]"},        // 0.39
                      BatteryCase{2, 0, "1 % [OK]"},                                       // 0.78
                      BatteryCase{100, 1, "39 % EMPTY"}, BatteryCase{100, 8, "39 % EMPTY"}));

struct SensitivityCase {
  uint8_t code;
  const char* text;  // nullptr: not listed
};

class SensitivityTest : public ::testing::TestWithParam<SensitivityCase> {};

TEST_P(SensitivityTest, LooksUpTheCode) {
  const SensitivityCase& c = GetParam();
  const std::optional<std::string> text = SensitivityText(c.code);
  if (c.text)
    EXPECT_EQ(text, std::string(c.text)) << int{c.code};
  else
    EXPECT_FALSE(text.has_value()) << int{c.code};
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SensitivityTest,
    ::testing::Values(SensitivityCase{1, "0"}, SensitivityCase{51, "0"}, SensitivityCase{53, "0"},
                      SensitivityCase{25, "-12"}, SensitivityCase{26, "-12"},
                      SensitivityCase{41, "-5"}, SensitivityCase{45, "-3"},
                      SensitivityCase{47, "-2"}, SensitivityCase{50, "-1"},
                      SensitivityCase{54, "1"}, SensitivityCase{63, "3"}, SensitivityCase{91, "10"},
                      SensitivityCase{97, "12"}, SensitivityCase{0, nullptr},
                      SensitivityCase{2, nullptr}, SensitivityCase{24, nullptr},
                      SensitivityCase{46, nullptr}, SensitivityCase{98, nullptr},
                      SensitivityCase{255, nullptr}));

TEST(SerialNumber, ShowsSixHexDigitsAndTheYear) {
  EXPECT_EQ(SerialNumberText(0x00, 0x12, 0x34), "001234 (1994)");
  EXPECT_EQ(SerialNumberText(0x0C, 0x80, 0x00), "0C8000 (1995)");  // (12 - 1) / 6 = 1
  EXPECT_EQ(SerialNumberText(0x00, 0x80, 0x00), "008000 (1994)");  // -1 / 6 = 0
  EXPECT_EQ(SerialNumberText(0xFF, 0xAB, 0xCD), "FFABCD (2036)");  // (255 - 1) / 6 = 42
}

TEST(MaxPO2, UsesTheLowFourBitsAndTheGivenSeparator) {
  EXPECT_EQ(MaxPO2Text(0x00, '.'), "1.20 bar");
  EXPECT_EQ(MaxPO2Text(0x1F, '.'), "1.95 bar");
  EXPECT_EQ(MaxPO2Text(0x04, ','), "1,40 bar");
}

TMemoryImage InfoImage() {
  TMemoryImage m{};
  m[image::kDeviceSettings] = 0x01;
  m[image::kMaxPO2] = 0x1F;
  m[image::kSensitivity] = 60;
  m[image::kIdentification] = 0x0C;
  m[image::kIdentification + 1] = 0x80;
  m[image::kBattery] = 255;
  m[image::kTotalDives + 2] = 0x2A;
  return m;
}

TEST(TransferInfo, FillsEveryRowOfANitroxAirIntegratedModel) {
  const TTransferInfo info = BuildTransferInfo(InfoImage(), ModelForCode(0xF4), kTexts, '.');
  EXPECT_EQ(info.Typ, "Zirdan Brava A Nitrox / Zirdan Brava B Nitrox");
  EXPECT_EQ(info.MaxPO2, "1.95 bar");
  EXPECT_TRUE(info.CitlivostShown);
  EXPECT_EQ(info.Citlivost, "3");
  EXPECT_EQ(info.SerioveCislo, "0C8000 (1995)");
  EXPECT_EQ(info.Baterie, "99 % [OK]");
  EXPECT_EQ(info.PocetPonoru, "42");
  EXPECT_EQ(info.Jednotky, "units set");
  EXPECT_EQ(info.Pipani, "beeper clear");
}

TEST(TransferInfo, HidesPO2AndSensitivityForAPlainModel) {
  TMemoryImage m = InfoImage();
  m[image::kDeviceSettings] = 0x02;
  const TTransferInfo info = BuildTransferInfo(m, ModelForCode(0x1E), kTexts, '.');
  EXPECT_FALSE(info.MaxPO2.has_value());
  EXPECT_FALSE(info.CitlivostShown);
  EXPECT_EQ(info.Jednotky, "units clear");
  EXPECT_EQ(info.Pipani, "beeper set");
}

TEST(TransferInfo, UnknownModelReadsUnknown) {
  EXPECT_EQ(BuildTransferInfo(InfoImage(), ModelForCode(0x77), kTexts, '.').Typ, "Unknown");
}

TEST(TransferInfo, AnUnlistedSensitivityLeavesTheTextToTheWindow) {
  TMemoryImage m = InfoImage();
  m[image::kSensitivity] = 46;
  const TTransferInfo info = BuildTransferInfo(m, ModelForCode(0x40), kTexts, '.');
  EXPECT_TRUE(info.CitlivostShown);
  EXPECT_FALSE(info.Citlivost.has_value());
}

TEST(TransferInfo, TheBatteryWarningIsNotPartOfTheDiveCount) {
  // The low four bits of byte 2037 warn of the battery: a device with 42 dives and a low
  // battery still reports 42 dives, not 65578.
  TMemoryImage m = InfoImage();
  m[image::kTotalDives] = 0x01;
  const TTransferInfo info = BuildTransferInfo(m, ModelForCode(0x1E), kTexts, '.');
  EXPECT_EQ(info.PocetPonoru, "42");
  EXPECT_EQ(info.Baterie, "99 % EMPTY");
  m[image::kTotalDives] = 0x10;  // the bits above it still count
  EXPECT_EQ(BuildTransferInfo(m, ModelForCode(0x1E), kTexts, '.').PocetPonoru, "1048618");
}

TEST(TransferInfo, ALowBatteryDoesNotAddDivesToTheDownload) {
  TImageContent content =
      test::ContentWith({test::DiveAt(2023, 6, 19, 10, 0), test::DiveAt(2023, 6, 20, 10, 0)});
  content.Device.BatteryWarning = 3;
  content.Device.Battery = 40;
  const TDecodedImage decoded = DecodeMemoryImage(test::Encode(content), test::kDownload);
  ASSERT_TRUE(decoded.Accepted()) << DecodeFaultKey(decoded.Fault);
  EXPECT_EQ(decoded.Dives.size(), 2u);
  EXPECT_EQ(BuildTransferInfo(decoded.Mirrored, *decoded.Model, kTexts, '.').Baterie, "16 % EMPTY");
}

}  // namespace
}  // namespace zirdan
