#pragma once

// Every width, code and limit of the dive record, the LOG file and the raw profile, named
// once. Other files use these names, never the numbers.

#include <cstddef>
#include <cstdint>

namespace zirdan {

// ---- values -------------------------------------------------------------------------

// The value that marks a 16-bit value field as not filled in.
inline constexpr int kEmptyValue = 32767;
// Day number of 1 January 1980 (days counted from 1 January 1600, which is day 0).
inline constexpr int32_t kDay1980 = 138792;

// ---- texts --------------------------------------------------------------------------

// Characters a field keeps: the place texts (Lokalita, Misto, Jiny), the buddy and the note.
inline constexpr std::size_t kPlaceTextWidth = 20;
inline constexpr std::size_t kPartnerTextWidth = 47;
inline constexpr std::size_t kNoteTextWidth = 254;
// Characters the main window's date box and its time and value boxes take.
inline constexpr std::size_t kDateTextWidth = 20;
inline constexpr std::size_t kValueTextWidth = 10;
// The longest text a record can hold: its length is stored in one byte.
inline constexpr std::size_t kMaxStoredText = 255;

// ---- the LOG file -------------------------------------------------------------------

// Record tag of every dive.
inline constexpr uint16_t kRecordTag = 160;
// Logbook format version written in every file header.
inline constexpr uint16_t kLogbookVersion = 161;
// Size of the file header in bytes.
inline constexpr std::size_t kLogHeaderSize = 12;
// Dives a logbook holds at most: the header counts them in 16 bits.
inline constexpr uint32_t kMaxDives = 65535;
// Dive numbers are 16-bit: 0 .. 65535.
inline constexpr uint32_t kMaxDiveNumber = 65535;
// The name of a logbook that has never been saved.
inline constexpr const char* kNewLogbookName = "Novy.log";

// ---- the raw profile ----------------------------------------------------------------

// Capacity of a dive's raw profile.
inline constexpr std::size_t kGrafSize = 2002;

// Profile formats: the number of header bytes at the start of a dive's Graf. Every format
// starts with the 22 bytes of the basic one; nitrox adds the gas byte (Graf[22] EAN,
// Graf[23] maxPO2 setting and EAN), oxygen a third byte (Graf[24], the maxPO2 setting).
inline constexpr uint16_t kFormatBasic = 22;
inline constexpr uint16_t kFormatNitrox = 24;
inline constexpr uint16_t kFormatOxygen = 25;

// Samples: one every 20 seconds, three a minute, two bytes each; after each minute's
// samples comes one filler byte, two in the oxygen format.
inline constexpr int kSampleSeconds = 20;
inline constexpr std::size_t kSamplesPerMinute = 3;
inline constexpr std::size_t kSampleBytes = 2;
constexpr std::size_t MinuteFillerBytes(uint16_t format) {
  return format == kFormatOxygen ? 2 : 1;
}
constexpr std::size_t ProfileBytesPerMinute(uint16_t format) {
  return kSamplesPerMinute * kSampleBytes + MinuteFillerBytes(format);
}

// The maximum oxygen partial pressure of a 4-bit setting, in hundredths of a bar:
// 1.20 bar and 0.05 bar a step.
inline constexpr unsigned kMaxPO2Setting = 15;
constexpr unsigned MaxPO2Hundredths(unsigned setting) {
  return 120 + 5 * setting;
}

// ---- the dive computer's cable ----------------------------------------------------------

// The interface cable sits on one of the ports COM1 .. COM8.
inline constexpr int kPortCount = 8;

}  // namespace zirdan
