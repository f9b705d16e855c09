#include "cli/cli_download.h"

#include <cstdio>
#include <filesystem>
#include <vector>

#include "cli/cli_common.h"
#include "cli/dive_json.h"
#include "core/log_file.h"
#include "transfer/decode_and_merge.h"

namespace zirdan::cli {

int MergeDownloadAndPrint(const TDumpFile& dump, const std::string& source,
                          const std::optional<std::string>& logPath, bool all,
                          const CliLanguage& language) {
  TLogbook logbook;
  if (logPath) {
    std::error_code ec;
    if (std::filesystem::exists(*logPath, ec)) {
      if (!LoadOrReport(*logPath, logbook)) return kExitFileError;
    } else {
      logbook.Nacteno = true;  // a new logbook without dives
    }
  }
  // Without a logbook to merge into, every dive of the image is new.
  const TDownloadResult download = DecodeAndMerge(dump, logbook, logPath && !all);
  if (!download.ok()) return FileError(source, "image rejected: " + download.Merge.Status.message);
  if (logPath) {
    if (OpResult saved = SaveLogbook(*logPath, logbook); !saved)
      return FileError(*logPath, saved.message);
  }

  std::vector<const ponor*> added;
  const std::vector<pam*> listed = logbook.Dives();
  for (std::size_t i = listed.size() - download.Merge.Added; i < listed.size(); ++i)
    added.push_back(listed[i]);
  const CodecContext context{language.Tables, kFormatBasic, LocaleDecimalSeparator()};
  const std::string out = DivesJsonArray(added, context);
  std::fputs(out.c_str(), stdout);
  if (out.empty() || out.back() != '\n') std::fputc('\n', stdout);
  return kExitOk;
}

}  // namespace zirdan::cli
