#include "simulator/memory_image_encoder.h"

#include <algorithm>
#include <string>

#include "core/record_layout.h"

namespace zirdan {
namespace {

uint8_t Bcd(unsigned value) {
  return static_cast<uint8_t>((value / 10) << 4 | value % 10);
}

void WriteBigEndian(TMemoryImage& m, std::size_t offset, uint32_t value, int bytes) {
  for (int i = bytes - 1; i >= 0; --i, value >>= 8)
    m[offset + static_cast<std::size_t>(i)] = value & 0xFF;
}

OpResult CheckDive(const TDeviceDive& d, std::size_t index) {
  const std::string which = "dive " + std::to_string(index + 1) + ": ";
  if (d.AltitudeClass > 3) return OpResult::Failure(which + "altitude class above 3");
  if ((d.Warnings & ~0x39) != 0) return OpResult::Failure(which + "warnings outside mask 0x39");
  if (d.Minutes > 199) return OpResult::Failure(which + "dive time above 199 minutes");
  if (d.Depth > 1023) return OpResult::Failure(which + "depth above 1023 units");
  if (d.SurfaceInterval < -1 || d.SurfaceInterval > 99 * 60 + 59)
    return OpResult::Failure(which + "surface interval outside 0..99:59");
  if (std::find(d.Profile.begin(), d.Profile.end(), 0xFF) != d.Profile.end())
    return OpResult::Failure(which + "profile holds the separator byte 0xFF");
  if (d.Profile.size() >= image::kRingSize)
    return OpResult::Failure(which + "profile longer than the ring");
  return OpResult::Success();
}

void WriteLogEntry(TMemoryImage& m, std::size_t slot, const TDeviceDive& d) {
  uint8_t* e = m.data() + image::kLog + slot * image::kLogEntrySize;
  const bool interval = d.SurfaceInterval >= 0;
  e[0] = static_cast<uint8_t>(d.AltitudeClass << 6 | (d.Minutes >= 100 ? 0x04 : 0) |
                              (interval ? 0x02 : 0) | d.Warnings);
  e[1] = Bcd(d.Minutes % 100);
  e[2] = static_cast<uint8_t>(d.Depth >> 2);
  e[3] = static_cast<uint8_t>((d.Depth & 3) << 6);
  e[4] = interval ? Bcd(static_cast<unsigned>(d.SurfaceInterval / 60)) : 0;
  e[5] = interval ? Bcd(static_cast<unsigned>(d.SurfaceInterval % 60)) : 0;
  e[6] = d.PressureUsed;
  for (int i = 0; i < 4; ++i) e[7 + i] = static_cast<uint8_t>(d.Stamp >> (24 - 8 * i));
  e[11] = d.WaterTemperature;
}

// Writes the kept profiles, oldest first, each after its 0xFF, so that the newest one
// ends at the write position; the other ring bytes get the remnant pattern.
void WriteRing(TMemoryImage& m, const TImageContent& content, std::size_t kept) {
  const std::vector<uint8_t>& remnant = content.RingRemnant;
  for (std::size_t r = 0; r < image::kRingSize; ++r)
    m[image::kRing + r] = remnant.empty() ? 0 : remnant[r % remnant.size()];
  if (kept == 0) return;
  std::vector<uint8_t> written;
  for (std::size_t i = content.Dives.size() - kept; i < content.Dives.size(); ++i) {
    written.push_back(image::kProfileEnd);
    const std::vector<uint8_t>& profile = content.Dives[i].Profile;
    written.insert(written.end(), profile.begin(), profile.end());
  }
  const std::size_t first = (content.Device.RingWritePosition + image::kRingSize -
                             (written.size() - 1) % image::kRingSize) %
                            image::kRingSize;
  for (std::size_t j = 0; j < written.size(); ++j)
    m[image::kRing + (first + j) % image::kRingSize] = written[j];
}

}  // namespace

std::size_t KeptProfiles(const std::vector<TDeviceDive>& dives) {
  if (dives.empty()) return 0;
  // The read-out starts after the first 0xFF at or after the write position, so a newest
  // dive without profile bytes can only be told apart when it is the only one kept.
  if (dives.back().Profile.empty()) return 1;
  std::size_t used = 0;
  std::size_t kept = 0;
  for (auto it = dives.rbegin(); it != dives.rend() && kept < 255; ++it) {
    used += it->Profile.size() + 1;
    if (used > image::kRingSize) break;
    ++kept;
  }
  return kept;
}

OpResult EncodeMemoryImage(const TImageContent& content, TMemoryImage& frame) {
  const TDeviceState& dev = content.Device;
  const std::size_t n = content.Dives.size();
  const uint32_t total = dev.TotalDives != 0 ? dev.TotalDives : static_cast<uint32_t>(n);
  if (n > image::kLogEntries) return OpResult::Failure("more than 37 dives in the log");
  if (total > 0xFFFFFF || (total & 0x0F0000) != 0)
    return OpResult::Failure("the dive count does not fit beside the battery warning");
  if (std::min<uint32_t>(total, image::kLogEntries) != n)
    return OpResult::Failure("the log must hold the newest min(count, 37) dives");
  if (dev.BatteryWarning > 15) return OpResult::Failure("battery warning above 15");
  if (dev.MaxPO2 > kMaxPO2Setting) return OpResult::Failure("pO2 setting above 15");
  if (dev.Identification > 0xFFFFFF) return OpResult::Failure("identification above 24 bits");
  if (dev.RingWritePosition >= image::kRingSize)
    return OpResult::Failure("ring write position outside the ring");
  if (std::find(content.RingRemnant.begin(), content.RingRemnant.end(), 0xFF) !=
      content.RingRemnant.end())
    return OpResult::Failure("ring remnant holds the separator byte 0xFF");
  for (std::size_t i = 0; i < n; ++i)
    if (OpResult check = CheckDive(content.Dives[i], i); !check) return check;

  TMemoryImage m{};
  m[0] = m[1] = m[2] = image::kSyncByte;
  m[3] = 0x00;
  // A device that logged `total` dives wrote dive number t into slot t mod 37.
  for (std::size_t i = 0; i < n; ++i)
    WriteLogEntry(m, (total - n + i) % image::kLogEntries, content.Dives[i]);
  const std::size_t kept = KeptProfiles(content.Dives);
  WriteRing(m, content, kept);

  m[image::kModelCode] = dev.ModelCode;
  m[image::kDeviceSettings] = dev.Settings;
  m[image::kMaxPO2] = dev.MaxPO2;
  m[image::kSensitivity] = dev.Sensitivity;
  WriteBigEndian(m, image::kIdentification, dev.Identification, 3);
  m[image::kBattery] = dev.Battery;
  WriteBigEndian(m, image::kTotalDives, total, 3);
  m[image::kTotalDives] |= dev.BatteryWarning;
  m[image::kProfileDepth] = static_cast<uint8_t>(kept);
  m[image::kRingWrite] = dev.RingWritePosition & 0xFF;
  m[image::kRingWrite + 1] = static_cast<uint8_t>((dev.RingWritePosition >> 8) << 1);
  WriteBigEndian(m, image::kClock, dev.Clock, 4);
  const uint16_t sum = ImageChecksum(m);
  m[image::kChecksum] = sum & 0xFF;
  m[image::kChecksum + 1] = sum >> 8;

  frame = MirrorImage(m);
  return OpResult::Success();
}

}  // namespace zirdan
