#include "support/dive_builders.h"

#include <algorithm>

#include "core/win1250.h"

namespace zirdan::test {

const TCategoryTables& BuiltInTables() {
  static const TCategoryTables tables = TCategoryTables::BuiltIn();
  return tables;
}

CodecContext TestContext(uint16_t defaultFormat, char decimalSeparator) {
  return CodecContext{BuiltInTables(), defaultFormat, decimalSeparator};
}

ponorTxt ViewOf(const ponor& dive, uint16_t defaultFormat) {
  ponorTxt view;
  RecordToView(dive, view, TestContext(defaultFormat));
  return view;
}

std::array<uint8_t, 2> EncodeSample(int32_t depthCm, const SampleMarks& marks) {
  // One raw step is 1000/64 cm; the raw depth fills the top ten bits of the two bytes.
  const int32_t raw = std::clamp((depthCm * 64 + 500) / 1000, 0, 1023);
  static constexpr int kMarkBits[6] = {4, 3, 2, 1, 0, 5};
  unsigned low = 0;
  for (std::size_t flag = 0; flag < 6; ++flag) {
    if (marks[flag]) low |= 1u << kMarkBits[flag];
  }
  const unsigned word = static_cast<unsigned>(raw) << 6 | low;
  return {static_cast<uint8_t>(word >> 8), static_cast<uint8_t>(word & 0xFFu)};
}

void SetProfile(ponor& dive, uint16_t format, const std::vector<SampleSpec>& samples) {
  dive.Graf.fill(0);
  const std::size_t filler = format == 25 ? 2 : 1;
  std::size_t pos = format;
  std::size_t inMinute = 0;
  for (const SampleSpec& sample : samples) {
    if (pos + 2 > kGrafSize) break;
    const auto bytes = EncodeSample(sample.depthCm, sample.marks);
    dive.Graf[pos] = bytes[0];
    dive.Graf[pos + 1] = bytes[1];
    pos += 2;
    if (++inMinute == 3) {
      inMinute = 0;
      pos += filler;
    }
  }
  dive.GrafPocet = static_cast<uint16_t>(std::min(pos, kGrafSize));
}

ponor DiveWithProfile(uint16_t format, const std::vector<int32_t>& depthsCm) {
  ponor dive;
  if (format == 24) dive.TypPonoru = 1u << 8;
  if (format == 25) dive.TypPonoru = 1u << 9;
  std::vector<SampleSpec> samples;
  for (int32_t depth : depthsCm) samples.push_back({depth, {}});
  SetProfile(dive, format, samples);
  return dive;
}

ponor FullyFilledDive() {
  ponor dive;
  dive.Datum = 148119;  // 15.07.2005, a Friday
  dive.Cas = 605;       // 10:05
  dive.Lokalita = Utf8ToWin1250("Chorvatsko – Krk");
  dive.Misto = Utf8ToWin1250("Žabí útes");
  dive.NadmorskaVyska = 2;
  dive.PovrchovyInterval = 95;  // 01:35
  dive.Pocasi = 3;
  dive.TeplotaVzduchu = 2450;  // 24.50 °C
  dive.Oblek = 4;
  dive.Lahev = 1500;                             // 15.00 l
  dive.Hloubka = 3125;                           // 31.25 m
  dive.DelkaPonoru = 47;                         // 00:47
  dive.TeplotaVody = -150;                       // -1.50 °C
  dive.SpotrebaVzduchu = 14000;                  // 140.00 bar
  dive.TypPonoru = 1u << 2 | 1u << 6 | 1u << 8;  // nitrox profile
  dive.TypAktivity = 1u << 0 | 1u << 11 | 1u << 15;
  dive.Jiny = Utf8ToWin1250("lov fotek");
  dive.Partner = Utf8ToWin1250("Jana Nováková, Petr Řezník");
  dive.Poznamka = Utf8ToWin1250("Viditelnost 8 m, slabý proud; vrak ve 30 m.");
  dive.Chyby = 1u << 0 | 1u << 5;
  dive.Cislo = 1234;
  dive.Rezerva = {1, 2, 3, 4, 5, 0xFFFF};
  SetProfile(dive, 24,
             {{500, {}}, {1500, {true}}, {3000, {false, false, true}}, {2000, {}}, {500, {}}});
  dive.Graf[0] = 0xA5;   // an undecoded header byte, carried as it is
  dive.Graf[23] = 0x42;  // max. pO2 1.40 bar, EAN 24
  return dive;
}

}  // namespace zirdan::test
