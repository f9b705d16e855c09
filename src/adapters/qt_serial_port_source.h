#pragma once

#include "transfer/serial_port_list.h"

namespace zirdan {

// The serial ports this machine has, as QSerialPortInfo reports them.
class QtSerialPortSource : public SerialPortSource {
 public:
  std::vector<SerialPortInfo> Ports() const override;
};

}  // namespace zirdan
