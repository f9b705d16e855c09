#include "transfer/logbook_merge.h"

#include <string>

namespace zirdan {

bool EndsAfterStartOf(const ponor& last, const ponor& download) {
  if (last.Datum != download.Datum) return last.Datum > download.Datum;
  // Summed as plain integers: 16-bit wrap-around would let an empty dive time through.
  return int{last.Cas} + int{last.DelkaPonoru} > int{download.Cas};
}

TMergeResult MergeNewDives(TLogbook& logbook, const TDecodedImage& image, bool onlyNewDives) {
  TMergeResult result;
  if (!image.Accepted()) {
    result.Status = OpResult::FailureKey(kImageRejectedKey).With(DecodeFaultKey(image.Fault), {});
    return result;
  }
  const bool empty = logbook.Prvni() == nullptr;
  std::size_t first = 0;
  if (onlyNewDives && !empty) {
    const pam& last = *logbook.Posledni();
    while (first < image.Dives.size() && EndsAfterStartOf(last, image.Dives[first])) ++first;
  }
  const std::size_t taken = image.Dives.size() - first;
  if (logbook.PocetPonoru() + taken > kMaxDives) {
    result.Status =
        OpResult::FailureKey(kLogbookFullKey).With("StrDetNevejde", {std::to_string(taken)});
    return result;
  }

  logbook.Zmeneno = true;
  logbook.CisloPristroje = (logbook.CisloPristroje & 0xFF000000u) | image.Identification;
  for (std::size_t i = first; i < image.Dives.size(); ++i) logbook.Append(image.Dives[i]);
  if (empty) logbook.PrvniCislo = 1;
  // Numbers stay unique and consecutive, as after every change of the list.
  logbook.Renumber();
  result.Added = static_cast<uint16_t>(taken);
  result.Dropped = static_cast<uint16_t>(first);
  return result;
}

}  // namespace zirdan
