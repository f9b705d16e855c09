#include "transfer/decode_and_merge.h"

#include <utility>

namespace zirdan {

TDownloadResult DecodeAndMerge(const TDumpFile& dump, TLogbook& logbook, bool onlyNewDives) {
  TDownloadResult result;
  result.Image = DecodeMemoryImage(dump.Image, dump.DownloadTime);
  TMergeResult merged = MergeNewDives(logbook, result.Image, onlyNewDives);
  result.Status = std::move(merged.Status);
  result.Added = merged.Added;
  result.Dropped = merged.Dropped;
  return result;
}

}  // namespace zirdan
