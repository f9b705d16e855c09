// Reading LOG files: the byte layout, round trips through the writer, damaged files and
// the sequential reader used by the import.
#include "core/log_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/win1250.h"
#include "support/logbook_samples.h"
#include "support/op_result_print.h"
#include "support/scratch_files.h"

namespace zirdan {
namespace {

using test::ReadFileBytes;
using test::SampleDive;
using test::SampleLogbook;
using test::ScratchFolder;
using test::WriteFileBytes;

// Builds file bytes by hand, little-endian, independently of the writer.
class Bytes {
 public:
  Bytes& U8(unsigned v) {
    m_bytes.push_back(static_cast<char>(v & 0xFF));
    return *this;
  }
  Bytes& U16(unsigned v) { return U8(v).U8(v >> 8); }
  Bytes& U32(uint32_t v) { return U16(v & 0xFFFF).U16(v >> 16); }
  Bytes& Text(std::string_view t) {
    U8(static_cast<unsigned>(t.size()));
    m_bytes.append(t);
    return *this;
  }
  Bytes& Raw(std::string_view t) {
    m_bytes.append(t);
    return *this;
  }
  const std::string& Str() const { return m_bytes; }

 private:
  std::string m_bytes;
};

Bytes Header(unsigned verze, uint32_t cisloPristroje, unsigned pocet, uint32_t rezerva) {
  Bytes b;
  b.U16(verze).U32(cisloPristroje).U16(pocet).U32(rezerva);
  return b;
}

// Appends one record in the file's field order with the given Cislo and profile.
Bytes& PlainRecord(Bytes& b, unsigned cislo, unsigned grafPocet, std::string_view graf = {}) {
  b.U16(160).U32(140000).U16(600).Text("").Text("").U8(0).U16(0).U8(0).U16(0).U8(0);
  b.U16(0).U16(0).U16(0).U16(0).U16(0).U16(0).U16(0).Text("").Text("").Text("");
  b.U16(0).U16(cislo);
  for (int i = 0; i < 6; ++i) b.U16(0);
  return b.U16(grafPocet).Raw(graf);
}

// Everything a load may change, including the identity of the dive nodes.
struct LogbookState {
  std::vector<ponor> dives;
  std::vector<const pam*> nodes;
  std::vector<std::string> seznam;
  bool nacteno, zmeneno;
  uint16_t verze, prvniCislo, posledniCislo, vychoziFormat, format;
  uint32_t cisloPristroje, rezerva;
  bool operator==(const LogbookState&) const = default;
};

LogbookState StateOf(const TLogbook& lb) {
  LogbookState s{{},
                 {},
                 lb.Seznam,
                 lb.Nacteno,
                 lb.Zmeneno,
                 lb.Verze,
                 lb.PrvniCislo,
                 lb.PosledniCislo,
                 lb.VychoziFormatGrafu,
                 lb.FormatGrafu,
                 lb.CisloPristroje,
                 lb.RezervaHlavicky};
  lb.ForEach([&](const pam& d) {
    s.dives.push_back(d);
    s.nodes.push_back(&d);
  });
  return s;
}

std::vector<ponor> DivesOf(const TLogbook& lb) {
  return StateOf(lb).dives;
}

// An open logbook that differs from everything the tests load.
TLogbook PreviousLogbook() {
  TLogbook lb = SampleLogbook(3, 10, 500);
  lb.Zmeneno = true;
  lb.CisloPristroje = 77;
  lb.VychoziFormatGrafu = kFormatNitrox;
  lb.FormatGrafu = kFormatOxygen;
  return lb;
}

OpResult LoadFromMemory(const std::string& bytes, TLogbook& lb) {
  LogFileReader reader;
  reader.OpenMemory(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
  return ReadLogbook(reader, lb);
}

bool IsReadError(const OpResult& r) {
  return !r.Ok() && r.MessageKey() == kReadErrorKey;
}

// ---- The byte layout ----------------------------------------------------------------

ponor KnownDive() {
  ponor d;
  d.Datum = 145000;
  d.Cas = 615;
  d.Lokalita = "Jadran";
  d.Misto = Utf8ToWin1250("Baron Gautsch – záď");
  d.NadmorskaVyska = 1;
  d.PovrchovyInterval = 95;
  d.Pocasi = 2;
  d.TeplotaVzduchu = -150;
  d.Oblek = 3;
  d.Lahev = 1500;
  d.Hloubka = 2845;
  d.DelkaPonoru = 47;
  d.TeplotaVody = 1650;
  d.SpotrebaVzduchu = 14000;
  d.TypPonoru = 0x0104;
  d.TypAktivity = 0x5001;
  d.Jiny = "vrak";
  d.Partner = "Petr";
  d.Poznamka = Utf8ToWin1250("Žádné potíže");
  d.Chyby = 0x0009;
  d.Cislo = 42;
  d.Rezerva = {1, 2, 3, 4, 5, 0xFFFF};
  d.GrafPocet = 5;
  d.Graf[0] = 22;
  d.Graf[1] = 1;
  d.Graf[2] = 2;
  d.Graf[3] = 3;
  d.Graf[4] = 0xFF;
  return d;
}

std::string KnownFile() {
  Bytes b = Header(161, 0x12345678, 1, 0xCAFEBABE);
  const ponor d = KnownDive();
  b.U16(160).U32(145000).U16(615).Text("Jadran").Text(d.Misto).U8(1).U16(95).U8(2);
  b.U16(0x10000 - 150).U8(3).U16(1500).U16(2845).U16(47).U16(1650).U16(14000);
  b.U16(0x0104).U16(0x5001).Text("vrak").Text("Petr").Text(d.Poznamka).U16(9).U16(42);
  b.U16(1).U16(2).U16(3).U16(4).U16(5).U16(0xFFFF);
  b.U16(5).U8(22).U8(1).U8(2).U8(3).U8(0xFF);
  return b.U8(0).Str();
}

TEST(LogFileLayout, AKnownFileLoadsFieldByField) {
  TLogbook lb;
  ASSERT_TRUE(LoadFromMemory(KnownFile(), lb));
  ASSERT_EQ(lb.PocetPonoru(), 1);
  EXPECT_EQ(static_cast<const ponor&>(*lb.Prvni()), KnownDive());
  EXPECT_EQ(lb.CisloPristroje, 0x12345678u);
  EXPECT_EQ(lb.RezervaHlavicky, 0xCAFEBABEu);
}

TEST(LogFileLayout, TheWriterProducesTheKnownFile) {
  TLogbook lb;
  lb.Append(KnownDive());
  lb.CisloPristroje = 0x12345678;
  lb.RezervaHlavicky = 0xCAFEBABE;
  EXPECT_EQ(test::EncodedBytes(lb), KnownFile());
}

// ---- Round trips ----------------------------------------------------------------------

// Dives at the edges of what a record holds.
std::vector<ponor> EdgeDives() {
  std::string everyByte;
  for (int i = 0; i < 255; ++i) everyByte.push_back(static_cast<char>((i + 1) % 256));
  ponor extremes = SampleDive(60000, kGrafSize);
  extremes.Datum = INT32_MIN;
  extremes.Cas = 0xFFFF;
  extremes.NadmorskaVyska = extremes.Pocasi = extremes.Oblek = 0xFF;  // outside the tables
  extremes.PovrchovyInterval = INT16_MIN;
  extremes.TeplotaVzduchu = -1;
  extremes.Lahev = INT16_MAX;
  extremes.Hloubka = INT16_MIN;
  extremes.TypPonoru = extremes.TypAktivity = extremes.Chyby = 0xFFFF;
  extremes.Lokalita = extremes.Misto = extremes.Jiny = extremes.Partner = extremes.Poznamka =
      everyByte;
  extremes.Rezerva.fill(0xFFFF);
  extremes.Graf.fill(0xFF);

  ponor empty;  // a dive created empty, number 0, no texts, no profile
  ponor oneByte = SampleDive(65535, 1);
  oneByte.Poznamka = std::string(254, 'x');
  oneByte.Lokalita = std::string(1, '\0');
  return {SampleDive(1, 0), extremes, empty, oneByte, SampleDive(2, 600)};
}

TEST(LogFileRoundTrip, EveryFieldOfEveryDiveSurvivesSaveAndLoad) {
  ScratchFolder folder;
  TLogbook saved;
  for (const ponor& d : EdgeDives()) saved.Append(d);
  saved.Nacteno = true;
  ASSERT_TRUE(SaveLogbook(folder.File("a.LOG"), saved));

  TLogbook loaded;
  ASSERT_TRUE(LoadLogbook(folder.File("a.LOG"), loaded));
  EXPECT_EQ(DivesOf(loaded), EdgeDives());
}

TEST(LogFileRoundTrip, HeaderValuesSurvive) {
  TLogbook saved = SampleLogbook(4, 3, 7);
  saved.CisloPristroje = 0xFFABCDEF;  // top 8 bits carried, low 24 bits the device
  saved.RezervaHlavicky = 0x89ABCDEF;
  TLogbook loaded;
  ASSERT_TRUE(LoadFromMemory(test::EncodedBytes(saved), loaded));
  EXPECT_EQ(loaded.CisloPristroje, 0xFFABCDEFu);
  EXPECT_EQ(loaded.RezervaHlavicky, 0x89ABCDEFu);
  EXPECT_EQ(loaded.Verze, kLogbookVersion);
}

TEST(LogFileRoundTrip, LoadSetsNumbersAndDiveListFromTheDives) {
  TLogbook saved;
  saved.Append(SampleDive(12, 0));
  saved.Append(SampleDive(13, 1));
  saved.Append(SampleDive(40, 2002));
  TLogbook loaded;
  ASSERT_TRUE(LoadFromMemory(test::EncodedBytes(saved), loaded));
  EXPECT_TRUE(loaded.Nacteno);
  EXPECT_EQ(loaded.PrvniCislo, 12);
  EXPECT_EQ(loaded.PosledniCislo, 40);
  EXPECT_EQ(loaded.Seznam, (std::vector<std::string>{"12", "13\x95", "40\x95"}));
  // The list is a closed circle.
  EXPECT_EQ(loaded.Posledni()->Dalsi, loaded.Prvni());
  EXPECT_EQ(loaded.Prvni()->Predchozi->Cislo, 40);
}

TEST(LogFileRoundTrip, LoadKeepsZmenenoAndTheProfileFormatsOfTheSettings) {
  TLogbook lb = PreviousLogbook();
  ASSERT_TRUE(LoadFromMemory(test::EncodedBytes(SampleLogbook(2)), lb));
  EXPECT_TRUE(lb.Zmeneno);
  EXPECT_EQ(lb.VychoziFormatGrafu, kFormatNitrox);
  EXPECT_EQ(lb.FormatGrafu, kFormatOxygen);
  EXPECT_EQ(lb.PocetPonoru(), 2);
}

// ---- Header values and what follows the last record -------------------------------------

class LogFileVersion : public ::testing::TestWithParam<unsigned> {};

TEST_P(LogFileVersion, LoadsLikeTheCurrentOneAndIsSavedAs161) {
  Bytes b = Header(GetParam(), 5, 1, 0);
  std::string bytes = PlainRecord(b, 1, 0).Str();
  TLogbook lb;
  ASSERT_TRUE(LoadFromMemory(bytes, lb));
  EXPECT_EQ(lb.Verze, 161);
  const std::string written = test::EncodedBytes(lb);
  EXPECT_EQ(written.substr(0, 2), std::string("\xA1\x00", 2));
}

INSTANTIATE_TEST_SUITE_P(AnyVersion, LogFileVersion, ::testing::Values(0u, 160u, 161u, 0xFFFFu));

TEST(LogFileLoad, AnyRecordTagIsAcceptedAndReadAs160) {
  Bytes b = Header(161, 0, 1, 0);
  std::string bytes = PlainRecord(b, 1, 0).Str();
  bytes[kLogHeaderSize] = 0x33;
  TLogbook lb;
  ASSERT_TRUE(LoadFromMemory(bytes, lb));
  EXPECT_EQ(lb.Prvni()->Znacka, kRecordTag);
}

TEST(LogFileLoad, BytesAfterTheLastRecordAreIgnored) {
  const std::string file = test::EncodedBytes(SampleLogbook(2, 4));
  for (const std::string& tail :
       {std::string(), std::string("\xFF garbage", 9), test::EncodedBytes(SampleLogbook(1))}) {
    TLogbook lb;
    ASSERT_TRUE(LoadFromMemory(file.substr(0, file.size() - 1) + tail, lb)) << tail.size();
    EXPECT_EQ(DivesOf(lb), DivesOf(SampleLogbook(2, 4)));
  }
}

TEST(LogFileLoad, AnEmptyProfileIsListedWithoutMarkAndTakesNoBytes) {
  TLogbook lb = SampleLogbook(1, 0);
  const std::string withProfile = test::EncodedBytes(SampleLogbook(1, 1));
  EXPECT_EQ(test::EncodedBytes(lb).size() + 1, withProfile.size());
  TLogbook loaded;
  ASSERT_TRUE(LoadFromMemory(test::EncodedBytes(lb), loaded));
  EXPECT_EQ(loaded.Seznam, std::vector<std::string>{"1"});
  EXPECT_EQ(loaded.Prvni()->GrafPocet, 0);
}

TEST(LogFileLoad, AFullProfileOf2002BytesLoads) {
  Bytes b = Header(161, 0, 1, 0);
  TLogbook lb;
  ASSERT_TRUE(LoadFromMemory(PlainRecord(b, 3, 2002, std::string(2002, '\x7E')).Str(), lb));
  EXPECT_EQ(lb.Prvni()->GrafPocet, 2002);
  EXPECT_EQ(lb.Prvni()->Graf[2001], 0x7E);
}

// ---- Damaged files: the read error, and the open logbook stays as it was ----------------

struct DamagedFile {
  const char* name;
  std::string bytes;
  const char* detail;  // part of the failure's detail
};

class LogFileDamaged : public ::testing::TestWithParam<DamagedFile> {};

TEST_P(LogFileDamaged, FailsWithTheReadErrorAndLeavesTheLogbookAlone) {
  TLogbook lb = PreviousLogbook();
  const LogbookState before = StateOf(lb);
  const OpResult r = LoadFromMemory(GetParam().bytes, lb);
  EXPECT_TRUE(IsReadError(r)) << r.Describe();
  EXPECT_NE(r.Detail().find(GetParam().detail), std::string::npos) << r.Describe();
  EXPECT_EQ(StateOf(lb), before);
}

std::vector<DamagedFile> DamagedFiles() {
  const std::string tail(4000, '\x01');  // enough bytes that only the check can stop it
  Bytes graf2003 = Header(161, 0, 1, 0);
  Bytes graf65535 = Header(161, 0, 1, 0);
  Bytes secondTooLong = Header(161, 0, 2, 0);
  PlainRecord(secondTooLong, 1, 0);
  Bytes noDives = Header(161, 0, 0, 0);
  Bytes manyClaimed = Header(161, 0, 65535, 0);
  Bytes textPastEnd = Header(161, 0, 1, 0);
  textPastEnd.U16(160).U32(1).U16(1).U8(200).Raw("short");
  return {
      {"Empty", "", "StrDetVHlavicce(): StrDetKonecSouboru(0)"},
      {"HalfHeader", std::string("\xA1\x00\x01", 3), "StrDetKonecSouboru(3)"},
      {"GrafPocet2003", PlainRecord(graf2003, 1, 2003, tail).Str(),
       "StrDetDlouhyProfilNa(12, 2003, 2002)"},
      {"GrafPocet65535", PlainRecord(graf65535, 1, 65535, tail).Str(),
       "StrDetDlouhyProfilNa(12, 65535, 2002)"},
      {"SecondDiveGrafPocetTooBig", PlainRecord(secondTooLong, 2, 2500, tail).Str(),
       "StrDetPonorZ(2, 2)"},
      {"NoDives", noDives.U8(0).Str(), "StrDetZadnyPonor"},
      {"ManyDivesClaimedOnePresent", PlainRecord(manyClaimed, 1, 0).U8(0).Str(),
       "StrDetPonorZ(2, 65535)"},
      {"TextPastTheEnd", textPastEnd.Str(),
       "StrDetPonorZ(1, 1): StrDetVZaznamu(12): StrDetKonecSouboru(26)"},
  };
}

INSTANTIATE_TEST_SUITE_P(Files, LogFileDamaged, ::testing::ValuesIn(DamagedFiles()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LogFileLoad, AFileCutAtAnyByteFailsAndLeavesTheLogbookAlone) {
  ScratchFolder folder;
  TLogbook small;
  small.Append(SampleDive(1, 3));
  small.Append(SampleDive(2, 0));
  const std::string file = test::EncodedBytes(small);
  const std::string path = folder.File("cut.LOG");

  TLogbook lb = PreviousLogbook();
  const LogbookState before = StateOf(lb);
  // The final byte 0 is not read: without it the file is still whole.
  for (std::size_t length = 0; length + 1 < file.size(); ++length) {
    WriteFileBytes(path, file.substr(0, length));
    const OpResult r = LoadLogbook(path, lb);
    ASSERT_TRUE(IsReadError(r)) << "cut at " << length << ": " << r.Describe();
    ASSERT_EQ(StateOf(lb), before) << "cut at " << length;
  }
  WriteFileBytes(path, file.substr(0, file.size() - 1));
  ASSERT_TRUE(LoadLogbook(path, lb));
  EXPECT_EQ(DivesOf(lb), DivesOf(small));
}

TEST(LogFileLoad, AMissingFileFailsNamingItAndLeavesTheLogbookAlone) {
  ScratchFolder folder;
  TLogbook lb = PreviousLogbook();
  const LogbookState before = StateOf(lb);
  const std::string path = folder.File("neni.LOG");
  const OpResult r = LoadLogbook(path, lb);
  EXPECT_TRUE(IsReadError(r));
  EXPECT_NE(r.Detail().find(path), std::string::npos) << r.Describe();
  EXPECT_NE(r.Detail().find("No such file"), std::string::npos) << r.Describe();
  EXPECT_EQ(StateOf(lb), before);
}

TEST(LogFileLoad, AFolderInPlaceOfTheFileFails) {
  ScratchFolder folder;
  TLogbook lb;
  EXPECT_TRUE(IsReadError(LoadLogbook(folder.Path().string(), lb)));
  EXPECT_FALSE(lb.Nacteno);
}

TEST(LogFileLoad, AReadOnlyFileLoads) {
  ScratchFolder folder;
  const std::string path = folder.File("ro.LOG");
  WriteFileBytes(path, test::EncodedBytes(SampleLogbook(2, 5)));
  std::filesystem::permissions(path, std::filesystem::perms::owner_read |
                                         std::filesystem::perms::group_read |
                                         std::filesystem::perms::others_read);
  // Run where the permission applies (root may write anything).
  const std::string outcome = test::RunInChild(
      [&] {
        TLogbook lb;
        const OpResult r = LoadLogbook(path, lb);
        if (!r) return r.Describe();
        return lb.PocetPonoru() == 2 ? std::string() : std::string("wrong dive count");
      },
      /*unprivileged=*/true);
  if (outcome.rfind("SKIP", 0) == 0) GTEST_SKIP() << outcome;
  EXPECT_EQ(outcome, "");
}

// ---- The sequential reader ----------------------------------------------------------

// Reads a whole file's dives, noting where each record starts.
std::vector<uint64_t> ReadAllNotingPositions(LogFileReader& reader, std::vector<ponor>& dives) {
  LogFileHeader header;
  EXPECT_TRUE(reader.ReadHeader(header));
  EXPECT_EQ(reader.Position(), kLogHeaderSize);
  std::vector<uint64_t> positions;
  for (unsigned i = 0; i < header.PocetPonoru; ++i) {
    positions.push_back(reader.Position());
    ponor d;
    const OpResult read = reader.ReadDive(d);
    EXPECT_TRUE(read) << read.Describe();
    dives.push_back(d);
  }
  return positions;
}

TEST(LogFileReaderTest, SeekReturnsToARecordInMemory) {
  const TLogbook lb = SampleLogbook(5, 100);
  const std::string bytes = test::EncodedBytes(lb);
  LogFileReader reader;
  reader.OpenMemory(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
  std::vector<ponor> dives;
  const std::vector<uint64_t> at = ReadAllNotingPositions(reader, dives);
  EXPECT_EQ(dives, DivesOf(lb));
  EXPECT_EQ(reader.Position(), bytes.size() - 1);

  ASSERT_TRUE(reader.Seek(at[1]));
  ponor again;
  ASSERT_TRUE(reader.ReadDive(again));
  EXPECT_EQ(again, dives[1]);
  EXPECT_TRUE(reader.Seek(bytes.size()));
  EXPECT_TRUE(IsReadError(reader.ReadDive(again)));
  const OpResult past = reader.Seek(bytes.size() + 1);
  EXPECT_TRUE(IsReadError(past));
  EXPECT_NE(past.Detail().find("StrDetZaKoncem"), std::string::npos) << past.Detail();
}

TEST(LogFileReaderTest, SeekReturnsToARecordOutsideTheBufferedPartOfAFile) {
  ScratchFolder folder;
  const TLogbook lb = SampleLogbook(300, kGrafSize);  // far larger than one read
  const std::string bytes = test::EncodedBytes(lb);
  WriteFileBytes(folder.File("big.LOG"), bytes);
  LogFileReader reader;
  ASSERT_TRUE(reader.Open(folder.File("big.LOG")));
  std::vector<ponor> dives;
  const std::vector<uint64_t> at = ReadAllNotingPositions(reader, dives);
  EXPECT_EQ(dives, DivesOf(lb));

  for (unsigned i : {2u, 299u, 0u, 150u}) {
    ASSERT_TRUE(reader.Seek(at[i]));
    EXPECT_EQ(reader.Position(), at[i]);
    ponor again;
    ASSERT_TRUE(reader.ReadDive(again));
    EXPECT_EQ(again, dives[i]);
  }
  EXPECT_FALSE(reader.Seek(bytes.size() + 1));
}

TEST(LogFileReaderTest, NoBytesAtAllIsAShortHeader) {
  LogFileReader reader;
  reader.OpenMemory(nullptr, 0);
  LogFileHeader header;
  EXPECT_EQ(reader.ReadHeader(header), OpResult::FailureKey(kReadErrorKey)
                                           .With("StrDetKonecSouboru", {"0"})
                                           .WithContext("StrDetVHlavicce", {}));
  EXPECT_EQ(reader.Position(), 0u);
}

TEST(LogFileReaderTest, ClearsTheProfileBytesLeftByAnEarlierRecord) {
  TLogbook lb;
  lb.Append(SampleDive(1, 2002));
  lb.Append(SampleDive(2, 3));
  const std::string bytes = test::EncodedBytes(lb);
  LogFileReader reader;
  reader.OpenMemory(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
  LogFileHeader header;
  ponor scratch;
  ASSERT_TRUE(reader.ReadHeader(header));
  ASSERT_TRUE(reader.ReadDive(scratch));
  ASSERT_TRUE(reader.ReadDive(scratch));
  EXPECT_EQ(scratch, SampleDive(2, 3));
}

}  // namespace
}  // namespace zirdan
