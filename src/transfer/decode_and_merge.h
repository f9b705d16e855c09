#pragma once

#include "core/logbook.h"
#include "transfer/dump_file.h"
#include "transfer/logbook_merge.h"
#include "transfer/memory_image_decoder.h"

namespace zirdan {

// What one download did: the decoded image (model, mirrored bytes for the information
// rows, the fault when rejected) and the merge.
struct TDownloadResult {
  OpResult Status;  // the merge's: a rejected image fails with its fault as the detail
  TDecodedImage Image;
  uint16_t Added = 0;    // dives appended at the end of the logbook
  uint16_t Dropped = 0;  // new dives skipped as not later than the logbook's last dive
};

// Decodes a received frame with its DownloadTime and merges its dives into the logbook
// (only the new ones when `onlyNewDives`). A rejected frame leaves the logbook untouched.
TDownloadResult DecodeAndMerge(const TDumpFile& dump, TLogbook& logbook, bool onlyNewDives);

}  // namespace zirdan
