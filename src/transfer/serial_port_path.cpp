#include "transfer/serial_port_path.h"

namespace zirdan {

namespace {

int ValidPort(int portNumber) {
  return portNumber >= kMinPortNumber && portNumber <= kMaxPortNumber ? portNumber : kMinPortNumber;
}

}  // namespace

std::string PortDeviceSettingName(int portNumber) {
  return "Zarizeni" + std::to_string(ValidPort(portNumber));
}

std::string SerialDevicePath(int portNumber, bool windows, std::string_view configuredDevice,
                             std::string_view environmentDevice) {
  if (!environmentDevice.empty()) return std::string(environmentDevice);
  const int port = ValidPort(portNumber);
  if (windows) return "\\\\.\\COM" + std::to_string(port);
  if (!configuredDevice.empty()) return std::string(configuredDevice);
  return "/dev/ttyUSB" + std::to_string(port - 1);
}

std::string SerialOpenErrorText(std::string_view device, SerialOpenFailure failure,
                                std::string_view detail, bool onLinux,
                                std::string_view ownerGroup) {
  std::string text = "Cannot open the serial port " + std::string(device) + ": ";
  switch (failure) {
    case SerialOpenFailure::NotFound:
      text += "no such device";
      break;
    case SerialOpenFailure::AccessDenied:
      text += "access denied";
      if (onLinux) {
        text += ". The user must be a member of the group that owns the device (\"";
        text += ownerGroup.empty() ? std::string_view("dialout") : ownerGroup;
        text += "\"; usually \"dialout\")";
      }
      break;
    case SerialOpenFailure::Busy:
      text += "the port is in use";
      break;
    case SerialOpenFailure::Other:
      text += detail.empty() ? std::string_view("unknown error") : detail;
      break;
  }
  return text;
}

}  // namespace zirdan
