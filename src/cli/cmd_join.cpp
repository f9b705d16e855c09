// zirdanlog-cli join: appends the next dive's profile to a dive's profile.
#include <string>

#include "cli/cli_common.h"
#include "cli/cli_dive_edit.h"

namespace zirdan::cli {
namespace {

int RunJoin(const ParsedArguments& args) {
  DiveEdit edit;
  if (std::optional<int> failed = OpenDiveEdit(args, edit)) return *failed;
  const JoinSplitResult result = JoinWithNext(edit.Logbook, *edit.Dive, edit.Minutes);
  const std::string done = "dive " + std::to_string(edit.Dive->Cislo) + " joined with the next " +
                           "dive's profile: " + std::to_string(edit.Dive->GrafPocet) +
                           " profile bytes";
  return FinishDiveEdit(edit, result, done);
}

const bool kRegistered = RegisterCommand(
    {"join", "append the next dive's profile to a dive's profile",
     "Usage: zirdanlog-cli join LOGFILE NUMBER [--minutes M] [--language N]\n"
     "                          [--language-file PATH]\n"
     "Appends the profile of the dive after dive NUMBER to dive NUMBER's profile, with M\n"
     "minutes of surface samples between them, as the editor's \"Append next graph\"\n"
     "command does, and saves the logbook. Dive NUMBER takes over the next dive's errors,\n"
     "dive types, activities and lower water temperature, and its maximum depth from the\n"
     "joined profile; the next dive stays in the logbook as it was.\n"
     "  --minutes M  minutes between the profiles, 0 to 60 (default: the editor's setting\n"
     "               PocetMinutMeziGrafy, else 5)\n"
     "A join the editor refuses (the last dive, a next dive without profile, profiles too\n"
     "long together) prints the editor's message, leaves the file unchanged and exits with 2.\n",
     DiveEditSyntax(), &RunJoin});

}  // namespace
}  // namespace zirdan::cli
