#include "cli/cli_common.h"
#include "cli/cli_language.h"
#include "cli/cli_reports.h"
#include "reports/overview.h"

namespace zirdan::cli {
namespace {

int RunOverview(const CommandArgs& arguments) {
  CommandArgs args = arguments;
  std::string error;
  std::optional<CliLanguage> language = TakeLanguageOptions(args, error);
  const std::optional<std::string> output = TakeOption(args, "--output", error);
  if (!error.empty()) return UsageError(error);
  const auto positionals = TakePositionals(args, 1, error);
  if (!positionals) return UsageError(error);
  if (!language) return UsageError("the language could not be chosen");

  return RunLogbookReport((*positionals)[0], *language, output, &BuildOverviewText);
}

const bool kRegistered = RegisterCommand(
    {"overview", "print the overview table of a logbook's dives",
     "Usage: zirdanlog-cli overview LOGFILE [--output FILE]\n"
     "                              [--language-file PATH] [--language N]\n"
     "Prints the overview of dives (one row per dive) as the editor's overview window\n"
     "shows it (UTF-8). With --output the same lines are saved to FILE as the window's save\n"
     "does: Windows-1250 text, each line ending in CR LF.\n\n"
     "  --output FILE       write FILE instead of printing\n"
     "  --language-file P   the translation file (default: Language.ini beside the tool)\n"
     "  --language N        the language number in that file (default 2)\n\n"
     "Exit codes: 0 success, 1 a file could not be read or written, 2 a usage error.\n",
     &RunOverview});

}  // namespace
}  // namespace zirdan::cli
