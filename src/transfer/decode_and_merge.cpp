#include "transfer/decode_and_merge.h"

namespace zirdan {

TDownloadResult DecodeAndMerge(const TDumpFile& dump, TLogbook& logbook, bool onlyNewDives) {
  TDownloadResult result;
  result.Image = DecodeMemoryImage(dump.Image, dump.DownloadTime);
  result.Merge = MergeNewDives(logbook, result.Image, onlyNewDives);
  return result;
}

}  // namespace zirdan
