#pragma once

#include <QByteArray>
#include <QObject>
#include <QSerialPort>
#include <QString>
#include <string>

#include "core/op_result.h"
#include "settings/settings_store.h"

namespace zirdan {

// The device the transfer opens on this machine: the environment variable
// ZIRDAN_SERIAL_DEVICE when set; else `chosenDevice`, a port the system reported, when not
// empty; else port 1..8: on Windows "\\.\COM" + number, elsewhere the value
// Zarizeni<number> of section komunikace when present, else /dev/ttyUSB<number - 1>.
std::string SerialDeviceForPort(int portNumber, const std::string& chosenDevice,
                                const SettingsStore& settings);

// The serial line of the transfer: it only listens. Opened at 19200 baud, 8 data bits, no
// parity, 1 stop bit, DTR on, RTS off, no flow control. Received bytes arrive through
// BytesReceived on the thread that owns the link (the user-interface thread); line errors
// while open go to one handler, which closes the port and reports them through Failed.
class QtSerialLink : public QObject {
  Q_OBJECT

 public:
  explicit QtSerialLink(QObject* parent = nullptr);
  ~QtSerialLink() override;

  // Closes the port if open, then opens `device`. The failure names the device.
  OpResult Open(const std::string& device);
  // Closing a closed port does nothing. Bytes not yet delivered are dropped.
  void Close();
  bool IsOpen() const { return m_port.isOpen(); }
  const QString& Device() const { return m_device; }

 Q_SIGNALS:
  void BytesReceived(const QByteArray& bytes);
  void Failed(const zirdan::OpResult& failure);

 private:
  void OnReadyRead();
  void OnErrorOccurred(QSerialPort::SerialPortError error);
  OpResult OpenFailure() const;

  QSerialPort m_port;
  QString m_device;
  bool m_opening = false;  // errors raised while opening belong to Open's result
};

}  // namespace zirdan
