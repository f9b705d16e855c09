#include "transfer/serial_port_path.h"

#include <gtest/gtest.h>

namespace zirdan {
namespace {

struct PathCase {
  int port;
  bool windows;
  const char* configured;
  const char* environment;
  const char* path;
};

TEST(SerialDevicePath, FollowsThePortChoiceSettingsAndEnvironment) {
  const PathCase cases[] = {
      {1, true, "", "", "\\\\.\\COM1"},
      {8, true, "", "", "\\\\.\\COM8"},
      {3, true, "/dev/ttyS2", "", "\\\\.\\COM3"},  // the settings value is not for Windows
      {1, false, "", "", "/dev/ttyUSB0"},
      {8, false, "", "", "/dev/ttyUSB7"},
      {2, false, "/dev/ttyS1", "", "/dev/ttyS1"},
      {2, false, "/dev/ttyS1", "/dev/pts/4", "/dev/pts/4"},
      {5, true, "", "COM12", "COM12"},
      {0, false, "", "", "/dev/ttyUSB0"},  // outside 1..8: port 1
      {9, true, "", "", "\\\\.\\COM1"},
  };
  for (const PathCase& c : cases)
    EXPECT_EQ(SerialDevicePath(c.port, c.windows, c.configured, c.environment), c.path)
        << c.port << " " << c.windows << " " << c.configured << " " << c.environment;
}

TEST(SerialDevicePath, SettingNamePerPort) {
  EXPECT_EQ(PortDeviceSettingName(1), "Zarizeni1");
  EXPECT_EQ(PortDeviceSettingName(8), "Zarizeni8");
}

TEST(SerialOpenError, NamesTheDeviceAndTheGroupWhenAccessIsDenied) {
  const std::string denied = SerialOpenErrorText("/dev/ttyUSB0", SerialOpenFailure::AccessDenied,
                                                 "Permission denied", true, "uucp");
  EXPECT_NE(denied.find("/dev/ttyUSB0"), std::string::npos);
  EXPECT_NE(denied.find("\"uucp\""), std::string::npos);
  EXPECT_NE(denied.find("dialout"), std::string::npos);
  const std::string unknownGroup =
      SerialOpenErrorText("/dev/ttyUSB0", SerialOpenFailure::AccessDenied, "", true, "");
  EXPECT_NE(unknownGroup.find("group that owns the device (\"dialout\""), std::string::npos);
  const std::string windows =
      SerialOpenErrorText("\\\\.\\COM2", SerialOpenFailure::AccessDenied, "", false, "");
  EXPECT_NE(windows.find("COM2"), std::string::npos);
  EXPECT_EQ(windows.find("group"), std::string::npos);
}

TEST(SerialOpenError, OtherFailuresSayWhatHappened) {
  EXPECT_NE(SerialOpenErrorText("/dev/x", SerialOpenFailure::NotFound, "", true, "")
                .find("no such device"),
            std::string::npos);
  EXPECT_NE(SerialOpenErrorText("/dev/x", SerialOpenFailure::Busy, "", true, "").find("in use"),
            std::string::npos);
  EXPECT_NE(SerialOpenErrorText("/dev/x", SerialOpenFailure::Other, "I/O error", true, "")
                .find("I/O error"),
            std::string::npos);
}

}  // namespace
}  // namespace zirdan
