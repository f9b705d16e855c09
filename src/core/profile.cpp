#include "core/profile.h"

#include <algorithm>
#include <charconv>

#include "core/logbook.h"

namespace zirdan {
namespace {

// The marks of each value of a sample's low six bits: flags 0..4 are bits 4..0, flag 5 is
// bit 5.
constexpr std::array<SampleMarks, 64> MarksTable() {
  constexpr unsigned kMarkBits[6] = {4, 3, 2, 1, 0, 5};
  std::array<SampleMarks, 64> table{};
  for (unsigned bits = 0; bits < 64; ++bits) {
    for (std::size_t flag = 0; flag < 6; ++flag)
      table[bits][flag] = (bits >> kMarkBits[flag] & 1u) != 0;
  }
  return table;
}
constexpr std::array<SampleMarks, 64> kMarksOfBits = MarksTable();

// The depth in centimetres of each raw depth, 15.625 cm a step: raw × 1000 / 64 in eighths,
// rounded half to even (adding 3, or 4 when the cut result is odd, carries exactly when the
// rest is above a half, or a half onto an odd centimetre). A table: reports read millions.
constexpr std::array<int16_t, 1024> DepthTable() {
  std::array<int16_t, 1024> table{};
  for (unsigned raw = 0; raw < table.size(); ++raw) {
    const unsigned eighths = raw * 125;
    table[raw] = static_cast<int16_t>((eighths + 3 + (eighths >> 3 & 1u)) >> 3);
  }
  return table;
}
constexpr std::array<int16_t, 1024> kDepthOfRaw = DepthTable();

// The depth of a sample: the top ten bits of its two bytes are the raw depth.
int32_t SampleDepth(unsigned first, unsigned second) {
  return kDepthOfRaw[(first << 2 | second >> 6) & 0x3FFu];
}

// Calls visit(i, first byte, second byte) for each sample of the profile and returns their
// number. Samples follow the header in minutes of three: three two-byte samples, then one
// filler byte (two in the oxygen format). A sample counts only when both its bytes lie within
// the profile; GrafPocet itself is not trusted beyond the record's array.
template <typename Visit>
std::size_t ForEachSample(const ponor& dive, uint16_t format, Visit visit) {
  const std::size_t used = std::min<std::size_t>(dive.GrafPocet, kGrafSize);
  if (used <= format) return 0;
  const std::size_t minuteBytes = ProfileBytesPerMinute(format);
  const std::size_t bytes = used - format;
  const std::size_t complete =
      bytes / minuteBytes * kSamplesPerMinute +
      std::min<std::size_t>(bytes % minuteBytes / kSampleBytes, kSamplesPerMinute);
  const std::size_t count = std::min(complete, kMaxSamples);
  const uint8_t* minute = dive.Graf.data() + format;
  std::size_t i = 0;
  for (; i + kSamplesPerMinute <= count; minute += minuteBytes) {
    for (std::size_t k = 0; k < kSamplesPerMinute; ++k, ++i)
      visit(i, minute[kSampleBytes * k], minute[kSampleBytes * k + 1]);
  }
  for (std::size_t k = 0; i < count; ++k, ++i)
    visit(i, minute[kSampleBytes * k], minute[kSampleBytes * k + 1]);
  return count;
}

// The maximum oxygen partial pressure for a 4-bit setting: 1.20 bar + 0.05 bar per step.
void AssignMaxPO2(std::string& out, unsigned setting, char decimalSeparator) {
  const unsigned hundredths = MaxPO2Hundredths(setting);  // 1.20 .. 1.95 bar
  char buffer[12];
  char* end = std::to_chars(buffer, buffer + 2, hundredths / 100).ptr;
  *end++ = decimalSeparator;
  *end++ = static_cast<char>('0' + hundredths / 10 % 10);
  *end++ = static_cast<char>('0' + hundredths % 10);
  out.assign(buffer, end);
  out += " bar";
}

void AssignNumber(std::string& out, unsigned value) {
  char buffer[8];
  out.assign(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

bool Filled(int16_t value) {
  return value != kEmptyValue;
}

}  // namespace

uint16_t ProfileFormat(uint16_t typPonoru, uint16_t vychoziFormatGrafu) {
  if (typPonoru & (1u << 9)) return kFormatOxygen;
  if (typPonoru & (1u << 8)) return kFormatNitrox;
  return vychoziFormatGrafu;
}

ProfileSample DecodeSample(uint8_t first, uint8_t second) {
  return {SampleDepth(first, second), kMarksOfBits[second & 0x3Fu]};
}

void DecodeProfile(const ponor& dive, uint16_t format, char decimalSeparator, ponorTxt& view) {
  // Gas data sits in the header bytes past the 22 every format has.
  if (format == kFormatNitrox) {
    const unsigned gas = dive.Graf[23];
    AssignMaxPO2(view.MaxPO2, gas >> 4, decimalSeparator);
    const unsigned ean = 20 + 2 * (gas & 0x0Fu);
    AssignNumber(view.EAN, ean == 20 ? 21 : ean);  // plain air is 21 % oxygen
  } else if (format == kFormatOxygen) {
    AssignNumber(view.EAN, dive.Graf[23]);
    AssignMaxPO2(view.MaxPO2, dive.Graf[24] & 0x0Fu, decimalSeparator);
  }

  const std::size_t count =
      ForEachSample(dive, format, [&](std::size_t i, uint8_t first, uint8_t second) {
        view.Hloubky[i] = SampleDepth(first, second);
        view.ZnakyVzorku[i] = kMarksOfBits[second & 0x3Fu];
      });
  if (count == 0) return;
  view.PocetVzorku = static_cast<uint16_t>(count);
  // Whole minutes to the nearest (a third of a minute is never a half).
  view.DelkaGrafu = MinutesToText(static_cast<uint16_t>((count + 1) / kSamplesPerMinute));
}

ProfileSums SumProfile(const ponorTxt& view) {
  ProfileSums sums;
  sums.count = std::min<std::size_t>(view.PocetVzorku, kMaxSamples);
  for (std::size_t i = 0; i < sums.count; ++i) {
    sums.deepest = std::max(sums.deepest, view.Hloubky[i]);
    if (i + 1 < sums.count) sums.neighbourSum += int64_t{view.Hloubky[i]} + view.Hloubky[i + 1];
  }
  return sums;
}

ProfileSums SumProfile(const ponor& dive, uint16_t format) {
  int64_t total = 0;
  int32_t deepest = 0;
  int32_t last = 0;
  const std::size_t count =
      ForEachSample(dive, format, [&](std::size_t, uint8_t high, uint8_t low) {
        last = SampleDepth(high, low);
        total += last;
        deepest = std::max(deepest, last);
      });
  if (count == 0) return {};
  // Every sample but the first and the last is in two neighbour pairs.
  const int32_t first = SampleDepth(dive.Graf[format], dive.Graf[format + 1]);
  return {count, 2 * total - first - last, deepest};
}

Measure ConsumptionRate(const ponor& dive, const ProfileSums& sums) {
  // Litres at surface pressure used per minute: cylinder volume × pressure drop, divided by
  // the ambient pressure integrated over the dive (bar-minutes; 10 m of water add 1 bar).
  const auto lahev = static_cast<uint16_t>(dive.Lahev);
  const auto spotreba = static_cast<uint16_t>(dive.SpotrebaVzduchu);
  const auto delka = static_cast<uint16_t>(dive.DelkaPonoru);
  const auto hloubka = static_cast<uint16_t>(dive.Hloubka);
  const std::size_t n = sums.count;
  const double litres = static_cast<double>(lahev) * spotreba / 10000;
  if (lahev != kEmptyValue && spotreba != kEmptyValue && n > 0) {
    // Trapezoids of 20 s over (depth + 1000 cm) / 1000 bar.
    const double centimetreSamples =
        static_cast<double>(sums.neighbourSum) + 2000.0 * static_cast<double>(n - 1);
    const double barMinutes = centimetreSamples / 2 * kSampleSeconds / 1000 / 60;
    if (barMinutes == 0) return {};
    return {litres / barMinutes, true};
  }
  if (lahev != kEmptyValue && delka != kEmptyValue && hloubka != kEmptyValue &&
      spotreba != kEmptyValue) {
    const double barMinutes = static_cast<double>(delka) * (hloubka + 1000.0) / 2 / 1000;
    if (barMinutes == 0) return {};
    return {litres / barMinutes, false};
  }
  return {};
}

Measure Fullness(const ponor& dive, const ProfileSums& sums) {
  // How much of the rectangle "maximum depth × whole time" the profile fills, in percent.
  if (!Filled(dive.Hloubka) || !Filled(dive.DelkaPonoru)) return {};
  const std::size_t n = sums.count;
  if (n == 0) return {50, false};
  if (sums.deepest == 0) return {};
  // Area A = sum × 20 / 2 and rectangle R = n × deepest × 20, so A × 10000 / R is
  // sum × 5000 / (n × deepest); whole integers keep the cut to hundredths exact.
  const int64_t percentHundredths =
      sums.neighbourSum * 5000 / (static_cast<int64_t>(n) * sums.deepest);
  return {static_cast<double>(percentHundredths) / 100, true};
}

Measure AverageDepth(const ponor& dive, const ProfileSums& sums) {
  if (!Filled(dive.Hloubka) || !Filled(dive.DelkaPonoru)) return {};
  const std::size_t n = sums.count;
  if (n == 0) return {dive.Hloubka / 200.0, false};
  // A / (n × 20) with A = sum × 10 is sum / (2n) centimetres, cut to whole centimetres. The
  // divisor counts n intervals although the sum covers n − 1, as the figures always have.
  const int64_t centimetres = sums.neighbourSum / (2 * static_cast<int64_t>(n));
  return {static_cast<double>(centimetres) / 100, true};
}

Measure ConsumptionRate(const ponor& dive, const ponorTxt& view) {
  return ConsumptionRate(dive, SumProfile(view));
}

Measure Fullness(const ponor& dive, const ponorTxt& view) {
  return Fullness(dive, SumProfile(view));
}

Measure AverageDepth(const ponor& dive, const ponorTxt& view) {
  return AverageDepth(dive, SumProfile(view));
}

}  // namespace zirdan
