#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/logbook.h"

namespace zirdan {

// Single-byte encodings of Czech and Slovak text, by their codes. Code 3 exists in the
// numbering but names no encoding: every conversion from or to it is no conversion.
enum class Encoding : int {
  Ascii = 0,        // IBM PC code page 437 with accented letters reduced to plain ones
  Kamenicky = 1,    // the Czech DOS code page
  Latin2 = 2,       // IBM code page 852
  Windows1250 = 4,  // the logbook's own encoding
};

// The byte table that converts source to target; the identity table when the source is
// Ascii, equals the target, or either code names no encoding.
const std::array<uint8_t, 256>& ConversionTable(Encoding source, Encoding target);
// Converts a text byte by byte; the result has the same length.
std::string ConvertText(std::string_view text, Encoding source, Encoding target);
// Whether the pair is one of the nine logbook conversions offered to the user.
bool IsOfferedConversion(Encoding source, Encoding target);
// Converts Lokalita, Misto, Partner, Poznamka and Jiny of every dive and sets Zmeneno.
void ConvertLogbook(TLogbook& logbook, Encoding source, Encoding target);

// "kamenicky", "latin2", "windows1250", "ascii", in any letter case.
std::optional<Encoding> EncodingFromName(std::string_view name);

// The four radio settings that choose the encoding of text files (section "soubory").
// The defaults are those in force when nothing is stored.
struct OutputEncodingSettings {
  bool KodovaniWindows = false;
  bool KodovaniKamenicky = true;
  bool KodovaniLatin2 = false;
  bool KodovaniAscii = false;
};

// The encoding text files are written in. Starts at Windows-1250; each setting that is
// on, read in the order Windows, Kamenicky, Latin2, Ascii, takes over, so when stored
// settings disagree the last one on wins.
Encoding OutputEncoding(const OutputEncodingSettings& settings);

}  // namespace zirdan
