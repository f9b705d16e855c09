#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/argument_parser.h"
#include "cli/cli_language.h"
#include "core/file_lock.h"
#include "core/logbook.h"
#include "transfer/join_split.h"
#include "settings/app_settings.h"

namespace zirdan::cli {

// A join or split on one dive of a logbook file: "LOGFILE NUMBER [--minutes M]" plus the
// language options for the refusal texts.
struct DiveEdit {
  std::string Path;
  TLogbook Logbook;
  pam* Dive = nullptr;
  int Minutes = kDefaultMinutesBetweenGraphs;  // minutes between graphs, 0..60
  TAppSettings Settings;
  CliLanguage Language;
  std::unique_ptr<FileLock> Lock;  // the editor's lock of the logbook, while the edit runs
};

// What a join or split accepts: "LOGFILE NUMBER", "--minutes M", the language options and
// the subcommand's own options.
ArgumentSyntax DiveEditSyntax(std::vector<OptionSpec> ownOptions = {});

// Reads those arguments, loads the logbook and finds the dive. Returns the exit code when it
// failed (the failure is reported), nullopt when the edit can go ahead.
std::optional<int> OpenDiveEdit(const ParsedArguments& args, DiveEdit& edit);

// Finishes the edit: a refusal is reported with the message's text and key (usage exit
// code, nothing saved); a change is saved; "nothing changed" saves nothing.
int FinishDiveEdit(DiveEdit& edit, const JoinSplitResult& result, const std::string& done);

}  // namespace zirdan::cli
