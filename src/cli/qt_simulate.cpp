// zirdanlog-cli simulate: plays a dive computer sending its memory.
#include <QCoreApplication>
#include <QSerialPort>
#include <algorithm>
#include <chrono>
#include <string>
#include <thread>

#include "cli/cli_common.h"
#include "transfer/dump_file.h"
#include "transfer/serial_port_path.h"

namespace zirdan::cli {
namespace {

constexpr const char* kUsage =
    "Usage: zirdanlog-cli simulate DUMPFILE --device PATH\n"
    "Plays a dive computer: sends the 2050 frame bytes of a dump file on the serial device\n"
    "at 19200 baud, 8 data bits, no parity, 1 stop bit, at the pace of the real line\n"
    "(about 1.07 s for the frame), then closes the device.\n";

// Time on the line of one byte: a start bit, 8 data bits and a stop bit.
constexpr std::chrono::duration<double> kByteTime(10.0 / kSerialBaudRate);
constexpr std::size_t kChunk = 16;  // bytes handed to the port at a time

int RunSimulate(const ParsedArguments& args) {
  const std::optional<std::string> device = args.Value("--device");
  if (!device) return UsageError("simulate needs --device PATH");
  const std::string& dumpPath = args.Positionals()[0];
  TDumpFile dump;
  if (OpResult read = ReadDumpFile(dumpPath, dump); !read) return ReportFailure(dumpPath, read);

  int argc = 1;
  char name[] = "zirdanlog-cli";
  char* argv[] = {name, nullptr};
  QCoreApplication app(argc, argv);
  QSerialPort port;
  port.setPortName(QString::fromStdString(*device));
  port.setBaudRate(kSerialBaudRate);
  port.setDataBits(QSerialPort::Data8);
  port.setParity(QSerialPort::NoParity);
  port.setStopBits(QSerialPort::OneStop);
  port.setFlowControl(QSerialPort::NoFlowControl);
  if (!port.open(QIODevice::WriteOnly))
    return FileError(*device, "cannot open: " + port.errorString().toStdString());

  // A pseudo-terminal passes bytes on at once, so the pace is kept here.
  const auto start = std::chrono::steady_clock::now();
  const auto pace = [&](std::size_t bytes) {
    std::this_thread::sleep_until(
        start + std::chrono::duration_cast<std::chrono::steady_clock::duration>(kByteTime * bytes));
  };
  const char* frame = reinterpret_cast<const char*>(dump.Image.data());
  for (std::size_t sent = 0; sent < kFrameSize; sent += kChunk) {
    pace(sent);
    const qint64 size = static_cast<qint64>(std::min(kChunk, kFrameSize - sent));
    if (port.write(frame + sent, size) != size)
      return FileError(*device, "cannot write: " + port.errorString().toStdString());
    while (port.bytesToWrite() > 0) {
      if (!port.waitForBytesWritten(2000))
        return FileError(*device, "cannot write: " + port.errorString().toStdString());
    }
  }
  pace(kFrameSize);
  port.close();
  return kExitOk;
}

const bool kRegistered =
    RegisterCommand({"simulate",
                     "play a dive computer: send a dump's frame on a serial device",
                     kUsage,
                     {{ValueOption("--device")}, {"DUMPFILE"}},
                     &RunSimulate});

}  // namespace
}  // namespace zirdan::cli
