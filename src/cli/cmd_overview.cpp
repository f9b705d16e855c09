#include "cli/cli_common.h"
#include "cli/cli_language.h"
#include "cli/cli_reports.h"
#include "reports/overview.h"

namespace zirdan::cli {
namespace {

int RunOverview(const ParsedArguments& args) {
  std::string error;
  std::optional<CliLanguage> language = LoadLanguage(args, error);
  if (!language) return UsageError(error);

  return RunLogbookReport(args.Positionals()[0], *language, args.Value("--output"),
                          &BuildOverviewText);
}

const bool kRegistered = RegisterCommand(
    {"overview",
     "print the overview table of a logbook's dives",
     "Usage: zirdanlog-cli overview LOGFILE [--output FILE]\n"
     "                              [--language-file PATH] [--language N]\n"
     "Prints the overview of dives (one row per dive) as the editor's overview window\n"
     "shows it (UTF-8). With --output the same lines are saved to FILE as the window's save\n"
     "does: Windows-1250 text, each line ending in CR LF.\n\n"
     "  --output FILE       write FILE instead of printing\n"
     "  --language-file P   the translation file (default: Language.ini beside the tool)\n"
     "  --language N        the language number in that file (default 2)\n",
     {{ValueOption("--output"), kLanguageFileOption, kLanguageNumberOption}, {"LOGFILE"}},
     &RunOverview});

}  // namespace
}  // namespace zirdan::cli
