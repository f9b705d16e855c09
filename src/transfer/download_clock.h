#pragma once

#include <cstdint>

#include "transfer/memory_image.h"

namespace zirdan {

// A local date and time as the fields of a DownloadTime. Fields taken from a DownloadTime
// are not checked (a replayed dump may hold month 0); the arithmetic below treats a field
// beyond its range as borrowing from or carrying into the next larger unit.
struct TCivilTime {
  int64_t Year = 0;
  int Month = 1;   // 1..12
  int Day = 1;     // 1..31
  int Hour = 0;    // 0..23
  int Minute = 0;  // 0..59
  int Second = 0;  // 0..59
  int Tenth = 0;   // 0..9

  bool operator==(const TCivilTime&) const = default;
};

// The fields of YYYYMMDDhhmmssT.
TCivilTime SplitDownloadTime(TDownloadTime time);

// Seconds of a moment counted from 1 January 1600, 00:00:00 (the tenth is ignored).
int64_t SecondsFrom1600(const TCivilTime& time);
// The moment `seconds` after 1 January 1600, 00:00:00, with the given tenth.
TCivilTime MomentFrom1600(int64_t seconds, int tenth);

// The day number (days since 1 January 1600) of a calendar date as a logbook stores it:
// a year outside 1980..2067 becomes 1980 and a day beyond its month then becomes 1, as
// when the date is typed into the dive's date field.
int32_t LogbookDayNumber(int64_t year, int month, int day);

// Date and start time of a dive.
struct TDiveStart {
  int32_t Datum = 0;  // day number
  uint16_t Cas = 0;   // minutes after midnight, 0..1440
};

// When a dive started, from the moment of the download and the dive's age on the device
// clock (half seconds, negative for a stamp later than the clock). The age is cut to whole
// seconds toward zero; a start with seconds counts as the next minute, without carrying
// into the date (23:59:30 gives 1440).
TDiveStart DiveStartFromAge(TDownloadTime downloadTime, int32_t ageHalfSeconds);

}  // namespace zirdan
