#pragma once

#include <string>
#include <string_view>

#include "core/op_result.h"

namespace zirdan {

// The serial line the interface cable is on: 19200 baud, 8 data bits, no parity, 1 stop bit.
inline constexpr int kSerialBaudRate = 19200;
// Ports the user can choose by number, COM1 to COM8.
inline constexpr int kMinPortNumber = 1;
inline constexpr int kMaxPortNumber = 8;
// The environment variable that names the device whatever port is chosen.
inline constexpr const char* kSerialDeviceVariable = "ZIRDAN_SERIAL_DEVICE";
// The settings section that holds the device paths of the ports.
inline constexpr const char* kPortSettingsSection = "komunikace";

// The settings value that names the device of a port elsewhere than on Windows:
// "Zarizeni" + number.
std::string PortDeviceSettingName(int portNumber);

// The device the transfer opens. `environmentDevice`, when not empty, wins; then
// `chosenDevice`, a port the system reported that the user chose by its device name. Else
// port 1..8 (a number outside that range counts as port 1): on Windows "\\.\COM" + number;
// elsewhere `configuredDevice` (the port's settings value) when not empty, else
// "/dev/ttyUSB" + (number - 1).
std::string SerialDevicePath(int portNumber, bool windows, std::string_view configuredDevice,
                             std::string_view chosenDevice, std::string_view environmentDevice);

// Why a serial port could not be opened.
enum class SerialOpenFailure { NotFound, AccessDenied, Busy, Other };

// The failure of an open, for the user (message StrChPort): the device and why, when
// access is denied on Linux the group the user must join (`ownerGroup`, "dialout" when
// unknown), and the setting that chooses another port; `systemText` is the port layer's
// own words.
OpResult SerialOpenFailureResult(std::string_view device, SerialOpenFailure failure,
                                 std::string systemText, bool onLinux, std::string_view ownerGroup);

}  // namespace zirdan
