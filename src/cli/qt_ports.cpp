// zirdanlog-cli ports: the serial ports the editor's port setting offers on this machine.
#include <cstdio>
#include <string>

#include "adapters/qt_serial_link.h"
#include "adapters/qt_serial_port_source.h"
#include "cli/cli_common.h"
#include "cli/cli_language.h"
#include "cli/cli_settings.h"
#include "core/win1250.h"
#include "transfer/serial_port_list.h"
#include "transfer/serial_port_path.h"

namespace zirdan::cli {
namespace {

constexpr const char* kUsage =
    "Usage: zirdanlog-cli ports [--language-file PATH] [--language N]\n"
    "Lists the serial ports the editor's setting Settings > Interface port offers: COM1 to\n"
    "COM8 with the device each one opens here, then the ports the system reports (device,\n"
    "description, manufacturer). '*' marks the editor's choice; a chosen port the system\n"
    "does not report now is listed last, marked as not connected. $ZIRDAN_SERIAL_DEVICE,\n"
    "when set, is opened whatever is chosen.\n\n"
    "  --language-file PATH, --language N  the translation file and language number of\n"
    "                       the 'not connected' text\n";

int RunPorts(const ParsedArguments& args) {
  std::string error;
  const std::optional<CliLanguage> language = LoadLanguage(args, error);
  if (!language) return UsageError(error);
  const TAppSettings settings = CliSettings();
  const auto mark = [](bool chosen) { return chosen ? "*" : " "; };
  for (int n = kMinPortNumber; n <= kMaxPortNumber; ++n) {
    const std::string device = SerialDeviceForPort(n, {}, CliSettingsStore());
    const bool chosen = settings.PortDevice.empty() && settings.Port() == n;
    std::printf("%s COM%d  %s\n", mark(chosen), n, device.c_str());
  }
  const std::string absent = Win1250ToUtf8(language->Messages.Text("StrPortNepripojen"));
  for (const PortListEntry& port : SystemPortList(QtSerialPortSource(), settings.PortDevice)) {
    const std::string text = port.Present ? port.Text : port.Text + " " + absent;
    std::printf("%s %s\n", mark(port.Device == settings.PortDevice), text.c_str());
  }
  return kExitOk;
}

const bool kRegistered = RegisterCommand({"ports",
                                          "list the serial ports the editor's port setting offers",
                                          kUsage,
                                          {{kLanguageFileOption, kLanguageNumberOption}, {}},
                                          &RunPorts});

}  // namespace
}  // namespace zirdan::cli
