#include "core/encoding.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "core/dos_code_pages.h"
#include "core/win1250.h"

namespace zirdan {
namespace {

constexpr Encoding kAscii = Encoding::Ascii;
constexpr Encoding kKam = Encoding::Kamenicky;
constexpr Encoding kLatin2 = Encoding::Latin2;
constexpr Encoding kWin = Encoding::Windows1250;
constexpr Encoding kCode3 = static_cast<Encoding>(3);
constexpr Encoding kAll[] = {kAscii, kKam, kLatin2, kWin};

// Windows-1250 bytes of a UTF-8 literal.
std::string W(const char* utf8) {
  return Utf8ToWin1250(utf8);
}

std::string AllBytes() {
  std::string text;
  for (int b = 0; b < 256; ++b) text += static_cast<char>(b);
  return text;
}

// Every accented letter of Windows-1250 (which Latin2 holds too).
const char* const kWinAccentedLetters =
    "ŠŚŤŽŹšśťžźŁĄŞŻłąşĽľżŔÁÂĂÄĹĆÇČÉĘËĚÍÎĎĐŃŇÓÔŐÖŘŮÚŰÜÝŢŕáâăäĺćçčéęëěíîďđńňóôőöřůúűüýţ";

// The Kamenický letters of bytes 0x80..0xAB, in byte order.
const char* const kKamenickyLetters = "ČüéďäĎŤčěĚĹÍľĺÄÁÉžŽôöÓůÚýÖÜŠĽÝŘťáíóúňŇŮÔšřŕŔ";

// Bytes that code page 437 shows as accented letters.
bool IsAccentedIn437(uint8_t b) {
  return (b >= 0x80 && b <= 0x90) || (b >= 0x93 && b <= 0x9A) || (b >= 0xA0 && b <= 0xA5);
}

bool IsAsciiLetter(uint8_t b) {
  return b < 0x80 && std::isalpha(b);
}

struct EdgeCase {
  const char* what;
  Encoding source;
  Encoding target;
  std::string input;
  std::string expected;
};

void PrintTo(const EdgeCase& c, std::ostream* os) {
  *os << c.what;
}

class EncodingEdgeCase : public ::testing::TestWithParam<EdgeCase> {};

TEST_P(EncodingEdgeCase, ConvertsAsDescribed) {
  const EdgeCase& c = GetParam();
  EXPECT_EQ(ConvertText(c.input, c.source, c.target), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Rules, EncodingEdgeCase,
    ::testing::Values(
        // Same letter, its byte in the target.
        EdgeCase{"Kamenicky c and R caron", kKam, kWin, "\x87\x9E", "\xE8\xD8"},
        EdgeCase{"Latin2 A acute to Kamenicky", kLatin2, kKam, "\xB5", "\x8F"},
        EdgeCase{"Windows l stroke kept by Latin2", kWin, kLatin2, W("łŁ"), "\x88\x9D"},
        EdgeCase{"Windows text to Kamenicky", kWin, kKam, W("Žluťoučký kůň"),
                 "\x92lu\x9Fou\x87k\x98 k\x96\xA4"},
        // Letters the target lacks lose their diacritic.
        EdgeCase{"Windows to Ascii", kWin, kAscii, W("žťčý"), "ztcy"},
        EdgeCase{"Ascii has no accented letters of 437", kKam, kAscii, "\x81\x82\x84\x94", "ueao"},
        EdgeCase{"strokes", kWin, kKam, W("łŁđĐ"), "lLdD"},
        EdgeCase{"s acute to Kamenicky", kWin, kKam, W("ś"), "s"},
        EdgeCase{"double acute to umlaut for Kamenicky", kWin, kKam, W("őűŐŰ"), "\x94\x81\x99\x9A"},
        EdgeCase{"double acute plain for Ascii", kWin, kAscii, W("őűŐŰ"), "ouOU"},
        EdgeCase{"double acute from Latin2 to Kamenicky", kLatin2, kKam, "\x8B\xFB", "ou"},
        // Look-alikes from Windows-1250.
        EdgeCase{"low quote", kWin, kKam, W("‚"), ","},
        EdgeCase{"double quotes", kWin, kKam, W("„“”˝"), "\"\"\"\""},
        EdgeCase{"angle quotes", kWin, kAscii, W("‹›"), "<>"},
        EdgeCase{"single quotes and acute", kWin, kKam, W("‘’´"), "`''"},
        EdgeCase{"acute and double acute kept by Latin2", kWin, kLatin2, W("´˝"), "\xEF\xF1"},
        EdgeCase{"dashes", kWin, kKam, W("–\u00AD"), "--"},
        EdgeCase{"soft hyphen kept by Latin2", kWin, kLatin2, W("\u00AD"), "\xF0"},
        EdgeCase{"broken bar and times", kWin, kAscii, W("¦×"), "|x"},
        EdgeCase{"times kept by Latin2", kWin, kLatin2, W("×"), "\x9E"},
        EdgeCase{"pilcrow", kWin, kLatin2, W("¶"), "\x14"},
        EdgeCase{"em dash to box line", kWin, kLatin2, W("—"), "\xC4"},
        EdgeCase{"bullet and middle dot to Kamenicky", kWin, kKam, W("•·"), "\xF9\xF9"},
        EdgeCase{"bullet and middle dot to Ascii", kWin, kAscii, W("•·"), "\xF9\xF9"},
        EdgeCase{"bullet and middle dot to Latin2", kWin, kLatin2, W("•·"), "  "},
        // Look-alikes towards Windows-1250.
        EdgeCase{"Kamenicky box lines", kKam, kWin, "\xB3\xC4", "|\x97"},
        EdgeCase{"Latin2 box lines", kLatin2, kWin, "\xB3\xC4", "|\x97"},
        EdgeCase{"Latin2 soft hyphen", kLatin2, kWin, "\xF0", "\x96"},
        // The section sign.
        EdgeCase{"section sign to Ascii from Windows", kWin, kAscii, W("§"), "\x15"},
        EdgeCase{"section sign to Ascii from Kamenicky", kKam, kAscii, "\xAD", "\x15"},
        EdgeCase{"section sign to Ascii from Latin2", kLatin2, kAscii, "\xF5", "\x15"},
        EdgeCase{"section sign between the others", kWin, kKam, W("§"), "\xAD"},
        // Symbols and graphics.
        EdgeCase{"shared box drawing", kKam, kLatin2, "\xC5\xDB", "\xC5\xDB"},
        EdgeCase{"box drawing Latin2 lacks is no letter", kKam, kLatin2, "\xB5\xD2", "  "},
        EdgeCase{"box drawing kept for Ascii", kKam, kAscii, "\xC9\xCD\xBB", "\xC9\xCD\xBB"},
        EdgeCase{"degree and plus-minus", kKam, kWin, "\xF8\xF1", W("°±")},
        EdgeCase{"Greek alpha to Windows", kKam, kWin, "\xE0", " "},
        EdgeCase{"euro and ellipsis", kWin, kKam, W("€…"), "  "},
        EdgeCase{"currency sign only in Latin2", kLatin2, kKam, "\xCF", " "}),
    [](const ::testing::TestParamInfo<EdgeCase>& info) {
      return "Row" + std::to_string(info.index);
    });

// Every ordered pair of two different encodings.
std::vector<std::pair<Encoding, Encoding>> AllDirections() {
  std::vector<std::pair<Encoding, Encoding>> pairs;
  for (Encoding s : kAll)
    for (Encoding t : kAll)
      if (s != t) pairs.emplace_back(s, t);
  return pairs;
}

TEST(EncodingTables, BytesBelow128UnchangedInAllTwelveDirections) {
  const auto directions = AllDirections();
  ASSERT_EQ(directions.size(), 12u);
  const std::string ascii = AllBytes().substr(0, 128);
  for (const auto& [s, t] : directions)
    EXPECT_EQ(ConvertText(ascii, s, t), ascii)
        << static_cast<int>(s) << "->" << static_cast<int>(t);
}

TEST(EncodingTables, TextKeepsItsLength) {
  const std::string text = AllBytes() + AllBytes();
  for (const auto& [s, t] : AllDirections()) EXPECT_EQ(ConvertText(text, s, t).size(), text.size());
}

TEST(EncodingTables, KamenickyLettersRoundTripThroughWindows1250) {
  const std::string letters = W(kKamenickyLetters);
  ASSERT_EQ(letters.size(), 0xACu - 0x80u);
  for (std::size_t i = 0; i < letters.size(); ++i) {
    const std::string kam(1, static_cast<char>(0x80 + i));
    const std::string win = ConvertText(kam, kKam, kWin);
    EXPECT_EQ(win, letters.substr(i, 1)) << "Kamenicky byte " << std::hex << 0x80 + i;
    EXPECT_EQ(ConvertText(win, kWin, kKam), kam);
  }
}

TEST(EncodingTables, Latin2AndWindowsShareEveryLetter) {
  // Windows-1250 and Latin2 hold the same accented letters, so none is reduced.
  for (char c : W(kWinAccentedLetters)) {
    const std::string win(1, c);
    const std::string latin2 = ConvertText(win, kWin, kLatin2);
    EXPECT_GE(static_cast<uint8_t>(latin2[0]), 0x80) << Win1250ToUtf8(win);
    EXPECT_EQ(ConvertText(latin2, kLatin2, kWin), win) << Win1250ToUtf8(win);
  }
  // And the other way: every Latin2 byte that is a letter comes back.
  const std::string winLetters = W(kWinAccentedLetters);
  int letters = 0;
  for (int b = 0x80; b < 256; ++b) {
    const std::string latin2(1, static_cast<char>(b));
    const std::string win = ConvertText(latin2, kLatin2, kWin);
    if (winLetters.find(win[0]) == std::string::npos) continue;
    ++letters;
    EXPECT_EQ(ConvertText(win, kWin, kLatin2), latin2) << "Latin2 byte " << std::hex << b;
  }
  EXPECT_EQ(letters, static_cast<int>(winLetters.size()));
}

TEST(EncodingTables, ConversionToAsciiYieldsNoAccentedLetter) {
  const std::string winLetters = W(kWinAccentedLetters);
  for (Encoding s : {kKam, kLatin2, kWin}) {
    const auto& table = ConversionTable(s, kAscii);
    for (int b = 0x80; b < 256; ++b) {
      const uint8_t out = table[b];
      EXPECT_FALSE(IsAccentedIn437(out))
          << static_cast<int>(s) << " byte " << std::hex << b << " -> " << int{out};
      // A letter becomes a plain letter; other bytes in the upper half keep their
      // character or are the centred dot or the horizontal line standing in for one.
      const std::string asWin = s == kWin
                                    ? std::string(1, static_cast<char>(b))
                                    : ConvertText(std::string(1, static_cast<char>(b)), s, kWin);
      if (winLetters.find(asWin[0]) != std::string::npos) {
        EXPECT_TRUE(IsAsciiLetter(out)) << static_cast<int>(s) << " byte " << std::hex << b;
      } else if (out >= 0x80) {
        const bool same = CodePointOf(kAscii, out) == CodePointOf(s, static_cast<uint8_t>(b));
        EXPECT_TRUE(same || out == 0xF9 || out == 0xC4)
            << static_cast<int>(s) << " byte " << std::hex << b << " -> " << int{out};
      }
    }
  }
}

TEST(EncodingTables, CharacterTheTargetHoldsIsKept) {
  // Only the middle dot is written as the first of the two DOS centred dots.
  for (Encoding s : {kKam, kLatin2, kWin}) {
    for (Encoding t : {kKam, kLatin2, kWin}) {
      if (s == t) continue;
      const auto& table = ConversionTable(s, t);
      for (int b = 0x80; b < 256; ++b) {
        const char32_t source = CodePointOf(s, static_cast<uint8_t>(b));
        bool held = false;
        for (int x = 0x80; x < 256; ++x)
          held = held || CodePointOf(t, static_cast<uint8_t>(x)) == source;
        if (!held || source == U'·' || (s == kLatin2 && t == kWin && b == 0xF0)) continue;
        EXPECT_EQ(CodePointOf(t, table[b]), source)
            << static_cast<int>(s) << "->" << static_cast<int>(t) << " byte " << std::hex << b;
      }
    }
  }
}

TEST(EncodingTables, AsciiSourceAndEqualCodesLeaveTextUnchanged) {
  const std::string text = AllBytes();
  for (Encoding t : kAll) {
    EXPECT_EQ(ConvertText(text, kAscii, t), text);
    EXPECT_EQ(ConvertText(text, t, t), text);
  }
}

TEST(EncodingTables, Code3IsNoConversion) {
  const std::string text = AllBytes();
  EXPECT_EQ(ConvertText(text, kCode3, kWin), text);
  EXPECT_EQ(ConvertText(text, kWin, kCode3), text);
  EXPECT_EQ(ConvertText(text, kCode3, kKam), text);
  EXPECT_EQ(ConvertText(text, static_cast<Encoding>(99), kKam), text);
  EXPECT_FALSE(IsOfferedConversion(kCode3, kWin));
  EXPECT_FALSE(IsOfferedConversion(kWin, kCode3));
}

TEST(EncodingMenu, OffersTheNinePairs) {
  const std::vector<std::pair<Encoding, Encoding>> menu = {
      {kKam, kLatin2},   {kKam, kWin}, {kKam, kAscii},  {kLatin2, kKam}, {kLatin2, kWin},
      {kLatin2, kAscii}, {kWin, kKam}, {kWin, kLatin2}, {kWin, kAscii}};
  int offered = 0;
  for (Encoding s : kAll)
    for (Encoding t : kAll) {
      const bool inMenu = std::find(menu.begin(), menu.end(), std::pair{s, t}) != menu.end();
      EXPECT_EQ(IsOfferedConversion(s, t), inMenu)
          << static_cast<int>(s) << "->" << static_cast<int>(t);
      offered += IsOfferedConversion(s, t);
    }
  EXPECT_EQ(offered, 9);
}

TEST(EncodingNames, KnownNamesInAnyCase) {
  EXPECT_EQ(EncodingFromName("kamenicky"), kKam);
  EXPECT_EQ(EncodingFromName("Latin2"), kLatin2);
  EXPECT_EQ(EncodingFromName("WINDOWS1250"), kWin);
  EXPECT_EQ(EncodingFromName("ascii"), kAscii);
  EXPECT_EQ(EncodingFromName("cp852"), std::nullopt);
  EXPECT_EQ(EncodingFromName(""), std::nullopt);
  EXPECT_EQ(EncodingFromName("ascii "), std::nullopt);
}

ponor DiveWithTexts(uint16_t cislo, const char* lokalita, const char* poznamka) {
  ponor dive;
  dive.Cislo = cislo;
  dive.Datum = kDay1980 + 100;
  dive.Hloubka = 1850;
  dive.TypPonoru = 0x0104;
  dive.TypAktivity = 0x8001;
  dive.Chyby = 0x0009;
  dive.Rezerva = {1, 2, 3, 4, 5, 6};
  dive.GrafPocet = 3;
  dive.Graf[0] = 0x87;  // profile bytes that happen to look like Kamenický letters
  dive.Graf[1] = 0x9E;
  dive.Graf[2] = 0xA0;
  dive.Lokalita = lokalita;
  dive.Misto = "\x87\x9E";
  dive.Jiny = "\xA0";
  dive.Partner = "Ji\xA9\xA1";
  dive.Poznamka = poznamka;
  return dive;
}

TEST(ConvertLogbook, ConvertsOnlyTheFiveTextsAndMarksTheLogbookChanged) {
  TLogbook logbook;
  logbook.Nacteno = true;
  const ponor first = DiveWithTexts(7, "\x8A\x88", "");
  const ponor second = DiveWithTexts(8, "Krk", "pozn\xA0mka \xB3 \xC4");
  logbook.Append(first);
  logbook.Append(second);
  logbook.Renumber();
  const std::vector<std::string> seznam = logbook.Seznam;

  ConvertLogbook(logbook, kKam, kWin);

  EXPECT_TRUE(logbook.Zmeneno);
  EXPECT_EQ(logbook.Seznam, seznam);
  ASSERT_EQ(logbook.PocetPonoru(), 2);
  const std::vector<pam*> dives = logbook.Dives();
  for (std::size_t i = 0; i < dives.size(); ++i) {
    const ponor& original = i == 0 ? first : second;
    ponor expected = original;
    expected.Cislo = dives[i]->Cislo;  // renumbered above, not by the conversion
    expected.Lokalita = ConvertText(original.Lokalita, kKam, kWin);
    expected.Misto = W("čŘ");
    expected.Jiny = W("á");
    expected.Partner = W("Jiří");
    expected.Poznamka = ConvertText(original.Poznamka, kKam, kWin);
    EXPECT_EQ(static_cast<const ponor&>(*dives[i]), expected) << "dive " << i;
  }
  EXPECT_EQ(dives[0]->Lokalita, W("Ĺě"));
  EXPECT_EQ(dives[1]->Poznamka, W("poznámka | —"));
}

TEST(ConvertLogbook, EmptyLogbookIsStillMarkedChanged) {
  TLogbook logbook;
  ConvertLogbook(logbook, kWin, kAscii);
  EXPECT_TRUE(logbook.Zmeneno);
  EXPECT_EQ(logbook.PocetPonoru(), 0);
}

struct OutputCase {
  bool windows, kamenicky, latin2, ascii;
  Encoding expected;
};

void PrintTo(const OutputCase& c, std::ostream* os) {
  *os << "Windows " << c.windows << ", Kamenicky " << c.kamenicky << ", Latin2 " << c.latin2
      << ", Ascii " << c.ascii;
}

class OutputEncodingRule : public ::testing::TestWithParam<OutputCase> {};

TEST_P(OutputEncodingRule, LastSettingOnWins) {
  const OutputCase& c = GetParam();
  OutputEncodingSettings settings;
  settings.KodovaniWindows = c.windows;
  settings.KodovaniKamenicky = c.kamenicky;
  settings.KodovaniLatin2 = c.latin2;
  settings.KodovaniAscii = c.ascii;
  EXPECT_EQ(OutputEncoding(settings), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Settings, OutputEncodingRule,
                         ::testing::Values(OutputCase{false, false, false, false, kWin},
                                           OutputCase{true, false, false, false, kWin},
                                           OutputCase{false, true, false, false, kKam},
                                           OutputCase{false, false, true, false, kLatin2},
                                           OutputCase{false, false, false, true, kAscii},
                                           OutputCase{true, true, false, false, kKam},
                                           OutputCase{false, true, true, false, kLatin2},
                                           OutputCase{true, true, true, true, kAscii},
                                           OutputCase{true, false, true, false, kLatin2}));

TEST(OutputEncoding, NothingStoredMeansKamenicky) {
  EXPECT_EQ(OutputEncoding(OutputEncodingSettings{}), kKam);
}

TEST(OutputEncoding, WindowsOutputWritesTheLogbookBytesUnchanged) {
  const std::string line = AllBytes();
  EXPECT_EQ(ConvertText(line, kWin, OutputEncoding({true, false, false, false})), line);
}

}  // namespace
}  // namespace zirdan
