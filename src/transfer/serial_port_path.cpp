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
                             std::string_view chosenDevice, std::string_view environmentDevice) {
  if (!environmentDevice.empty()) return std::string(environmentDevice);
  if (!chosenDevice.empty()) return std::string(chosenDevice);
  const int port = ValidPort(portNumber);
  if (windows) return "\\\\.\\COM" + std::to_string(port);
  if (!configuredDevice.empty()) return std::string(configuredDevice);
  return "/dev/ttyUSB" + std::to_string(port - 1);
}

OpResult SerialOpenFailureResult(std::string_view device, SerialOpenFailure failure,
                                 std::string systemText, bool onLinux,
                                 std::string_view ownerGroup) {
  OpResult result = OpResult::FailureKey("StrChPort", std::string(device));
  switch (failure) {
    case SerialOpenFailure::NotFound:
      result = result.With("StrDetPortNenalezen", {});
      break;
    case SerialOpenFailure::AccessDenied:
      result = result.With("StrDetPortPristup", {});
      if (onLinux)
        result = result.With("StrDetPortSkupina",
                             {std::string(ownerGroup.empty() ? "dialout" : ownerGroup)});
      break;
    case SerialOpenFailure::Busy:
      result = result.With("StrDetPortObsazen", {});
      break;
    case SerialOpenFailure::Other:
      break;
  }
  return result.With("StrDetPortVolba", {}).WithSystemText(std::move(systemText));
}

}  // namespace zirdan
