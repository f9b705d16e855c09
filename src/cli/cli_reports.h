#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli_language.h"
#include "cli/command_registry.h"
#include "reports/report_source.h"
#include "reports/report_text.h"

namespace zirdan::cli {

// Today's date from the system clock, in local time.
ReportDate TodayFromClock();

// The logbook path as the report titles show it: absolute, in Windows-1250.
std::string LogbookPathText(const std::string& path);

// Prints the report lines as UTF-8 on stdout or, with an output path, saves them as the
// report windows do (Windows-1250, CR LF). Returns the exit code.
int PrintOrSaveReport(const std::vector<std::string>& lines,
                      const std::optional<std::string>& outputPath);

// Loads the logbook at `path`, builds a report of it with the language's texts, today's
// date and the regional decimal separator, and prints or saves it. Returns the exit code.
int RunLogbookReport(const std::string& path, const CliLanguage& language,
                     const std::optional<std::string>& outputPath,
                     const std::function<std::vector<std::string>(const ReportSource&)>& build);

}  // namespace zirdan::cli
