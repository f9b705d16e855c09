#include <gtest/gtest.h>

#include <algorithm>

#include "core/log_file.h"
#include "support/cli_runner.h"
#include "transfer/dump_file.h"
#include "transfer/memory_image_decoder.h"

namespace zirdan {
namespace {

using test::ReadFileBytes;
using test::RunTool;
using test::ScratchFolder;
using test::WriteFileBytes;

// Dive objects in the JSON output: each holds the record tag once.
int DivesIn(const std::string& json) {
  int count = 0;
  for (std::size_t at = json.find("\"Znacka\":160"); at != std::string::npos;
       at = json.find("\"Znacka\":160", at + 1))
    ++count;
  return count;
}

int Lines(const std::string& text) {
  return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

// ---- make-dump -------------------------------------------------------------------------

TEST(MakeDumpCommand, WritesADumpThatDecodesIntoTheDives) {
  ScratchFolder folder;
  const test::ToolRun run =
      RunTool({"make-dump", "--dives", "12", "--seed", "4", folder.File("a.bin")});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(ReadFileBytes(folder.File("a.bin")).size(), kDumpFileSize);
  TDumpFile dump;
  ASSERT_TRUE(ReadDumpFile(folder.File("a.bin"), dump).Ok());
  const TDecodedImage decoded = DecodeMemoryImage(dump.Image, dump.DownloadTime);
  ASSERT_TRUE(decoded.Accepted()) << DecodeFaultKey(decoded.Fault);
  EXPECT_EQ(decoded.Dives.size(), 12u);
}

TEST(MakeDumpCommand, IsDeterministicForASeed) {
  ScratchFolder folder;
  for (const char* name : {"a.bin", "b.bin"})
    ASSERT_EQ(RunTool({"make-dump", "--seed", "77", "--dives", "40", folder.File(name)}).exitCode,
              0);
  ASSERT_EQ(RunTool({"make-dump", "--dives", "40", "--seed", "78", folder.File("c.bin")}).exitCode,
            0);
  EXPECT_EQ(ReadFileBytes(folder.File("a.bin")), ReadFileBytes(folder.File("b.bin")));
  EXPECT_NE(ReadFileBytes(folder.File("a.bin")), ReadFileBytes(folder.File("c.bin")));
}

TEST(MakeDumpCommand, RefusesBadUsage) {
  ScratchFolder folder;
  const std::string out = folder.File("x.bin");
  const std::vector<std::vector<std::string>> cases = {
      {"make-dump", out},
      {"make-dump", "--dives", "0", out},
      {"make-dump", "--dives", "65536", out},
      {"make-dump", "--dives", "ten", out},
      {"make-dump", "--dives", "3", "--seed", "-1", out},
      {"make-dump", "--dives", "3"},
      {"make-dump", "--dives", "3", out, "extra"},
      {"make-dump", "--dives"}};
  for (const auto& args : cases)
    EXPECT_TRUE(test::IsUsageError(RunTool(args), "make-dump")) << args.size();
  EXPECT_FALSE(std::filesystem::exists(out));
}

TEST(MakeDumpCommand, ReportsAFileThatCannotBeWritten) {
  ScratchFolder folder;
  const test::ToolRun run = RunTool({"make-dump", "--dives", "3", folder.File("no/such/x.bin")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(Lines(run.err), 1) << run.err;
}

// ---- decode ----------------------------------------------------------------------------

// A folder with a made-up dump "d.bin" of `dives` dives.
class DecodeCommand : public ::testing::Test {
 protected:
  void MakeDump(int dives, const std::string& name = "d.bin") {
    ASSERT_EQ(RunTool({"make-dump", "--dives", std::to_string(dives), "--seed", "3", Dump(name)})
                  .exitCode,
              0);
  }
  std::string Dump(const std::string& name = "d.bin") const { return m_folder.File(name); }
  // Changes one byte of the dump's frame (index into the 2050 frame bytes).
  void Spoil(std::size_t frameIndex, uint8_t xorMask) {
    std::string bytes = ReadFileBytes(Dump());
    bytes[kDownloadTimeDigits + frameIndex] ^= static_cast<char>(xorMask);
    WriteFileBytes(Dump(), bytes);
  }
  std::vector<std::string> Language() const {
    return {"--language-file", std::string(ZIRDAN_SOURCE_DIR) + "/data/Language.ini", "--language",
            "1"};
  }

  ScratchFolder m_folder;
};

TEST_F(DecodeCommand, PrintsTheDivesAsAJsonArray) {
  MakeDump(5);
  const test::ToolRun run = RunTool({"decode", Dump()});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  ASSERT_FALSE(run.out.empty());
  EXPECT_EQ(run.out.front(), '[');
  EXPECT_EQ(DivesIn(run.out), 5);
  EXPECT_TRUE(run.err.empty());
}

TEST_F(DecodeCommand, WithInfoAddsTheModelAndTheInformationRows) {
  MakeDump(40);
  std::vector<std::string> args = {"decode", Dump(), "--info"};
  for (const std::string& a : Language()) args.push_back(a);
  const test::ToolRun run = RunTool(args);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  TDumpFile dump;
  ASSERT_TRUE(ReadDumpFile(Dump(), dump).Ok());
  const std::string model(SelectModel(dump.Image).Name);
  EXPECT_EQ(run.out.front(), '{');
  EXPECT_NE(run.out.find("\"model\":\"" + model + "\""), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("\"diveCount\":\"40\""), std::string::npos);
  EXPECT_NE(run.out.find("\"serialNumber\":\""), std::string::npos);
  EXPECT_NE(run.out.find("\"battery\":\""), std::string::npos);
  EXPECT_NE(run.out.find("\"dives\":["), std::string::npos);
  EXPECT_EQ(DivesIn(run.out), 37);
}

TEST_F(DecodeCommand, RejectsAFrameWithAWrongChecksumSayingWhy) {
  MakeDump(5);
  Spoil(1600, 0x01);
  const test::ToolRun run = RunTool({"decode", Dump(), "--language", "1"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_TRUE(run.out.empty());
  EXPECT_EQ(Lines(run.err), 1) << run.err;
  EXPECT_NE(run.err.find("the checksum is wrong"), std::string::npos) << run.err;
}

TEST_F(DecodeCommand, RejectsAFrameWithoutSyncSayingWhy) {
  MakeDump(5);
  Spoil(0, 0x01);
  const test::ToolRun run = RunTool({"decode", Dump()});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find("sync"), std::string::npos) << run.err;
}

TEST_F(DecodeCommand, ReportsMissingAndShortFiles) {
  EXPECT_EQ(RunTool({"decode", Dump("missing.bin")}).exitCode, 1);
  WriteFileBytes(Dump("short.bin"), std::string(2064, '0'));
  const test::ToolRun run = RunTool({"decode", Dump("short.bin")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(Lines(run.err), 1) << run.err;
}

TEST_F(DecodeCommand, RefusesBadUsage) {
  MakeDump(2);
  EXPECT_EQ(RunTool({"decode"}).exitCode, 2);
  EXPECT_EQ(RunTool({"decode", Dump(), "--all"}).exitCode, 2);
  EXPECT_EQ(RunTool({"decode", Dump(), "--merge-into"}).exitCode, 2);
  EXPECT_EQ(RunTool({"decode", Dump(), Dump()}).exitCode, 2);
}

// ---- decode --merge-into -----------------------------------------------------------------

TEST_F(DecodeCommand, MergesIntoANewLogbookAndThenOnlyNewDives) {
  MakeDump(12);
  const std::string log = m_folder.File("new.log");
  const test::ToolRun first = RunTool({"decode", Dump(), "--merge-into", log});
  ASSERT_EQ(first.exitCode, 0) << first.err;
  EXPECT_EQ(DivesIn(first.out), 12);
  TLogbook logbook;
  ASSERT_TRUE(LoadLogbook(log, logbook).Ok());
  ASSERT_EQ(logbook.PocetPonoru(), 12);
  EXPECT_EQ(logbook.Prvni()->Cislo, 1);
  EXPECT_EQ(logbook.Posledni()->Cislo, 12);

  // The same download again adds nothing; with --all it adds every dive once more.
  const test::ToolRun again = RunTool({"decode", Dump(), "--merge-into", log});
  ASSERT_EQ(again.exitCode, 0) << again.err;
  EXPECT_EQ(DivesIn(again.out), 0);
  ASSERT_TRUE(LoadLogbook(log, logbook).Ok());
  EXPECT_EQ(logbook.PocetPonoru(), 12);
  const test::ToolRun all = RunTool({"decode", Dump(), "--merge-into", log, "--all"});
  ASSERT_EQ(all.exitCode, 0) << all.err;
  EXPECT_EQ(DivesIn(all.out), 12);
  EXPECT_NE(all.out.find("\"Cislo\":24"), std::string::npos);  // numbered in the logbook
  ASSERT_TRUE(LoadLogbook(log, logbook).Ok());
  EXPECT_EQ(logbook.PocetPonoru(), 24);
  EXPECT_EQ(logbook.Posledni()->Cislo, 24);
}

TEST_F(DecodeCommand, ARejectedFrameLeavesTheLogbookFileAsItWas) {
  MakeDump(3);
  const std::string log = m_folder.File("book.log");
  ASSERT_EQ(RunTool({"decode", Dump(), "--merge-into", log}).exitCode, 0);
  const std::string before = ReadFileBytes(log);
  Spoil(1700, 0x80);
  const test::ToolRun run = RunTool({"decode", Dump(), "--merge-into", log, "--all"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(ReadFileBytes(log), before);
  // Nor is a logbook created for it.
  EXPECT_EQ(RunTool({"decode", Dump(), "--merge-into", m_folder.File("none.log")}).exitCode, 1);
  EXPECT_FALSE(std::filesystem::exists(m_folder.File("none.log")));
}

}  // namespace
}  // namespace zirdan
