#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/logbook.h"

namespace zirdan {

// Single-byte encodings of Czech and Slovak text, by their codes.
enum class Encoding : int {
  Ascii = 0,        // IBM PC code page 437 with accented letters reduced to plain ones
  Kamenicky = 1,    // the Czech DOS code page
  Latin2 = 2,       // IBM code page 852
  Windows1250 = 4,  // the logbook's own encoding
};

// The byte table that converts source to target.
const std::array<uint8_t, 256>& ConversionTable(Encoding source, Encoding target);
// Converts a text byte by byte; unchanged when the source is Ascii or equals the target.
std::string ConvertText(std::string_view text, Encoding source, Encoding target);
// Whether the pair is one of the nine logbook conversions offered to the user.
bool IsOfferedConversion(Encoding source, Encoding target);
// Converts Lokalita, Misto, Partner, Poznamka and Jiny of every dive and sets Zmeneno.
void ConvertLogbook(TLogbook& logbook, Encoding source, Encoding target);

// "kamenicky", "latin2", "windows1250", "ascii".
std::optional<Encoding> EncodingFromName(std::string_view name);

}  // namespace zirdan
