#include "transfer/memory_image_decoder.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "transfer/image_builder.h"

namespace zirdan {
namespace {

using test::ContentWith;
using test::DiveAt;
using test::EditMirrored;
using test::Encode;
using test::kDownload;

std::vector<uint8_t> ProfileOf(const ponor& dive) {
  return {dive.Graf.begin(), dive.Graf.begin() + dive.GrafPocet};
}

// ---- Rejected frames -------------------------------------------------------------------

TEST(DecodeRejects, AFrameWithoutTheSyncBytes) {
  TMemoryImage frame = Encode(ContentWith({DiveAt(2023, 6, 20, 10, 0)}));
  frame[2] = 0x54;
  const TDecodedImage decoded = DecodeMemoryImage(frame, kDownload);
  EXPECT_EQ(decoded.Fault, DecodeFault::SyncBytes);
  EXPECT_TRUE(decoded.Dives.empty());
}

TEST(DecodeRejects, AFrameThatWasAlreadyMirrored) {
  // The sync bytes read 0x55 only as they arrive; a mirrored copy fails the test.
  const TMemoryImage frame = Encode(ContentWith({DiveAt(2023, 6, 20, 10, 0)}));
  EXPECT_EQ(DecodeMemoryImage(MirrorImage(frame), kDownload).Fault, DecodeFault::SyncBytes);
}

TEST(DecodeRejects, AFrameWithOneByteChanged) {
  TMemoryImage frame = Encode(ContentWith({DiveAt(2023, 6, 20, 10, 0)}));
  frame[image::kLog + 2] ^= 0x10;
  const TDecodedImage decoded = DecodeMemoryImage(frame, kDownload);
  EXPECT_EQ(decoded.Fault, DecodeFault::Checksum);
  EXPECT_TRUE(decoded.Dives.empty());
}

TEST(DecodeRejects, AFrameWithTheChecksumBytesSwapped) {
  TMemoryImage frame = Encode(ContentWith({DiveAt(2023, 6, 20, 10, 0)}));
  std::swap(frame[image::kChecksum], frame[image::kChecksum + 1]);
  EXPECT_EQ(DecodeMemoryImage(frame, kDownload).Fault, DecodeFault::Checksum);
}

TEST(DecodeRejects, AnEmptyMemoryWhoseChecksumIsRight) {
  // All zero after the sync: the sum is 3 x 0xAA = 0x01FE, stored as FE 01.
  TMemoryImage m{};
  m[0] = m[1] = m[2] = 0xAA;
  m[image::kChecksum] = 0xFE;
  m[image::kChecksum + 1] = 0x01;
  const TDecodedImage decoded = DecodeMemoryImage(MirrorImage(m), kDownload);
  EXPECT_EQ(decoded.Fault, DecodeFault::NoDives);
}

TEST(DecodeRejects, ARingWritePositionOutsideTheRing) {
  const TMemoryImage frame = Encode(ContentWith({DiveAt(2023, 6, 20, 10, 0)}));
  for (const uint16_t position : {1536, 1800, 2047}) {
    const TMemoryImage bad = EditMirrored(frame, [&](TMemoryImage& m) {
      m[image::kRingWrite] = position & 0xFF;
      m[image::kRingWrite + 1] = static_cast<uint8_t>((position >> 8) << 1);
    });
    EXPECT_EQ(DecodeMemoryImage(bad, kDownload).Fault, DecodeFault::RingPosition) << position;
  }
}

TEST(DecodeRejects, ProfilesThatDoNotEndAtTheNewestDive) {
  // Three kept profiles handed out from the second newest dive run on past the newest.
  const TMemoryImage frame = Encode(ContentWith(
      {DiveAt(2023, 6, 18, 10, 0), DiveAt(2023, 6, 19, 10, 0), DiveAt(2023, 6, 20, 10, 0)}));
  const TMemoryImage bad =
      EditMirrored(frame, [](TMemoryImage& m) { m[image::kProfileDepth] = 2; });
  const TDecodedImage decoded = DecodeMemoryImage(bad, kDownload);
  EXPECT_EQ(decoded.Fault, DecodeFault::ProfileRing);
  EXPECT_TRUE(decoded.Dives.empty());
}

TEST(RingWritePosition, UsesElevenBitsOfTheShiftedHighByte) {
  TMemoryImage m{};
  m[image::kRingWrite] = 0x10;
  m[image::kRingWrite + 1] = 0xF4;  // shifted: 0x7A, of which 0x2 counts
  EXPECT_EQ(RingWritePosition(m), 0x210);
}

// ---- Decoding is repeatable ------------------------------------------------------------

TEST(Decode, LeavesTheFrameAsItWas) {
  const TMemoryImage frame = Encode(ContentWith({DiveAt(2023, 6, 20, 10, 0)}));
  const TMemoryImage copy = frame;
  const TDecodedImage first = DecodeMemoryImage(frame, kDownload);
  EXPECT_EQ(frame, copy);
  const TDecodedImage second = DecodeMemoryImage(frame, kDownload);
  ASSERT_TRUE(second.Accepted());
  EXPECT_EQ(first.Dives, second.Dives);
}

// ---- Model table -----------------------------------------------------------------------

struct ModelCase {
  uint8_t code;
  const char* name;
  uint16_t typPonoru;  // dive-type bits a dive of this model gets
};

class ModelTest : public ::testing::TestWithParam<ModelCase> {};

TEST_P(ModelTest, IsFoundByTheMirroredCodeByte) {
  const ModelCase& c = GetParam();
  const TMemoryImage frame = Encode(ContentWith({DiveAt(2023, 6, 20, 10, 0)}, c.code));
  EXPECT_EQ(SelectModel(frame).Name, c.name);
  const TDecodedImage decoded = DecodeMemoryImage(frame, kDownload);
  ASSERT_TRUE(decoded.Accepted());
  EXPECT_EQ(decoded.Model->Name, c.name);
  EXPECT_EQ(decoded.Dives[0].TypPonoru, c.typPonoru);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ModelTest,
    ::testing::Values(ModelCase{0x40, "Korvel Vega", 0},
                      ModelCase{0x1C, "Zirdan Brava / Zirdan Brava Duo", 0},
                      ModelCase{0xA4, "Zirdan Brava A O2 / Zirdan Brava B 02", 0x300},
                      ModelCase{0xF4, "Zirdan Brava A Nitrox / Zirdan Brava B Nitrox", 0x100},
                      ModelCase{0xFF, "Zirdan Meta Nitrox / Zirdan Meta Summa", 0x100},
                      ModelCase{0x1B, "ORVA (Zirdan Meta)", 0}, ModelCase{0x00, "", 0},  // row 16
                      ModelCase{0x77, "Unknown", 0}));

// ---- One log entry ---------------------------------------------------------------------

struct EntryCase {
  const char* what;
  std::array<uint8_t, 12> entry;
  uint8_t modelCode;
  int16_t ponor::*field;
  int16_t expected;
};

class LogEntryTest : public ::testing::TestWithParam<EntryCase> {};

TEST_P(LogEntryTest, GivesTheField) {
  const EntryCase& c = GetParam();
  const ponor dive = DiveFromLogEntry(c.entry, ModelForCode(c.modelCode), kDownload, 0);
  EXPECT_EQ(dive.*c.field, c.expected) << c.what;
}

using E = std::array<uint8_t, 12>;
INSTANTIATE_TEST_SUITE_P(
    Rows, LogEntryTest,
    ::testing::Values(
        EntryCase{"dive time digits", E{0, 0x45}, 0x1E, &ponor::DelkaPonoru, 45},
        EntryCase{"dive time hundreds bit", E{0x04, 0x27}, 0x1E, &ponor::DelkaPonoru, 127},
        EntryCase{"dive time digit above 9 counts as it is", E{0, 0x3F}, 0x1E, &ponor::DelkaPonoru,
                  45},
        EntryCase{"depth D=4", E{0, 0, 0x01, 0x00}, 0x1E, &ponor::Hloubka, 62},
        EntryCase{"depth D=12 rounds the half to even", E{0, 0, 0x03, 0x00}, 0x1E, &ponor::Hloubka,
                  188},
        EntryCase{"depth D=1023", E{0, 0, 0xFF, 0xC0}, 0x1E, &ponor::Hloubka, 15984},
        EntryCase{"depth ignores the low 6 bits", E{0, 0, 0x03, 0x3F}, 0x1E, &ponor::Hloubka, 188},
        EntryCase{"surface interval 01:30", E{0x02, 0, 0, 0, 0x01, 0x30}, 0x1E,
                  &ponor::PovrchovyInterval, 90},
        EntryCase{"surface interval not recorded", E{0x00, 0, 0, 0, 0x01, 0x30}, 0x1E,
                  &ponor::PovrchovyInterval, kEmptyValue},
        EntryCase{"surface interval hours not digits", E{0x02, 0, 0, 0, 0x1A, 0x30}, 0x1E,
                  &ponor::PovrchovyInterval, 30},
        EntryCase{"surface interval minutes not digits", E{0x02, 0, 0, 0, 0x02, 0xB0}, 0x1E,
                  &ponor::PovrchovyInterval, 120},
        EntryCase{"surface interval 99:99", E{0x02, 0, 0, 0, 0x99, 0x99}, 0x1E,
                  &ponor::PovrchovyInterval, 6039},
        EntryCase{"pressure in bar", E{0, 0, 0, 0, 0, 0, 3}, 0x1E, &ponor::SpotrebaVzduchu, 300},
        EntryCase{"pressure of model 0x1C", E{0, 0, 0, 0, 0, 0, 3}, 0x1C, &ponor::SpotrebaVzduchu,
                  408},
        EntryCase{"pressure of model 0x1C, 240", E{0, 0, 0, 0, 0, 0, 240}, 0x1C,
                  &ponor::SpotrebaVzduchu, 32662},
        EntryCase{"pressure of model 0x1C beyond 16 bits is held, not wrapped",
                  E{0, 0, 0, 0, 0, 0, 255}, 0x1C, &ponor::SpotrebaVzduchu, 32766},
        EntryCase{"pressure 255 bar", E{0, 0, 0, 0, 0, 0, 255}, 0x40, &ponor::SpotrebaVzduchu,
                  25500},
        EntryCase{"water temperature", E{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 81}, 0x1E,
                  &ponor::TeplotaVody, 2025}));

TEST(LogEntry, CodesAltitudeAndWarningsFromTheFirstByte) {
  const ponor dive = DiveFromLogEntry(E{0xFF}, ModelForCode(0x1E), kDownload, 0);
  EXPECT_EQ(dive.NadmorskaVyska, 4);
  EXPECT_EQ(dive.Chyby, 0x39);
  EXPECT_EQ(DiveFromLogEntry(E{0x06}, ModelForCode(0x1E), kDownload, 0).NadmorskaVyska, 1);
}

TEST(LogEntry, LeavesWhatTheDeviceDoesNotKnowEmpty) {
  const ponor dive = DiveFromLogEntry(E{0xFF, 0x99, 0xFF, 0xFF, 0x99, 0x99, 0xFF, 1, 2, 3, 4, 0xFF},
                                      ModelForCode(0xA4), kDownload, 0);
  ponor empty;
  EXPECT_EQ(dive.Znacka, 160);
  EXPECT_EQ(dive.TeplotaVzduchu, kEmptyValue);
  EXPECT_EQ(dive.Lahev, kEmptyValue);
  EXPECT_EQ(dive.Pocasi, 0);
  EXPECT_EQ(dive.Oblek, 0);
  EXPECT_EQ(dive.TypAktivity, 0);
  EXPECT_TRUE(dive.Lokalita.empty() && dive.Misto.empty() && dive.Jiny.empty() &&
              dive.Partner.empty() && dive.Poznamka.empty());
  EXPECT_EQ(dive.Rezerva, empty.Rezerva);
  EXPECT_EQ(dive.GrafPocet, 0);
}

TEST(LogEntry, DatesFromTheAgeOnTheDeviceClock) {
  // Stamp 0x01020304 and clock 0x01020304 + 7201: 3600 s before 20 June 2023 18:00:00.
  const E entry{0, 0, 0, 0, 0, 0, 0, 0x01, 0x02, 0x03, 0x04, 0};
  const ponor dive = DiveFromLogEntry(entry, ModelForCode(0x1E), kDownload, 0x01020304 + 7201);
  EXPECT_EQ(dive.Datum, 154668);
  EXPECT_EQ(dive.Cas, 17 * 60);
}

// ---- Order and numbering -----------------------------------------------------------------

TEST(Decode, NumbersThreeDivesOfOneDayInTheirOrder) {
  const TDecodedImage decoded =
      DecodeMemoryImage(Encode(ContentWith({DiveAt(2023, 6, 20, 10, 0), DiveAt(2023, 6, 20, 12, 0),
                                            DiveAt(2023, 6, 20, 14, 0)})),
                        kDownload);
  ASSERT_TRUE(decoded.Accepted());
  ASSERT_EQ(decoded.Dives.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(decoded.Dives[i].Cislo, i + 1);
    EXPECT_EQ(decoded.Dives[i].Datum, 154668);
    EXPECT_EQ(decoded.Dives[i].Cas, 600 + 120 * i);
  }
}

TEST(Decode, StartsAWrappedLogAtItsOldestDive) {
  // Entries 1..4 hold 5, 6, 1 and 2 June: the log was written round its end.
  TImageContent content = ContentWith({DiveAt(2023, 6, 1, 9, 0), DiveAt(2023, 6, 2, 9, 0),
                                       DiveAt(2023, 6, 5, 9, 0), DiveAt(2023, 6, 6, 9, 0)});
  for (TDeviceDive& dive : content.Dives) dive.Profile.clear();
  const TMemoryImage frame = EditMirrored(Encode(content), [](TMemoryImage& m) {
    std::rotate(m.begin() + image::kLog, m.begin() + image::kLog + 2 * image::kLogEntrySize,
                m.begin() + image::kLog + 4 * image::kLogEntrySize);
  });
  const TDecodedImage decoded = DecodeMemoryImage(frame, kDownload);
  ASSERT_TRUE(decoded.Accepted()) << DecodeFaultKey(decoded.Fault);
  std::vector<int32_t> dates;
  for (const ponor& dive : decoded.Dives) dates.push_back(dive.Datum);
  EXPECT_EQ(dates, (std::vector<int32_t>{154649, 154650, 154653, 154654}));
}

TEST(Decode, TakesTheNewest37DivesOfALongLog) {
  // The device has logged 50 dives; its log holds dives 14..50, written round the ring.
  std::vector<TDeviceDive> dives;
  for (int i = 0; i < 37; ++i) dives.push_back(DiveAt(2023, 5, 1 + i / 2, 9 + 3 * (i % 2), 0));
  TImageContent content = ContentWith(dives);
  content.Device.TotalDives = 50;
  const TDecodedImage decoded = DecodeMemoryImage(Encode(content), kDownload);
  ASSERT_TRUE(decoded.Accepted()) << DecodeFaultKey(decoded.Fault);
  ASSERT_EQ(decoded.Dives.size(), 37u);
  for (std::size_t i = 0; i < 37; ++i) {
    EXPECT_EQ(decoded.Dives[i].Cislo, i + 1);
    EXPECT_EQ(decoded.Dives[i].Cas, i % 2 ? 720 : 540);
  }
  EXPECT_EQ(decoded.Dives.front().Datum, 154618);  // 1 May 2023
  EXPECT_EQ(decoded.Dives.back().Datum, 154636);   // 19 May 2023
}

// ---- The profile ring --------------------------------------------------------------------

TEST(DecodeProfiles, GivesEachKeptDiveItsProfileAcrossTheRingsEnd) {
  TImageContent content = ContentWith(
      {DiveAt(2023, 6, 18, 10, 0), DiveAt(2023, 6, 19, 10, 0), DiveAt(2023, 6, 20, 10, 0)});
  for (std::size_t i = 0; i < 3; ++i)
    content.Dives[i].Profile.assign(300 + 100 * i, static_cast<uint8_t>(0x21 + i));
  content.Dives[2].Profile[0] = 0x00;
  content.Device.RingWritePosition = 100;  // 903 bytes ending at 100: wraps round
  const TDecodedImage decoded = DecodeMemoryImage(Encode(content), kDownload);
  ASSERT_TRUE(decoded.Accepted()) << DecodeFaultKey(decoded.Fault);
  for (std::size_t i = 0; i < 3; ++i)
    EXPECT_EQ(ProfileOf(decoded.Dives[i]), content.Dives[i].Profile);
}

TEST(DecodeProfiles, OlderDivesWhoseProfilesWereOverwrittenHaveNone) {
  TImageContent content = ContentWith(
      {DiveAt(2023, 6, 18, 10, 0), DiveAt(2023, 6, 19, 10, 0), DiveAt(2023, 6, 20, 10, 0)});
  for (TDeviceDive& dive : content.Dives) dive.Profile.assign(700, 0x30);
  content.Device.RingWritePosition = 5;
  const TDecodedImage decoded = DecodeMemoryImage(Encode(content), kDownload);
  ASSERT_TRUE(decoded.Accepted()) << DecodeFaultKey(decoded.Fault);
  EXPECT_EQ(decoded.Dives[0].GrafPocet, 0);
  EXPECT_EQ(decoded.Dives[1].GrafPocet, 700);
  EXPECT_EQ(decoded.Dives[2].GrafPocet, 700);
}

// A two-dive image whose ring the test writes itself.
TMemoryImage WithRing(uint8_t profileDepth, uint16_t writePosition,
                      const std::vector<std::pair<uint16_t, uint8_t>>& bytes, int dives = 2) {
  std::vector<TDeviceDive> list;
  for (int i = 0; i < dives; ++i) list.push_back(DiveAt(2023, 6, 10 + i, 10, 0));
  return EditMirrored(Encode(ContentWith(list)), [&](TMemoryImage& m) {
    std::fill(m.begin() + image::kRing, m.begin() + image::kRing + image::kRingSize, 0x11);
    for (const auto& [position, value] : bytes) m[image::kRing + position] = value;
    m[image::kProfileDepth] = profileDepth;
    m[image::kRingWrite] = writePosition & 0xFF;
    m[image::kRingWrite + 1] = static_cast<uint8_t>((writePosition >> 8) << 1);
  });
}

TEST(DecodeProfiles, ARingWithoutSeparatorIsAcceptedOnlyWithProfileDepthOne) {
  const TDecodedImage one = DecodeMemoryImage(WithRing(1, 10, {}), kDownload);
  ASSERT_TRUE(one.Accepted());
  EXPECT_EQ(one.Dives[0].GrafPocet + one.Dives[1].GrafPocet, 0);
  EXPECT_EQ(DecodeMemoryImage(WithRing(2, 10, {}), kDownload).Fault, DecodeFault::ProfileRing);
}

TEST(DecodeProfiles, ASeparatorAtTheWritePositionGivesNoProfile) {
  const TDecodedImage decoded = DecodeMemoryImage(WithRing(1, 10, {{10, 0xFF}}), kDownload);
  ASSERT_TRUE(decoded.Accepted());
  EXPECT_EQ(decoded.Dives[1].GrafPocet, 0);
}

TEST(DecodeProfiles, ProfileDepthZeroStepsBack65535Times) {
  // 65535 steps back round three dives end where they started: at the newest.
  const TDecodedImage three = DecodeMemoryImage(WithRing(0, 12, {{10, 0xFF}}, 3), kDownload);
  ASSERT_TRUE(three.Accepted());
  EXPECT_EQ(three.Dives[2].GrafPocet, 2);
  // Round two dives they end at the older one, and the profile does not reach the newest.
  EXPECT_EQ(DecodeMemoryImage(WithRing(0, 12, {{10, 0xFF}}, 2), kDownload).Fault,
            DecodeFault::ProfileRing);
}

TEST(DecodeProfiles, ADiveReachedTwiceKeepsOnlyItsLastProfile) {
  // One dive, two profiles in the ring: FF 21 22 23 FF 31 32 ending at 6.
  const TMemoryImage frame = WithRing(
      1, 6, {{0, 0xFF}, {1, 0x21}, {2, 0x22}, {3, 0x23}, {4, 0xFF}, {5, 0x31}, {6, 0x32}}, 1);
  const TDecodedImage decoded = DecodeMemoryImage(frame, kDownload);
  ASSERT_TRUE(decoded.Accepted());
  EXPECT_EQ(ProfileOf(decoded.Dives[0]), (std::vector<uint8_t>{0x31, 0x32}));
  EXPECT_EQ(decoded.Dives[0].Graf[2], 0);  // nothing left over from the first
}

TEST(DecodeProfiles, SearchesForTheStartRoundTheRingsEnd) {
  // From write position 1530 the search finds the separator at 1534; the profile then
  // runs 1535, 0, 1, ... 1530: 1532 bytes.
  const TDecodedImage decoded = DecodeMemoryImage(WithRing(1, 1530, {{1534, 0xFF}}), kDownload);
  ASSERT_TRUE(decoded.Accepted());
  EXPECT_EQ(decoded.Dives[1].GrafPocet, 1532);
}

}  // namespace
}  // namespace zirdan
