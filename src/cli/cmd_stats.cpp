#include "cli/cli_common.h"
#include "cli/cli_language.h"
#include "cli/cli_reports.h"
#include "reports/statistics.h"

namespace zirdan::cli {
namespace {

int RunStats(const ParsedArguments& args) {
  std::string error;
  std::optional<CliLanguage> language = LoadLanguage(args, error);
  const std::optional<std::string> subtotal = args.Value("--subtotal");
  const std::optional<std::string> output = args.Value("--output");
  if (!language) return UsageError(error);
  StatisticsSettings settings;
  if (subtotal) {
    const std::optional<long> n = ParseNumber(*subtotal, 2, 50);
    if (!n) return UsageError("--subtotal needs a whole number from 2 to 50");
    settings.PocetPonoruProSoucet = static_cast<int>(*n);
  }

  return RunLogbookReport(
      args.Positionals()[0], *language, output,
      [&](const ReportSource& source) { return BuildStatisticsText(source, settings); });
}

const bool kRegistered = RegisterCommand(
    {"stats",
     "print the statistics of a logbook",
     "Usage: zirdanlog-cli stats LOGFILE [--subtotal N] [--output FILE]\n"
     "                           [--language-file PATH] [--language N]\n"
     "Prints the statistics of the logbook as the editor's statistics window shows them\n"
     "(UTF-8). With --output the same lines are saved to FILE as the window's save does:\n"
     "Windows-1250 text, each line ending in CR LF.\n\n"
     "  --subtotal N        dives per running subtotal, 2 to 50 (default 6)\n"
     "  --output FILE       write FILE instead of printing\n"
     "  --language-file P   the translation file (default: Language.ini beside the tool)\n"
     "  --language N        the language number in that file (default 2)\n",
     {{ValueOption("--subtotal"), ValueOption("--output"), kLanguageFileOption,
       kLanguageNumberOption},
      {"LOGFILE"}},
     &RunStats});

}  // namespace
}  // namespace zirdan::cli
