#include "cli/cli_dive_edit.h"

#include <cstdio>

#include "cli/cli_common.h"
#include "cli/cli_lock.h"
#include "cli/cli_settings.h"
#include "core/log_file.h"

namespace zirdan::cli {

namespace {

constexpr std::string_view kMinutesOption = "--minutes";

}  // namespace

ArgumentSyntax DiveEditSyntax(std::vector<OptionSpec> ownOptions) {
  ownOptions.insert(ownOptions.end(),
                    {ValueOption(kMinutesOption), kLanguageFileOption, kLanguageNumberOption});
  return {std::move(ownOptions), {"LOGFILE", "NUMBER"}};
}

std::optional<int> OpenDiveEdit(const ParsedArguments& args, DiveEdit& edit) {
  std::string error;
  const std::optional<std::string> minutes = args.Value(kMinutesOption);
  std::optional<CliLanguage> language = LoadLanguage(args, error);
  if (!language) return UsageError(error);
  const std::vector<std::string>& positionals = args.Positionals();
  const std::optional<long> number = ParseNumber(positionals[1], 0, 65535);
  if (!number) return UsageError("the dive NUMBER must be a number from 0 to 65535");

  edit.Settings = CliSettings();
  edit.Minutes = edit.Settings.PocetMinutMeziGrafy;
  if (minutes) {
    const std::optional<long> m = ParseNumber(*minutes, 0, kMaxMinutesBetweenGraphs);
    if (!m) return UsageError("--minutes must be a number from 0 to 60");
    edit.Minutes = static_cast<int>(*m);
  } else if (edit.Minutes < 0 || edit.Minutes > kMaxMinutesBetweenGraphs) {
    edit.Minutes = kDefaultMinutesBetweenGraphs;  // a stored value out of range
  }
  edit.Language = std::move(*language);

  edit.Path = positionals[0];
  if (std::optional<int> refused = LockForWriting(edit.Path, edit.Lock)) return *refused;
  if (!LoadOrReport(edit.Path, edit.Logbook)) return kExitFileError;
  edit.Logbook.VychoziFormatGrafu = edit.Settings.DefaultProfileFormat();
  edit.Dive = edit.Logbook.FindByNumber(static_cast<uint16_t>(*number));
  if (!edit.Dive) return UsageError("the logbook has no dive " + positionals[1]);
  return std::nullopt;
}

int FinishDiveEdit(DiveEdit& edit, const JoinSplitResult& result, const std::string& done) {
  if (!result.Status) {
    // The editor refuses the command as asked: a usage error, not a file error.
    ReportFailure(edit.Path, result.Status, &edit.Language.Messages);
    return kExitUsage;
  }
  if (!result.Changed) {
    std::printf("nothing changed\n");
    return kExitOk;
  }
  SaveOptions options;
  options.KompatibilniAktivity = edit.Settings.KompatibilniAktivity;
  options.Tables = &edit.Language.Tables;
  if (OpResult saved = SaveLogbook(edit.Path, edit.Logbook, options); !saved)
    return ReportFailure(edit.Path, saved);
  std::printf("%s\n", done.c_str());
  return kExitOk;
}

}  // namespace zirdan::cli
