#include "cli/cli_common.h"
#include "cli/cli_language.h"
#include "cli/cli_reports.h"
#include "reports/statistics.h"

namespace zirdan::cli {
namespace {

int RunStats(const CommandArgs& arguments) {
  CommandArgs args = arguments;
  std::string error;
  std::optional<CliLanguage> language = TakeLanguageOptions(args, error);
  const std::optional<std::string> subtotal = TakeOption(args, "--subtotal", error);
  const std::optional<std::string> output = TakeOption(args, "--output", error);
  if (!error.empty()) return UsageError(error);
  StatisticsSettings settings;
  if (subtotal) {
    const std::optional<long> n = ParseNumber(*subtotal, 2, 50);
    if (!n) return UsageError("--subtotal needs a whole number from 2 to 50");
    settings.PocetPonoruProSoucet = static_cast<int>(*n);
  }
  const auto positionals = TakePositionals(args, 1, error);
  if (!positionals) return UsageError(error);
  if (!language) return UsageError("the language could not be chosen");

  return RunLogbookReport((*positionals)[0], *language, output, [&](const ReportSource& source) {
    return BuildStatisticsText(source, settings);
  });
}

const bool kRegistered = RegisterCommand(
    {"stats", "print the statistics of a logbook",
     "Usage: zirdanlog-cli stats LOGFILE [--subtotal N] [--output FILE]\n"
     "                           [--language-file PATH] [--language N]\n"
     "Prints the statistics of the logbook as the editor's statistics window shows them\n"
     "(UTF-8). With --output the same lines are saved to FILE as the window's save does:\n"
     "Windows-1250 text, each line ending in CR LF.\n\n"
     "  --subtotal N        dives per running subtotal, 2 to 50 (default 6)\n"
     "  --output FILE       write FILE instead of printing\n"
     "  --language-file P   the translation file (default: Language.ini beside the tool)\n"
     "  --language N        the language number in that file (default 2)\n\n"
     "Exit codes: 0 success, 1 a file could not be read or written, 2 a usage error.\n",
     &RunStats});

}  // namespace
}  // namespace zirdan::cli
