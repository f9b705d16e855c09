#include "transfer/serial_port_path.h"

#include <gtest/gtest.h>

#include "support/op_result_print.h"

namespace zirdan {
namespace {

struct PathCase {
  int port;
  bool windows;
  const char* configured;
  const char* chosen;
  const char* environment;
  const char* path;
};

TEST(SerialDevicePath, FollowsThePortChoiceSettingsAndEnvironment) {
  const PathCase cases[] = {
      {1, true, "", "", "", "\\\\.\\COM1"},
      {8, true, "", "", "", "\\\\.\\COM8"},
      {3, true, "/dev/ttyS2", "", "", "\\\\.\\COM3"},  // the settings value is not for Windows
      {1, false, "", "", "", "/dev/ttyUSB0"},
      {8, false, "", "", "", "/dev/ttyUSB7"},
      {2, false, "/dev/ttyS1", "", "", "/dev/ttyS1"},
      {2, false, "/dev/ttyS1", "", "/dev/pts/4", "/dev/pts/4"},
      {5, true, "", "", "COM12", "COM12"},
      {0, false, "", "", "", "/dev/ttyUSB0"},  // outside 1..8: port 1
      {9, true, "", "", "", "\\\\.\\COM1"},
      // A port the system reported, chosen by name, wins over the number; the variable wins.
      {1, false, "/dev/ttyS1", "/dev/ttyACM0", "", "/dev/ttyACM0"},
      {1, true, "", "COM12", "", "COM12"},
      {1, false, "", "/dev/ttyACM0", "/dev/pts/4", "/dev/pts/4"},
  };
  for (const PathCase& c : cases)
    EXPECT_EQ(SerialDevicePath(c.port, c.windows, c.configured, c.chosen, c.environment), c.path)
        << c.port << " " << c.windows << " " << c.configured << " " << c.chosen << " "
        << c.environment;
}

TEST(SerialDevicePath, SettingNamePerPort) {
  EXPECT_EQ(PortDeviceSettingName(1), "Zarizeni1");
  EXPECT_EQ(PortDeviceSettingName(8), "Zarizeni8");
}

TEST(SerialOpenError, NamesTheDeviceWhyAndWhereAnotherPortIsChosen) {
  const OpResult base = OpResult::FailureKey("StrChPort", "/dev/ttyUSB0");
  struct Case {
    SerialOpenFailure failure;
    bool linux;
    const char* group;
    OpResult expected;
  };
  const Case cases[] = {
      {SerialOpenFailure::AccessDenied, true, "uucp",
       base.With("StrDetPortPristup", {}).With("StrDetPortSkupina", {"uucp"})},
      {SerialOpenFailure::AccessDenied, true, "",
       base.With("StrDetPortPristup", {}).With("StrDetPortSkupina", {"dialout"})},
      {SerialOpenFailure::AccessDenied, false, "", base.With("StrDetPortPristup", {})},
      {SerialOpenFailure::NotFound, true, "", base.With("StrDetPortNenalezen", {})},
      {SerialOpenFailure::Busy, true, "", base.With("StrDetPortObsazen", {})},
      {SerialOpenFailure::Other, true, "", base},
  };
  for (const Case& c : cases)
    EXPECT_EQ(SerialOpenFailureResult("/dev/ttyUSB0", c.failure, "system words", c.linux, c.group),
              c.expected.With("StrDetPortVolba", {}).WithSystemText("system words"))
        << static_cast<int>(c.failure) << " " << c.linux;
}

}  // namespace
}  // namespace zirdan
