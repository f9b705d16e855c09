#include "transfer/logbook_merge.h"

#include <gtest/gtest.h>

#include "support/op_result_print.h"
#include "transfer/decode_and_merge.h"
#include "transfer/image_builder.h"

namespace zirdan {
namespace {

using test::ContentWith;
using test::DiveAt;
using test::Encode;
using test::kDownload;

TDecodedImage Decoded(std::vector<TDeviceDive> dives, uint32_t identification = 0x123456) {
  TImageContent content = ContentWith(std::move(dives));
  content.Device.Identification = identification;
  return DecodeMemoryImage(Encode(content), kDownload);
}

// A logbook whose dives are numbered from 40 and whose last dive started on 20 June 2023
// (day 154668) at `cas`, lasting `minutes`.
TLogbook LogbookEndingAt(uint16_t cas, int16_t minutes, int32_t datum = 154668) {
  TLogbook logbook;
  logbook.Nacteno = true;
  logbook.PrvniCislo = 40;
  logbook.CisloPristroje = 0xAB000001;
  ponor older;
  older.Datum = datum - 1;
  older.Cas = 600;
  logbook.Append(older);
  ponor last;
  last.Datum = datum;
  last.Cas = cas;
  last.DelkaPonoru = minutes;
  logbook.Append(last);
  logbook.Renumber();
  logbook.Zmeneno = false;
  return logbook;
}

std::vector<uint16_t> StartTimes(const TLogbook& logbook) {
  std::vector<uint16_t> times;
  logbook.ForEach([&](const pam& d) { times.push_back(d.Cas); });
  return times;
}

TEST(Merge, AnEmptyLogbookTakesEveryDiveNumberedFromOne) {
  TLogbook logbook;
  const TMergeResult merged = MergeNewDives(
      logbook, Decoded({DiveAt(2023, 6, 19, 10, 0), DiveAt(2023, 6, 20, 9, 0)}), true);
  ASSERT_TRUE(merged.Status.Ok());
  EXPECT_EQ(merged.Added, 2);
  EXPECT_EQ(logbook.PocetPonoru(), 2);
  EXPECT_EQ(logbook.PrvniCislo, 1);
  EXPECT_EQ(logbook.PosledniCislo, 2);
  EXPECT_EQ(logbook.Prvni()->Cislo, 1);
  EXPECT_EQ(logbook.Posledni()->Cas, 540);
  EXPECT_TRUE(logbook.Zmeneno);
  EXPECT_EQ(logbook.Seznam, (std::vector<std::string>{"1\x95", "2\x95"}));
}

TEST(Merge, AppendsAfterTheLastDiveAndRenumbersFromTheFirstNumber) {
  TLogbook logbook = LogbookEndingAt(480, 30);
  const TMergeResult merged = MergeNewDives(
      logbook, Decoded({DiveAt(2023, 6, 20, 10, 0), DiveAt(2023, 6, 20, 12, 0)}), true);
  ASSERT_TRUE(merged.Status.Ok());
  EXPECT_EQ(merged.Added, 2);
  EXPECT_EQ(StartTimes(logbook), (std::vector<uint16_t>{600, 480, 600, 720}));
  std::vector<uint16_t> numbers;
  logbook.ForEach([&](const pam& d) { numbers.push_back(d.Cislo); });
  EXPECT_EQ(numbers, (std::vector<uint16_t>{40, 41, 42, 43}));
  EXPECT_EQ(logbook.PosledniCislo, 43);
}

TEST(Merge, TakesTheDevicesIdentificationKeepingTheTopByte) {
  TLogbook logbook = LogbookEndingAt(480, 30);
  ASSERT_TRUE(
      MergeNewDives(logbook, Decoded({DiveAt(2023, 6, 20, 10, 0)}, 0x0C8000), true).Status.Ok());
  EXPECT_EQ(logbook.CisloPristroje, 0xAB0C8000u);
}

struct OnlyNewCase {
  const char* what;
  uint16_t lastCas;        // the logbook's last dive starts at ...
  int16_t lastMinutes;     // ... and lasts
  int newHour, newMinute;  // a new dive on the same day
  bool appended;
};

class OnlyNewDivesTest : public ::testing::TestWithParam<OnlyNewCase> {};

TEST_P(OnlyNewDivesTest, ComparesWithTheEndOfTheLastDive) {
  const OnlyNewCase& c = GetParam();
  TLogbook logbook = LogbookEndingAt(c.lastCas, c.lastMinutes);
  const TMergeResult merged =
      MergeNewDives(logbook, Decoded({DiveAt(2023, 6, 20, c.newHour, c.newMinute)}), true);
  ASSERT_TRUE(merged.Status.Ok());
  EXPECT_EQ(merged.Added, c.appended ? 1 : 0) << c.what;
  EXPECT_EQ(logbook.PocetPonoru(), c.appended ? 3 : 2) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, OnlyNewDivesTest,
    ::testing::Values(
        OnlyNewCase{"starts exactly when the last dive ended", 600, 45, 10, 45, true},
        OnlyNewCase{"starts a minute before that", 600, 45, 10, 44, false},
        OnlyNewCase{"the same dive again", 600, 45, 10, 0, false},
        OnlyNewCase{"an empty dive time covers the whole day", 600, kEmptyValue, 23, 50, false},
        OnlyNewCase{"an empty start time covers the whole day", kEmptyValue, 0, 23, 50, false},
        OnlyNewCase{"well after", 600, 45, 15, 0, true}));

TEST(OnlyNewDives, DropsEarlierDaysAndTakesEverythingFromTheFirstLaterDive) {
  TLogbook logbook = LogbookEndingAt(720, 40);
  // 19 June: older day; 20 June 12:10: during the last dive; 20 June 14:00: new; then a
  // dive that would have been dropped, but the test stops at the first new one.
  const TMergeResult merged =
      MergeNewDives(logbook,
                    Decoded({DiveAt(2023, 6, 19, 15, 0), DiveAt(2023, 6, 20, 12, 10),
                             DiveAt(2023, 6, 20, 14, 0)}),
                    true);
  ASSERT_TRUE(merged.Status.Ok());
  EXPECT_EQ(merged.Dropped, 2);
  EXPECT_EQ(merged.Added, 1);
  EXPECT_EQ(StartTimes(logbook), (std::vector<uint16_t>{600, 720, 840}));
}

TEST(OnlyNewDives, ComparesOnlyWithTheLastDiveOfTheLogbook) {
  // The logbook ends with 10 June but also holds 25 June earlier in its list: a dive of
  // 19 June is new, because only the last dive is compared.
  TLogbook logbook;
  ponor dive;
  dive.Datum = 154673;  // 25 June 2023
  dive.Cas = 600;
  logbook.Append(dive);
  dive.Datum = 154658;  // 10 June 2023
  logbook.Append(dive);
  const TMergeResult merged = MergeNewDives(
      logbook, Decoded({DiveAt(2023, 6, 9, 10, 0), DiveAt(2023, 6, 19, 10, 0)}), true);
  EXPECT_EQ(merged.Dropped, 1);
  EXPECT_EQ(merged.Added, 1);
  EXPECT_EQ(logbook.Posledni()->Datum, 154667);
}

TEST(OnlyNewDives, WhenEveryDiveIsKnownTheListStaysAsItWas) {
  TLogbook logbook = LogbookEndingAt(840, 40);
  const TMergeResult merged = MergeNewDives(
      logbook, Decoded({DiveAt(2023, 6, 20, 10, 0), DiveAt(2023, 6, 20, 14, 0)}), true);
  ASSERT_TRUE(merged.Status.Ok());
  EXPECT_EQ(merged.Added, 0);
  EXPECT_EQ(StartTimes(logbook), (std::vector<uint16_t>{600, 840}));
}

TEST(AllDives, AppendsDivesTheLogbookAlreadyHolds) {
  TLogbook logbook = LogbookEndingAt(840, 40);
  const TMergeResult merged = MergeNewDives(
      logbook, Decoded({DiveAt(2023, 6, 20, 10, 0), DiveAt(2023, 6, 20, 14, 0)}), false);
  ASSERT_TRUE(merged.Status.Ok());
  EXPECT_EQ(merged.Added, 2);
  EXPECT_EQ(StartTimes(logbook), (std::vector<uint16_t>{600, 840, 600, 840}));
}

TEST(Merge, ARejectedImageLeavesTheLogbookUntouched) {
  TLogbook logbook = LogbookEndingAt(480, 30);
  TMemoryImage frame = Encode(ContentWith({DiveAt(2023, 6, 20, 10, 0)}));
  frame[100] ^= 1;
  const TDownloadResult result = DecodeAndMerge({kDownload, frame}, logbook, true);
  EXPECT_EQ(result.Status,
            OpResult::FailureKey(kImageRejectedKey).With("StrDetKontrolniSoucet", {}));
  EXPECT_EQ(result.Added, 0);
  EXPECT_EQ(logbook.PocetPonoru(), 2);
  EXPECT_FALSE(logbook.Zmeneno);
  EXPECT_EQ(logbook.CisloPristroje, 0xAB000001u);
  EXPECT_EQ(logbook.Seznam.size(), 2u);
}

TEST(Merge, RefusesMoreDivesThanTheLogbookCanHold) {
  TLogbook logbook;
  ponor dive;
  for (uint32_t i = 0; i + 1 < kMaxDives; ++i) logbook.Append(dive);
  const TMergeResult merged = MergeNewDives(
      logbook, Decoded({DiveAt(2023, 6, 20, 10, 0), DiveAt(2023, 6, 20, 14, 0)}), false);
  EXPECT_EQ(merged.Status, OpResult::FailureKey(kLogbookFullKey).With("StrDetNevejde", {"2"}));
  EXPECT_EQ(logbook.PocetPonoru(), kMaxDives - 1);
  EXPECT_FALSE(logbook.Zmeneno);
}

TEST(DecodeAndMerge, DecodesTheDumpWithItsOwnTimestamp) {
  TLogbook logbook;
  const TDownloadResult result =
      DecodeAndMerge({kDownload, Encode(ContentWith({DiveAt(2023, 6, 20, 10, 0)}))}, logbook, true);
  ASSERT_TRUE(result.Status.Ok()) << result.Status.Describe();
  EXPECT_EQ(result.Added, 1);
  EXPECT_EQ(result.Image.Model->Name, "Zirdan Lido / Zirdan Lido Plus");
  EXPECT_EQ(logbook.Prvni()->Datum, 154668);
  EXPECT_EQ(logbook.Prvni()->Cas, 600);
}

}  // namespace
}  // namespace zirdan
