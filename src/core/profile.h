#pragma once

#include <cstddef>
#include <cstdint>

#include "core/field_codec.h"
#include "core/ponor.h"
#include "core/ponor_txt.h"

namespace zirdan {

// The profile format of a dive: the default, 24 when dive-type bit 8 is set, 25 when
// bit 9 is set (bit 9 wins).
uint16_t ProfileFormat(uint16_t typPonoru, uint16_t vychoziFormatGrafu);

// One profile sample: its depth and the dive computer's warning marks.
struct ProfileSample {
  int32_t Hloubka = 0;  // centimetres, 0..15984 (raw steps of 15.625 cm, rounded)
  SampleMarks Znaky{};  // flag 0 = bit 4 of the second byte, 1 = bit 3, 2 = bit 2,
                        // 3 = bit 1, 4 = bit 0, 5 = bit 5
};

// Decodes the two bytes of one sample: the top ten bits are the raw depth, the low six the
// marks.
ProfileSample DecodeSample(uint8_t first, uint8_t second);

// Decodes the gas values and the samples of the dive's profile into the view, which the
// record-to-view conversion has already reset. Only called when GrafPocet is not 0. At most
// 665 samples are decoded, only those whose two bytes both lie within GrafPocet, and no
// byte past the record's 2002 is read whatever GrafPocet says.
void DecodeProfile(const ponor& dive, uint16_t format, char decimalSeparator, ponorTxt& view);

// A measure of a dive, and whether its profile was used to compute it.
struct Measure {
  double value = 0;
  bool fromProfile = false;
};

// What the measures need of a profile's samples.
struct ProfileSums {
  std::size_t count = 0;     // samples
  int64_t neighbourSum = 0;  // d(i) + d(i+1) over every pair of neighbours, centimetres
  int32_t deepest = 0;       // the deepest sample, centimetres; 0 without samples
};

// The sums of a decoded view, or straight from the record's bytes in the given profile
// format: the same numbers, without decoding the rest of the dive (reports over tens of
// thousands of dives).
ProfileSums SumProfile(const ponorTxt& view);
ProfileSums SumProfile(const ponor& dive, uint16_t format);

// The three measures, from a dive and the sums of its profile (so a report that needs all
// three reads the samples once). A zero divisor gives 0 without the profile flag.
Measure ConsumptionRate(const ponor& dive, const ProfileSums& sums);  // litres per minute
Measure Fullness(const ponor& dive, const ProfileSums& sums);         // percent
Measure AverageDepth(const ponor& dive, const ProfileSums& sums);     // metres

// The same from an already decoded view.
Measure ConsumptionRate(const ponor& dive, const ponorTxt& view);
Measure Fullness(const ponor& dive, const ponorTxt& view);
Measure AverageDepth(const ponor& dive, const ponorTxt& view);

// The same, decoding the dive first.
Measure ConsumptionRate(const ponor& dive, const CodecContext& context);
Measure Fullness(const ponor& dive, const CodecContext& context);
Measure AverageDepth(const ponor& dive, const CodecContext& context);

}  // namespace zirdan
