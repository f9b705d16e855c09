#include "env/translation_file.h"

#include <gtest/gtest.h>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>

namespace zirdan {
namespace {
namespace fs = std::filesystem;

using Keys = std::vector<std::string>;

// ---- Which bytes the file holds: UTF-8 with a mark, UTF-16 with a mark, else Windows-1250

TEST(TranslationFileEncoding, Utf8WithByteOrderMarkBecomesWindows1250) {
  const auto file = TTranslationFile::Parse(
      "\xEF\xBB\xBF[Language]\nČeština=\n[Strings2]\nStrPondeli=pondělí\nStrEuro=5 € ☺\n");
  EXPECT_EQ(file.Keys("Language"), Keys{"\xC8"
                                        "e\x9Atina"});
  EXPECT_EQ(file.Read("Strings2", "StrPondeli"), "pond\xECl\xED");
  // The euro sign is in Windows-1250, the smiley is not.
  EXPECT_EQ(file.Read("Strings2", "StrEuro"), "5 \x80 ?");
}

TEST(TranslationFileEncoding, WithoutByteOrderMarkTheBytesAreWindows1250) {
  const auto file = TTranslationFile::Parse("[Strings2]\nStrPondeli=pond\xECl\xED\n");
  EXPECT_EQ(file.Read("Strings2", "StrPondeli"), "pond\xECl\xED");
  // UTF-8 without the mark is taken byte for byte, as the Windows reader takes it.
  const auto utf8 = TTranslationFile::Parse("[S]\nk=\xC4\x8D\n");
  EXPECT_EQ(utf8.Read("S", "k"), "\xC4\x8D");
}

std::string Utf16(std::u16string_view text, bool bigEndian) {
  std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (char16_t c : text) {
    const char hi = static_cast<char>(c >> 8), lo = static_cast<char>(c & 0xFF);
    out += bigEndian ? hi : lo;
    out += bigEndian ? lo : hi;
  }
  return out;
}

TEST(TranslationFileEncoding, Utf16WithByteOrderMarkInEitherByteOrder) {
  for (bool bigEndian : {false, true}) {
    const auto file = TTranslationFile::Parse(
        Utf16(u"[Strings2]\r\nStrStreda=st\u0159eda \U0001F600\r\n", bigEndian));
    EXPECT_EQ(file.Read("Strings2", "StrStreda"),
              "st\xF8"
              "eda ?")
        << bigEndian;
  }
  // A cut-off last byte and a lone surrogate do no harm.
  std::string damaged = Utf16(u"[S]\nk=a\xD800", false) + "\x41";
  EXPECT_EQ(TTranslationFile::Parse(damaged).Read("S", "k"), "a?");
}

// ---- INI rules, one table

struct IniRow {
  const char* what;
  const char* content;
  const char* section;
  const char* key;
  const char* expected;
};

void PrintTo(const IniRow& row, std::ostream* os) {
  *os << row.what;
}

class TranslationFileIni : public ::testing::TestWithParam<IniRow> {};

TEST_P(TranslationFileIni, ReadsAsTheWindowsReaderDoes) {
  const IniRow& r = GetParam();
  EXPECT_EQ(TTranslationFile::Parse(r.content).Read(r.section, r.key), r.expected) << r.what;
}

INSTANTIATE_TEST_SUITE_P(
    Rules, TranslationFileIni,
    ::testing::Values(
        IniRow{"plain", "[Strings2]\nStrPonoru=ponorů\n", "Strings2", "StrPonoru", "ponorů"},
        IniRow{"section name ignores case", "[STRINGS2]\nk=v\n", "strings2", "k", "v"},
        IniRow{"key name ignores case", "[S]\nStrChybaDat=v\n", "S", "STRCHYBADAT", "v"},
        IniRow{"blanks around names and value", "  [ S ] \n \t k \t=  a b \t\n", "S", "k", "a b"},
        IniRow{"double quotes dropped", "[S]\nk=\"  spaced  \"\n", "S", "k", "  spaced  "},
        IniRow{"single quotes dropped", "[S]\nk='x'\n", "S", "k", "x"},
        IniRow{"empty quotes", "[S]\nk=\"\"\n", "S", "k", ""},
        IniRow{"unmatched quote kept", "[S]\nk=\"x'\n", "S", "k", "\"x'"},
        IniRow{"a lone quote kept", "[S]\nk=\"\n", "S", "k", "\""},
        IniRow{"inner quotes kept", "[S]\nk=say \"hi\"\n", "S", "k", "say \"hi\""},
        IniRow{"empty value is a text", "[S]\nk=\n", "S", "k", ""},
        IniRow{"value keeps equals signs", "[S]\nk=a=b\n", "S", "k", "a=b"},
        IniRow{"value keeps semicolons", "[S]\nk=a; b\n", "S", "k", "a; b"},
        IniRow{"comment line", "[S]\n;k=x\n", "S", "k", "Error"},
        IniRow{"indented comment line", "[S]\n   ; k=x\nk=y\n", "S", "k", "y"},
        IniRow{"first duplicate key wins", "[S]\nk=first\nK=second\n", "S", "k", "first"},
        IniRow{"first duplicate section wins", "[S]\na=1\n[T]\n[s]\na=2\nb=3\n", "S", "a", "1"},
        IniRow{"later duplicate section adds nothing", "[S]\na=1\n[s]\nb=3\n", "S", "b", "Error"},
        IniRow{"CR LF lines", "[S]\r\nk=v\r\nl=w\r\n", "S", "l", "w"},
        IniRow{"CR lines", "[S]\rk=v\rl=w", "S", "l", "w"},
        IniRow{"last line without end", "[S]\nk=v", "S", "k", "v"},
        IniRow{"key without equals sign", "[S]\nk\n", "S", "k", "Error"},
        IniRow{"keys before any section", "k=v\n[S]\n", "S", "k", "Error"},
        IniRow{"text after the bracket", "[S] trailing\nk=v\n", "S", "k", "v"},
        IniRow{"broken header is no header", "[S]\n[T\nk=v\n", "S", "k", "v"},
        IniRow{"missing section", "[S]\nk=v\n", "T", "k", "Error"},
        IniRow{"missing key", "[S]\nk=v\n", "S", "x", "Error"},
        IniRow{"empty file", "", "S", "k", "Error"},
        IniRow{"name is not a prefix", "[Strings]\nk=v\n", "Strings2", "k", "Error"}));

TEST(TranslationFile, ReadPassesTheCallersDefault) {
  const auto file = TTranslationFile::Parse("[S]\nk=v\n");
  EXPECT_EQ(file.Read("S", "x", "fallback"), "fallback");
  EXPECT_EQ(file.Read("S", "x"), kMissingText);
}

TEST(TranslationFile, KeysComeInFileOrderOnceEachAsWritten) {
  const auto file = TTranslationFile::Parse(
      "[Language]\nEnglish=\n; Deutsch=\nCestina=x\nenglish=again\nNoValue\n[Other]\nz=1\n");
  EXPECT_EQ(file.Keys("LANGUAGE"), (Keys{"English", "Cestina", "NoValue"}));
  EXPECT_EQ(file.Keys("Other"), Keys{"z"});
  EXPECT_TRUE(file.Keys("Missing").empty());
}

// ---- Damaged files never hurt

std::string RandomBytes(std::size_t n, uint32_t seed) {
  std::mt19937 gen(seed);
  std::uniform_int_distribution<int> byte(0, 255);
  std::string s(n, '\0');
  for (char& c : s) c = static_cast<char>(byte(gen));
  return s;
}

TEST(TranslationFileDamage, BinaryGarbageReadsAsMissing) {
  for (uint32_t seed = 1; seed <= 20; ++seed) {
    const auto file = TTranslationFile::Parse(RandomBytes(4096, seed));
    EXPECT_EQ(file.Read("Strings2", "StrChybaDat"), "Error");
    (void)file.Keys("Language");
  }
}

TEST(TranslationFileDamage, GarbageAroundGoodLinesLeavesThemReadable) {
  std::string content = "[Strings2]\nStrPonoru=ponory\n";
  content += std::string("\0\0\xFF\xFE\x01=\x02\n", 8);
  content += "StrZmeneno=zmeneno\n";
  const auto file = TTranslationFile::Parse(content);
  EXPECT_EQ(file.Read("Strings2", "StrPonoru"), "ponory");
  EXPECT_EQ(file.Read("Strings2", "StrZmeneno"), "zmeneno");
}

TEST(TranslationFileDamage, OverlongLinesAreIgnored) {
  const std::size_t limit = TTranslationFile::kMaxLineLength;
  const std::string atLimit = "k=" + std::string(limit - 2, 'a');
  const std::string tooLong = "l=" + std::string(limit - 1, 'b');
  const auto file = TTranslationFile::Parse("[S]\n" + atLimit + "\n" + tooLong + "\nm=after\n");
  EXPECT_EQ(file.Read("S", "k").size(), limit - 2);
  EXPECT_EQ(file.Read("S", "l"), "Error");
  EXPECT_EQ(file.Read("S", "m"), "after");
}

TEST(TranslationFileDamage, KeysBelowAnOverlongHeaderStayOutOfTheSectionAbove) {
  const std::string header = "[" + std::string(TTranslationFile::kMaxLineLength, 'x') + "]";
  const auto file = TTranslationFile::Parse("[S]\nk=v\n" + header + "\nstray=1\n[T]\nt=2\n");
  EXPECT_EQ(file.Keys("S"), Keys{"k"});
  EXPECT_EQ(file.Read("T", "t"), "2");
}

TEST(TranslationFileDamage, OnlyTheFirstEntriesUpToTheLimitAreKept) {
  std::string content = "[S]\n";
  for (std::size_t i = 0; i <= TTranslationFile::kMaxEntries; ++i)
    content += "k" + std::to_string(i) + "=" + std::to_string(i) + "\n";
  content += "[T]\nt=1\n";
  const auto file = TTranslationFile::Parse(content);
  // The section counts as one entry.
  EXPECT_EQ(file.Keys("S").size(), TTranslationFile::kMaxEntries - 1);
  EXPECT_EQ(file.Read("S", "k0"), "0");
  EXPECT_EQ(file.Read("S", "k" + std::to_string(TTranslationFile::kMaxEntries)), "Error");
  EXPECT_TRUE(file.Keys("T").empty());
}

// ---- Loading from disk

class TranslationFileLoad : public ::testing::Test {
 protected:
  void SetUp() override {
    m_dir = fs::temp_directory_path() /
            ("zirdan_language_" + std::to_string(::getpid()) + "_" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(m_dir);
    fs::create_directories(m_dir);
  }
  void TearDown() override { fs::remove_all(m_dir); }
  fs::path m_dir;
};

TEST_F(TranslationFileLoad, ReadsAFile) {
  const fs::path path = m_dir / "Language.ini";
  std::ofstream(path, std::ios::binary) << "\xEF\xBB\xBF[Strings1]\r\nStrPonoru=dives\r\n";
  EXPECT_EQ(TTranslationFile::Load(path.string()).Read("Strings1", "StrPonoru"), "dives");
}

TEST_F(TranslationFileLoad, MissingFileOrFolderIsAnEmptyTranslation) {
  EXPECT_EQ(TTranslationFile::Load((m_dir / "none.ini").string()).Read("S", "k"), "Error");
  EXPECT_EQ(TTranslationFile::Load(m_dir.string()).Read("S", "k"), "Error");
  EXPECT_EQ(TTranslationFile::Load("").Read("S", "k"), "Error");
}

}  // namespace
}  // namespace zirdan
