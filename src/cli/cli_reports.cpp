#include "cli/cli_reports.h"

#include <ctime>
#include <filesystem>

#include "cli/cli_common.h"
#include "core/file_open.h"
#include "core/win1250.h"
#include "reports/report_file.h"

namespace zirdan::cli {

ReportDate TodayFromClock() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return {local.tm_mday, local.tm_mon + 1, local.tm_year + 1900};
}

std::string LogbookPathText(const std::string& path) {
  std::error_code ec;
  const std::filesystem::path absolute = std::filesystem::absolute(PathFromUtf8(path), ec);
  return Utf8ToWin1250(ec ? path : Utf8FromPath(absolute.lexically_normal()));
}

int PrintOrSaveReport(const std::vector<std::string>& lines,
                      const std::optional<std::string>& outputPath) {
  if (!outputPath) {
    PrintLinesUtf8(lines);
    return kExitOk;
  }
  if (OpResult saved = SaveReportText(*outputPath, lines); !saved)
    return ReportFailure(*outputPath, saved);
  return kExitOk;
}

int RunLogbookReport(const std::string& path, const CliLanguage& language,
                     const std::optional<std::string>& outputPath,
                     const std::function<std::vector<std::string>(const ReportSource&)>& build) {
  TLogbook logbook;
  if (!LoadOrReport(path, logbook)) return kExitFileError;
  const ReportSource source{logbook,          language.Messages,
                            language.Tables,  LogbookPathText(path),
                            TodayFromClock(), LocaleDecimalSeparator()};
  return PrintOrSaveReport(build(source), outputPath);
}

}  // namespace zirdan::cli
