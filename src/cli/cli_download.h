#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/logbook.h"
#include "core/message_table.h"
#include "transfer/decode_and_merge.h"
#include "transfer/dump_file.h"

namespace zirdan::cli {

// A received frame decoded and merged as the editor's download does it.
struct TMergedDownload {
  TLogbook Logbook;
  TDownloadResult Download;
  std::vector<const ponor*> Added;  // the dives added, oldest first, as numbered in Logbook
};

// Decodes a frame and merges its dives into the logbook at `logPath` (created when missing;
// only dives later than its last dive unless `all`), which is then saved; without a logbook,
// into an empty one. `source` names the frame when the image is rejected. Returns the exit
// code when something failed (and was reported in the words of `messages`), nullopt on
// success.
std::optional<int> MergeDownload(const TDumpFile& dump, const std::string& source,
                                 const std::optional<std::string>& logPath, bool all,
                                 TMergedDownload& merged, const TMessageTable& messages);

// Prints JSON text on stdout, ending with a newline.
void PrintJson(const std::string& json);

}  // namespace zirdan::cli
