#pragma once

#include "core/logbook.h"
#include "transfer/dump_file.h"
#include "transfer/logbook_merge.h"
#include "transfer/memory_image_decoder.h"

namespace zirdan {

// What one download did: the decoded image (model, mirrored bytes for the information
// rows, the fault when rejected) and the merge.
struct TDownloadResult {
  TDecodedImage Image;
  TMergeResult Merge;  // Status fails with the fault's text when the image was rejected

  bool ok() const { return Merge.Status.ok; }
};

// Decodes a received frame with its DownloadTime and merges its dives into the logbook
// (only the new ones when `onlyNewDives`). A rejected frame leaves the logbook untouched.
TDownloadResult DecodeAndMerge(const TDumpFile& dump, TLogbook& logbook, bool onlyNewDives);

}  // namespace zirdan
