// zirdanlog-cli ports: the ports the editor's setting offers, its choice marked.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/cli_runner.h"
#include "support/scratch_files.h"

namespace zirdan {
namespace {

TEST(PortsCommand, ListsTheNumberedPortsAndKeepsAnAbsentChoiceVisible) {
  if (!test::ToolHasQtPart()) GTEST_SKIP() << "the tool was built without its serial link";
#ifdef _WIN32
  GTEST_SKIP() << "the numbered ports are COM devices and the settings are in the registry";
#endif
  test::ScratchFolder folder;
  std::filesystem::create_directories(folder.File("config/Brandivo"));
  test::WriteFileBytes(folder.File("config/Brandivo/Zirdan.conf"),
                       "[komunikace]\nZarizeni3=/dev/ttyS7\nPort=/dev/ttyNONE9\n");
  const test::ToolRun run =
      test::RunTool({"ports", "--language", "1"},
                    "XDG_CONFIG_HOME=" + folder.File("config") + " ZIRDAN_SERIAL_DEVICE=");
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(run.out.find("  COM1  /dev/ttyUSB0\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("  COM3  /dev/ttyS7\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("* /dev/ttyNONE9 (not connected)\n"), std::string::npos) << run.out;
}

}  // namespace
}  // namespace zirdan
