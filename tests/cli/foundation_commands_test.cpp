// The json, resave and convert subcommands, run as a user runs them.
#include <gtest/gtest.h>

#include "core/log_file.h"
#include "core/win1250.h"
#include "support/cli_runner.h"

namespace zirdan {
namespace {
using test::ReadFileBytes;
using test::RunTool;
using test::ScratchFolder;

// A small logbook with texts in Windows-1250, a profile and activities 12 and 14.
std::string SaveSampleLogbook(const ScratchFolder& dir, const std::string& name) {
  TLogbook book;
  ponor a;
  a.Datum = kDay1980;
  a.Cas = 425;
  a.Lokalita = Utf8ToWin1250("Čertovo jezero");
  a.Misto = Utf8ToWin1250("Žďár");
  a.Jiny = "own";
  a.TypAktivity = (1 << 12) | (1 << 14);
  a.Hloubka = 1850;
  a.DelkaPonoru = 42;
  a.Cislo = 1;
  a.GrafPocet = 29;
  a.Graf[22] = 0x40;
  a.Graf[23] = 0x80;  // first sample: raw depth 258
  book.Append(a);
  ponor b;
  b.Cislo = 2;
  b.Partner = "Eva, Petr";
  book.Append(b);
  book.CisloPristroje = 0xAB123456;
  book.RezervaHlavicky = 77;
  book.Nacteno = true;
  const std::string path = dir.File(name);
  EXPECT_TRUE(SaveLogbook(path, book));
  return path;
}

TEST(ToolUsage, AFileThatCannotBeReadGivesOneLineNamingIt) {
  ScratchFolder dir;
  const std::string missing = dir.File("missing.LOG");
  const auto run = RunTool({"json", missing});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find(missing), std::string::npos);
  EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1);
  EXPECT_TRUE(run.out.empty());
}

TEST(JsonCommand, PrintsHeaderStoredFieldsViewAndMeasures) {
  ScratchFolder dir;
  const auto run = RunTool({"json", SaveSampleLogbook(dir, "a.LOG")}, "LC_ALL=C");
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const std::string& j = run.out;
  for (const char* expected : {R"("Verze":161)",
                               R"("CisloPristroje":2870096982)",
                               R"("PocetPonoru":2)",
                               R"("RezervaHlavicky":77)",
                               R"("PrvniCislo":1)",
                               R"("PosledniCislo":2)",
                               R"("Lokalita":"Čertovo jezero")",
                               R"("Misto":"Žďár")",
                               R"("Cas":425)",
                               R"("Rezerva":[0,0,0,0,0,0])",
                               R"("GrafPocet":29)",
                               R"("Datum":"01.01.1980 úterý")",
                               R"("Cas":"07:05")",
                               R"("Hloubka":"18.50")",
                               R"("TypAktivity":"z lodi, pracovní")",
                               R"("PocetVzorku":3)",
                               R"("Hloubky":[4031,)",
                               R"("ZnakyVzorku":["000000",)",
                               R"("FormatGrafu":22)",
                               R"("DelkaGrafu":"00:01")",
                               R"("Partner":"Eva, Petr")",
                               R"("GrafPocet":0,"Graf":"")",
                               R"("fullness":{"value":)",
                               R"("averageDepth":{"value":)",
                               R"("consumption":{"value":0,"fromProfile":false})"}) {
    EXPECT_NE(j.find(expected), std::string::npos) << expected;
  }
  // Graf is the hexadecimal of exactly GrafPocet bytes.
  EXPECT_NE(j.find(std::string(R"("Graf":")") + std::string(44, '0') + "4080" +
                   std::string(10, '0') + "\""),
            std::string::npos);
}

TEST(ResaveCommand, WritesTheSameBytesAndKeepsTheOldFile) {
  ScratchFolder dir;
  const std::string in = SaveSampleLogbook(dir, "in.LOG");
  const std::string out = dir.File("out.LOG");
  test::WriteFileBytes(out, "previous");
  ASSERT_EQ(RunTool({"resave", in, out}).exitCode, 0);
  EXPECT_EQ(ReadFileBytes(out), ReadFileBytes(in));
  EXPECT_EQ(ReadFileBytes(out + ".bak"), "previous");
}

TEST(ResaveCommand, CompatibleActivityWritesTheActivityNames) {
  ScratchFolder dir;
  const std::string in = SaveSampleLogbook(dir, "in.LOG");
  const std::string out = dir.File("out.LOG");
  ASSERT_EQ(RunTool({"resave", in, out, "--compatible-activity"}).exitCode, 0);
  TLogbook book;
  ASSERT_TRUE(LoadLogbook(out, book));
  EXPECT_EQ(Win1250ToUtf8(book.Prvni()->Jiny), "z lodi, pracovní");
  EXPECT_EQ(book.Prvni()->TypAktivity, (1 << 12) | (1 << 14));
}

TEST(ResaveCommand, AnOutputThatCannotBeWrittenExitsOne) {
  ScratchFolder dir;
  const std::string in = SaveSampleLogbook(dir, "in.LOG");
  const auto run = RunTool({"resave", in, dir.File("no/such/folder/out.LOG")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find("out.LOG"), std::string::npos);
}

TEST(ConvertCommand, ConvertsTextsInPlaceAndRefusesOtherPairs) {
  ScratchFolder dir;
  TLogbook book;
  ponor d;
  d.Cislo = 1;
  d.Lokalita = "\x87\x9E";  // "čŘ" in Kamenický
  book.Append(d);
  book.Nacteno = true;
  const std::string path = dir.File("k.LOG");
  ASSERT_TRUE(SaveLogbook(path, book));

  EXPECT_EQ(RunTool({"convert", path, "--from", "latin2", "--to", "latin2"}).exitCode, 2);
  EXPECT_EQ(RunTool({"convert", path, "--from", "ascii", "--to", "latin2"}).exitCode, 2);
  EXPECT_EQ(RunTool({"convert", path, "--from", "klingon", "--to", "latin2"}).exitCode, 2);
  ASSERT_EQ(RunTool({"convert", path, "--from", "kamenicky", "--to", "windows1250"}).exitCode, 0);
  TLogbook converted;
  ASSERT_TRUE(LoadLogbook(path, converted));
  EXPECT_EQ(converted.Prvni()->Lokalita, "\xE8\xD8");
}

}  // namespace
}  // namespace zirdan
