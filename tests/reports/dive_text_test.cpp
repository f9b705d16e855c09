// The text output of one dive: its lines and the bytes of its file in each encoding.

#include "reports/dive_text.h"

#include <gtest/gtest.h>

#include "core/field_codec.h"
#include "reports/report_fixtures.h"

namespace zirdan {
namespace {

using test::DayNumber;
using test::W;

class DiveTextTest : public ::testing::Test {
 protected:
  DiveTextTest() {
    m_messages.Set("StrPonorC", W("Ponor č."));
    m_messages.Set("StrGraf", W("Průběh ponoru"));
    m_messages.Set("StrSpotreba1", W("Spotřeba vzduchu"));
    m_messages.Set("StrSpotreba2", "l/min");
    m_messages.Set("StrObdelnik", "Plnost");
  }

  static ponor Completed() {
    ponor d;
    d.Cislo = 12;
    d.Datum = DayNumber(15, 6, 2003);
    d.Cas = 14 * 60 + 5;
    d.Lokalita = "Chorvatsko";
    d.Misto = "Rovinj";
    d.NadmorskaVyska = 1;
    d.PovrchovyInterval = 90;
    d.Hloubka = 2550;
    d.DelkaPonoru = 48;
    d.Oblek = 3;
    d.Lahev = 1500;
    d.SpotrebaVzduchu = 15000;
    d.Pocasi = 1;
    d.TeplotaVzduchu = 2450;
    d.TeplotaVody = -150;
    d.TypPonoru = (1 << 2) | (1 << 7);
    d.TypAktivity = (1 << 0) | (1 << 11);
    d.Jiny = "sepie";
    d.Partner = W("Petr Novák");
    d.Chyby = 1 << 0;
    d.Poznamka = W("Krásná viditelnost");
    return d;
  }

  std::vector<DiveTextLine> Build(const ponor& dive, char separator = '.') {
    const CodecContext codec{m_tables, kFormatBasic, separator};
    return BuildDiveText(dive, codec, m_messages, m_labels);
  }

  static std::vector<std::string> Texts(const std::vector<DiveTextLine>& lines) {
    std::vector<std::string> texts;
    for (const DiveTextLine& line : lines) texts.push_back(line.Text);
    return texts;
  }

  TMessageTable m_messages = test::KeyNamedMessages();
  TCategoryTables m_tables = TCategoryTables::BuiltIn();
  FieldLabelCaptions m_labels = FieldLabelCaptions::DesignTime();
};

constexpr const char* kFieldLines = R"(Ponor č.             12|
Datum                15.06.2003 neděle|
Čas                  14:05|
Lokalita             Chorvatsko|
Místo                Rovinj|
Nadmořská výška      0 až 900 m.n.m|
Povrchový interval   01:30|
Max. hloubka [m]     25.50|
Délka ponoru         00:48|
Typ obleku           jednodílný mokrý|
Objem lahve [l]      15.00|
Spotřeba vz. [bar]   150.00|
Počasí               jasno|
Teplota vz. [°C]     24.50|
Teplota vody [°C]    -1.50|
Typ ponoru           bezdekompresní, mořská voda|
Typ aktivity         vyhlídkový, foto|
   Jiná              sepie|
Partner              Petr Novák|
Chyby při ponoru     výstup|
Poznámka             Krásná viditelnost|
|
)";

TEST_F(DiveTextTest, DiveWithoutProfileEndsWithTheEmptyLine) {
  EXPECT_EQ(test::Joined(Texts(Build(Completed()))), W(kFieldLines));
}

TEST_F(DiveTextTest, ProfileListsEverySampleThenConsumptionAndFullness) {
  ponor d = Completed();
  test::SetProfile(d, {125, 1000, 4031});
  const std::vector<DiveTextLine> lines = Build(d);
  EXPECT_EQ(test::Joined(Texts(lines)), W(std::string(kFieldLines) + R"(Průběh ponoru:|
      0 s ..     1.3 m|
     20 s ..     1.3 m|
     40 s ..    10.0 m|
     60 s ..    40.3 m|
|
Spotřeba vzduchu 1329.26 l/min|
|
Plnost 25.45 %|
)"));
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const bool sample = i >= 23 && i <= 26;
    EXPECT_EQ(lines[i].Converted, !sample) << i;
  }
}

TEST_F(DiveTextTest, ProfilePartUsesTheRegionalDecimalSeparator) {
  ponor d = Completed();
  test::SetProfile(d, {125, 1000, 4031});
  const std::vector<std::string> texts = Texts(Build(d, ','));
  EXPECT_EQ(texts[23], "      0 s ..     1,3 m");
  EXPECT_EQ(texts[26], "     60 s ..    40,3 m");
  EXPECT_EQ(texts[28], W("Spotřeba vzduchu 1329,26 l/min"));
  EXPECT_EQ(texts[30], "Plnost 25,45 %");
  EXPECT_EQ(texts[7], W("Max. hloubka [m]     25.50"));  // field values keep their point
}

TEST_F(DiveTextTest, MeasuresWithoutProfileDataAreLeftOut) {
  ponor d = Completed();
  d.Lahev = kEmptyValue;        // no consumption rate
  d.DelkaPonoru = kEmptyValue;  // no fullness
  test::SetProfile(d, {1000, 1000, 1000});
  const std::vector<std::string> texts = Texts(Build(d));
  ASSERT_EQ(texts.size(), 27u);
  EXPECT_EQ(texts.back(), "     60 s ..    10.0 m");
}

TEST_F(DiveTextTest, LongLabelIsCutAndTheValueFollowsDirectly) {
  m_labels.Label[1] = "Date of the dive, as entered";
  m_labels.Label[20] = "Another activity, free text";
  const std::vector<std::string> texts = Texts(Build(Completed()));
  EXPECT_EQ(texts[1], W("Date of the dive, as 15.06.2003 neděle"));
  EXPECT_EQ(texts[17], "   Another activity, sepie");
}

TEST_F(DiveTextTest, ProposedFileNameIsTheDiveNumber) {
  EXPECT_EQ(DiveTextFileName(Completed(), m_messages), W("Ponor č. 12.TXT"));
}

TEST_F(DiveTextTest, Windows1250FileHoldsTheBytesAsHeld) {
  ponor d = Completed();
  test::SetProfile(d, {1000});
  const std::vector<DiveTextLine> lines = Build(d);
  std::string expected;
  for (const std::string& text : Texts(lines)) expected += text + "\r\n";
  EXPECT_EQ(DiveTextFileBytes(lines, Encoding::Windows1250), expected);
}

TEST_F(DiveTextTest, AsciiFileReducesLettersAndKeepsSampleLines) {
  ponor d = Completed();
  test::SetProfile(d, {1000});
  const std::string bytes = DiveTextFileBytes(Build(d), Encoding::Ascii);
  const std::string start =
      "Ponor c.             12\r\n"
      "Datum                15.06.2003 nedele\r\n";
  EXPECT_EQ(bytes.substr(0, start.size()), start);
  EXPECT_NE(bytes.find("\r\nNadmorska vyska      0 az 900 m.n.m\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("\r\nTeplota vz. [\xF8"
                       "C]     24.50\r\n"),
            std::string::npos);
  EXPECT_NE(bytes.find("\r\n\r\nPrubeh ponoru:\r\n      0 s ..     1.3 m\r\n"
                       "     20 s ..    10.0 m\r\n"),
            std::string::npos);
  for (char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    EXPECT_TRUE(byte < 0x80 || byte == 0xF8) << int{byte};  // only the degree sign above 127
  }
}

}  // namespace
}  // namespace zirdan
