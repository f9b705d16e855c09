#include "cli/cli_download.h"

#include <cstdio>
#include <filesystem>

#include "cli/cli_common.h"
#include "core/file_open.h"
#include "core/log_file.h"

namespace zirdan::cli {

std::optional<int> MergeDownload(const TDumpFile& dump, const std::string& source,
                                 const std::optional<std::string>& logPath, bool all,
                                 TMergedDownload& merged, const TMessageTable& messages) {
  TLogbook& logbook = merged.Logbook;
  if (logPath) {
    std::error_code ec;
    if (std::filesystem::exists(PathFromUtf8(*logPath), ec)) {
      if (!LoadOrReport(*logPath, logbook)) return kExitFileError;
    } else {
      logbook.Nacteno = true;  // a new logbook without dives
    }
  }
  // Without a logbook to merge into, every dive of the image is new.
  merged.Download = DecodeAndMerge(dump, logbook, logPath && !all);
  if (const OpResult& status = merged.Download.Status; !status) {
    // A rejected image is the frame's fault; a full logbook is the logbook's.
    const bool rejected = !merged.Download.Image.Accepted();
    return ReportFailure(rejected || !logPath ? source : *logPath, status, &messages);
  }
  if (logPath) {
    if (OpResult saved = SaveLogbook(*logPath, logbook); !saved)
      return ReportFailure(*logPath, saved, &messages);
  }
  const std::vector<pam*> listed = logbook.Dives();
  for (std::size_t i = listed.size() - merged.Download.Added; i < listed.size(); ++i)
    merged.Added.push_back(listed[i]);
  return std::nullopt;
}

void PrintJson(const std::string& json) {
  std::fputs(json.c_str(), stdout);
  if (json.empty() || json.back() != '\n') std::fputc('\n', stdout);
}

}  // namespace zirdan::cli
