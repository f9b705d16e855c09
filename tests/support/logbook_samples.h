#pragma once

#include <cstdint>
#include <string>

#include "core/log_file.h"
#include "core/logbook.h"
#include "core/ponor.h"

namespace zirdan::test {

// A dive whose fields all differ from those of a new dive and from those of other
// numbers, with `grafPocet` profile bytes (the rest of Graf stays 0, as after a load).
inline ponor SampleDive(uint16_t cislo, uint16_t grafPocet = 0) {
  ponor d;
  d.Datum = kDay1980 + 10000 + cislo;
  d.Cas = static_cast<uint16_t>(480 + cislo % 720);
  d.Lokalita = "Chorvatsko " + std::to_string(cislo);
  d.Misto = "Vrak " + std::to_string(cislo % 97);
  d.NadmorskaVyska = static_cast<uint8_t>(1 + cislo % 4);
  d.PovrchovyInterval = static_cast<int16_t>(60 + cislo % 300);
  d.Pocasi = static_cast<uint8_t>(1 + cislo % 6);
  d.TeplotaVzduchu = static_cast<int16_t>(-500 + cislo % 3000);
  d.Oblek = static_cast<uint8_t>(1 + cislo % 6);
  d.Lahev = 1200;
  d.Hloubka = static_cast<int16_t>(1000 + cislo % 4000);
  d.DelkaPonoru = static_cast<int16_t>(20 + cislo % 60);
  d.TeplotaVody = static_cast<int16_t>(400 + cislo % 2000);
  d.SpotrebaVzduchu = static_cast<int16_t>(10000 + cislo % 10000);
  d.TypPonoru = static_cast<uint16_t>(0x0094 ^ cislo);
  d.TypAktivity = static_cast<uint16_t>(0x0801 ^ (cislo << 3));
  d.Jiny = "foto " + std::to_string(cislo % 10);
  d.Partner = "Jana";
  d.Poznamka = "Ponor číslo " + std::to_string(cislo);  // UTF-8 bytes: any bytes are kept
  d.Chyby = static_cast<uint16_t>(cislo & 0x39);
  d.Cislo = cislo;
  d.Rezerva = {1, 2, 3, static_cast<uint16_t>(cislo), 0xFFFF, 0x8000};
  d.GrafPocet = grafPocet;
  for (uint16_t i = 0; i < grafPocet; ++i) d.Graf[i] = static_cast<uint8_t>(i * 7 + cislo);
  return d;
}

// An open, unchanged logbook of `count` sample dives numbered from `first`.
inline TLogbook SampleLogbook(uint32_t count, uint16_t grafPocet = 0, uint16_t first = 1) {
  TLogbook logbook;
  for (uint32_t i = 0; i < count; ++i)
    logbook.Append(SampleDive(static_cast<uint16_t>(first + i), grafPocet));
  logbook.PrvniCislo = first;
  logbook.PosledniCislo = static_cast<uint16_t>(first + count - 1);
  logbook.RebuildSeznam();
  logbook.Nacteno = true;
  return logbook;
}

// An open logbook of `count` dives as new ones are, numbered from 1.
inline TLogbook NumberedLogbook(uint16_t count) {
  TLogbook logbook;
  for (uint16_t n = 1; n <= count; ++n) {
    ponor dive;
    dive.Cislo = n;
    logbook.Append(dive);
  }
  logbook.Nacteno = true;
  return logbook;
}

// The bytes a save writes for the logbook.
inline std::string EncodedBytes(const TLogbook& lb, const SaveOptions& options = {}) {
  std::string bytes;
  if (!EncodeLogbook(lb, options, bytes)) bytes.clear();
  return bytes;
}

}  // namespace zirdan::test
