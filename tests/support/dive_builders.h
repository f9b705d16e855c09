#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "core/category_tables.h"
#include "core/field_codec.h"
#include "core/ponor.h"
#include "core/ponor_txt.h"

// Small helpers that build dives for tests.
namespace zirdan::test {

// The built-in Czech category tables, one shared instance (a CodecContext refers to it).
const TCategoryTables& BuiltInTables();
// A codec context over the built-in tables.
CodecContext TestContext(uint16_t defaultFormat = 22, char decimalSeparator = '.');
// The view of a dive under TestContext(defaultFormat).
ponorTxt ViewOf(const ponor& dive, uint16_t defaultFormat = 22);

// One sample to write into a profile.
struct SampleSpec {
  int32_t depthCm = 0;  // snapped to the nearest 15.625 cm step the computer records
  SampleMarks marks{};  // flags 0..5 as the decoded view shows them
};

// The two profile bytes of one sample (depth clamped to 0 .. 1023 raw steps).
std::array<uint8_t, 2> EncodeSample(int32_t depthCm, const SampleMarks& marks = {});

// Replaces the dive's profile: `format` zero header bytes, then the samples in minutes of
// three, each full minute followed by its filler (one byte, two in format 25). GrafPocet
// ends after the last sample (and its filler when that sample closes a minute). Samples
// that do not fit in the 2002 bytes are dropped. Gas header bytes are left to the caller.
void SetProfile(ponor& dive, uint16_t format, const std::vector<SampleSpec>& samples);

// An empty dive with a profile of these depths in this format. Dive-type bit 8 (format 24)
// or 9 (format 25) is set, so the dive decodes in that format whatever the default.
ponor DiveWithProfile(uint16_t format, const std::vector<int32_t>& depthsCm);

// A dive whose every field differs from the empty dive's, with values that survive the
// record → view → record round trip: a nitrox profile with gas data, named error bits only,
// a date within 1980..2067, Windows-1250 texts with diacritics.
ponor FullyFilledDive();

}  // namespace zirdan::test
