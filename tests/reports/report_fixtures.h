#pragma once

// Inputs the report tests build: dives, logbooks and a message table whose texts name their
// own keys, so every line shows which text went where.

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "core/category_tables.h"
#include "core/logbook.h"
#include "core/ponor.h"
#include "core/win1250.h"
#include "core/message_table.h"
#include "reports/print_layout.h"
#include "reports/report_source.h"
#include "support/dive_builders.h"

namespace zirdan::test {

// Windows-1250 bytes of a UTF-8 literal.
inline std::string W(std::string_view utf8) {
  return Utf8ToWin1250(utf8);
}

// Print settings with the given margins and switches (the font stays the default one).
inline PrintSettings PrintSettingsWith(int left, int right, int all, bool twoSided, bool colour) {
  PrintSettings settings;
  settings.LeftMargin = left;
  settings.RightMargin = right;
  settings.AllMargins = all;
  settings.TwoSided = twoSided;
  settings.Colour = colour;
  return settings;
}

// Every text a report reads holds its own key, except the units, which are short.
inline TMessageTable KeyNamedMessages() {
  TMessageTable m;
  for (const char* key :
       {"StrDenik",        "StrKeDni",        "StrStat1",   "StrStat2",        "StrStat3",
        "StrStat4",        "StrStat5",        "StrStat6",   "StrStat7",        "StrStat8",
        "StrPocetPon",     "StrOpakovane",    "StrMelke",   "StrMelci",        "StrStredni",
        "StrHlubsi",       "StrHluboke",      "StrExtrem",  "StrPrumDelka",    "StrPrumHloubka",
        "StrPrumSpotreba", "StrPrumObdelnik", "StrDenVT",   "StrPondeli",      "StrUtery",
        "StrStreda",       "StrCtvrtek",      "StrPatek",   "StrSobota",       "StrNedele",
        "StrPoPonoru",     "StrMezisoucet",   "StrCelkem",  "StrCelDelka",     "StrCelHloubka",
        "StrPrehCislo",    "StrPrehDatum",    "StrPrehCas", "StrPrehLokalita", "StrPrehMisto",
        "StrPrehHloubka",  "StrPrehDelka",    "StrPonorC",  "StrGraf",         "StrSpotreba1",
        "StrObdelnik"})
    m.Set(key, key);
  m.Set("StrHodiny", "h");
  m.Set("StrMinuty", "min");
  m.Set("StrSpotreba2", "l/min");
  return m;
}

// Day number of a date (days since 1 January 1600).
inline int32_t DayNumber(int day, int month, int year) {
  auto civil = [](int y, int m, int d) {
    y -= m <= 2;
    const int era = y / 400;
    const int yoe = y - era * 400;
    const int doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    return era * 146097 + yoe * 365 + yoe / 4 - yoe / 100 + doy;
  };
  return civil(year, month, day) - civil(1600, 1, 1);
}

// A dive with the values the reports read most; everything else as in a dive created empty.
inline ponor Dive(uint16_t cislo, int32_t datum, int16_t hloubka, int16_t delkaPonoru) {
  ponor d;
  d.Cislo = cislo;
  d.Datum = datum;
  d.Hloubka = hloubka;
  d.DelkaPonoru = delkaPonoru;
  return d;
}

// Gives the dive a basic-format profile (22 header bytes) with samples at these depths.
inline void SetProfile(ponor& dive, std::initializer_list<int32_t> depthsCm) {
  std::vector<test::SampleSpec> samples;
  for (int32_t cm : depthsCm) samples.push_back({cm, {}});
  test::SetProfile(dive, kFormatBasic, samples);
}

inline TLogbook Logbook(std::initializer_list<ponor> dives) {
  TLogbook logbook;
  for (const ponor& d : dives) logbook.Append(d);
  logbook.Nacteno = true;
  return logbook;
}

// The lines as one text, each line closed by "|" so that trailing spaces show.
inline std::string Joined(const std::vector<std::string>& lines, std::size_t from = 0,
                          std::size_t count = std::string::npos) {
  std::string text;
  for (std::size_t i = from; i < lines.size() && i - from < count; ++i) text += lines[i] + "|\n";
  return text;
}

}  // namespace zirdan::test
