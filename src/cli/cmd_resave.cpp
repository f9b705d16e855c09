#include "cli/cli_common.h"
#include "core/log_file.h"

namespace zirdan::cli {
namespace {

int RunResave(const CommandArgs& input) {
  CommandArgs args = input;
  SaveOptions options;
  options.KompatibilniAktivity = TakeFlag(args, "--compatible-activity");
  if (args.size() != 2) return UsageError("resave takes IN and OUT");

  TLogbook logbook;
  if (!LoadOrReport(args[0], logbook)) return kExitFileError;
  const TCategoryTables tables = TCategoryTables::BuiltIn();
  options.Tables = &tables;
  if (OpResult saved = SaveLogbook(args[1], logbook, options); !saved)
    return ReportFailure(args[1], saved);
  return kExitOk;
}

const bool kRegistered = RegisterCommand(
    {"resave", "load a logbook and save it again",
     "Usage: zirdanlog-cli resave IN OUT [--compatible-activity]\n"
     "Loads IN and saves it as OUT exactly as the editor saves a logbook (the previous OUT\n"
     "is kept as OUT.bak). --compatible-activity writes the names of the activities\n"
     "\"z lodi\", \"ze člunu\", \"pracovní\" and \"záchranný\" in place of the other-activity\n"
     "text of dives that have any of them.\n",
     &RunResave});

}  // namespace
}  // namespace zirdan::cli
