#pragma once

#include <cstdint>
#include <vector>

#include "core/logbook.h"
#include "core/op_result.h"
#include "transfer/memory_image_decoder.h"

namespace zirdan {

// The message of a merge refused because the image was rejected; the detail is the fault.
inline constexpr const char* kImageRejectedKey = "StrChObraz";
// The message of a merge refused because the logbook cannot take the dives.
inline constexpr const char* kLogbookFullKey = "StrChPlnyDenik";

// What a merge did.
struct TMergeResult {
  OpResult Status;       // failure: the logbook was not touched
  uint16_t Added = 0;    // dives appended at the end of the logbook
  uint16_t Dropped = 0;  // new dives skipped as not later than the logbook's last dive
};

// Whether a downloaded dive is not later than the logbook's last dive: an earlier day, or
// the same day with a start before the last dive ended (its start plus its dive time; an
// empty dive time of 32767 covers the rest of that day).
bool EndsAfterStartOf(const ponor& last, const ponor& download);

// Adds the dives of an accepted image to the logbook, oldest first, after its last dive.
// With `onlyNewDives`, the leading dives not later than the logbook's last dive are
// skipped; the first later dive and every dive after it are taken. Only the last dive of
// the logbook is compared. An empty logbook takes every dive and numbers them from 1.
// The logbook is marked changed, takes the device's identification number, and its dives
// are renumbered from PrvniCislo. A rejected image, or more dives than the logbook can
// hold, leaves the logbook untouched and fails with kImageRejectedKey or kLogbookFullKey.
TMergeResult MergeNewDives(TLogbook& logbook, const TDecodedImage& image, bool onlyNewDives);

}  // namespace zirdan
