#include "adapters/qt_serial_link.h"

#include <QFileInfo>

#include "transfer/serial_port_path.h"

namespace zirdan {

std::string SerialDeviceForPort(int portNumber, const std::string& chosenDevice,
                                const SettingsStore& settings) {
  const QByteArray environment = qgetenv(kSerialDeviceVariable);
#ifdef Q_OS_WIN
  constexpr bool kWindows = true;
#else
  constexpr bool kWindows = false;
#endif
  const std::string configured =
      settings.Get(kPortSettingsSection, PortDeviceSettingName(portNumber)).value_or("");
  return SerialDevicePath(portNumber, kWindows, configured, chosenDevice,
                          environment.toStdString());
}

QtSerialLink::QtSerialLink(QObject* parent) : QObject(parent) {
  connect(&m_port, &QSerialPort::readyRead, this, &QtSerialLink::OnReadyRead);
  connect(&m_port, &QSerialPort::errorOccurred, this, &QtSerialLink::OnErrorOccurred);
}

QtSerialLink::~QtSerialLink() {
  Close();
}

OpResult QtSerialLink::Open(const std::string& device) {
  Close();
  m_device = QString::fromStdString(device);
  m_port.setPortName(m_device);
  m_port.setBaudRate(kSerialBaudRate);
  m_port.setDataBits(QSerialPort::Data8);
  m_port.setParity(QSerialPort::NoParity);
  m_port.setStopBits(QSerialPort::OneStop);
  m_port.setFlowControl(QSerialPort::NoFlowControl);
  m_port.setReadBufferSize(0);  // the receiver takes every byte as it comes
  m_opening = true;
  const bool opened = m_port.open(QIODevice::ReadOnly);
  if (opened) {
    // The cable draws its power from DTR. A pseudo-terminal has no control lines; the
    // transfer works without them, so their failure is not an open failure.
    m_port.setDataTerminalReady(true);
    m_port.setRequestToSend(false);
    m_port.clearError();
  }
  m_opening = false;
  return opened ? OpResult::Success() : OpenFailure();
}

OpResult QtSerialLink::OpenFailure() const {
  SerialOpenFailure failure = SerialOpenFailure::Other;
  switch (m_port.error()) {
    case QSerialPort::DeviceNotFoundError:
      failure = SerialOpenFailure::NotFound;
      break;
    case QSerialPort::PermissionError:
      failure = SerialOpenFailure::AccessDenied;
      break;
    case QSerialPort::OpenError:
      failure = SerialOpenFailure::Busy;
      break;
    default:
      break;
  }
#ifdef Q_OS_LINUX
  constexpr bool kLinux = true;
#else
  constexpr bool kLinux = false;
#endif
  const QString group = QFileInfo(m_device).group();
  return SerialOpenFailureResult(m_device.toStdString(), failure,
                                 m_port.errorString().toStdString(), kLinux, group.toStdString());
}

void QtSerialLink::Close() {
  if (m_port.isOpen()) m_port.close();
}

void QtSerialLink::OnReadyRead() {
  const QByteArray bytes = m_port.readAll();
  if (!bytes.isEmpty()) Q_EMIT BytesReceived(bytes);
}

void QtSerialLink::OnErrorOccurred(QSerialPort::SerialPortError error) {
  if (m_opening || error == QSerialPort::NoError || !m_port.isOpen()) return;
  // Control-line requests a pseudo-terminal does not support are not line failures.
  if (error == QSerialPort::UnsupportedOperationError) {
    m_port.clearError();
    return;
  }
  const OpResult failure = OpResult::FailureKey("StrChLinka", m_device.toStdString())
                               .WithSystemText(m_port.errorString().toStdString());
  m_port.clearError();
  Close();
  Q_EMIT Failed(failure);
}

}  // namespace zirdan
