#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/logbook.h"
#include "core/op_result.h"

namespace zirdan {

// Minutes of surface between two joined profiles, and the pause a split leaves out.
inline constexpr int kMaxMinutesBetweenGraphs = 60;
inline constexpr int kDefaultMinutesBetweenGraphs = 5;
// The two profiles of a join may hold at most this many bytes together.
inline constexpr uint16_t kMaxJoinedProfiles = 1900;

// What a join or a split did.
struct JoinSplitResult {
  OpResult Status;       // a refusal names its message key; the logbook is then unchanged
  bool Changed = false;  // the logbook was changed (and marked Zmeneno)
  pam* Dive = nullptr;   // the dive to show next: the joined dive, or the split's second part
};

// Appends the profile of the dive after `current` to `current`'s profile, with
// `minutesBetween` (0..60, clamped) minutes of surface samples between them; `current` also
// takes over the next dive's error, type and activity bits and its lower water temperature,
// and its maximum depth is taken from the joined profile. The next dive stays as it is.
// Refused with StrPripojitChyba1 when `current` is the last dive or the next one has no
// profile, and with StrPripojitChyba2 when the two profiles hold more than 1900 bytes
// together or the joined one would not fit the 2002 bytes of a profile.
JoinSplitResult JoinWithNext(TLogbook& logbook, pam& current, int minutesBetween);

// The last minute a dive can be split at; nullopt when its dive time is not filled in or
// too short to split.
std::optional<int> LastSplitMinute(const ponor& dive);

// Cuts `current` at `minute` into two dives: a copy inserted after it becomes the second
// part, starting `minute` + `minutesBetween` (0..60, clamped) minutes later with that pause
// as its surface interval. Minute 1 is what a dismissed entry leaves, so it, like a minute
// past LastSplitMinute, changes nothing. Refused with StrChRozdelitPonor, the logbook left
// exactly as it was, when the first part would keep the whole profile. The dives are
// renumbered.
JoinSplitResult SplitDive(TLogbook& logbook, pam& current, int minute, int minutesBetween);

}  // namespace zirdan
