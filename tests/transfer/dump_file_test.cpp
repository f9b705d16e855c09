#include "transfer/dump_file.h"

#include <gtest/gtest.h>

#include "support/cli_runner.h"

namespace zirdan {
namespace {

using test::ReadFileBytes;
using test::ScratchFolder;
using test::WriteFileBytes;

TDumpFile SampleDump() {
  TDumpFile dump;
  dump.DownloadTime = 202312312359599;
  for (std::size_t i = 0; i < kFrameSize; ++i) dump.Image[i] = static_cast<uint8_t>(i * 7 + 3);
  return dump;
}

TEST(DumpFormat, IsTheTimestampTextThenTheFrame) {
  ScratchFolder folder;
  const TDumpFile dump = SampleDump();
  ASSERT_TRUE(WriteDumpFile(folder.File("d.bin"), dump));
  const std::string bytes = ReadFileBytes(folder.File("d.bin"));
  ASSERT_EQ(bytes.size(), 2065u);
  EXPECT_EQ(bytes.substr(0, 15), "202312312359599");
  EXPECT_EQ(bytes.substr(15),
            std::string(reinterpret_cast<const char*>(dump.Image.data()), kFrameSize));
}

TEST(DumpFormat, WriteThenReadGivesTheSameDump) {
  ScratchFolder folder;
  const TDumpFile dump = SampleDump();
  ASSERT_TRUE(WriteDumpFile(folder.File("d.bin"), dump));
  TDumpFile read;
  ASSERT_TRUE(ReadDumpFile(folder.File("d.bin"), read));
  EXPECT_EQ(read.DownloadTime, dump.DownloadTime);
  EXPECT_EQ(read.Image, dump.Image);
}

TEST(DumpFormat, AnOverwrittenDumpHoldsOnlyTheNewFrame) {
  ScratchFolder folder;
  WriteFileBytes(folder.File("d.bin"), std::string(5000, 'x'));
  ASSERT_TRUE(WriteDumpFile(folder.File("d.bin"), SampleDump()));
  EXPECT_EQ(ReadFileBytes(folder.File("d.bin")).size(), kDumpFileSize);
}

TEST(DumpFormat, AShortFileIsRefusedAndLeavesTheDumpAlone) {
  ScratchFolder folder;
  const TDumpFile before = SampleDump();
  for (std::size_t size : {std::size_t{0}, std::size_t{15}, kDumpFileSize - 1}) {
    WriteFileBytes(folder.File("short.bin"), std::string(size, '2'));
    TDumpFile dump = before;
    const OpResult read = ReadDumpFile(folder.File("short.bin"), dump);
    EXPECT_FALSE(read) << size;
    EXPECT_NE(read.Detail().find(folder.File("short.bin")), std::string::npos) << read.Detail();
    EXPECT_NE(read.Detail().find("StrDetKratkyVypis(" + std::to_string(size) + ", 2065)"),
              std::string::npos)
        << read.Detail();
    EXPECT_EQ(dump.Image, before.Image);
    EXPECT_EQ(dump.DownloadTime, before.DownloadTime);
  }
}

TEST(DumpFormat, BytesAfterTheFrameAreIgnored) {
  ScratchFolder folder;
  const TDumpFile dump = SampleDump();
  WriteFileBytes(folder.File("long.bin"), DumpBytes(dump) + "trailing");
  TDumpFile read;
  ASSERT_TRUE(ReadDumpFile(folder.File("long.bin"), read));
  EXPECT_EQ(read.Image, dump.Image);
}

TEST(DumpFormat, MissingFileAndUnwritablePathAreFailures) {
  ScratchFolder folder;
  TDumpFile dump;
  EXPECT_FALSE(ReadDumpFile(folder.File("none.bin"), dump));
  EXPECT_FALSE(WriteDumpFile(folder.File("no/such/folder.bin"), dump));
}

struct TimestampCase {
  const char* text;
  TDownloadTime value;
};

TEST(DownloadTimeText, ReadsOnlyNumbersInTheValidRange) {
  const TimestampCase cases[] = {
      {"202406151230455", 202406151230455},
      {"160000000000000", 160000000000000},
      {"219912312359599", 219912312359599},
      {"159999999999999", 0},
      {"219912312359600", 0},
      {"000000000000000", 0},
      {"ABCDEFGHIJKLMNO", 0},
      {" 20240615123045", 0},
      {"20240615123045 ", 0},
      {"-20240615123045", 0},
      {"", 0},
      {"2024061512304551", 0},
  };
  for (const TimestampCase& c : cases) EXPECT_EQ(ParseDownloadTime(c.text), c.value) << c.text;
}

TEST(DownloadTimeText, OutOfRangeIsWrittenAsZeros) {
  EXPECT_EQ(DownloadTimeText(202406151230455), "202406151230455");
  EXPECT_EQ(DownloadTimeText(0), "000000000000000");
  EXPECT_EQ(DownloadTimeText(159999999999999), "000000000000000");
  EXPECT_EQ(DownloadTimeText(219912312359600), "000000000000000");
  EXPECT_EQ(ParseDownloadTime(DownloadTimeText(0)), 0u);
}

TEST(DownloadTimeText, FromTheLocalMomentsParts) {
  EXPECT_EQ(MakeDownloadTime(2024, 3, 5, 7, 8, 9, 4), 202403050708094u);
  EXPECT_EQ(MakeDownloadTime(1999, 12, 31, 23, 59, 59, 9), 199912312359599u);
  EXPECT_EQ(BlockSaveName(202403050708094), "zirdan_data_202403050708094.bin");
}

}  // namespace
}  // namespace zirdan
