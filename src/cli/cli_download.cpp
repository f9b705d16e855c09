#include "cli/cli_download.h"

#include <cstdio>
#include <filesystem>

#include "cli/cli_common.h"
#include "core/log_file.h"

namespace zirdan::cli {

std::optional<int> MergeDownload(const TDumpFile& dump, const std::string& source,
                                 const std::optional<std::string>& logPath, bool all,
                                 TMergedDownload& merged) {
  TLogbook& logbook = merged.Logbook;
  if (logPath) {
    std::error_code ec;
    if (std::filesystem::exists(*logPath, ec)) {
      if (!LoadOrReport(*logPath, logbook)) return kExitFileError;
    } else {
      logbook.Nacteno = true;  // a new logbook without dives
    }
  }
  // Without a logbook to merge into, every dive of the image is new.
  merged.Download = DecodeAndMerge(dump, logbook, logPath && !all);
  if (!merged.Download.Ok())
    return FileError(source, "image rejected: " + merged.Download.Merge.Status.message);
  if (logPath) {
    if (OpResult saved = SaveLogbook(*logPath, logbook); !saved)
      return FileError(*logPath, saved.message);
  }
  const std::vector<pam*> listed = logbook.Dives();
  for (std::size_t i = listed.size() - merged.Download.Merge.Added; i < listed.size(); ++i)
    merged.Added.push_back(listed[i]);
  return std::nullopt;
}

void PrintJson(const std::string& json) {
  std::fputs(json.c_str(), stdout);
  if (json.empty() || json.back() != '\n') std::fputc('\n', stdout);
}

}  // namespace zirdan::cli
