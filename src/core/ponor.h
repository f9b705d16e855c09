#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/record_layout.h"

namespace zirdan {

// One dive as stored. Fields are in the order the LOG file stores them; texts hold
// Windows-1250 bytes. The defaults are those of a dive created empty.
struct ponor {
  uint16_t Znacka = kRecordTag;             // record tag, always 160
  int32_t Datum = kEmptyValue;              // day number, 138792 = 1.1.1980; 32767 in a new dive
  uint16_t Cas = kEmptyValue;               // start time, minutes after midnight, 32767 = empty
  std::string Lokalita;                     // locality, at most 20 characters
  std::string Misto;                        // dive site, at most 20 characters
  uint8_t NadmorskaVyska = 0;               // altitude class, index 0..4 of the altitude table
  int16_t PovrchovyInterval = kEmptyValue;  // surface interval, minutes, 32767 = empty
  uint8_t Pocasi = 0;                       // weather, index 0..6 of the weather table
  int16_t TeplotaVzduchu = kEmptyValue;     // air temperature, 1/100 °C, 32767 = empty
  uint8_t Oblek = 0;                        // suit, index 0..6 of the suit table
  int16_t Lahev = kEmptyValue;              // cylinder volume, 1/100 litre, 32767 = empty
  int16_t Hloubka = 0;                      // maximum depth, centimetres, 32767 = empty
  int16_t DelkaPonoru = 0;                  // dive time, minutes, 32767 = empty
  int16_t TeplotaVody = kEmptyValue;        // water temperature, 1/100 °C, 32767 = empty
  int16_t SpotrebaVzduchu = kEmptyValue;    // pressure used, 1/100 bar, 32767 = empty
  uint16_t TypPonoru = 0;                   // dive types, bit i = entry i of its table
  uint16_t TypAktivity = 0;                 // activities, bit set
  std::string Jiny;                         // other activity, at most 20 characters
  std::string Partner;                      // buddy, at most 47 characters
  std::string Poznamka;                     // note, at most 254 characters
  uint16_t Chyby = 0;                       // errors recorded by the dive computer, bit set
  uint16_t Cislo = 0;                       // dive number, unique in the logbook
  std::array<uint16_t, 6> Rezerva{};        // reserved, carried unchanged
  uint16_t GrafPocet = 0;                   // bytes used in Graf, 0..2002
  std::array<uint8_t, kGrafSize> Graf{};    // raw profile: header bytes, then samples

  bool operator==(const ponor&) const = default;
};

// A dive in the logbook: its record plus the links of the circular list. Copying a
// dive copies the ponor part only; the links belong to the list.
struct pam : ponor {
  pam* Predchozi = nullptr;
  pam* Dalsi = nullptr;
};

}  // namespace zirdan
