#include "adapters/qt_serial_port_source.h"

#include <QSerialPortInfo>

namespace zirdan {

namespace {

// What the user knows the port by and the link opens it by: "COM12" on Windows, the
// device path elsewhere.
std::string DeviceName(const QSerialPortInfo& info) {
#ifdef Q_OS_WIN
  return info.portName().toStdString();
#else
  return info.systemLocation().toStdString();
#endif
}

}  // namespace

std::vector<SerialPortInfo> QtSerialPortSource::Ports() const {
  std::vector<SerialPortInfo> ports;
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
    ports.push_back(
        {DeviceName(info), info.description().toStdString(), info.manufacturer().toStdString()});
  return ports;
}

}  // namespace zirdan
