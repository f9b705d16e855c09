#include "transfer/memory_image_decoder.h"

#include <algorithm>

#include "transfer/download_clock.h"

namespace zirdan {
namespace {

// Largest pressure-used value that is not the empty mark, 1/100 bar.
constexpr int kMaxPressureUsed = kEmptyValue - 1;

// numerator / denominator rounded to the nearest integer, halves to the even neighbour.
int64_t RoundHalfEven(int64_t numerator, int64_t denominator) {
  int64_t q = numerator / denominator;
  const int64_t twiceRest = 2 * (numerator % denominator);
  if (twiceRest > denominator || (twiceRest == denominator && q % 2 != 0)) ++q;
  return q;
}

// Depth in centimetres of a 10-bit value counting 10/64 m.
int16_t DepthCentimetres(unsigned units) {
  return static_cast<int16_t>(RoundHalfEven(int64_t{units} * 1000, 64));
}

// Pressure used in 1/100 bar. The one model that counts in its own unit can exceed the
// 16-bit field (bytes above 240); such a value is held at the largest storable one rather
// than wrapping into a negative pressure.
int16_t PressureUsed(uint8_t byte, uint8_t modelCode) {
  if (modelCode != kModelCodeBrava) return static_cast<int16_t>(byte * 100);
  const int64_t value = RoundHalfEven(int64_t{byte} * 13609192, 100000);
  return static_cast<int16_t>(std::min<int64_t>(value, kMaxPressureUsed));
}

// Two decimal digits of one byte (tens high, units low); -1 when a digit is above 9 (its
// character is then no digit, so the part is not a number).
int TwoDigitPart(uint8_t byte) {
  const int tens = byte >> 4;
  const int units = byte & 0x0F;
  return tens <= 9 && units <= 9 ? tens * 10 + units : -1;
}

// Surface interval in minutes from the hour and minute bytes; a part that is not two
// decimal digits counts as 0.
int16_t SurfaceInterval(uint8_t hours, uint8_t minutes) {
  const int h = std::max(TwoDigitPart(hours), 0);
  const int m = std::max(TwoDigitPart(minutes), 0);
  return static_cast<int16_t>(h * 60 + m);
}

// Whether dive x started before dive c.
bool StartsBefore(const ponor& x, const ponor& c) {
  return x.Datum < c.Datum || (x.Datum == c.Datum && x.Cas < c.Cas);
}

// Index of the oldest dive of the log. The log is a ring, so the oldest dive follows the
// first step back in time; without one, entry 1 is the oldest.
std::size_t OldestDive(const std::vector<ponor>& log) {
  const std::size_t n = log.size();
  std::size_t current = 0;
  for (std::size_t step = 0; step < n; ++step) {
    const std::size_t next = (current + 1) % n;
    if (StartsBefore(log[next], log[current])) return next;
    current = next;
  }
  return 0;
}

// Cuts the profile ring into the profiles of the newest dives (chronological list).
// Returns false when the profiles do not end at the newest dive.
bool HandOutProfiles(const TMemoryImage& mirrored, uint16_t writePosition,
                     std::vector<ponor>& dives) {
  const std::size_t n = dives.size();
  const std::size_t newest = n - 1;
  // The profile depth P names the first dive to receive bytes: the P-th newest, reached
  // by stepping back P - 1 times around the list (P = 0 steps back 65535 times).
  const uint16_t stepsBack = static_cast<uint16_t>(mirrored[image::kProfileDepth] - 1);
  std::size_t current = (newest + n - stepsBack % n) % n;

  auto ringByte = [&](std::size_t position) { return mirrored[image::kRing + position]; };
  auto nextPosition = [](std::size_t position) { return (position + 1) % image::kRingSize; };

  // The oldest kept profile starts after the first 0xFF at or after the write position.
  std::size_t start = writePosition;
  std::size_t searched = 0;
  while (searched < image::kRingSize && ringByte(start) != image::kProfileEnd) {
    start = nextPosition(start);
    ++searched;
  }
  if (searched < image::kRingSize) {
    std::size_t received = 0;
    auto beginProfile = [&](ponor& dive) {
      dive.Graf.fill(0);  // a dive reached twice keeps only its last profile
      dive.GrafPocet = 0;
      received = 0;
    };
    beginProfile(dives[current]);
    for (std::size_t position = start; position != writePosition;) {
      position = nextPosition(position);
      const uint8_t b = ringByte(position);
      if (b == image::kProfileEnd) {
        dives[current].GrafPocet = static_cast<uint16_t>(received);
        current = (current + 1) % n;
        beginProfile(dives[current]);
      } else {
        // At most 1535 bytes reach one dive, well within its 2002.
        dives[current].Graf[received++] = b;
      }
    }
    dives[current].GrafPocet = static_cast<uint16_t>(received);
  }
  return current == newest;
}

}  // namespace

std::string DecodeFaultKey(DecodeFault fault) {
  switch (fault) {
    case DecodeFault::None:
      break;
    case DecodeFault::SyncBytes:
      return "StrDetSynchronizace";
    case DecodeFault::Checksum:
      return "StrDetKontrolniSoucet";
    case DecodeFault::NoDives:
      return "StrDetPocitacBezPonoru";
    case DecodeFault::RingPosition:
      return "StrDetPoziceKruhu";
    case DecodeFault::ProfileRing:
      return "StrDetKonecKruhu";
  }
  return "StrChybaDat";
}

ponor DiveFromLogEntry(std::span<const uint8_t, image::kLogEntrySize> e,
                       const TComputerModel& model, TDownloadTime downloadTime, uint32_t clockNow) {
  ponor dive;  // texts empty, weather and suit 0, air temperature and cylinder empty
  const uint32_t stamp = uint32_t{e[7]} << 24 | uint32_t{e[8]} << 16 | uint32_t{e[9]} << 8 | e[10];
  const TDiveStart start = DiveStartFromAge(downloadTime, static_cast<int32_t>(clockNow - stamp));
  dive.Datum = start.Datum;
  dive.Cas = start.Cas;
  dive.NadmorskaVyska = static_cast<uint8_t>((e[0] >> 6) + 1);
  // Digits above 9 are taken at face value here, as the device sends them.
  dive.DelkaPonoru =
      static_cast<int16_t>(((e[0] >> 2) & 1) * 100 + (e[1] >> 4) * 10 + (e[1] & 0x0F));
  dive.Hloubka = DepthCentimetres(unsigned{e[2]} * 4 + (e[3] >> 6));
  dive.PovrchovyInterval = (e[0] & 0x02) ? SurfaceInterval(e[4], e[5]) : int16_t{kEmptyValue};
  dive.SpotrebaVzduchu = PressureUsed(e[6], model.Code);
  dive.TeplotaVody = static_cast<int16_t>(e[11] * 25);
  dive.Chyby = e[0] & 0x39;
  dive.TypPonoru = static_cast<uint16_t>((model.Nitrox ? 0x100 : 0) | (model.Oxy ? 0x200 : 0));
  return dive;
}

TDecodedImage DecodeMemoryImage(const TMemoryImage& received, TDownloadTime downloadTime) {
  TDecodedImage result;
  result.Model = &SelectModel(received);
  result.Mirrored = MirrorImage(received);
  const TMemoryImage& m = result.Mirrored;

  if (m[0] != image::kSyncByte || m[1] != image::kSyncByte || m[2] != image::kSyncByte ||
      m[3] != 0x00) {
    result.Fault = DecodeFault::SyncBytes;
    return result;
  }
  if (ImageChecksum(m) != (m[image::kChecksum] | m[image::kChecksum + 1] << 8)) {
    result.Fault = DecodeFault::Checksum;
    return result;
  }
  result.Identification = ReadBigEndian24(m, image::kIdentification);
  const std::size_t n = std::min<std::size_t>(TotalDiveCount(m), image::kLogEntries);
  if (n == 0) {
    result.Fault = DecodeFault::NoDives;
    return result;
  }
  const uint16_t writePosition = RingWritePosition(m);
  if (writePosition >= image::kRingSize) {
    result.Fault = DecodeFault::RingPosition;
    return result;
  }

  const uint32_t clockNow = ReadBigEndian32(m, image::kClock);
  std::vector<ponor> log;
  log.reserve(n);
  for (std::size_t k = 0; k < n; ++k) {
    const std::span<const uint8_t, image::kLogEntrySize> entry(
        m.data() + image::kLog + k * image::kLogEntrySize, image::kLogEntrySize);
    log.push_back(DiveFromLogEntry(entry, *result.Model, downloadTime, clockNow));
  }

  // From the oldest dive on, the log is in chronological order.
  std::rotate(log.begin(), log.begin() + static_cast<std::ptrdiff_t>(OldestDive(log)), log.end());
  for (std::size_t i = 0; i < n; ++i) log[i].Cislo = static_cast<uint16_t>(i + 1);

  if (!HandOutProfiles(m, writePosition, log)) {
    result.Fault = DecodeFault::ProfileRing;
    return result;
  }
  result.Dives = std::move(log);
  return result;
}

}  // namespace zirdan
