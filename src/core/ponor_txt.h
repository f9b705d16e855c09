#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace zirdan {

inline constexpr std::size_t kMaxSamples = 665;
inline constexpr std::size_t kViewGrafSize = 2000;

// Per-sample warning marks, flag 0..5 (see DecodeSample).
using SampleMarks = std::array<bool, 6>;

// The text view of one dive: every value as display text (Windows-1250), category
// codes with their names, bit sets as joined names and flags, and the decoded profile.
// A "short text [n]" is cut to n characters.
struct ponorTxt {
  uint16_t Znacka = 160;
  std::string Datum;              // [20] DD.MM.YYYY, space, weekday name
  std::string Cas;                // [10] HH:MM or empty
  std::string Lokalita;           // [20]
  std::string Misto;              // [20]
  std::string NadmorskaVyska;     // altitude name
  uint8_t NadmorskaVyskaKod = 0;  // altitude code
  std::string PovrchovyInterval;  // [10] HH:MM or empty
  std::string Pocasi;             // weather name
  uint8_t PocasiKod = 0;          // weather code
  std::string TeplotaVzduchu;     // [10] decimal with two places, or empty
  std::string Oblek;              // suit name
  uint8_t OblekKod = 0;           // suit code
  std::string Lahev;              // [10]
  std::string Hloubka;            // [10]
  std::string DelkaPonoru;        // [10] HH:MM or empty
  std::string TeplotaVody;        // [10]
  std::string SpotrebaVzduchu;    // [10]
  std::string TypPonoru;          // joined dive-type names
  std::array<bool, 16> TypPonoruPriznaky{};
  std::string TypAktivity;  // joined activity names
  std::array<bool, 16> TypAktivityPriznaky{};
  std::string Jiny;      // [20]
  std::string Partner;   // [47]
  std::string Poznamka;  // [254]
  std::string Chyby;     // joined error names (unnamed errors left out)
  std::array<bool, 16> ChybyPriznaky{};
  std::string Cislo;  // dive number in decimal
  std::array<uint16_t, 6> Rezerva{};
  uint16_t GrafPocet = 0;
  std::array<uint8_t, kViewGrafSize> Graf{};           // first 2000 bytes of the record's Graf
  std::array<int32_t, kMaxSamples> Hloubky{};          // sample depths, centimetres
  std::array<SampleMarks, kMaxSamples> ZnakyVzorku{};  // per-sample marks
  std::string DelkaGrafu = "00:00";                    // [10] profile duration HH:MM
  uint16_t PocetVzorku = 0;                            // decoded samples, 0..665
  std::string MaxPO2;         // [10] e.g. "1.40 bar", regional decimal separator
  std::string EAN;            // [10] oxygen percentage of the mix
  uint16_t FormatGrafu = 22;  // profile format this dive was decoded with
};

}  // namespace zirdan
