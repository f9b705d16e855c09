#include "transfer/serial_port_list.h"

#include <gtest/gtest.h>

namespace zirdan {
namespace {

// The ports a machine reports, fixed for the test.
class FakePortSource : public SerialPortSource {
 public:
  explicit FakePortSource(std::vector<SerialPortInfo> ports) : m_ports(std::move(ports)) {}
  std::vector<SerialPortInfo> Ports() const override { return m_ports; }

 private:
  std::vector<SerialPortInfo> m_ports;
};

TEST(SerialPortList, ThePortsInNumberOrderWithWhatTheyAre) {
  const FakePortSource source({{"/dev/ttyUSB10", "", ""},
                               {"/dev/ttyUSB2", "FT232R USB UART", "FTDI"},
                               {"/dev/ttyACM0", "Zirdan cable", "Zirdan cable"},
                               {"/dev/ttyUSB2", "FT232R USB UART", "FTDI"},  // reported twice
                               {"", "nameless", ""}});
  const std::vector<PortListEntry> list = SystemPortList(source, "/dev/ttyUSB2");
  const std::vector<std::string> texts = {"/dev/ttyACM0 \u2013 Zirdan cable",
                                          "/dev/ttyUSB2 \u2013 FT232R USB UART, FTDI",
                                          "/dev/ttyUSB10"};
  ASSERT_EQ(list.size(), texts.size());
  for (std::size_t i = 0; i < list.size(); ++i) {
    EXPECT_EQ(list[i].Text, texts[i]);
    EXPECT_TRUE(list[i].Present);
  }
  EXPECT_EQ(list[1].Device, "/dev/ttyUSB2");
}

TEST(SerialPortList, AChosenPortTheSystemDoesNotReportStaysListedAsAbsent) {
  const FakePortSource source({{"COM12", "USB Serial Port", "FTDI"}, {"COM3", "", "Microsoft"}});
  const std::vector<PortListEntry> list = SystemPortList(source, "COM7");
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0].Text, "COM3 \u2013 Microsoft");
  EXPECT_EQ(list[1].Text, "COM12 \u2013 USB Serial Port, FTDI");
  EXPECT_EQ(list[2].Device, "COM7");
  EXPECT_FALSE(list[2].Present);
  EXPECT_TRUE(SystemPortList(FakePortSource({}), "").empty());
}

}  // namespace
}  // namespace zirdan
