#include "simulator/sample_image.h"

#include <algorithm>
#include <array>
#include <random>

#include "transfer/computer_models.h"
#include "transfer/download_clock.h"

namespace zirdan {
namespace {

// Draws from a fixed generator with plain modular reduction, so that a seed gives the same
// image with every standard library (the library's distributions are not portable).
class Draw {
 public:
  explicit Draw(uint64_t seed) : m_engine(seed) {}
  int Between(int low, int high) {
    return low + static_cast<int>(m_engine() % static_cast<uint64_t>(high - low + 1));
  }
  bool Chance(int percent) { return Between(0, 99) < percent; }

 private:
  std::mt19937_64 m_engine;
};

// Models a sample may come from: air, air-integrated, nitrox and oxygen ones.
constexpr std::array<uint8_t, 6> kSampleModels = {0x1E, 0x1C, 0x40, 0xF4, 0xA4, 0xFF};

int ProfileFormat(const TComputerModel& model) {
  if (model.Oxy) return kFormatOxygen;
  if (model.Nitrox) return kFormatNitrox;
  return kFormatBasic;
}

// Sample marks (low six bits of a sample's second byte).
constexpr uint8_t kMarkAscent = 0x04;  // too fast an ascent
constexpr uint8_t kMarkDeco = 0x01;    // decompression stop owed

// Depth samples of one dive: descent, a wandering bottom phase, the ascent with a safety
// stop at about 5 m; the deepest sample is the dive's maximum depth.
void DiveSamples(Draw& draw, const TDeviceDive& dive, std::vector<uint16_t>& depths,
                 std::vector<uint8_t>& marks) {
  const int samples = dive.Minutes * 3;
  const int descent = std::min(samples / 4, draw.Between(3, 9));
  const int stop = std::min(samples / 4, 9);  // three minutes at the safety stop
  const int ascent = std::min(samples / 4, draw.Between(4, 10));
  const int bottom = samples - descent - ascent - stop;
  const int maxDepth = dive.Depth;
  const int stopDepth = std::min(maxDepth, 32);  // 5 m
  const int deepest = descent + (bottom > 0 ? draw.Between(0, bottom - 1) : 0);
  for (int i = 0; i < samples; ++i) {
    int depth;
    uint8_t mark = 0;
    if (i < descent) {
      depth = maxDepth * (i + 1) / (descent + 1);
    } else if (i < descent + bottom) {
      depth = i == deepest ? maxDepth
                           : std::max(stopDepth, maxDepth - draw.Between(0, maxDepth / 4 + 1));
      if ((dive.Warnings & 0x08) && i > deepest && i < deepest + 6) mark = kMarkDeco;
    } else if (i < descent + bottom + ascent) {
      const int step = i - descent - bottom + 1;
      depth = maxDepth - (maxDepth - stopDepth) * step / ascent;
      if ((dive.Warnings & 0x01) && step <= 2) mark = kMarkAscent;
    } else {
      depth = i == samples - 1 ? stopDepth / 3 : stopDepth - draw.Between(0, 2);
    }
    depths.push_back(static_cast<uint16_t>(std::clamp(depth, 0, maxDepth)));
    marks.push_back(mark);
  }
}

}  // namespace

std::vector<uint8_t> BuildProfile(int format, const std::vector<uint16_t>& depths,
                                  const std::vector<uint8_t>& marks, uint8_t ean, uint8_t maxPO2) {
  std::vector<uint8_t> bytes(static_cast<std::size_t>(format), 0);
  // Device values the logbook does not read; any bytes but the separator will do.
  for (int i = 0; i < kFormatBasic; ++i) bytes[static_cast<std::size_t>(i)] = static_cast<uint8_t>(0x10 + i);
  if (format == kFormatNitrox)
    bytes[23] = static_cast<uint8_t>((maxPO2 & 0x0F) << 4 | (std::max(ean, uint8_t{21}) - 20) / 2);
  if (format == kFormatOxygen) {
    bytes[23] = ean;
    bytes[24] = maxPO2 & 0x0F;
  }
  const std::size_t filler = MinuteFillerBytes(static_cast<uint16_t>(format));
  for (std::size_t i = 0; i < depths.size(); ++i) {
    const unsigned raw = std::min<unsigned>(depths[i], 1019);  // 1020+ would start with 0xFF
    const uint8_t mark = i < marks.size() ? (marks[i] & 0x3F) : 0;
    bytes.push_back(static_cast<uint8_t>(raw >> 2));
    bytes.push_back(static_cast<uint8_t>((raw & 3) << 6 | mark));
    if (i % kSamplesPerMinute == kSamplesPerMinute - 1) bytes.insert(bytes.end(), filler, 0x00);
  }
  return bytes;
}

TImageContent SampleImageContent(uint32_t diveCount, uint64_t seed, TDownloadTime& downloadTime) {
  Draw draw(seed);
  TImageContent content;
  TDeviceState& dev = content.Device;
  dev.ModelCode =
      kSampleModels[static_cast<std::size_t>(draw.Between(0, kSampleModels.size() - 1))];
  const TComputerModel& model = ModelForCode(dev.ModelCode);
  const int year = draw.Between(2001, 2023);
  dev.Identification = static_cast<uint32_t>((year - 1994) * 6 + draw.Between(0, 5)) << 16 |
                       static_cast<uint32_t>(draw.Between(0, 0x7FFF));
  dev.Settings = static_cast<uint8_t>(draw.Between(0, 3));
  dev.MaxPO2 = static_cast<uint8_t>(draw.Between(0, 15));
  dev.Sensitivity = static_cast<uint8_t>(draw.Between(47, 97));  // all listed codes
  dev.Battery = static_cast<uint8_t>(draw.Between(60, 255));
  dev.BatteryWarning = dev.Battery < 80 ? 1 : 0;
  dev.TotalDives = diveCount;
  dev.Clock = static_cast<uint32_t>(draw.Between(1 << 29, 1 << 30));

  // Holiday days from a first day on; dives start in the morning and follow each other
  // after a surface interval.
  const std::size_t logged = std::min<std::size_t>(diveCount, image::kLogEntries);
  TCivilTime day{year + draw.Between(0, 1), draw.Between(1, 12), draw.Between(1, 28), 0, 0, 0, 0};
  std::vector<int64_t> starts;
  int64_t previousEnd = 0;
  int divesToday = 0;
  int divesPlanned = 0;
  for (std::size_t i = 0; i < logged; ++i) {
    TDeviceDive dive;
    dive.Minutes =
        static_cast<uint16_t>(draw.Chance(5) ? draw.Between(100, 140) : draw.Between(18, 70));
    const int metres = draw.Between(6, 40);
    dive.Depth = static_cast<uint16_t>(metres * 64 / 10 + draw.Between(0, 5));
    dive.AltitudeClass = static_cast<uint8_t>(draw.Chance(90) ? 0 : draw.Between(1, 3));
    if (draw.Chance(15)) dive.Warnings |= 0x01;
    if (metres > 30 && draw.Chance(40)) dive.Warnings |= 0x08;
    if (draw.Chance(3)) dive.Warnings |= 0x10;
    const int bar = draw.Between(70, 200);
    dive.PressureUsed =
        static_cast<uint8_t>(dev.ModelCode == kModelCodeBrava ? bar * 100 / 136 : bar);
    dive.WaterTemperature = static_cast<uint8_t>(draw.Between(8 * 4, 29 * 4));

    int64_t start;
    if (divesToday < divesPlanned) {
      const int interval = draw.Between(50, 200);
      start = previousEnd + int64_t{interval} * 60 + draw.Between(0, 59);
      dive.SurfaceInterval = interval;
      ++divesToday;
    } else {
      day = MomentFrom1600(
          SecondsFrom1600(day) + int64_t{86400} * (draw.Chance(70) ? 1 : draw.Between(3, 90)), 0);
      start =
          SecondsFrom1600(day) + int64_t{draw.Between(8 * 60, 11 * 60)} * 60 + draw.Between(0, 59);
      divesPlanned = draw.Between(1, 3);
      divesToday = 1;
    }
    previousEnd = start + int64_t{dive.Minutes} * 60;
    starts.push_back(start);
    content.Dives.push_back(std::move(dive));
  }

  // The download that evening or a few days later.
  TCivilTime now =
      MomentFrom1600(previousEnd + int64_t{draw.Between(1, 3 * 24)} * 3600, draw.Between(0, 9));
  downloadTime = MakeDownloadTime(static_cast<int>(now.Year), now.Month, now.Day, now.Hour,
                                  now.Minute, now.Second, now.Tenth);
  const int64_t nowSeconds = SecondsFrom1600(now);
  for (std::size_t i = 0; i < logged; ++i)
    content.Dives[i].Stamp =
        dev.Clock - static_cast<uint32_t>(2 * (nowSeconds - starts[i]) + draw.Between(0, 1));

  const int format = ProfileFormat(model);
  const uint8_t ean =
      static_cast<uint8_t>(model.Oxy ? draw.Between(21, 99) : 20 + 2 * draw.Between(0, 15));
  for (TDeviceDive& dive : content.Dives) {
    std::vector<uint16_t> depths;
    std::vector<uint8_t> marks;
    DiveSamples(draw, dive, depths, marks);
    dive.Profile = BuildProfile(format, depths, marks, ean, dev.MaxPO2);
  }

  // Make the kept profiles run over the end of the ring.
  std::size_t used = 0;
  const std::size_t kept = KeptProfiles(content.Dives);
  for (std::size_t i = logged - kept; i < logged; ++i) used += content.Dives[i].Profile.size() + 1;
  dev.RingWritePosition =
      static_cast<uint16_t>(used > 1 ? draw.Between(0, static_cast<int>(used) - 2) : 0);
  for (int i = 0; i < 97; ++i)
    content.RingRemnant.push_back(static_cast<uint8_t>(draw.Between(0, 0xFE)));
  return content;
}

OpResult BuildSampleDump(uint32_t diveCount, uint64_t seed, TDumpFile& dump) {
  if (diveCount == 0 || diveCount > kMaxSampleDives)
    return OpResult::Failure("the dive count must lie in 1.." + std::to_string(kMaxSampleDives));
  const TImageContent content = SampleImageContent(diveCount, seed, dump.DownloadTime);
  return EncodeMemoryImage(content, dump.Image);
}

}  // namespace zirdan
