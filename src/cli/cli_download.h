#pragma once

#include <optional>
#include <string>

#include "cli/cli_language.h"
#include "transfer/dump_file.h"

namespace zirdan::cli {

// Decodes a received frame and merges its dives as the editor's download does: into the
// logbook at `logPath` (created when missing; only dives later than its last dive unless
// `all`), which is then saved, or without a logbook into an empty one. Prints the dives
// added as a JSON array. `source` names the frame in the message of a rejected image.
// Returns the exit code.
int MergeDownloadAndPrint(const TDumpFile& dump, const std::string& source,
                          const std::optional<std::string>& logPath, bool all,
                          const CliLanguage& language);

}  // namespace zirdan::cli
