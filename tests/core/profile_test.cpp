#include "core/profile.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "support/dive_builders.h"

namespace zirdan {
namespace {

using test::DiveWithProfile;
using test::SetProfile;
using test::ViewOf;

// ---- format choice ----------------------------------------------------------------------

struct FormatRow {
  uint16_t typPonoru;
  uint16_t defaultFormat;
  uint16_t format;
};

class ProfileFormatTable : public ::testing::TestWithParam<FormatRow> {};

TEST_P(ProfileFormatTable, TypeBitsOverrideTheDefault) {
  EXPECT_EQ(ProfileFormat(GetParam().typPonoru, GetParam().defaultFormat), GetParam().format);
}

INSTANTIATE_TEST_SUITE_P(Rows, ProfileFormatTable,
                         ::testing::Values(FormatRow{0, 22, 22}, FormatRow{0, 24, 24},
                                           FormatRow{0, 25, 25}, FormatRow{1u << 8, 22, 24},
                                           FormatRow{1u << 8, 25, 24}, FormatRow{1u << 9, 22, 25},
                                           FormatRow{1u << 8 | 1u << 9, 24, 25},
                                           FormatRow{0xFCFF, 22, 22}));

// ---- one sample -------------------------------------------------------------------------

struct SampleRow {
  uint8_t first;
  uint8_t second;
  int32_t depthCm;
  SampleMarks marks;
};

class DecodeSampleTable : public ::testing::TestWithParam<SampleRow> {};

TEST_P(DecodeSampleTable, DepthAndMarks) {
  const ProfileSample sample = DecodeSample(GetParam().first, GetParam().second);
  EXPECT_EQ(sample.Hloubka, GetParam().depthCm);
  EXPECT_EQ(sample.Znaky, GetParam().marks);
}

constexpr bool T = true;
constexpr bool F = false;

INSTANTIATE_TEST_SUITE_P(
    Bytes, DecodeSampleTable,
    ::testing::Values(
        // Raw 258 is 4031.25 cm; raw 1 is 15.625 cm.
        SampleRow{0x40, 0x80, 4031, {F, F, F, F, F, F}},
        SampleRow{0x00, 0x7F, 16, {T, T, T, T, T, T}}, SampleRow{0x00, 0x00, 0, {F, F, F, F, F, F}},
        SampleRow{0xFF, 0xC0, 15984, {F, F, F, F, F, F}},
        // Halves go to the even centimetre: raw 4 is 62.5 cm, raw 12 is 187.5 cm.
        SampleRow{0x01, 0x00, 62, {F, F, F, F, F, F}},
        SampleRow{0x03, 0x00, 188, {F, F, F, F, F, F}},
        // Each mark alone: flags 0..4 are bits 4..0, flag 5 is bit 5.
        SampleRow{0x00, 0x10, 0, {T, F, F, F, F, F}}, SampleRow{0x00, 0x08, 0, {F, T, F, F, F, F}},
        SampleRow{0x00, 0x04, 0, {F, F, T, F, F, F}}, SampleRow{0x00, 0x02, 0, {F, F, F, T, F, F}},
        SampleRow{0x00, 0x01, 0, {F, F, F, F, T, F}},
        SampleRow{0x00, 0x20, 0, {F, F, F, F, F, T}}));

// ---- whole profiles ---------------------------------------------------------------------

const std::vector<int32_t> kSevenDepths = {125, 1000, 2500, 3000, 2000, 500, 0};

class EveryFormat : public ::testing::TestWithParam<uint16_t> {};

TEST_P(EveryFormat, SamplesComeBackInOrderPastTheFillerBytes) {
  const ponorTxt view = ViewOf(DiveWithProfile(GetParam(), kSevenDepths));
  EXPECT_EQ(view.FormatGrafu, GetParam());
  ASSERT_EQ(view.PocetVzorku, kSevenDepths.size());
  for (std::size_t i = 0; i < kSevenDepths.size(); ++i) EXPECT_EQ(view.Hloubky[i], kSevenDepths[i]);
  EXPECT_EQ(view.Hloubky[7], 0);
  EXPECT_EQ(view.DelkaGrafu, "00:02");
}

TEST_P(EveryFormat, MarksBelongToTheirSample) {
  ponor dive = DiveWithProfile(GetParam(), {});
  SetProfile(dive, GetParam(),
             {{1000, {}}, {1000, {}}, {1000, {}}, {1000, {F, F, F, F, F, T}}, {1000, {T}}});
  const ponorTxt view = ViewOf(dive);
  ASSERT_EQ(view.PocetVzorku, 5);
  EXPECT_EQ(view.ZnakyVzorku[2], SampleMarks{});
  EXPECT_EQ(view.ZnakyVzorku[3], (SampleMarks{F, F, F, F, F, T}));
  EXPECT_EQ(view.ZnakyVzorku[4], (SampleMarks{T, F, F, F, F, F}));
}

TEST_P(EveryFormat, HeaderOnlyGivesNoSamples) {
  ponor dive = DiveWithProfile(GetParam(), {});
  dive.GrafPocet = GetParam();
  const ponorTxt view = ViewOf(dive);
  EXPECT_EQ(view.PocetVzorku, 0);
  EXPECT_EQ(view.DelkaGrafu, "00:00");
}

TEST_P(EveryFormat, SamplesBeyondCapacityAreLeftOut) {
  // A full 2002-byte profile holds more than 665 samples in every format.
  std::vector<int32_t> depths(900);
  for (std::size_t i = 0; i < depths.size(); ++i) depths[i] = static_cast<int32_t>(i % 100) * 125;
  const ponor dive = DiveWithProfile(GetParam(), depths);
  ASSERT_GE(dive.GrafPocet, kGrafSize - 1);  // format 25 has no room for a last sample
  const ponorTxt view = ViewOf(dive);
  EXPECT_EQ(view.PocetVzorku, kMaxSamples);
  EXPECT_EQ(view.Hloubky[kMaxSamples - 1], depths[kMaxSamples - 1]);
  EXPECT_EQ(view.DelkaGrafu, "03:42");  // 665 samples of 20 s, to the nearest minute
}

INSTANTIATE_TEST_SUITE_P(Formats, EveryFormat, ::testing::Values(22, 24, 25));

TEST(Profile, OneMinuteOfBasicFormatIsThreeSamples) {
  const ponor dive = DiveWithProfile(22, {1000, 2000, 3000});
  EXPECT_EQ(dive.GrafPocet, 22 + 7);
  const ponorTxt view = ViewOf(dive);
  EXPECT_EQ(view.PocetVzorku, 3);
  EXPECT_EQ(view.DelkaGrafu, "00:01");
}

TEST(Profile, DurationIsRoundedToWholeMinutes) {
  EXPECT_EQ(ViewOf(DiveWithProfile(22, {100})).DelkaGrafu, "00:00");
  EXPECT_EQ(ViewOf(DiveWithProfile(22, {100, 100})).DelkaGrafu, "00:01");
  EXPECT_EQ(ViewOf(DiveWithProfile(22, {100, 100, 100, 100})).DelkaGrafu, "00:01");
  EXPECT_EQ(ViewOf(DiveWithProfile(22, {100, 100, 100, 100, 100})).DelkaGrafu, "00:02");
}

TEST(Profile, LastSampleCutShortIsNotDecoded) {
  ponor dive = DiveWithProfile(22, {1000, 1000, 1000, 2000});
  ASSERT_EQ(dive.GrafPocet, 22 + 7 + 2);
  dive.GrafPocet -= 1;  // the fourth sample's second byte is outside the profile
  const ponorTxt view = ViewOf(dive);
  EXPECT_EQ(view.PocetVzorku, 3);
  EXPECT_EQ(view.Hloubky[3], 0);
}

TEST(Profile, LengthBeyondTheRecordReadsOnlyItsBytes) {
  // On the heap so that the sanitizer sees any read past the record.
  auto dive = std::make_unique<ponor>(DiveWithProfile(22, std::vector<int32_t>(900, 1000)));
  dive->GrafPocet = 65535;
  const ponorTxt view = ViewOf(*dive);
  EXPECT_EQ(view.PocetVzorku, kMaxSamples);
  EXPECT_EQ(view.GrafPocet, 65535);
}

// ---- gas values -------------------------------------------------------------------------

struct GasRow {
  uint16_t format;
  uint8_t byte23;
  uint8_t byte24;
  const char* maxPO2;
  const char* ean;
};

class GasTable : public ::testing::TestWithParam<GasRow> {};

TEST_P(GasTable, HeaderBytesGiveMaxPO2AndEAN) {
  ponor dive = DiveWithProfile(GetParam().format, {1000});
  dive.Graf[23] = GetParam().byte23;
  dive.Graf[24] = GetParam().byte24;
  const ponorTxt view = ViewOf(dive);
  EXPECT_EQ(view.MaxPO2, GetParam().maxPO2);
  EXPECT_EQ(view.EAN, GetParam().ean);
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, GasTable,
    ::testing::Values(
        GasRow{22, 0x40, 0x05, "", ""},
        // Nitrox: high four bits max. pO2, low four bits EAN; 20 % reads 21.
        GasRow{24, 0x40, 0x00, "1.40 bar", "21"}, GasRow{24, 0x00, 0x00, "1.20 bar", "21"},
        GasRow{24, 0x42, 0x00, "1.40 bar", "24"}, GasRow{24, 0xF5, 0xFF, "1.95 bar", "30"},
        // Oxygen: byte 23 is EAN, the low four bits of byte 24 max. pO2.
        GasRow{25, 32, 0x03, "1.35 bar", "32"}, GasRow{25, 100, 0xF3, "1.35 bar", "100"},
        GasRow{25, 0, 0x0F, "1.95 bar", "0"}));

TEST(Gas, MaxPO2UsesTheRegionalSeparator) {
  ponor dive = DiveWithProfile(24, {1000});
  dive.Graf[23] = 0x40;
  ponorTxt view;
  RecordToView(dive, view, test::TestContext(22, ','));
  EXPECT_EQ(view.MaxPO2, "1,40 bar");
  EXPECT_EQ(view.Hloubka, "0.00");  // the dive's own texts keep the point
}

// ---- measures ---------------------------------------------------------------------------

// A dive with a profile and the fields the measures read.
ponor MeasuredDive(const std::vector<int32_t>& depthsCm) {
  ponor dive = DiveWithProfile(22, depthsCm);
  if (depthsCm.empty()) dive.GrafPocet = 0;  // no profile at all
  dive.Lahev = 1200;                         // 12 l
  dive.SpotrebaVzduchu = 2000;               // 20 bar
  dive.Hloubka = 2000;                       // 20 m
  dive.DelkaPonoru = 40;
  return dive;
}

Measure Rate(const ponor& dive) {
  return ConsumptionRate(dive, ViewOf(dive));
}
Measure Full(const ponor& dive) {
  return Fullness(dive, ViewOf(dive));
}
Measure Average(const ponor& dive) {
  return AverageDepth(dive, ViewOf(dive));
}

TEST(ConsumptionRate, FromProfile) {
  // Two minutes at 10 m (2 bar) are 4 bar-minutes; 12 l × 20 bar = 240 l.
  const Measure m = Rate(MeasuredDive(std::vector<int32_t>(7, 1000)));
  EXPECT_DOUBLE_EQ(m.value, 60.0);
  EXPECT_TRUE(m.fromProfile);
}

TEST(ConsumptionRate, FromDepthAndTimeWithoutProfile) {
  // 40 min × (2000 + 1000) / 2 / 1000 = 60 bar-minutes.
  const Measure m = Rate(MeasuredDive({}));
  EXPECT_DOUBLE_EQ(m.value, 4.0);
  EXPECT_FALSE(m.fromProfile);
}

TEST(ConsumptionRate, MissingValuesGiveZero) {
  ponor noTime = MeasuredDive({});
  noTime.DelkaPonoru = kEmptyValue;
  ponor noDepth = MeasuredDive({});
  noDepth.Hloubka = kEmptyValue;
  ponor noCylinder = MeasuredDive(std::vector<int32_t>(7, 1000));
  noCylinder.Lahev = kEmptyValue;
  for (const ponor& dive : {noTime, noDepth, noCylinder}) {
    const Measure m = Rate(dive);
    EXPECT_EQ(m.value, 0);
    EXPECT_FALSE(m.fromProfile);
  }
}

TEST(ConsumptionRate, ZeroDivisorGivesZero) {
  ponor noTime = MeasuredDive({});
  noTime.DelkaPonoru = 0;
  const ponor oneSample = MeasuredDive({1000});
  for (const ponor& dive : {noTime, oneSample}) {
    const Measure m = Rate(dive);
    EXPECT_EQ(m.value, 0);
    EXPECT_FALSE(m.fromProfile);
  }
}

TEST(Fullness, FromProfileIsCutToHundredths) {
  // Area 35000 of the rectangle 60000: 58.333… % is shown as 58.33.
  const Measure m = Full(MeasuredDive({1000, 1000, 500}));
  EXPECT_DOUBLE_EQ(m.value, 58.33);
  EXPECT_TRUE(m.fromProfile);
}

TEST(Fullness, ExactFractionIsNotCutBelowItself) {
  const Measure m = Full(MeasuredDive({0, 1000, 1000, 0}));
  EXPECT_DOUBLE_EQ(m.value, 50.0);
  EXPECT_TRUE(m.fromProfile);
}

TEST(Fullness, WithoutProfileIsFifty) {
  const Measure m = Full(MeasuredDive({}));
  EXPECT_DOUBLE_EQ(m.value, 50.0);
  EXPECT_FALSE(m.fromProfile);
}

TEST(Fullness, MissingDepthOrTimeGivesZero) {
  ponor noDepth = MeasuredDive({1000, 1000});
  noDepth.Hloubka = kEmptyValue;
  ponor noTime = MeasuredDive({});
  noTime.DelkaPonoru = kEmptyValue;
  for (const ponor& dive : {noDepth, noTime}) {
    const Measure m = Full(dive);
    EXPECT_EQ(m.value, 0);
    EXPECT_FALSE(m.fromProfile);
  }
}

TEST(Fullness, ProfileAtTheSurfaceGivesZero) {
  const Measure m = Full(MeasuredDive({0, 0, 0}));
  EXPECT_EQ(m.value, 0);
  EXPECT_FALSE(m.fromProfile);
}

TEST(AverageDepth, FromProfileCountsEverySampleAsAnInterval) {
  // Area 35000 over 3 × 20: 583.33 cm, cut to 5.83 m.
  const Measure m = Average(MeasuredDive({1000, 1000, 500}));
  EXPECT_DOUBLE_EQ(m.value, 5.83);
  EXPECT_TRUE(m.fromProfile);
}

TEST(AverageDepth, WithoutProfileIsHalfTheMaximum) {
  ponor dive = MeasuredDive({});
  dive.Hloubka = 3125;
  const Measure m = Average(dive);
  EXPECT_DOUBLE_EQ(m.value, 15.625);
  EXPECT_FALSE(m.fromProfile);
}

TEST(AverageDepth, MissingDepthOrTimeGivesZero) {
  ponor dive = MeasuredDive({1000, 1000});
  dive.DelkaPonoru = kEmptyValue;
  const Measure m = Average(dive);
  EXPECT_EQ(m.value, 0);
  EXPECT_FALSE(m.fromProfile);
}

TEST_P(EveryFormat, SumsFromTheRecordMatchTheDecodedView) {
  // Every profile length, cut samples and lengths past the record's array among them, over
  // bytes that reach every depth.
  ponor dive;
  for (std::size_t i = 0; i < kGrafSize; ++i) dive.Graf[i] = static_cast<uint8_t>(i * 37 + i / 7);
  for (std::size_t length = 0; length <= kGrafSize + 3; ++length) {
    dive.GrafPocet = static_cast<uint16_t>(length);
    const ProfileSums fromRecord = SumProfile(dive, GetParam());
    const ProfileSums fromView = SumProfile(ViewOf(dive, GetParam()));
    ASSERT_EQ(fromRecord.count, fromView.count) << length;
    ASSERT_EQ(fromRecord.neighbourSum, fromView.neighbourSum) << length;
    ASSERT_EQ(fromRecord.deepest, fromView.deepest) << length;
  }
}

TEST(Measures, SampleCountBeyondTheViewIsNotTrusted) {
  const ponor dive = MeasuredDive({1000, 1000});
  ponorTxt view = ViewOf(dive);
  view.PocetVzorku = 65535;
  EXPECT_GE(Fullness(dive, view).value, 0);
  EXPECT_GE(AverageDepth(dive, view).value, 0);
  EXPECT_GT(ConsumptionRate(dive, view).value, 0);
}

}  // namespace
}  // namespace zirdan
