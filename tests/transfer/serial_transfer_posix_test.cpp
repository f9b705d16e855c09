// POSIX only: the serial line is a pair of pseudo-terminals.
// A download over a serial line: `simulate` plays the dive computer on one pseudo-terminal,
// `receive` listens on another, and the test carries the bytes from one to the other as the
// interface cable would.
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <future>
#include <thread>

#include "support/cli_runner.h"
#include "support/pseudo_terminal.h"
#include "transfer/dump_file.h"

namespace zirdan {
namespace {

using namespace std::chrono_literals;
using test::PseudoTerminal;
using test::ReadFileBytes;
using test::Relay;
using test::RunTool;
using test::ScratchFolder;

// Runs a command line through the shell with stdout and stderr going to the given files.
int RunShell(const std::vector<std::string>& args, const std::string& out, const std::string& err) {
  std::string command = "'" + std::string(ZIRDAN_CLI_PATH) + "'";
  for (const std::string& a : args) command += " '" + a + "'";
  command += " >'" + out + "' 2>'" + err + "'";
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool WaitForText(const std::string& path, const std::string& text) {
  for (auto waited = 0ms; waited < 20s; waited += 20ms) {
    if (ReadFileBytes(path).find(text) != std::string::npos) return true;
    std::this_thread::sleep_for(20ms);
  }
  return false;
}

TEST(SerialTransfer, ReceivedLogbookEqualsTheDecodedDump) {
  if (!test::ToolHasQtPart()) GTEST_SKIP() << "the tool was built without its serial link";
  PseudoTerminal computerSide;
  PseudoTerminal editorSide;
  ASSERT_TRUE(computerSide.Ok() && editorSide.Ok());
  ScratchFolder folder;
  const std::string sent = folder.File("sent.bin");
  ASSERT_EQ(RunTool({"make-dump", "--dives", "12", "--seed", "3", sent}).exitCode, 0);

  // Both logbooks start from the same older download.
  const std::string older = folder.File("older.bin");
  ASSERT_EQ(RunTool({"make-dump", "--dives", "4", "--seed", "3", older}).exitCode, 0);
  const std::string received = folder.File("received.LOG");
  const std::string decoded = folder.File("decoded.LOG");
  ASSERT_EQ(RunTool({"decode", older, "--merge-into", received}).exitCode, 0);
  std::filesystem::copy_file(received, decoded);

  Relay cable(computerSide.Master(), editorSide.Master());
  const std::string dumpPath = folder.File("received.bin");
  auto receive = std::async(std::launch::async, [&] {
    return RunShell({"receive", "--device", editorSide.Path(), "--timeout", "60", "--dump",
                     dumpPath, "--merge-into", received},
                    folder.File("receive.out"), folder.File("receive.err"));
  });
  ASSERT_TRUE(WaitForText(folder.File("receive.err"), "listening on"));
  const test::ToolRun simulate = RunTool({"simulate", sent, "--device", computerSide.Path()});
  EXPECT_EQ(simulate.exitCode, 0) << simulate.err;
  ASSERT_EQ(receive.get(), 0) << ReadFileBytes(folder.File("receive.err"));
  EXPECT_EQ(cable.Carried(), kFrameSize);

  // The frame arrived unchanged, stamped with the moment it was complete.
  TDumpFile sentDump, receivedDump;
  ASSERT_TRUE(ReadDumpFile(sent, sentDump));
  ASSERT_TRUE(ReadDumpFile(dumpPath, receivedDump));
  EXPECT_EQ(receivedDump.Image, sentDump.Image);
  EXPECT_NE(receivedDump.DownloadTime, 0u);

  const test::ToolRun decode = RunTool({"decode", dumpPath, "--merge-into", decoded});
  ASSERT_EQ(decode.exitCode, 0) << decode.err;
  EXPECT_EQ(ReadFileBytes(received), ReadFileBytes(decoded));
  EXPECT_EQ(ReadFileBytes(folder.File("receive.out")), decode.out);
  EXPECT_NE(decode.out, "[]\n");
}

TEST(SerialTransfer, NothingOnTheLineTimesOutAndLeavesTheLogbookAlone) {
  if (!test::ToolHasQtPart()) GTEST_SKIP() << "the tool was built without its serial link";
  PseudoTerminal line;
  ASSERT_TRUE(line.Ok());
  ScratchFolder folder;
  const test::ToolRun run = RunTool(
      {"receive", "--device", line.Path(), "--timeout", "1", "--merge-into", folder.File("a.LOG")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find(line.Path() + ": no complete frame within 1 s"), std::string::npos)
      << run.err;
  EXPECT_FALSE(std::filesystem::exists(folder.File("a.LOG")));
}

TEST(SerialTransfer, ADeviceThatCannotBeOpenedIsNamed) {
  if (!test::ToolHasQtPart()) GTEST_SKIP() << "the tool was built without its serial link";
  ScratchFolder folder;
  const std::string missing = folder.File("ttyNONE");
  const test::ToolRun run = RunTool({"receive", "--device", missing});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find(missing), std::string::npos) << run.err;
  const test::ToolRun port = RunTool({"receive", "--port", "3"}, "ZIRDAN_SERIAL_DEVICE=" + missing);
  EXPECT_EQ(port.exitCode, 1);
  EXPECT_NE(port.err.find(missing), std::string::npos) << port.err;
}

TEST(SerialTransfer, UsageErrors) {
  if (!test::ToolHasQtPart()) GTEST_SKIP() << "the tool was built without its serial link";
  const std::vector<std::vector<std::string>> cases = {
      {"receive", "--port", "9"},    {"receive", "--port", "1", "--device", "/dev/null"},
      {"receive", "--timeout", "0"}, {"receive", "--all"},
      {"receive", "extra"},          {"simulate", "--device", "/dev/null"},
      {"simulate", "x.bin"},
  };
  for (const auto& args : cases) EXPECT_EQ(RunTool(args).exitCode, 2) << args.back();
  ScratchFolder folder;
  const test::ToolRun shortDump = [&] {
    test::WriteFileBytes(folder.File("short.bin"), std::string(100, '1'));
    return RunTool({"simulate", folder.File("short.bin"), "--device", "/dev/null"});
  }();
  EXPECT_EQ(shortDump.exitCode, 1);
  EXPECT_NE(shortDump.err.find("short.bin"), std::string::npos);
}

// With a dive computer on a real port: ZIRDAN_TEST_SERIAL_DEVICE names it, and someone starts
// the transfer on the computer within two minutes.
TEST(SerialTransfer, RealDiveComputer) {
  const char* device = std::getenv("ZIRDAN_TEST_SERIAL_DEVICE");
  if (!device || !*device) GTEST_SKIP() << "set ZIRDAN_TEST_SERIAL_DEVICE to a port";
  ScratchFolder folder;
  const test::ToolRun run =
      RunTool({"receive", "--device", device, "--dump", folder.File("real.bin")});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(ReadFileBytes(folder.File("real.bin")).size(), kDumpFileSize);
}

}  // namespace
}  // namespace zirdan
