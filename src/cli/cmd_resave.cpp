#include "cli/cli_common.h"
#include "cli/cli_lock.h"
#include "core/log_file.h"

namespace zirdan::cli {
namespace {

int RunResave(const ParsedArguments& args) {
  SaveOptions options;
  options.KompatibilniAktivity = args.Has("--compatible-activity");
  const std::string& in = args.Positionals()[0];
  const std::string& out = args.Positionals()[1];

  // OUT may be the logbook an editor has open (resaving a logbook onto itself).
  std::unique_ptr<FileLock> lock;
  if (std::optional<int> refused = LockForWriting(out, lock)) return *refused;
  TLogbook logbook;
  if (!LoadOrReport(in, logbook)) return kExitFileError;
  const TCategoryTables tables = TCategoryTables::BuiltIn();
  options.Tables = &tables;
  if (OpResult saved = SaveLogbook(out, logbook, options); !saved) return ReportFailure(out, saved);
  return kExitOk;
}

const bool kRegistered = RegisterCommand(
    {"resave",
     "load a logbook and save it again",
     "Usage: zirdanlog-cli resave IN OUT [--compatible-activity]\n"
     "Loads IN and saves it as OUT exactly as the editor saves a logbook (the previous OUT\n"
     "is kept as OUT.bak). --compatible-activity writes the names of the activities\n"
     "\"z lodi\", \"ze člunu\", \"pracovní\" and \"záchranný\" in place of the other-activity\n"
     "text of dives that have any of them.\n",
     {{Flag("--compatible-activity")}, {"IN", "OUT"}},
     &RunResave});

}  // namespace
}  // namespace zirdan::cli
