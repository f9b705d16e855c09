#include "simulator/memory_image_encoder.h"

#include <gtest/gtest.h>

#include "transfer/image_builder.h"
#include "transfer/memory_image_decoder.h"
#include "simulator/sample_image.h"

namespace zirdan {
namespace {

using test::ContentWith;
using test::DiveAt;
using test::kDownload;

TEST(Encode, SendsTheSyncBytesAsTheyArriveOnTheLine) {
  const TMemoryImage frame = test::Encode(ContentWith({DiveAt(2023, 6, 20, 10, 0)}));
  EXPECT_EQ(frame[0], 0x55);
  EXPECT_EQ(frame[1], 0x55);
  EXPECT_EQ(frame[2], 0x55);
  EXPECT_EQ(frame[3], 0x00);
}

TEST(Encode, WritesEveryLogFieldTheDecoderReads) {
  TDeviceDive dive = DiveAt(2023, 6, 20, 10, 0);
  dive.AltitudeClass = 2;
  dive.Warnings = 0x11;
  dive.Minutes = 137;
  dive.Depth = 777;
  dive.SurfaceInterval = 95 * 60 + 7;
  dive.PressureUsed = 201;
  dive.WaterTemperature = 99;
  const TDecodedImage decoded = DecodeMemoryImage(test::Encode(ContentWith({dive})), kDownload);
  ASSERT_TRUE(decoded.Accepted()) << DecodeFaultKey(decoded.Fault);
  const ponor& d = decoded.Dives.at(0);
  EXPECT_EQ(d.NadmorskaVyska, 3);
  EXPECT_EQ(d.Chyby, 0x11);
  EXPECT_EQ(d.DelkaPonoru, 137);
  EXPECT_EQ(d.Hloubka, 12141);  // 777 * 15.625 = 12140.625
  EXPECT_EQ(d.PovrchovyInterval, 95 * 60 + 7);
  EXPECT_EQ(d.SpotrebaVzduchu, 20100);
  EXPECT_EQ(d.TeplotaVody, 2475);
  EXPECT_EQ(d.Datum, 154668);
  EXPECT_EQ(d.Cas, 600);
}

TEST(Encode, WritesTheDeviceState) {
  TImageContent content = ContentWith({DiveAt(2023, 6, 20, 10, 0)}, 0xA4);
  content.Device.Identification = 0xABCDEF;
  content.Device.Battery = 77;
  content.Device.MaxPO2 = 9;
  content.Device.Sensitivity = 88;
  content.Device.Settings = 3;
  const TDecodedImage decoded = DecodeMemoryImage(test::Encode(content), kDownload);
  ASSERT_TRUE(decoded.Accepted());
  const TMemoryImage& m = decoded.Mirrored;
  EXPECT_EQ(decoded.Identification, 0xABCDEFu);
  EXPECT_EQ(m[image::kBattery], 77);
  EXPECT_EQ(m[image::kMaxPO2], 9);
  EXPECT_EQ(m[image::kSensitivity], 88);
  EXPECT_EQ(m[image::kDeviceSettings], 3);
  EXPECT_EQ(ReadBigEndian32(m, image::kClock), test::kClock);
  EXPECT_EQ(TotalDiveCount(m), 1u);
}

struct BadContentCase {
  const char* what;
  void (*spoil)(TImageContent&);
};

class EncodeRefusesTest : public ::testing::TestWithParam<BadContentCase> {};

TEST_P(EncodeRefusesTest, ContentItCannotStore) {
  TImageContent content = ContentWith({DiveAt(2023, 6, 19, 10, 0), DiveAt(2023, 6, 20, 10, 0)});
  GetParam().spoil(content);
  TMemoryImage frame{};
  EXPECT_FALSE(EncodeMemoryImage(content, frame).Ok()) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, EncodeRefusesTest,
    ::testing::Values(
        BadContentCase{"separator in a profile",
                       [](TImageContent& c) { c.Dives[0].Profile.push_back(0xFF); }},
        BadContentCase{"separator in the remnant",
                       [](TImageContent& c) {
                         c.RingRemnant = {1, 0xFF};
                       }},
        BadContentCase{"profile as long as the ring",
                       [](TImageContent& c) { c.Dives[1].Profile.assign(1536, 1); }},
        BadContentCase{"write position outside the ring",
                       [](TImageContent& c) { c.Device.RingWritePosition = 1536; }},
        BadContentCase{"warning bit outside the mask",
                       [](TImageContent& c) { c.Dives[0].Warnings = 0x02; }},
        BadContentCase{"dive time of 200 minutes",
                       [](TImageContent& c) { c.Dives[0].Minutes = 200; }},
        BadContentCase{"depth of 1024 units", [](TImageContent& c) { c.Dives[0].Depth = 1024; }},
        BadContentCase{"surface interval of 100 hours",
                       [](TImageContent& c) { c.Dives[0].SurfaceInterval = 6000; }},
        BadContentCase{"count below the dives given",
                       [](TImageContent& c) { c.Device.TotalDives = 1; }},
        BadContentCase{"count above the dives given, below 37",
                       [](TImageContent& c) { c.Device.TotalDives = 5; }},
        BadContentCase{"count that overlaps the battery warning",
                       [](TImageContent& c) { c.Device.TotalDives = 0x10002; }},
        BadContentCase{"38 dives", [](TImageContent& c) { c.Dives.resize(38, c.Dives[0]); }}));

struct KeptCase {
  std::vector<std::size_t> lengths;  // profile lengths, oldest first
  std::size_t kept;
};

class KeptProfilesTest : public ::testing::TestWithParam<KeptCase> {};

TEST_P(KeptProfilesTest, KeepsTheNewestThatFit) {
  std::vector<TDeviceDive> dives(GetParam().lengths.size());
  for (std::size_t i = 0; i < dives.size(); ++i) dives[i].Profile.assign(GetParam().lengths[i], 1);
  EXPECT_EQ(KeptProfiles(dives), GetParam().kept);
}

INSTANTIATE_TEST_SUITE_P(Rows, KeptProfilesTest,
                         ::testing::Values(KeptCase{{}, 0}, KeptCase{{10}, 1},
                                           KeptCase{{10, 20, 30}, 3}, KeptCase{{600, 600, 600}, 2},
                                           KeptCase{{767, 767}, 2},  // 2 x 768 = 1536 exactly
                                           KeptCase{{768, 767}, 1},
                                           KeptCase{{10, 20, 0}, 1}));  // empty newest

// ---- Sample images ---------------------------------------------------------------------

TEST(SampleDump, IsTheSameForTheSameSeedAndDiffersForAnother) {
  TDumpFile a, b, c;
  ASSERT_TRUE(BuildSampleDump(20, 7, a).Ok());
  ASSERT_TRUE(BuildSampleDump(20, 7, b).Ok());
  ASSERT_TRUE(BuildSampleDump(20, 8, c).Ok());
  EXPECT_EQ(a.Image, b.Image);
  EXPECT_EQ(a.DownloadTime, b.DownloadTime);
  EXPECT_NE(a.Image, c.Image);
}

TEST(SampleDump, RefusesNoDives) {
  TDumpFile dump;
  EXPECT_FALSE(BuildSampleDump(0, 1, dump).Ok());
}

class SampleDumpTest : public ::testing::TestWithParam<std::tuple<uint32_t, uint64_t>> {};

TEST_P(SampleDumpTest, DecodesIntoPlausibleDives) {
  const auto [count, seed] = GetParam();
  TDumpFile dump;
  ASSERT_TRUE(BuildSampleDump(count, seed, dump).Ok());
  EXPECT_GE(dump.DownloadTime, kMinDownloadTime);
  EXPECT_LE(dump.DownloadTime, kMaxDownloadTime);
  const TDecodedImage decoded = DecodeMemoryImage(dump.Image, dump.DownloadTime);
  ASSERT_TRUE(decoded.Accepted()) << DecodeFaultKey(decoded.Fault);
  ASSERT_EQ(decoded.Dives.size(), std::min<std::size_t>(count, 37));
  EXPECT_EQ(TotalDiveCount(decoded.Mirrored), count);

  for (std::size_t i = 0; i < decoded.Dives.size(); ++i) {
    const ponor& d = decoded.Dives[i];
    EXPECT_EQ(d.Cislo, i + 1);
    EXPECT_GT(d.Datum, kDay1980);
    EXPECT_GT(d.Hloubka, 0);
    EXPECT_GT(d.DelkaPonoru, 0);
    if (i > 0) {
      const ponor& before = decoded.Dives[i - 1];
      EXPECT_TRUE(before.Datum < d.Datum || (before.Datum == d.Datum && before.Cas < d.Cas));
    }
  }
  EXPECT_GT(decoded.Dives.back().GrafPocet, 22);  // the newest dive keeps its profile

  // The kept profiles run over the ring's end: the ring does not start with the separator
  // before the oldest kept profile and the newest ends before that separator.
  const uint16_t write = RingWritePosition(decoded.Mirrored);
  std::size_t used = 0;
  for (const ponor& d : decoded.Dives)
    if (d.GrafPocet) used += d.GrafPocet + 1u;
  EXPECT_LT(write + 1u, used);
}

INSTANTIATE_TEST_SUITE_P(
    Counts, SampleDumpTest,
    ::testing::Combine(::testing::Values(1u, 2u, 5u, 36u, 37u, 38u, 1000u, 65535u),
                       ::testing::Values(uint64_t{1}, uint64_t{2}, uint64_t{99})));

TEST(SampleDump, MarksTheSamplesOfDivesWithWarnings) {
  // Over a few seeds some kept profile of a dive with a warning carries sample marks.
  int marked = 0;
  for (uint64_t seed = 1; seed <= 20; ++seed) {
    TDumpFile dump;
    ASSERT_TRUE(BuildSampleDump(37, seed, dump).Ok());
    const TDecodedImage decoded = DecodeMemoryImage(dump.Image, dump.DownloadTime);
    for (const ponor& d : decoded.Dives) {
      if (!(d.Chyby & 0x09) || d.GrafPocet == 0) continue;
      // Marks sit in the low six bits of a sample's second byte; every third sample is
      // followed by filler (two bytes in the oxygen format).
      const int format = d.TypPonoru & 0x200 ? 25 : d.TypPonoru & 0x100 ? 24 : 22;
      for (int b = format + 1, k = 1; b < d.GrafPocet; b += 2, ++k) {
        if (d.Graf[static_cast<std::size_t>(b)] & 0x3F) ++marked;
        if (k % 3 == 0) b += format == 25 ? 2 : 1;
      }
    }
  }
  EXPECT_GT(marked, 0);
}

}  // namespace
}  // namespace zirdan
