// The UDDF document of edge dives, compared with the fragments a reader would see.
#include "interchange/uddf_writer.h"
#include "interchange/uddf_export.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <ostream>
#include <string>
#include <vector>

#include "core/win1250.h"
#include "env/field_labels.h"
#include "support/dive_builders.h"
#include "support/scratch_files.h"

namespace zirdan {
namespace {

using test::BuiltInTables;
using test::SampleSpec;

TMessageTable Messages() {
  TMessageTable messages;
  messages.Set("StrUddfVzduch", "Air");
  messages.Set("StrChSest", "Descent");
  return messages;
}

// The document of the dives, and the pieces it came in.
struct Written {
  std::string document;
  std::vector<std::string> pieces;
};

Written WriteDives(const std::vector<ponor>& dives) {
  TLogbook logbook;
  for (const ponor& dive : dives) logbook.Append(dive);
  static const TMessageTable messages = Messages();
  static const FieldLabelCaptions labels = FieldLabelCaptions::DesignTime();
  Written written;
  WriteUddf(AllDives(logbook), test::TestContext(), UddfTexts{messages, labels.Label},
            [&written](std::string_view piece) {
              written.pieces.emplace_back(piece);
              written.document += piece;
            });
  return written;
}

std::string WriteDive(const ponor& dive) {
  return WriteDives({dive}).document;
}

std::size_t Count(const std::string& text, const std::string& part) {
  std::size_t n = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

ponor EmptyDive() {
  ponor dive;  // as the new-dive command creates it
  dive.Hloubka = kEmptyValue;
  dive.DelkaPonoru = kEmptyValue;
  return dive;
}

ponor ProfileDive(uint16_t format, std::vector<SampleSpec> samples) {
  ponor dive = EmptyDive();
  SetProfile(dive, format, samples);
  if (format == kFormatNitrox) dive.TypPonoru = 1u << 8;
  if (format == kFormatOxygen) dive.TypPonoru = 1u << 9;
  return dive;
}

struct FragmentCase {
  const char* name;
  ponor dive;
  std::vector<std::string> present;
  std::vector<std::string> absent;
};

void PrintTo(const FragmentCase& edge, std::ostream* out) {
  *out << edge.name;
}

class UddfDiveFragments : public ::testing::TestWithParam<FragmentCase> {};

TEST_P(UddfDiveFragments, AreWritten) {
  const std::string document = WriteDive(GetParam().dive);
  for (const std::string& part : GetParam().present)
    EXPECT_NE(document.find(part), std::string::npos) << part << "\nin\n" << document;
  for (const std::string& part : GetParam().absent)
    EXPECT_EQ(document.find(part), std::string::npos) << part << "\nin\n" << document;
}

ponor WithTemperatures(int16_t water, int16_t air) {
  ponor dive = EmptyDive();
  dive.TeplotaVody = water;
  dive.TeplotaVzduchu = air;
  return dive;
}

ponor WithGasHeader(uint16_t format, uint8_t byte23) {
  ponor dive = ProfileDive(format, {{500, {}}});
  dive.Graf[23] = byte23;
  return dive;
}

ponor WithTexts() {
  ponor dive = EmptyDive();
  dive.Poznamka = Utf8ToWin1250("ÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ áčďéěíňóřšťúůýž & <b> \"q\" 'a'\x01");
  dive.Poznamka.back() = '\x01';
  dive.Lokalita = Utf8ToWin1250("Česko");
  dive.Misto = "R&D <lom>";
  dive.Partner = Utf8ToWin1250("Petr Novák,  Eva ,");
  return dive;
}

ponor WithFilledValues() {
  ponor dive = EmptyDive();
  dive.Cislo = 1;
  dive.Datum = 152383;  // 18.03.2017
  dive.Cas = 797;
  dive.PovrchovyInterval = 93;
  dive.Hloubka = 2234;
  dive.DelkaPonoru = 69;
  dive.Lahev = 1500;
  dive.SpotrebaVzduchu = 18000;
  dive.NadmorskaVyska = 2;
  dive.Pocasi = 2;
  dive.Oblek = 6;
  dive.TypPonoru = 1u << 3;
  dive.TypAktivity = 1u << 2;
  dive.Jiny = "fotky";
  dive.Chyby = 1u << 5;
  return dive;
}

ponor NitroxWithoutProfile() {
  ponor dive = EmptyDive();
  dive.TypPonoru = 1u << 8;
  return dive;
}

ponor WithCylinderOnly() {
  ponor dive = EmptyDive();
  dive.Lahev = 1200;
  dive.Oblek = 1;
  return dive;
}

ponor WithSampleMarks() {
  SampleMarks ascentAndDescent{};
  ascentAndDescent[1] = ascentAndDescent[2] = true;
  SampleMarks all{};
  all.fill(true);
  return ProfileDive(kFormatBasic, {{1000, ascentAndDescent}, {2000, {}}, {1500, all}});
}

const std::string kEmpty = std::to_string(kEmptyValue);

std::vector<FragmentCase> EdgeCases() {
  return {
      FragmentCase{"EmptyValuesWriteNothingButWhatTheSchemaNeeds",
                   EmptyDive(),
                   {"<datetime>1980-01-01T00:00:00</datetime>",
                    "<greatestdepth>0.00</greatestdepth>", "<diveduration>0</diveduration>",
                    "<link ref=\"mix_air\"/>", "<name>Air</name><o2>0.21</o2><n2>0.79</n2>"},
                   {"<divenumber>", "temperature>", "<surfaceinterval", "<tankdata>", "<samples>",
                    "<notes>", "<divesite>", "<buddy", "<equipment", kEmpty, "3276"}},
      FragmentCase{"NegativeTemperaturesInKelvin",
                   WithTemperatures(-125, -1000),
                   {"<lowesttemperature>271.90</lowesttemperature>",
                    "<airtemperature>263.15</airtemperature>"},
                   {}},
      FragmentCase{"FilledValuesInSiUnits",
                   WithFilledValues(),
                   {"<divenumber>1</divenumber><datetime>2017-03-18T13:17:00</datetime>",
                    "<surfaceintervalbeforedive><passedtime>5580</passedtime>",
                    "<equipmentused><link ref=\"suit_6\"/></equipmentused>",
                    "<suit id=\"suit_6\"><name>suchý</name><suittype>dry-suit</suittype>",
                    "<tankdata><link ref=\"mix_air\"/><tankvolume>0.01500</tankvolume>"
                    "<tankpressurebegin>18000000</tankpressurebegin>"
                    "<tankpressureend>0</tankpressureend></tankdata>",
                    "<greatestdepth>22.34</greatestdepth>", "<diveduration>4140</diveduration>",
                    "<para>Nadmořská výška: 900 až 1700 m.n.m</para>",
                    "<para>Počasí: oblačno</para>", "<para>Typ ponoru: dekompresní</para>",
                    "<para>Typ aktivity: výcvik</para>", "<para>Jiná: fotky</para>",
                    "<para>Chyby při ponoru: SOS</para>", "<globalalarm>sos-mode</globalalarm>"},
                   {"Objem lahve", "<nosuit/>"}},
      FragmentCase{"ACylinderWithoutPressureUsedIsANote",
                   WithCylinderOnly(),
                   {"<para>Objem lahve [l]: 12.00</para>", "<nosuit/>"},
                   {"<tankdata>", "<equipmentused>"}},
      FragmentCase{"AProfileOfTheHeaderAloneHasNoSamples",
                   ProfileDive(kFormatBasic, {}),
                   {"<diveduration>0</diveduration>"},
                   {"<samples>"}},
      FragmentCase{"OneSampleAfterTheSurfaceWaypoint",
                   ProfileDive(kFormatBasic, {{1000, {}}}),
                   {"<samples>\n<waypoint><depth>0</depth><divetime>0</divetime>"
                    "<switchmix ref=\"mix_air\"/></waypoint>\n"
                    "<waypoint><depth>10.00</depth><divetime>20</divetime></waypoint>\n"
                    "</samples>",
                    "<greatestdepth>10.00</greatestdepth>", "<diveduration>20</diveduration>"},
                   {}},
      FragmentCase{"MarksAreAlarmsOrADescentNote",
                   WithSampleMarks(),
                   {"<waypoint><alarm>ascent</alarm><depth>10.00</depth><divetime>20</divetime>",
                    "<waypoint><alarm>breath</alarm><alarm>ascent</alarm><alarm>rbt</alarm>"
                    "<alarm>deco</alarm><alarm>link</alarm><depth>15.00</depth>"
                    "<divetime>60</divetime>",
                    "<para>Descent: 0:20, 1:00</para>", "<greatestdepth>20.00</greatestdepth>"},
                   {}},
      FragmentCase{"Nitrox24MixFromTheProfileHeader",
                   WithGasHeader(kFormatNitrox, 0x42),
                   {"<mix id=\"mix_ean24\"><name>EAN24</name><o2>0.24</o2><n2>0.76</n2></mix>",
                    "<switchmix ref=\"mix_ean24\"/>"},
                   {"mix_air"}},
      FragmentCase{"Nitrox24OfTwentyOnePercentIsAir",
                   WithGasHeader(kFormatNitrox, 0x40),
                   {"<mix id=\"mix_air\"><name>Air</name>"},
                   {"EAN"}},
      FragmentCase{"Oxygen25MixFromTheProfileHeader",
                   WithGasHeader(kFormatOxygen, 32),
                   {"<mix id=\"mix_ean32\"><name>EAN32</name><o2>0.32</o2><n2>0.68</n2></mix>"},
                   {}},
      FragmentCase{"NitroxWithoutProfileHasAnUnknownFraction",
                   NitroxWithoutProfile(),
                   {"<mix id=\"mix_nitrox\"><name>nitrox</name></mix>"},
                   {"<o2>"}},
      FragmentCase{"CzechTextsAndMarkupCharactersAreEscapedUtf8",
                   WithTexts(),
                   {"<para>ÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ áčďéěíňóřšťúůýž &amp; &lt;b&gt; &quot;q&quot; "
                    "&apos;a&apos;\xEF\xBF\xBD</para>",
                    "<site id=\"site_1\"><name>R&amp;D &lt;lom&gt;</name><geography>"
                    "<location>Česko</location></geography></site>",
                    "<buddy id=\"buddy_1\"><personal><firstname>Petr</firstname>"
                    "<lastname>Novák</lastname></personal></buddy>",
                    "<buddy id=\"buddy_2\"><personal><firstname>Eva</firstname><lastname>"
                    "</lastname></personal></buddy>",
                    "<link ref=\"site_1\"/><link ref=\"buddy_1\"/><link ref=\"buddy_2\"/>"},
                   {"buddy_3", "\x01"}}};
}

INSTANTIATE_TEST_SUITE_P(Edges, UddfDiveFragments, ::testing::ValuesIn(EdgeCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(UddfWriter, TheLongestProfileKeepsEverySample) {
  std::vector<SampleSpec> samples(kMaxSamples, SampleSpec{1500, {}});
  const std::string document = WriteDive(ProfileDive(kFormatBasic, samples));
  EXPECT_EQ(Count(document, "<waypoint>"), kMaxSamples + 1);
  EXPECT_NE(document.find("<divetime>13300</divetime></waypoint>\n</samples>"), std::string::npos);
  EXPECT_NE(document.find("<diveduration>13300</diveduration>"), std::string::npos);
}

TEST(UddfWriter, DocumentFramesTheDivesInListOrderAndRepetitionGroups) {
  std::vector<ponor> dives(4, EmptyDive());
  dives[1].PovrchovyInterval = 60;    // a repetitive dive
  dives[2].PovrchovyInterval = 3000;  // more than two days later
  // The fourth has no surface interval: a new day.
  for (uint16_t i = 0; i < 4; ++i) dives[i].Cislo = i + 1;
  const std::string document = WriteDives(dives).document;
  EXPECT_EQ(
      document.rfind(
          "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
          "<uddf xmlns=\"http://www.streit.cc/uddf/3.2/\" version=\"3.2.3\">\n"
          "<generator><name>Zirdan LOG Editor</name><type>logbook</type><version>" ZIRDAN_VERSION
          "</version></generator>\n",
          0),
      0u);
  EXPECT_NE(document.find("<owner id=\"owner\"><personal><firstname></firstname><lastname>"
                          "</lastname></personal></owner>"),
            std::string::npos);
  EXPECT_EQ(Count(document, "<repetitiongroup"), 3u);
  std::size_t at = 0;
  for (const char* part : {"group_1", "dive_1", "<divenumber>1<", "dive_2", "</repetitiongroup>",
                           "group_2", "dive_3", "</repetitiongroup>", "group_3", "dive_4",
                           "</repetitiongroup>\n</profiledata>\n</uddf>\n"}) {
    at = document.find(part, at);
    ASSERT_NE(at, std::string::npos) << part;
  }
}

TEST(UddfWriter, GoesOutDiveByDive) {
  const Written written = WriteDives({EmptyDive(), EmptyDive(), EmptyDive()});
  ASSERT_EQ(written.pieces.size(), 5u);  // the head, one piece a dive, the end
  EXPECT_TRUE(written.pieces.front().ends_with("</gasdefinitions>\n"));
  for (std::size_t i = 1; i <= 3; ++i) EXPECT_EQ(Count(written.pieces[i], "<dive "), 1u);
  EXPECT_EQ(written.pieces.back(), "</repetitiongroup>\n</profiledata>\n</uddf>\n");
}

TEST(UddfWriter, SharedSitesAndBuddiesAreListedOnce) {
  ponor a = EmptyDive();
  a.Lokalita = "Egypt";
  a.Misto = "Ras";
  a.Partner = "Eva, Jana";
  ponor b = a;
  b.Partner = "Jana";
  ponor c = a;
  c.Misto.clear();  // another pair, named by its locality
  const std::string document = WriteDives({a, b, c}).document;
  EXPECT_EQ(Count(document, "<site "), 2u);
  EXPECT_EQ(Count(document, "<buddy "), 2u);
  EXPECT_NE(document.find("<site id=\"site_2\"><name>Egypt</name>"), std::string::npos);
  EXPECT_NE(document.find("<dive id=\"dive_2\">\n<informationbeforedive><link ref=\"site_1\"/>"
                          "<link ref=\"buddy_2\"/><link ref=\"mix_air\"/><datetime>"),
            std::string::npos);
}

TEST(UddfWriter, EmptyLogbookIsADocumentWithoutDives) {
  const std::string document = WriteDives({}).document;
  EXPECT_EQ(document.find("<profiledata>"), std::string::npos);
  EXPECT_EQ(document.find("<gasdefinitions>"), std::string::npos);
  EXPECT_NE(document.find("</diver>\n</uddf>\n"), std::string::npos);
}

TEST(UddfRange, RunsAsThePrintRange) {
  TLogbook logbook;
  for (uint16_t n : {3, 4, 5, 6}) {
    ponor dive;
    dive.Cislo = n;
    logbook.Append(dive);
  }
  struct Row {
    int from, to, first;
    std::size_t count;
  };
  for (const Row& row :
       {Row{3, 6, 3, 4}, Row{4, 5, 4, 2}, Row{5, 99, 5, 2}, Row{9, 4, 3, 2}, Row{6, 4, 6, 0}}) {
    const DiveSpan span = DivesInRange(logbook, row.from, row.to);
    EXPECT_EQ(span.First->Cislo, row.first) << row.from << ".." << row.to;
    EXPECT_EQ(span.Count, row.count) << row.from << ".." << row.to;
  }
  EXPECT_EQ(DivesInRange(TLogbook(), 1, 5).Count, 0u);
}

TEST(UddfExport, ProposesTheLogbookNameWithItsOwnEnding) {
  for (const auto& [log, uddf] : std::vector<std::pair<std::string, std::string>>{
           {"moje.LOG", "moje.uddf"},
           {"/home/d/potápění.v2/Deník.LOG", "/home/d/potápění.v2/Deník.uddf"},
           {"C:\\Deníky\\Novy.log", "C:\\Deníky\\Novy.uddf"},
           {"/home/d.x/denik", "/home/d.x/denik.uddf"},
           {"/home/d/.LOG", "/home/d/.LOG.uddf"}})
    EXPECT_EQ(UddfFileNameFor(log), uddf) << log;
}

// Where xmllint and a copy of the UDDF 3.2.3 schema are at hand (ZIRDAN_UDDF_SCHEMA names
// the schema file), the edge dives make one document the schema accepts.
TEST(UddfWriter, EdgeDivesMakeADocumentTheSchemaAccepts) {
  const char* schema = std::getenv("ZIRDAN_UDDF_SCHEMA");
  if (!schema || !*schema) GTEST_SKIP() << "ZIRDAN_UDDF_SCHEMA names no schema file";
  if (std::system("xmllint --version >/dev/null 2>&1") != 0) GTEST_SKIP() << "no xmllint";
  std::vector<ponor> dives;
  for (const FragmentCase& edge : EdgeCases()) dives.push_back(edge.dive);
  dives.push_back(ProfileDive(kFormatBasic, std::vector<SampleSpec>(kMaxSamples, {1500, {}})));
  test::ScratchFolder folder;
  const std::string path = folder.File("edges.uddf");
  test::WriteFileBytes(path, WriteDives(dives).document);
  const std::string command =
      "xmllint --noout --schema '" + std::string(schema) + "' '" + path + "' 2>&1";
  EXPECT_EQ(std::system(command.c_str()), 0) << command;
}

}  // namespace
}  // namespace zirdan
