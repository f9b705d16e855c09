#include "env/language_load.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>
#include <span>

#include "core/win1250.h"

namespace zirdan {
namespace {

// ---- Section names and the language list

TEST(LanguageLoad, SectionNameAppendsTheNumber) {
  EXPECT_EQ(SectionName("Strings", 2), "Strings2");
  EXPECT_EQ(SectionName("FormMain", 1), "FormMain1");
  EXPECT_EQ(SectionName("FormHlaska", 12), "FormHlaska12");
}

TEST(LanguageLoad, LanguagesAreTheKeysOfTheLanguageSectionInFileOrder) {
  const auto file = TTranslationFile::Parse("[Language]\nEnglish=\nDeutsch=ignored\nCestina=\n");
  EXPECT_EQ(LanguageNames(file), (std::vector<std::string>{"English", "Deutsch", "Cestina"}));
  EXPECT_TRUE(LanguageNames(TTranslationFile::Parse("")).empty());
}

// ---- Message table

TEST(LanguageLoad, MessageKeysAreTheFullListOnceEach) {
  const std::vector<std::string>& keys = MessageKeys();
  EXPECT_EQ(keys.size(), 160u + 53u);  // the keys above, then those of failures' details
  EXPECT_EQ(std::set<std::string>(keys.begin(), keys.end()).size(), keys.size());
  EXPECT_EQ(keys.front(), "StrSpotreba1");
  EXPECT_EQ(keys.back(), "StrDetProgramSkoncil");
  for (const char* key : {"StrCvyska1", "StrCvyska4", "StrCtyp0", "StrCtyp15", "StrCdruh15",
                          "StrCchyby5", "StrNedele", "StrStat8", "StrChybaDat"})
    EXPECT_NE(std::find(keys.begin(), keys.end(), key), keys.end()) << key;
  for (const char* key : {"StrCvyska0", "StrCpocasi0", "StrCoblek0", "StrCchyby1", "StrStat9"})
    EXPECT_EQ(std::find(keys.begin(), keys.end(), key), keys.end()) << key;
}

TEST(LanguageLoad, MessagesComeFromTheStringsSectionOfTheLanguage) {
  const auto file = TTranslationFile::Parse(
      "[Strings1]\nStrPonoru=dives\nStrZmeneno=modified\n"
      "[Strings2]\nStrPonoru=ponor\xF9\n");
  TMessageTable table;
  LoadMessageTable(file, 1, table);
  EXPECT_EQ(table.Text("StrPonoru"), "dives");
  EXPECT_EQ(table.Text("StrZmeneno"), "modified");
  LoadMessageTable(file, 2, table);
  EXPECT_EQ(table.Text("StrPonoru"), "ponor\xF9");
  EXPECT_EQ(table.Text("StrZmeneno"), "Error");  // language 2 lacks it
}

TEST(LanguageLoad, MissingFileOrLanguageGivesErrorForEveryMessage) {
  TMessageTable table;
  const auto file = TTranslationFile::Parse("[Strings1]\nStrChybaDat=bad data\n");
  for (int language : {2, 3}) {
    LoadMessageTable(file, language, table);
    for (const std::string& key : MessageKeys()) EXPECT_EQ(table.Text(key), "Error") << key;
  }
  LoadMessageTable(TTranslationFile::Load("/nonexistent/Language.ini"), 1, table);
  EXPECT_EQ(table.Text("StrChybaDat"), "Error");
}

TEST(LanguageLoad, MessageTableIsReplacedAsAWhole) {
  TMessageTable table;
  table.Set("StrLeftOver", "from an earlier load");
  table.Set("StrPonoru", "old");
  LoadMessageTable(TTranslationFile::Parse("[Strings2]\nStrPonoru=new\nStrExtra=x\n"), 2, table);
  EXPECT_EQ(table.Text("StrPonoru"), "new");
  EXPECT_EQ(table.Text("StrLeftOver"), "Error");
  EXPECT_EQ(table.Text("StrExtra"), "Error");  // not a message of the program
}

// ---- Category and weekday names

enum class Table { Altitude, Weather, Suit, DiveType, Activity, Errors, Weekdays };

std::span<std::string> Entries(TCategoryTables& t, Table table) {
  switch (table) {
    case Table::Altitude:
      return t.NadmorskaVyska;
    case Table::Weather:
      return t.Pocasi;
    case Table::Suit:
      return t.Oblek;
    case Table::DiveType:
      return t.TypPonoru;
    case Table::Activity:
      return t.TypAktivity;
    case Table::Errors:
      return t.Chyby;
    case Table::Weekdays:
      return t.DnyTydne;
  }
  return {};
}

// Where a key of the Strings section lands in the tables.
struct CategoryRow {
  const char* key;
  Table table;
  std::size_t index;
  std::string& Entry(TCategoryTables& t) const { return Entries(t, table)[index]; }
};

const CategoryRow kCategoryRows[] = {
    {"StrCvyska1", Table::Altitude, 1},  {"StrCvyska4", Table::Altitude, 4},
    {"StrCpocasi1", Table::Weather, 1},  {"StrCpocasi6", Table::Weather, 6},
    {"StrCoblek1", Table::Suit, 1},      {"StrCoblek6", Table::Suit, 6},
    {"StrCtyp0", Table::DiveType, 0},    {"StrCtyp1", Table::DiveType, 1},
    {"StrCtyp8", Table::DiveType, 8},    {"StrCtyp9", Table::DiveType, 9},
    {"StrCtyp15", Table::DiveType, 15},  {"StrCdruh0", Table::Activity, 0},
    {"StrCdruh15", Table::Activity, 15}, {"StrCchyby0", Table::Errors, 0},
    {"StrCchyby3", Table::Errors, 3},    {"StrCchyby4", Table::Errors, 4},
    {"StrCchyby5", Table::Errors, 5},    {"StrPondeli", Table::Weekdays, 0},
    {"StrStreda", Table::Weekdays, 2},   {"StrNedele", Table::Weekdays, 6},
};

TEST(LanguageLoad, EachCategoryKeyReplacesTheEntryAtItsIndex) {
  for (const CategoryRow& row : kCategoryRows) {
    const auto file =
        TTranslationFile::Parse(std::string("[Strings2]\n") + row.key + "=from the file\n");
    TCategoryTables tables = TCategoryTables::BuiltIn();
    LoadCategoryNames(file, 2, tables);
    EXPECT_EQ(row.Entry(tables), "from the file") << row.key;
  }
}

TEST(LanguageLoad, WithoutTranslationEveryReplacedEntryReadsError) {
  TCategoryTables tables = TCategoryTables::BuiltIn();
  LoadCategoryNames(TTranslationFile::Parse(""), 2, tables);
  for (const CategoryRow& row : kCategoryRows) EXPECT_EQ(row.Entry(tables), "Error") << row.key;
  // Dive-type bits 0, 1 and 9 to 15 are replaced as well: their empty names become "Error".
  EXPECT_EQ(tables.TypPonoru[12], "Error");
  EXPECT_EQ(tables.TypAktivity[7], "Error");
}

TEST(LanguageLoad, NothingChosenAndUnnamedErrorsAreNotRead) {
  const auto file = TTranslationFile::Parse(
      "[Strings2]\nStrCvyska0=x\nStrCpocasi0=x\nStrCoblek0=x\nStrCchyby1=x\nStrCchyby2=x\n"
      "StrCchyby6=x\nStrCchyby15=x\nStrCvyska5=x\n");
  TCategoryTables tables = TCategoryTables::BuiltIn();
  tables.NadmorskaVyska[0] = tables.Pocasi[0] = tables.Oblek[0] = "kept";
  tables.Chyby[1] = "kept";
  LoadCategoryNames(file, 2, tables);
  EXPECT_EQ(tables.NadmorskaVyska[0], "kept");
  EXPECT_EQ(tables.Pocasi[0], "kept");
  EXPECT_EQ(tables.Oblek[0], "kept");
  EXPECT_EQ(tables.Chyby[1], "kept");
  for (std::size_t i : {2, 6, 7, 15}) EXPECT_EQ(tables.Chyby[i], "") << i;
}

TEST(LanguageLoad, CategoryNamesFollowTheLanguageNumber) {
  const auto file =
      TTranslationFile::Parse("[Strings1]\nStrCpocasi1=clear\n[Strings2]\nStrCpocasi1=jasno\n");
  TCategoryTables tables = TCategoryTables::BuiltIn();
  LoadCategoryNames(file, 1, tables);
  EXPECT_EQ(tables.Pocasi[1], "clear");
  LoadCategoryNames(file, 2, tables);
  EXPECT_EQ(tables.Pocasi[1], "jasno");
}

// ---- Message box

TEST(LanguageLoad, MessageBoxStartsWithTheCzechCaptions) {
  const TMessageBoxTexts texts;
  EXPECT_EQ(Win1250ToUtf8(texts.oOtazka), "Otázka");
  EXPECT_EQ(Win1250ToUtf8(texts.oVystraha), "Výstraha");
  EXPECT_EQ(texts.oChyba, "Chyba");
  EXPECT_EQ(texts.oInformace, "Informace");
  EXPECT_EQ(texts.bAno, "&Ano");
  EXPECT_EQ(texts.bNe, "&Ne");
  EXPECT_EQ(texts.bOk, "&OK");
}

TEST(LanguageLoad, MessageBoxCaptionsComeFromFormHlaskaOfTheLanguage) {
  const auto file = TTranslationFile::Parse(
      "[FormHlaska1]\noOtazka=Question\nbAno=&Yes\n[FormHlaska2]\noOtazka=Ot\xE1zka\n");
  const TMessageBoxTexts english = LoadMessageBoxTexts(file, 1);
  EXPECT_EQ(english.oOtazka, "Question");
  EXPECT_EQ(english.bAno, "&Yes");
  EXPECT_EQ(english.bOk, "Error");  // missing keys read "Error", not the built-in text
  EXPECT_EQ(LoadMessageBoxTexts(file, 2).bAno, "Error");
  EXPECT_EQ(LoadMessageBoxTexts(file, 2).oOtazka, "Ot\xE1zka");
}

// ---- The Language.ini that ships with the program

class ShippedLanguageFile : public ::testing::Test {
 protected:
  static std::string Path() { return std::string(ZIRDAN_SOURCE_DIR) + "/data/Language.ini"; }
  static constexpr const char* kAbsent = "(absent)";
  const TTranslationFile m_file = TTranslationFile::Load(Path());
};

TEST_F(ShippedLanguageFile, IsUtf8WithAByteOrderMark) {
  std::ifstream in(Path(), std::ios::binary);
  std::string start(3, '\0');
  in.read(start.data(), 3);
  EXPECT_EQ(start, "\xEF\xBB\xBF");
}

TEST_F(ShippedLanguageFile, OffersEnglishThenCzechWithCzechAsLanguageTwo) {
  EXPECT_EQ(LanguageNames(m_file), (std::vector<std::string>{"English",
                                                             "\xC8"
                                                             "e\x9Atina"}));
}

TEST_F(ShippedLanguageFile, HasEveryMessageInBothLanguages) {
  for (int language : {1, 2}) {
    const std::string section = SectionName("Strings", language);
    for (const std::string& key : MessageKeys()) {
      const std::string text = m_file.Read(section, key, kAbsent);
      EXPECT_NE(text, kAbsent) << section << " " << key;
      EXPECT_NE(text, "Error") << section << " " << key;
    }
    TMessageTable table;
    LoadMessageTable(m_file, language, table);
    EXPECT_EQ(table.Text("StrHodiny"), "h");
  }
}

TEST_F(ShippedLanguageFile, HasEveryMessageBoxCaptionInBothLanguages) {
  for (int language : {1, 2}) {
    const std::string section = SectionName("FormHlaska", language);
    for (const std::string& key : MessageBoxKeys()) {
      const std::string text = m_file.Read(section, key, kAbsent);
      EXPECT_NE(text, kAbsent) << section << " " << key;
      EXPECT_FALSE(text.empty()) << section << " " << key;
      // The English caption of an error message is the word itself; no other caption
      // may read as a missing key does.
      if (!(language == 1 && key == "oChyba")) {
        EXPECT_NE(text, "Error") << section << " " << key;
      }
    }
  }
  const TMessageBoxTexts czech = LoadMessageBoxTexts(m_file, 2);
  const TMessageBoxTexts builtIn;
  EXPECT_EQ(czech.oOtazka, builtIn.oOtazka);
  EXPECT_EQ(czech.oVystraha, builtIn.oVystraha);
  EXPECT_EQ(czech.bAno, builtIn.bAno);
  EXPECT_EQ(LoadMessageBoxTexts(m_file, 1).bNe, "&No");
}

template <std::size_t N>
void ExpectSameNames(const std::array<std::string, N>& loaded,
                     const std::array<std::string, N>& builtIn, const char* table) {
  for (std::size_t i = 0; i < N; ++i)
    EXPECT_EQ(Win1250ToUtf8(loaded[i]), Win1250ToUtf8(builtIn[i])) << table << " " << i;
}

TEST_F(ShippedLanguageFile, CzechCategoryNamesAreTheBuiltInOnes) {
  const TCategoryTables builtIn = TCategoryTables::BuiltIn();
  TCategoryTables t = builtIn;
  LoadCategoryNames(m_file, 2, t);
  ExpectSameNames(t.NadmorskaVyska, builtIn.NadmorskaVyska, "altitude");
  ExpectSameNames(t.Pocasi, builtIn.Pocasi, "weather");
  ExpectSameNames(t.Oblek, builtIn.Oblek, "suit");
  ExpectSameNames(t.TypPonoru, builtIn.TypPonoru, "dive type");
  ExpectSameNames(t.TypAktivity, builtIn.TypAktivity, "activity");
  ExpectSameNames(t.Chyby, builtIn.Chyby, "errors");
  ExpectSameNames(t.DnyTydne, builtIn.DnyTydne, "weekdays");
}

// An English name where the built-in table has a Czech one, and none where it has none.
template <std::size_t N>
void ExpectNamedLike(const std::array<std::string, N>& loaded,
                     const std::array<std::string, N>& builtIn, const char* table) {
  for (std::size_t i = 0; i < N; ++i) {
    EXPECT_EQ(loaded[i].empty(), builtIn[i].empty()) << table << " " << i;
    EXPECT_NE(loaded[i], "Error") << table << " " << i;
  }
}

TEST_F(ShippedLanguageFile, EnglishNamesEveryCategoryTheCzechSetNames) {
  const TCategoryTables builtIn = TCategoryTables::BuiltIn();
  TCategoryTables t = builtIn;
  LoadCategoryNames(m_file, 1, t);
  ExpectNamedLike(t.NadmorskaVyska, builtIn.NadmorskaVyska, "altitude");
  ExpectNamedLike(t.Pocasi, builtIn.Pocasi, "weather");
  ExpectNamedLike(t.Oblek, builtIn.Oblek, "suit");
  ExpectNamedLike(t.TypPonoru, builtIn.TypPonoru, "dive type");
  ExpectNamedLike(t.TypAktivity, builtIn.TypAktivity, "activity");
  ExpectNamedLike(t.Chyby, builtIn.Chyby, "errors");
  ExpectNamedLike(t.DnyTydne, builtIn.DnyTydne, "weekdays");
  EXPECT_EQ(t.DnyTydne[0], "Monday");
  EXPECT_EQ(t.Pocasi[1], "clear");
}

// The closed-circuit gas bit has a name in every language, so the dive type dialog's
// button is captioned and a dive's type text never ends in a bare comma.
TEST_F(ShippedLanguageFile, TheScrBitIsNamedInBothLanguagesAndBuiltIn) {
  EXPECT_EQ(TCategoryTables::BuiltIn().TypPonoru[9], "SCR");
  for (int language : {1, 2}) {
    TCategoryTables t = TCategoryTables::BuiltIn();
    LoadCategoryNames(m_file, language, t);
    EXPECT_EQ(t.TypPonoru[8], "nitrox") << language;
    EXPECT_EQ(t.TypPonoru[9], "SCR") << language;
  }
}

// The reports cut labels to fixed columns; the shipped texts must fit them whole.
TEST_F(ShippedLanguageFile, LabelsFitTheColumnsOfTheReports) {
  struct Width {
    const char* key;
    std::size_t width;
  };
  const Width widths[] = {// statistics labels, right-aligned to 30 (40 in the locality section)
                          {"StrPocetPon", 30},
                          {"StrOpakovane", 30},
                          {"StrMelke", 30},
                          {"StrMelci", 30},
                          {"StrStredni", 30},
                          {"StrHlubsi", 30},
                          {"StrHluboke", 30},
                          {"StrExtrem", 30},
                          {"StrPrumDelka", 30},
                          {"StrPrumHloubka", 30},
                          {"StrPrumSpotreba", 30},
                          {"StrPrumObdelnik", 30},
                          {"StrCelkem", 30},
                          {"StrCelDelka", 40},
                          {"StrCelHloubka", 40},
                          // overview headings, centred in their columns
                          {"StrPrehCislo", 6},
                          {"StrPrehDatum", 10},
                          {"StrPrehCas", 5},
                          {"StrPrehLokalita", 20},
                          {"StrPrehMisto", 20},
                          {"StrPrehHloubka", 10},
                          {"StrPrehDelka", 12},
                          // text output labels, left-aligned to 21
                          {"StrPonorC", 21}};
  for (int language : {1, 2}) {
    TMessageTable m;
    LoadMessageTable(m_file, language, m);
    for (const Width& w : widths) EXPECT_LE(m.Text(w.key).size(), w.width) << w.key;
    // "99 h 59 min": the overview's dive-time cell fits the 12 characters of its heading.
    EXPECT_LE(2 + 1 + m.Text("StrHodiny").size() + 1 + 2 + 1 + m.Text("StrMinuty").size(), 12u);
    // The longest weekday and subtotal labels of the statistics fit 30.
    TCategoryTables t = TCategoryTables::BuiltIn();
    LoadCategoryNames(m_file, language, t);
    for (const std::string& day : t.DnyTydne)
      EXPECT_LE(m.Text("StrDenVT").size() + 1 + day.size(), 30u) << day;
    EXPECT_LE(m.Text("StrPoPonoru").size() + 7 + m.Text("StrMezisoucet").size(), 30u);
    for (std::size_t i = 2; i <= 8; ++i) EXPECT_LE(t.TypPonoru[i].size(), 30u);
    for (const std::string& name : t.TypAktivity) EXPECT_LE(name.size(), 30u);
  }
}

}  // namespace
}  // namespace zirdan
