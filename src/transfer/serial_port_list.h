#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zirdan {

// A serial port as the system reports it. Texts are UTF-8.
struct SerialPortInfo {
  std::string Device;        // what the port is opened by: "/dev/ttyUSB0", "COM12"
  std::string Description;   // "FT232R USB UART"; may be empty
  std::string Manufacturer;  // "FTDI"; may be empty
};

// Where the ports come from: the system (QSerialPortInfo) in the programs, a fixed list in
// the tests.
class SerialPortSource {
 public:
  virtual ~SerialPortSource() = default;
  virtual std::vector<SerialPortInfo> Ports() const = 0;
};

// One port offered besides COM1 to COM8.
struct PortListEntry {
  std::string Device;
  std::string Text;     // "/dev/ttyUSB0 – FT232R USB UART, FTDI", UTF-8
  bool Present = true;  // false: the chosen port, which the system does not report now
};

// "device – description, manufacturer": the device alone when neither is known; the
// manufacturer is left out when the description already holds it.
std::string PortEntryText(const SerialPortInfo& port);

// The ports to offer: those of the system, each once, ordered by device with numbers in
// number order (ttyUSB2 before ttyUSB10); then `chosenDevice`, when not empty and not among
// them, marked absent so that the choice stays visible.
std::vector<PortListEntry> SystemPortList(const SerialPortSource& source,
                                          std::string_view chosenDevice);

}  // namespace zirdan
