#include "core/field_codec.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "core/win1250.h"
#include "support/dive_builders.h"

namespace zirdan {
namespace {

using test::BuiltInTables;
using test::FullyFilledDive;
using test::ViewOf;

std::string W(const char* utf8) {
  return Utf8ToWin1250(utf8);
}

// ---- two-digit numbers ------------------------------------------------------------------

TEST(TwoDigit, PadsOneDigitOnly) {
  EXPECT_EQ(TwoDigit(0), "00");
  EXPECT_EQ(TwoDigit(7), "07");
  EXPECT_EQ(TwoDigit(10), "10");
  EXPECT_EQ(TwoDigit(123), "123");
  EXPECT_EQ(TwoDigit(65535), "65535");
}

// ---- dates ------------------------------------------------------------------------------

struct DayText {
  int32_t day;
  const char* text;  // UTF-8
};

class DateToTextTable : public ::testing::TestWithParam<DayText> {};

TEST_P(DateToTextTable, WritesDateAndWeekday) {
  EXPECT_EQ(Win1250ToUtf8(DateToText(GetParam().day, BuiltInTables().DnyTydne)), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Days, DateToTextTable,
    ::testing::Values(DayText{138792, "01.01.1980 úterý"},
                      // A new dive's date and anything before 1980 show as 1 January 1980.
                      DayText{32767, "01.01.1980 úterý"}, DayText{0, "01.01.1980 úterý"},
                      DayText{-5, "01.01.1980 úterý"},
                      DayText{std::numeric_limits<int32_t>::min(), "01.01.1980 úterý"},
                      DayText{139189, "01.02.1981 neděle"}, DayText{146156, "29.02.2000 úterý"},
                      DayText{148119, "15.07.2005 pátek"}, DayText{155228, "31.12.2024 úterý"},
                      DayText{170933, "31.12.2067 sobota"},
                      // Beyond 2067 the real calendar: 2100 is not a leap year.
                      DayText{170934, "01.01.2068 neděle"}, DayText{182680, "28.02.2100 neděle"},
                      DayText{182681, "01.03.2100 pondělí"}));

TEST(DateToText, LargestDayNumberStaysReadable) {
  // 2147483647 days after 1600 is 11 July 5881210, a Sunday by the proleptic calendar.
  EXPECT_EQ(
      Win1250ToUtf8(DateToText(std::numeric_limits<int32_t>::max(), BuiltInTables().DnyTydne)),
      "11.07.5881210 neděle");
}

struct TextDay {
  const char* text;
  int32_t day;
};

class TextToDateTable : public ::testing::TestWithParam<TextDay> {};

TEST_P(TextToDateTable, ReadsWithFallbacks) {
  EXPECT_EQ(TextToDate(W(GetParam().text)), GetParam().day) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TextToDateTable,
    ::testing::Values(TextDay{"01.01.1980", 138792}, TextDay{"", 138792},
                      TextDay{"15.07.2005 pátek", 148119}, TextDay{"15.07.2005", 148119},
                      TextDay{"29.02.2000", 146156}, TextDay{"31.12.2067 sobota", 170933},
                      // A day beyond its month becomes 1: 29.02.1981 is 1 February 1981.
                      TextDay{"29.02.1981", 139189}, TextDay{"31.04.2001", 146553},
                      TextDay{"00.02.1981", 139189},
                      // A month outside 1..12 becomes January.
                      TextDay{"15.13.2000", 146111}, TextDay{"15.00.2000", 146111},
                      // A year outside 1980..2067 becomes 1980.
                      TextDay{"01.01.2070", 138792}, TextDay{"01.01.1979", 138792},
                      TextDay{"15.01.19", 138806},
                      // Unreadable parts, or a part without its following point, fall back.
                      TextDay{"xx.02.1981", 139189}, TextDay{"15-01-2000", 146097},
                      TextDay{"1.2.2000", 138792}, TextDay{"15.01.abcd", 138806},
                      // A leading blank is part of a number.
                      TextDay{" 5.01.2000", 146101}));

TEST(Dates, EveryUsableDayReadsBackFromItsText) {
  const auto& weekdays = BuiltInTables().DnyTydne;
  for (int32_t day = kDay1980; day <= 170933; ++day) {
    ASSERT_EQ(TextToDate(DateToText(day, weekdays)), day);
  }
}

// ---- times ------------------------------------------------------------------------------

struct MinutesText {
  uint16_t minutes;
  const char* text;
};

class MinutesToTextTable : public ::testing::TestWithParam<MinutesText> {};

TEST_P(MinutesToTextTable, WritesHoursAndMinutes) {
  EXPECT_EQ(MinutesToText(GetParam().minutes), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Minutes, MinutesToTextTable,
                         ::testing::Values(MinutesText{32767, ""}, MinutesText{0, "00:00"},
                                           MinutesText{45, "00:45"}, MinutesText{425, "07:05"},
                                           MinutesText{1439, "23:59"}, MinutesText{6000, "100:00"},
                                           MinutesText{65535, "1092:15"}));

struct TextMinutes {
  const char* text;
  uint16_t minutes;
};

class TextToMinutesTable : public ::testing::TestWithParam<TextMinutes> {};

TEST_P(TextToMinutesTable, ReadsHoursAndMinutes) {
  EXPECT_EQ(TextToMinutes(GetParam().text), GetParam().minutes) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TextToMinutesTable,
    ::testing::Values(TextMinutes{"", 32767}, TextMinutes{"07:05", 425}, TextMinutes{"00:45", 45},
                      TextMinutes{"23:59", 1439},
                      // Characters 1-2 and 4-5, no range check.
                      TextMinutes{"7:30", 0}, TextMinutes{"99:99", 6039}, TextMinutes{"12", 720},
                      TextMinutes{"ab:cd", 0}, TextMinutes{"01:xx", 60},
                      TextMinutes{"00:45 min", 45},
                      // Three or four hour digits, as written for 100 hours and more.
                      TextMinutes{"100:00", 6000}, TextMinutes{"1092:15", 65535},
                      TextMinutes{"100:0", 600}));

TEST(Times, EveryMinuteValueReadsBackFromItsText) {
  for (uint32_t m = 0; m <= 65535; ++m) {
    const auto minutes = static_cast<uint16_t>(m);
    ASSERT_EQ(TextToMinutes(MinutesToText(minutes)), minutes);
  }
}

// ---- hundredths -------------------------------------------------------------------------

struct HundredthsText {
  int16_t value;
  const char* text;
};

class HundredthsToTextTable : public ::testing::TestWithParam<HundredthsText> {};

TEST_P(HundredthsToTextTable, WritesTwoDecimalsWithPoint) {
  EXPECT_EQ(HundredthsToText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Values, HundredthsToTextTable,
                         ::testing::Values(HundredthsText{32767, ""}, HundredthsText{350, "3.50"},
                                           HundredthsText{-125, "-1.25"}, HundredthsText{5, "0.05"},
                                           HundredthsText{-5, "-0.05"}, HundredthsText{0, "0.00"},
                                           HundredthsText{32766, "327.66"},
                                           HundredthsText{-32768, "-327.68"}));

class TextToHundredthsTable : public ::testing::TestWithParam<HundredthsText> {};

TEST_P(TextToHundredthsTable, ReadsDecimalOrGivesEmpty) {
  EXPECT_EQ(TextToHundredths(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TextToHundredthsTable,
    ::testing::Values(
        HundredthsText{32767, ""}, HundredthsText{350, "3.50"}, HundredthsText{350, "3.5"},
        HundredthsText{300, "3"}, HundredthsText{300, "3."}, HundredthsText{50, ".5"},
        HundredthsText{-50, "-0.5"}, HundredthsText{-125, "-1.25"}, HundredthsText{125, "+1.25"},
        HundredthsText{1250, "  12.5"}, HundredthsText{0, "-0.00"},
        // Rounded exactly on the digits, halves to even.
        HundredthsText{12, "0.125"}, HundredthsText{14, "0.135"}, HundredthsText{13, "0.1251"},
        HundredthsText{100, "1.005"}, HundredthsText{102, "1.015"}, HundredthsText{-12, "-0.125"},
        HundredthsText{-13, "-0.126"},
        // Not a decimal number as a whole: comma, trailing blank, letters, two points.
        HundredthsText{32767, "3,5"}, HundredthsText{32767, "3.5 "}, HundredthsText{32767, "abc"},
        HundredthsText{32767, "1.2.3"}, HundredthsText{32767, "."}, HundredthsText{32767, "-"},
        HundredthsText{32767, "1e2"}, HundredthsText{32767, "- 1"},
        // The 16-bit range: -327.68 .. 327.66 are values, beyond is unreadable.
        HundredthsText{32766, "327.66"}, HundredthsText{-32768, "-327.68"},
        HundredthsText{32767, "327.67"}, HundredthsText{32767, "327.68"},
        HundredthsText{32767, "-327.69"}, HundredthsText{32767, "655.36"},
        HundredthsText{32767, "99999999999999999999999"}));

TEST(Hundredths, NegativeValueIsStoredAsTwosComplement) {
  EXPECT_EQ(static_cast<uint16_t>(TextToHundredths("-0.5")), 65486);
}

TEST(Hundredths, EveryValueReadsBackFromItsText) {
  for (int v = std::numeric_limits<int16_t>::min(); v <= std::numeric_limits<int16_t>::max(); ++v) {
    const auto value = static_cast<int16_t>(v);
    ASSERT_EQ(TextToHundredths(HundredthsToText(value)), value);
  }
}

// ---- record to view ---------------------------------------------------------------------

TEST(RecordToView, FullyFilledDiveShowsEveryField) {
  const ponorTxt view = ViewOf(FullyFilledDive());
  EXPECT_EQ(view.Znacka, 160);
  EXPECT_EQ(view.Datum, W("15.07.2005 pátek"));
  EXPECT_EQ(view.Cas, "10:05");
  EXPECT_EQ(view.Lokalita, W("Chorvatsko – Krk"));
  EXPECT_EQ(view.Misto, W("Žabí útes"));
  EXPECT_EQ(view.NadmorskaVyska, W("900 až 1700 m.n.m"));
  EXPECT_EQ(view.NadmorskaVyskaKod, 2);
  EXPECT_EQ(view.PovrchovyInterval, "01:35");
  EXPECT_EQ(view.Pocasi, W("mlhavo"));
  EXPECT_EQ(view.PocasiKod, 3);
  EXPECT_EQ(view.TeplotaVzduchu, "24.50");
  EXPECT_EQ(view.Oblek, W("dvoudílný mokrý"));
  EXPECT_EQ(view.OblekKod, 4);
  EXPECT_EQ(view.Lahev, "15.00");
  EXPECT_EQ(view.Hloubka, "31.25");
  EXPECT_EQ(view.DelkaPonoru, "00:47");
  EXPECT_EQ(view.TeplotaVody, "-1.50");
  EXPECT_EQ(view.SpotrebaVzduchu, "140.00");
  EXPECT_EQ(view.TypPonoru, W("bezdekompresní, sladká voda, nitrox"));
  EXPECT_EQ(view.TypAktivity, W("vyhlídkový, foto, záchranný"));
  EXPECT_EQ(view.Jiny, W("lov fotek"));
  EXPECT_EQ(view.Partner, W("Jana Nováková, Petr Řezník"));
  EXPECT_EQ(view.Poznamka, W("Viditelnost 8 m, slabý proud; vrak ve 30 m."));
  EXPECT_EQ(view.Chyby, W("výstup, SOS"));
  EXPECT_EQ(view.Cislo, "1234");
  EXPECT_EQ(view.Rezerva, (std::array<uint16_t, 6>{1, 2, 3, 4, 5, 0xFFFF}));
  EXPECT_EQ(view.GrafPocet, FullyFilledDive().GrafPocet);
  EXPECT_EQ(view.Graf[0], 0xA5);
  EXPECT_EQ(view.FormatGrafu, 24);
  EXPECT_EQ(view.PocetVzorku, 5);
  EXPECT_EQ(view.MaxPO2, "1.40 bar");
  EXPECT_EQ(view.EAN, "24");
}

TEST(RecordToView, EmptyDiveShowsEmptyFields) {
  const ponorTxt view = ViewOf(ponor{});
  EXPECT_EQ(view.Datum, W("01.01.1980 úterý"));
  EXPECT_EQ(view.Cas, "");
  EXPECT_EQ(view.PovrchovyInterval, "");
  EXPECT_EQ(view.TeplotaVzduchu, "");
  EXPECT_EQ(view.Lahev, "");
  EXPECT_EQ(view.Hloubka, "0.00");  // a new dive holds depth 0, not empty
  EXPECT_EQ(view.DelkaPonoru, "00:00");
  EXPECT_EQ(view.TypPonoru, "");
  EXPECT_EQ(view.Chyby, "");
  EXPECT_EQ(view.Cislo, "0");
  EXPECT_EQ(view.PocetVzorku, 0);
  EXPECT_EQ(view.DelkaGrafu, "00:00");
  EXPECT_EQ(view.MaxPO2, "");
  EXPECT_EQ(view.EAN, "");
  EXPECT_EQ(view.FormatGrafu, 22);
}

TEST(RecordToView, CutsTextsToTheirFieldLengths) {
  ponor dive;
  dive.Lokalita = std::string(30, 'L');
  dive.Misto = std::string(21, 'M');
  dive.Jiny = std::string(25, 'J');
  dive.Partner = std::string(60, 'P');
  dive.Poznamka = std::string(255, 'N');
  const ponorTxt view = ViewOf(dive);
  EXPECT_EQ(view.Lokalita, std::string(20, 'L'));
  EXPECT_EQ(view.Misto, std::string(20, 'M'));
  EXPECT_EQ(view.Jiny, std::string(20, 'J'));
  EXPECT_EQ(view.Partner, std::string(47, 'P'));
  EXPECT_EQ(view.Poznamka, std::string(254, 'N'));
}

TEST(RecordToView, DateTextIsCutToTwentyCharacters) {
  TCategoryTables tables = TCategoryTables::BuiltIn();
  tables.DnyTydne[1] = "Tuesday-with-a-long-name";
  ponorTxt view;
  RecordToView(ponor{}, view, CodecContext{tables});
  EXPECT_EQ(view.Datum, "01.01.1980 Tuesday-w");
}

TEST(RecordToView, DiveTypesJoinNamesAndChooseNitroxFormat) {
  ponor dive;
  dive.TypPonoru = 1u << 2 | 1u << 8;
  for (uint16_t defaultFormat : {22, 24, 25}) {
    const ponorTxt view = ViewOf(dive, defaultFormat);
    EXPECT_EQ(view.TypPonoru, W("bezdekompresní, nitrox"));
    EXPECT_EQ(view.FormatGrafu, 24);
    EXPECT_TRUE(view.TypPonoruPriznaky[2]);
    EXPECT_TRUE(view.TypPonoruPriznaky[8]);
    EXPECT_FALSE(view.TypPonoruPriznaky[3]);
  }
}

TEST(RecordToView, DiveTypeBitWithEmptyNameStillSetsItsFlag) {
  ponor dive;
  dive.TypPonoru = 1u << 2 | 1u << 9 | 1u << 10;
  const ponorTxt view = ViewOf(dive);
  // Bit 10 has no built-in name: its separator is written, its flag kept.
  EXPECT_EQ(view.TypPonoru, W("bezdekompresní, SCR, "));
  EXPECT_TRUE(view.TypPonoruPriznaky[9]);
  EXPECT_TRUE(view.TypPonoruPriznaky[10]);
  EXPECT_EQ(view.FormatGrafu, 25);
}

TEST(RecordToView, UnnamedErrorsAreDroppedOnTheWayBack) {
  ponor dive;
  dive.Chyby = 1u << 0 | 1u << 1;
  const ponorTxt view = ViewOf(dive);
  EXPECT_EQ(view.Chyby, W("výstup"));
  EXPECT_TRUE(view.ChybyPriznaky[0]);
  EXPECT_FALSE(view.ChybyPriznaky[1]);
  ponor back;
  ViewToRecord(view, back);
  EXPECT_EQ(back.Chyby, 1u);
}

TEST(RecordToView, CategoryCodeOutsideItsTableShowsNoNameButIsKept) {
  ponor dive;
  dive.NadmorskaVyska = 5;
  dive.Pocasi = 200;
  dive.Oblek = 255;
  const ponorTxt view = ViewOf(dive);
  EXPECT_EQ(view.NadmorskaVyska, "");
  EXPECT_EQ(view.Pocasi, "");
  EXPECT_EQ(view.Oblek, "");
  ponor back;
  ViewToRecord(view, back);
  EXPECT_EQ(back.NadmorskaVyska, 5);
  EXPECT_EQ(back.Pocasi, 200);
  EXPECT_EQ(back.Oblek, 255);
}

TEST(RecordToView, ReusedViewCarriesNothingOverFromThePreviousDive) {
  ponorTxt view;
  RecordToView(FullyFilledDive(), view, test::TestContext());
  RecordToView(ponor{}, view, test::TestContext());
  const ponorTxt fresh = ViewOf(ponor{});
  EXPECT_EQ(view.Lokalita, fresh.Lokalita);
  EXPECT_EQ(view.TypPonoru, fresh.TypPonoru);
  EXPECT_EQ(view.TypAktivityPriznaky, fresh.TypAktivityPriznaky);
  EXPECT_EQ(view.ChybyPriznaky, fresh.ChybyPriznaky);
  EXPECT_EQ(view.Hloubky, fresh.Hloubky);
  EXPECT_EQ(view.ZnakyVzorku, fresh.ZnakyVzorku);
  EXPECT_EQ(view.PocetVzorku, 0);
  EXPECT_EQ(view.DelkaGrafu, "00:00");
  EXPECT_EQ(view.MaxPO2, "");
  EXPECT_EQ(view.EAN, "");
  EXPECT_EQ(view.Graf, fresh.Graf);
}

// ---- view to record ---------------------------------------------------------------------

TEST(ViewToRecord, FullyFilledDiveSurvivesTheRoundTrip) {
  const ponor dive = FullyFilledDive();
  ponor back;
  ViewToRecord(ViewOf(dive), back);
  EXPECT_EQ(back, dive);
}

TEST(ViewToRecord, EmptyDiveComesBackWithFirstDayOf1980) {
  ponor back;
  ViewToRecord(ViewOf(ponor{}), back);
  ponor expected;
  expected.Datum = kDay1980;  // the new dive's 32767 is not a usable day
  EXPECT_EQ(back, expected);
}

TEST(ViewToRecord, LeavesTheLastTwoProfileBytesOfTheRecord) {
  ponor dive = FullyFilledDive();
  dive.Graf[1999] = 1;
  dive.Graf[2000] = 2;
  dive.Graf[2001] = 3;
  ponor target;
  target.Graf[2000] = 0x77;
  target.Graf[2001] = 0x88;
  ViewToRecord(ViewOf(dive), target);
  EXPECT_EQ(target.Graf[1999], 1);
  EXPECT_EQ(target.Graf[2000], 0x77);
  EXPECT_EQ(target.Graf[2001], 0x88);
}

TEST(ViewToRecord, EditedTextsAreConverted) {
  ponorTxt view = ViewOf(FullyFilledDive());
  view.Datum = "29.02.1981";
  view.Cas = "7:30";
  view.TeplotaVody = "3,5";
  view.Hloubka = "-0.5";
  view.DelkaPonoru = "";
  view.TypAktivityPriznaky = {};
  view.TypAktivityPriznaky[3] = true;
  view.TypAktivity = "ignored";
  ponor back;
  ViewToRecord(view, back);
  EXPECT_EQ(back.Datum, 139189);
  EXPECT_EQ(back.Cas, 0);
  EXPECT_EQ(back.TeplotaVody, kEmptyValue);
  EXPECT_EQ(back.Hloubka, -50);
  EXPECT_EQ(back.DelkaPonoru, kEmptyValue);
  EXPECT_EQ(back.TypAktivity, 1u << 3);
}

TEST(ViewToRecord, TextsLongerThanTheirFieldsAreCut) {
  ponorTxt view = ViewOf(ponor{});
  view.Lokalita = std::string(25, 'L');
  view.Poznamka = std::string(300, 'N');
  ponor back;
  ViewToRecord(view, back);
  EXPECT_EQ(back.Lokalita, std::string(20, 'L'));
  EXPECT_EQ(back.Poznamka, std::string(254, 'N'));
}

TEST(ViewToRecord, UnreadableDiveNumberKeepsTheRecordsNumber) {
  ponorTxt view = ViewOf(ponor{});
  ponor back;
  back.Cislo = 42;
  for (const char* text : {"", "abc", "-1", "65536", "12a"}) {
    view.Cislo = text;
    ViewToRecord(view, back);
    EXPECT_EQ(back.Cislo, 42) << text;
  }
  view.Cislo = "65535";
  ViewToRecord(view, back);
  EXPECT_EQ(back.Cislo, 65535);
}

TEST(ViewToRecord, TimesOfHundredHoursAndMoreSurvive) {
  ponor dive;
  dive.PovrchovyInterval = 7200;  // 120:00
  dive.DelkaPonoru = -1;          // 1092:15 as an unsigned minute count
  ponor back;
  ViewToRecord(ViewOf(dive), back);
  EXPECT_EQ(back.PovrchovyInterval, 7200);
  EXPECT_EQ(back.DelkaPonoru, -1);
}

}  // namespace
}  // namespace zirdan
