#include "transfer/join_split.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "support/op_result_print.h"

namespace zirdan {
namespace {

using Bytes = std::vector<uint8_t>;

constexpr uint8_t kDepthA = 0x08, kDepthB = 0x00;  // one sample of 500 cm
constexpr uint8_t kDeepA = 0x40, kDeepB = 0x80;    // one sample of 4031 cm

// A profile of `minutes` whole minutes: a header of `format` bytes (seed, seed+1, ...), then
// per minute three 500 cm samples and the filler bytes 0xE0+minute (and 0xF0+minute in
// format 25), so that every copied or dropped byte shows.
Bytes Profile(uint16_t format, int minutes, uint8_t seed = 0xC0) {
  Bytes bytes;
  for (int i = 0; i < format; ++i) bytes.push_back(static_cast<uint8_t>(seed + i));
  for (int m = 0; m < minutes; ++m) {
    for (int s = 0; s < 3; ++s) bytes.insert(bytes.end(), {kDepthA, kDepthB});
    bytes.push_back(static_cast<uint8_t>(0xE0 + m));
    if (format == kFormatOxygen) bytes.push_back(static_cast<uint8_t>(0xF0 + m));
  }
  return bytes;
}

ponor Dive(const Bytes& profile, int16_t minutes = 0) {
  ponor d;
  d.Datum = 150000;
  d.Cas = 600;
  d.DelkaPonoru = minutes;
  d.Hloubka = 1234;
  std::copy(profile.begin(), profile.end(), d.Graf.begin());
  d.GrafPocet = static_cast<uint16_t>(profile.size());
  return d;
}

Bytes GrafOf(const ponor& d) {
  return Bytes(d.Graf.begin(), d.Graf.begin() + d.GrafPocet);
}

struct Book {
  TLogbook logbook;
  explicit Book(const std::vector<ponor>& dives, uint16_t format = kFormatBasic) {
    for (const ponor& d : dives) logbook.Append(d);
    logbook.PrvniCislo = 1;
    logbook.Renumber();
    logbook.VychoziFormatGrafu = format;
  }
  pam& At(int i) { return *logbook.Dives().at(i); }
  std::vector<ponor> Copy() const {
    std::vector<ponor> dives;
    logbook.ForEach([&](const pam& d) { dives.push_back(d); });
    return dives;
  }
};

// --- Join -------------------------------------------------------------------------------

TEST(Join, TenMinutesPlusFiveMinutesGapPlusTenMinutes) {
  const Bytes current = Profile(kFormatBasic, 10);
  const Bytes next = Profile(kFormatBasic, 10, 0x30);
  Book book({Dive(current, 10), Dive(next, 10)});
  const JoinSplitResult r = JoinWithNext(book.logbook, book.At(0), 5);
  ASSERT_TRUE(r.Changed);
  EXPECT_EQ(r.Dive, &book.At(0));
  EXPECT_TRUE(book.logbook.Zmeneno);

  Bytes expected = current;
  expected.insert(expected.end(), 35, 0);  // 15 surface samples and their 5 fillers
  for (int m = 0; m < 10; ++m) {           // the next dive's samples, its fillers zeroed
    for (int s = 0; s < 3; ++s) expected.insert(expected.end(), {kDepthA, kDepthB});
    expected.push_back(0);
  }
  EXPECT_EQ(book.At(0).GrafPocet, 197);
  EXPECT_EQ(GrafOf(book.At(0)), expected);
}

TEST(Join, ACurrentDiveWithoutProfileGetsAZeroHeader) {
  ponor current = Dive({}, 10);
  current.Graf.fill(0x77);  // stale bytes must not survive in the header
  current.GrafPocet = 0;
  const Bytes next = Profile(kFormatBasic, 2, 0x30);
  Book book({current, Dive(next, 2)});
  ASSERT_TRUE(JoinWithNext(book.logbook, book.At(0), 5).Changed);
  Bytes expected(22 + 35, 0);
  for (int m = 0; m < 2; ++m) {
    for (int s = 0; s < 3; ++s) expected.insert(expected.end(), {kDepthA, kDepthB});
    expected.push_back(0);
  }
  EXPECT_EQ(GrafOf(book.At(0)), expected);
}

TEST(Join, AProfileEndingInsideAGroupShiftsTheNextDivesGrouping) {
  Bytes current = Profile(kFormatBasic, 1);
  current.insert(current.end(), {1, 2, 3, 4});  // two samples of the second minute
  const Bytes next = Profile(kFormatBasic, 1, 0x30);
  Book book({Dive(current, 2), Dive(next, 1)});
  ASSERT_TRUE(JoinWithNext(book.logbook, book.At(0), 1).Changed);
  Bytes expected = current;
  expected.insert(expected.end(), {0, 0, 0, 0, 0, 0, 0});  // 1 sample, filler, 2 samples
  // Three samples of the next dive; the output group closes after the first of them.
  expected.insert(expected.end(), {kDepthA, kDepthB, 0, kDepthA, kDepthB, kDepthA, kDepthB});
  EXPECT_EQ(book.At(0).GrafPocet, 47);
  EXPECT_EQ(GrafOf(book.At(0)), expected);
}

TEST(Join, OxygenFormatCarriesTheSecondFillerBytes) {
  // 25 header bytes, two minutes of 8 bytes whose second fillers are 0xF0 and 0xF1.
  const Bytes current = Profile(kFormatOxygen, 2);
  const Bytes next = Profile(kFormatOxygen, 2, 0x30);  // its second fillers: 0xF0, 0xF1
  ponor first = Dive(current, 2);
  first.TypPonoru = 0x200;
  Book book({first, Dive(next, 2)});
  ASSERT_TRUE(JoinWithNext(book.logbook, book.At(0), 2).Changed);
  Bytes expected = current;
  // The gap: 14 bytes at 7 a minute; its groups take the current profile's last second
  // filler (0xF1). The last group overshoots the gap's end by its two fillers.
  expected.insert(expected.end(), {0, 0, 0, 0, 0, 0, 0, 0xF1, 0, 0, 0, 0, 0, 0, 0, 0xF1});
  // The next dive's first minute: its second filler goes to the latest second-filler slot.
  expected.insert(expected.end(), {kDepthA, kDepthB, kDepthA, kDepthB, kDepthA, kDepthB, 0, 0xF0});
  // Its second minute ends the profile (41 + 14 + 16 bytes) just before its fillers.
  expected.insert(expected.end(), {kDepthA, kDepthB, kDepthA, kDepthB, kDepthA, kDepthB});
  ASSERT_EQ(book.At(0).GrafPocet, 71);
  EXPECT_EQ(GrafOf(book.At(0)), expected);
  EXPECT_EQ(std::count(book.At(0).Graf.begin() + 71, book.At(0).Graf.end(), 0), 2002 - 71);
}

TEST(Join, TakesOverBitsAndTheColderWaterAndTheDeepestSample) {
  Bytes next = Profile(kFormatBasic, 2, 0x30);
  next[22 + 7 + 2] = kDeepA;  // second sample of the second minute
  next[22 + 7 + 3] = kDeepB;
  ponor a = Dive(Profile(kFormatBasic, 2), 2);
  a.Chyby = 0x01;
  a.TypPonoru = 0x04;
  a.TypAktivity = 0x10;
  a.TeplotaVody = 1800;
  ponor b = Dive(next, 2);
  b.Chyby = 0x20;
  b.TypPonoru = 0x08;
  b.TypAktivity = 0x01;
  b.TeplotaVody = 1500;
  b.DelkaPonoru = 7;
  Book book({a, b});
  const ponor nextBefore = book.At(1);
  ASSERT_TRUE(JoinWithNext(book.logbook, book.At(0), 0).Changed);
  const pam& joined = book.At(0);
  EXPECT_EQ(joined.Chyby, 0x21);
  EXPECT_EQ(joined.TypPonoru, 0x0C);
  EXPECT_EQ(joined.TypAktivity, 0x11);
  EXPECT_EQ(joined.TeplotaVody, 1500);
  EXPECT_EQ(joined.Hloubka, 4031);
  EXPECT_EQ(joined.DelkaPonoru, 2);  // the dive time is not changed
  EXPECT_EQ(static_cast<const ponor&>(book.At(1)), nextBefore);
  EXPECT_EQ(book.logbook.PocetPonoru(), 2);
}

struct TemperatureCase {
  int16_t current, next, joined;
};

TEST(Join, WaterTemperatureRule) {
  const TemperatureCase cases[] = {
      {1800, 1500, 1500},
      {1500, 1800, 1500},
      {kEmptyValue, 1000, 1000},  // an empty temperature loses
      {1000, kEmptyValue, 1000},
      {kEmptyValue, kEmptyValue, kEmptyValue},
      {0, 400, 0},
      {-100, 400, -100},  // below zero is colder, not "empty-like"
      {400, -50, -50},
  };
  for (const TemperatureCase& c : cases) {
    ponor a = Dive(Profile(kFormatBasic, 1), 1);
    ponor b = Dive(Profile(kFormatBasic, 1), 1);
    a.TeplotaVody = c.current;
    b.TeplotaVody = c.next;
    Book book({a, b});
    JoinWithNext(book.logbook, book.At(0), 1);
    EXPECT_EQ(book.At(0).TeplotaVody, c.joined) << c.current << " " << c.next;
  }
}

struct RefusalCase {
  const char* name;
  uint16_t currentBytes, nextBytes;  // 0: no profile
  int minutes;
  bool last;  // join the last dive
  const char* key;
};

Bytes Sized(uint16_t size) {
  Bytes b = Profile(kFormatBasic, 300);
  b.resize(size);
  return b;
}

TEST(Join, RefusalsLeaveTheLogbookExactlyAsItWas) {
  const RefusalCase cases[] = {
      {"the last dive", 92, 92, 5, true, "StrPripojitChyba1"},
      {"next without profile", 92, 0, 5, false, "StrPripojitChyba1"},
      {"more than 1900 together", 1000, 901, 0, false, "StrPripojitChyba2"},
      {"joined profile past 2002 bytes", 1000, 900, 60, false, "StrPripojitChyba2"},
      {"just past 2002 bytes", 1000, 900, 18, false, "StrPripojitChyba2"},
  };
  for (const RefusalCase& c : cases) {
    Book book({Dive(Sized(c.currentBytes), 30), Dive(Sized(c.nextBytes), 30)});
    const std::vector<ponor> before = book.Copy();
    const JoinSplitResult r = JoinWithNext(book.logbook, book.At(c.last ? 1 : 0), c.minutes);
    EXPECT_FALSE(r.Changed) << c.name;
    EXPECT_EQ(r.Status, OpResult::FailureKey(c.key)) << c.name;
    EXPECT_EQ(book.Copy(), before) << c.name;
    EXPECT_FALSE(book.logbook.Zmeneno) << c.name;
  }
}

TEST(Join, UpTo2002BytesIsAllowed) {
  // 1000 + 7 x 17 gap + (900 - 22) = 1997; with 18 minutes 2004 would not fit.
  Book book({Dive(Sized(1000), 30), Dive(Sized(900), 30)});
  const JoinSplitResult r = JoinWithNext(book.logbook, book.At(0), 17);
  ASSERT_TRUE(r.Changed) << r.Status.Describe();
  EXPECT_EQ(book.At(0).GrafPocet, 1997);
}

TEST(Join, ANextProfileShorterThanItsHeaderCutsNothingOfTheCurrentOne) {
  const Bytes current = Profile(kFormatBasic, 10);
  Book book({Dive(current, 10), Dive(Bytes{1, 2, 3, 4, 5}, 1)});
  ASSERT_TRUE(JoinWithNext(book.logbook, book.At(0), 5).Changed);
  EXPECT_EQ(book.At(0).GrafPocet, 92 + 35);
  EXPECT_EQ(Bytes(book.At(0).Graf.begin(), book.At(0).Graf.begin() + 92), current);
}

// --- Split ------------------------------------------------------------------------------

TEST(Split, FortyMinutesAtFifteenWithFiveMinutesBetween) {
  Bytes profile = Profile(kFormatBasic, 40);
  profile[22 + 7 * 3] = kDeepA;  // first part: minute 4
  profile[22 + 7 * 3 + 1] = kDeepB;
  ponor dive = Dive(profile, 40);
  dive.Cas = 600;
  dive.PovrchovyInterval = 90;
  Book book({Dive(Profile(kFormatBasic, 3), 3), dive, Dive(Profile(kFormatBasic, 3), 3)});
  const JoinSplitResult r = SplitDive(book.logbook, book.At(1), 15, 5);
  ASSERT_TRUE(r.Changed);
  ASSERT_EQ(book.logbook.PocetPonoru(), 4);
  EXPECT_EQ(r.Dive, &book.At(2));
  EXPECT_TRUE(book.logbook.Zmeneno);

  const pam& first = book.At(1);
  EXPECT_EQ(first.DelkaPonoru, 15);
  EXPECT_EQ(first.Cas, 600);
  EXPECT_EQ(first.PovrchovyInterval, 90);
  EXPECT_EQ(GrafOf(first), Bytes(profile.begin(), profile.begin() + 22 + 105));
  EXPECT_EQ(first.Hloubka, 4031);

  const pam& second = book.At(2);
  EXPECT_EQ(second.DelkaPonoru, 20);
  EXPECT_EQ(second.Cas, 620);
  EXPECT_EQ(second.Datum, first.Datum);
  EXPECT_EQ(second.PovrchovyInterval, 5);
  Bytes expected(profile.begin(), profile.begin() + 22);  // the header stays
  expected.insert(expected.end(), profile.begin() + 22 + 140, profile.end());
  EXPECT_EQ(GrafOf(second), expected);
  EXPECT_EQ(second.Hloubka, 500);
  // Past the ends nothing is left of the cut bytes, as after a save and a load.
  for (const pam* part : {&first, &second})
    EXPECT_EQ(std::count(part->Graf.begin() + part->GrafPocet, part->Graf.end(), 0),
              2002 - part->GrafPocet);

  for (int i = 0; i < 4; ++i) EXPECT_EQ(book.At(i).Cislo, i + 1);
}

struct MidnightCase {
  uint16_t cas;
  uint16_t secondCas;
  int dayAdded;
};

TEST(Split, SecondPartPastMidnightMovesToTheNextDay) {
  const MidnightCase cases[] = {
      {1430, 10, 1},    // 23:50 + 20 minutes
      {1420, 1440, 0},  // exactly 1440 stays
      {1419, 1439, 0},
  };
  for (const MidnightCase& c : cases) {
    ponor dive = Dive({}, 40);
    dive.Cas = c.cas;
    Book book({dive});
    ASSERT_TRUE(SplitDive(book.logbook, book.At(0), 15, 5).Changed);
    EXPECT_EQ(book.At(1).Cas, c.secondCas) << c.cas;
    EXPECT_EQ(book.At(1).Datum, 150000 + c.dayAdded) << c.cas;
  }
}

TEST(Split, AMinuteBeyondTheProfileIsRefusedAndNothingChanges) {
  Book book({Dive(Profile(kFormatBasic, 10), 40), Dive(Profile(kFormatBasic, 2), 2)});
  const std::vector<ponor> before = book.Copy();
  for (int minute : {10, 15}) {  // 22 + 70 bytes hold exactly 10 minutes
    const JoinSplitResult r = SplitDive(book.logbook, book.At(0), minute, 5);
    EXPECT_FALSE(r.Changed);
    EXPECT_EQ(r.Status, OpResult::FailureKey("StrChRozdelitPonor"));
    EXPECT_EQ(book.Copy(), before);
    EXPECT_FALSE(book.logbook.Zmeneno);
  }
  EXPECT_TRUE(SplitDive(book.logbook, book.At(0), 9, 5).Changed);
}

TEST(Split, MinutesThatCannotSplitChangeNothing) {
  ponor emptyTime = Dive({}, 0);
  emptyTime.DelkaPonoru = kEmptyValue;
  Book book({Dive({}, 40), Dive({}, 2), emptyTime});
  const std::vector<ponor> before = book.Copy();
  for (int minute : {0, 1, 40, 41}) {
    const JoinSplitResult r = SplitDive(book.logbook, book.At(0), minute, 5);
    EXPECT_FALSE(r.Changed) << minute;
    EXPECT_TRUE(r.Status.Ok());
  }
  EXPECT_FALSE(SplitDive(book.logbook, book.At(1), 1, 5).Changed);
  EXPECT_FALSE(SplitDive(book.logbook, book.At(2), 15, 5).Changed);
  EXPECT_EQ(book.Copy(), before);
  EXPECT_EQ(LastSplitMinute(book.At(0)), 39);
  EXPECT_EQ(LastSplitMinute(book.At(1)), std::nullopt);
  EXPECT_EQ(LastSplitMinute(book.At(2)), std::nullopt);
}

TEST(Split, WithoutProfileOnlyTimesChange) {
  ponor dive = Dive({}, 30);
  dive.Hloubka = 2500;
  Book book({dive});
  ASSERT_TRUE(SplitDive(book.logbook, book.At(0), 10, 0).Changed);
  EXPECT_EQ(book.At(0).GrafPocet, 0);
  EXPECT_EQ(book.At(1).GrafPocet, 0);
  EXPECT_EQ(book.At(0).DelkaPonoru, 10);
  EXPECT_EQ(book.At(1).DelkaPonoru, 20);
  EXPECT_EQ(book.At(1).Cas, 610);
  EXPECT_EQ(book.At(1).PovrchovyInterval, 0);
  EXPECT_EQ(book.At(0).Hloubka, 2500);  // no samples to take a depth from
  EXPECT_EQ(book.At(1).Hloubka, 2500);
}

TEST(Split, OxygenFormatCountsEightBytesAMinute) {
  const Bytes profile = Profile(kFormatOxygen, 20);
  ponor dive = Dive(profile, 20);
  dive.TypPonoru = 0x300;  // bit 9 wins: format 25
  Book book({dive});
  ASSERT_TRUE(SplitDive(book.logbook, book.At(0), 5, 3).Changed);
  EXPECT_EQ(book.At(0).GrafPocet, 25 + 40);
  Bytes expected(profile.begin(), profile.begin() + 25);
  expected.insert(expected.end(), profile.begin() + 25 + 64, profile.end());
  EXPECT_EQ(GrafOf(book.At(1)), expected);
  EXPECT_EQ(book.At(1).DelkaPonoru, 12);
}

TEST(Split, ASecondPartCutAwayEntirelyHasNoProfile) {
  Book book({Dive(Profile(kFormatBasic, 12), 30)});
  ASSERT_TRUE(SplitDive(book.logbook, book.At(0), 10, 5).Changed);
  EXPECT_EQ(book.At(0).GrafPocet, 92);
  EXPECT_EQ(book.At(1).GrafPocet, 0);
  EXPECT_EQ(book.At(1).Hloubka, 1234);  // nothing to measure: the recorded depth stays
}

TEST(Split, APauseLongerThanTheRestLeavesADiveTimeOfZero) {
  Book book({Dive({}, 10)});
  ASSERT_TRUE(SplitDive(book.logbook, book.At(0), 8, 5).Changed);
  EXPECT_EQ(book.At(1).DelkaPonoru, 0);
}

TEST(Split, EmptyStartTimeAndDateStayEmpty) {
  ponor dive = Dive({}, 30);
  dive.Cas = kEmptyValue;
  dive.Datum = kEmptyValue;
  Book book({dive});
  ASSERT_TRUE(SplitDive(book.logbook, book.At(0), 10, 5).Changed);
  EXPECT_EQ(book.At(1).Cas, kEmptyValue);
  EXPECT_EQ(book.At(1).Datum, kEmptyValue);
}

}  // namespace
}  // namespace zirdan

namespace zirdan {
namespace {

// Profiles of every short length, in every format, ending anywhere inside a group: the
// result is either refused or a profile within its 2002 bytes (the sanitizer build checks
// that nothing is read or written out of bounds).
TEST(JoinSplitBounds, AnyLengthsStayWithinTheProfile) {
  for (uint16_t format : {kFormatBasic, kFormatNitrox, kFormatOxygen}) {
    const uint16_t bits = format == kFormatNitrox ? 0x100 : format == kFormatOxygen ? 0x200 : 0;
    for (int currentLength : {0, 1, 21, 22, 23, 25, 26, 27, 30, 31, 33, 700, 1899}) {
      for (int nextLength : {1, 22, 24, 26, 29, 34, 1000, 1877}) {
        for (int minutes : {0, 1, 60}) {
          Bytes a = Profile(format, 300);
          a.resize(static_cast<std::size_t>(currentLength));
          Bytes b = Profile(format, 300, 0x30);
          b.resize(static_cast<std::size_t>(nextLength));
          ponor first = Dive(a, 40);
          ponor second = Dive(b, 40);
          first.TypPonoru = second.TypPonoru = bits;
          Book book({first, second});
          const JoinSplitResult r = JoinWithNext(book.logbook, book.At(0), minutes);
          EXPECT_EQ(r.Changed, r.Status.Ok());
          EXPECT_LE(book.At(0).GrafPocet, kGrafSize);
          const JoinSplitResult s = SplitDive(book.logbook, book.At(0), 7, minutes);
          EXPECT_TRUE(s.Changed || !s.Status);
          book.logbook.ForEach([](const pam& d) { EXPECT_LE(d.GrafPocet, kGrafSize); });
        }
      }
    }
  }
}

}  // namespace
}  // namespace zirdan
