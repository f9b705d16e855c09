#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace zirdan {

// The names that give meaning to coded fields, and the weekday names of date texts.
// All texts are Windows-1250. The language load replaces entries in place.
struct TCategoryTables {
  std::array<std::string, 5> NadmorskaVyska;  // altitude classes; entry 0 = nothing chosen
  std::array<std::string, 7> Pocasi;          // weather; entry 0 = nothing chosen
  std::array<std::string, 7> Oblek;           // suit; entry 0 = nothing chosen
  std::array<std::string, 16> TypPonoru;      // dive types, one per bit
  std::array<std::string, 16> TypAktivity;    // activities, one per bit
  std::array<std::string, 16> Chyby;          // dive computer errors, one per bit
  std::array<std::string, 7> DnyTydne;        // weekday names, 0 = Monday

  // The built-in Czech names.
  static TCategoryTables BuiltIn();
};

// The entry at `code`; a code outside the table reads as the empty name.
template <std::size_t N>
const std::string& CategoryName(const std::array<std::string, N>& table, unsigned code) {
  static const std::string kNone;
  return code < N ? table[code] : kNone;
}

}  // namespace zirdan
