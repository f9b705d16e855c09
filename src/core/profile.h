#pragma once

#include <cstdint>

#include "core/field_codec.h"
#include "core/ponor.h"
#include "core/ponor_txt.h"

namespace zirdan {

// The profile format of a dive: the default, 24 when dive-type bit 8 is set, 25 when
// bit 9 is set (bit 9 wins).
uint16_t ProfileFormat(uint16_t typPonoru, uint16_t vychoziFormatGrafu);

// Decodes the gas values and the samples of the dive's profile into the view, which the
// record-to-view conversion has already reset. Only called when GrafPocet is not 0.
void DecodeProfile(const ponor& dive, uint16_t format, char decimalSeparator, ponorTxt& view);

// A measure of a dive, and whether its profile was used to compute it.
struct Measure {
  double value = 0;
  bool fromProfile = false;
};

// The three measures, from a dive and its already decoded view (so a report that needs all
// three decodes the dive once).
Measure ConsumptionRate(const ponor& dive, const ponorTxt& view);  // litres per minute
Measure Fullness(const ponor& dive, const ponorTxt& view);         // percent
Measure AverageDepth(const ponor& dive, const ponorTxt& view);     // metres

// The same, decoding the dive first.
Measure ConsumptionRate(const ponor& dive, const CodecContext& context);
Measure Fullness(const ponor& dive, const CodecContext& context);
Measure AverageDepth(const ponor& dive, const CodecContext& context);

}  // namespace zirdan
