// zirdanlog-cli split: cuts a dive in two at a minute.
#include <string>

#include "cli/cli_common.h"
#include "cli/cli_dive_edit.h"

namespace zirdan::cli {
namespace {

int RunSplit(const ParsedArguments& args) {
  const std::optional<std::string> at = args.Value("--at");
  if (!at) return UsageError("split needs --at MINUTE");
  const std::optional<long> minute = ParseNumber(*at, 0, 65535);
  if (!minute) return UsageError("--at must be a whole number of minutes");

  DiveEdit edit;
  if (std::optional<int> failed = OpenDiveEdit(args, edit)) return *failed;
  const std::optional<int> last = LastSplitMinute(*edit.Dive);
  if (!last)
    return UsageError("dive " + std::to_string(edit.Dive->Cislo) +
                      " has no dive time long enough to split");
  if (*minute < 2 || *minute > *last)
    return UsageError("--at must be a minute from 2 to " + std::to_string(*last));

  const JoinSplitResult result =
      SplitDive(edit.Logbook, *edit.Dive, static_cast<int>(*minute), edit.Minutes);
  std::string done;
  if (result.Changed)
    done = "dive " + std::to_string(edit.Dive->Cislo) + " split: the second part is dive " +
           std::to_string(result.Dive->Cislo);
  return FinishDiveEdit(edit, result, done);
}

const bool kRegistered = RegisterCommand(
    {"split", "cut a dive in two at a minute",
     "Usage: zirdanlog-cli split LOGFILE NUMBER --at MINUTE [--minutes M] [--language N]\n"
     "                           [--language-file PATH]\n"
     "Cuts dive NUMBER in two, as the editor's \"Split dive\" command does, and saves the\n"
     "logbook. The first part keeps the first MINUTE minutes; the second part, inserted\n"
     "after it, starts MINUTE + M minutes later with a surface interval of M and keeps the\n"
     "profile from there on. The dives after it are renumbered.\n"
     "  --at MINUTE  where to cut: 2 to the dive time less one minute\n"
     "  --minutes M  the pause between the parts, 0 to 60 (default: the editor's setting\n"
     "               PocetMinutMeziGrafy, else 5)\n"
     "A split whose first part would keep the whole profile prints the editor's message,\n"
     "leaves the file unchanged and exits with 2.\n",
     DiveEditSyntax({ValueOption("--at")}), &RunSplit});

}  // namespace
}  // namespace zirdan::cli
