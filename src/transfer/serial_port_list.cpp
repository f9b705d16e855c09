#include "transfer/serial_port_list.h"

#include <algorithm>
#include <cctype>

namespace zirdan {

namespace {

bool IsDigit(char c) {
  return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// Names compared with their runs of digits as numbers: "COM3" < "COM12".
bool NaturalLess(std::string_view a, std::string_view b) {
  std::size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    if (IsDigit(a[i]) && IsDigit(b[j])) {
      const std::size_t startA = i, startB = j;
      while (i < a.size() && IsDigit(a[i])) ++i;
      while (j < b.size() && IsDigit(b[j])) ++j;
      std::string_view numberA = a.substr(startA, i - startA);
      std::string_view numberB = b.substr(startB, j - startB);
      numberA.remove_prefix(std::min(numberA.find_first_not_of('0'), numberA.size()));
      numberB.remove_prefix(std::min(numberB.find_first_not_of('0'), numberB.size()));
      if (numberA.size() != numberB.size()) return numberA.size() < numberB.size();
      if (numberA != numberB) return numberA < numberB;
      continue;
    }
    if (a[i] != b[j]) return a[i] < b[j];
    ++i;
    ++j;
  }
  return a.size() - i < b.size() - j;
}

}  // namespace

std::string PortEntryText(const SerialPortInfo& port) {
  std::string about = port.Description;
  if (!port.Manufacturer.empty() && about.find(port.Manufacturer) == std::string::npos)
    about += (about.empty() ? "" : ", ") + port.Manufacturer;
  return about.empty() ? port.Device : port.Device + " \u2013 " + about;
}

std::vector<PortListEntry> SystemPortList(const SerialPortSource& source,
                                          std::string_view chosenDevice) {
  std::vector<PortListEntry> list;
  for (const SerialPortInfo& port : source.Ports()) {
    const bool listed = std::any_of(
        list.begin(), list.end(), [&](const PortListEntry& e) { return e.Device == port.Device; });
    if (!port.Device.empty() && !listed) list.push_back({port.Device, PortEntryText(port), true});
  }
  std::stable_sort(list.begin(), list.end(), [](const PortListEntry& a, const PortListEntry& b) {
    return NaturalLess(a.Device, b.Device);
  });
  const bool chosenListed = std::any_of(
      list.begin(), list.end(), [&](const PortListEntry& e) { return e.Device == chosenDevice; });
  if (!chosenDevice.empty() && !chosenListed)
    list.push_back({std::string(chosenDevice), std::string(chosenDevice), false});
  return list;
}

}  // namespace zirdan
