// zirdanlog-cli export: the CSV export of a logbook.
#include <cstdio>
#include <string>

#include "cli/cli_common.h"
#include "cli/cli_language.h"
#include "core/csv_export.h"
#include "core/field_codec.h"
#include "core/log_file.h"

namespace zirdan::cli {
namespace {

constexpr const char* kUsage =
    "Usage: zirdanlog-cli export LOGFILE [--language-file PATH] [--language N]\n"
    "                            [--profile-format 22|24|25]\n"
    "Writes the logbook as six tab-separated tables beside it, named after it:\n"
    "LOGFILE.dive.csv, .graph.csv, .divetype.csv, .activity.csv, .error.csv and\n"
    ".buddy.csv (earlier ones are replaced), and prints their names, one a line.\n"
    "Texts are written in the logbook's own encoding (Windows-1250); column headings and\n"
    "category names come from the language (default: Language.ini beside the tool,\n"
    "language 2). Graph depths use the decimal separator of LC_NUMERIC.\n"
    "  --profile-format N  profile format of dives whose type does not name one\n"
    "                      (22 basic, 24 nitrox, 25 oxygen; default 22)\n"
    "When a table cannot be written, nothing half-written is left.\n";

int RunExport(const ParsedArguments& args) {
  std::string error;
  std::optional<CliLanguage> language = LoadLanguage(args, error);
  if (!language) return UsageError(error);
  uint16_t profileFormat = kFormatBasic;
  if (std::optional<std::string> text = args.Value("--profile-format")) {
    std::optional<long> format = ParseNumber(*text, kFormatBasic, kFormatOxygen);
    if (!format || *format == 23) return UsageError("--profile-format must be 22, 24 or 25");
    profileFormat = static_cast<uint16_t>(*format);
  }

  const std::string& path = args.Positionals()[0];
  TLogbook logbook;
  if (!LoadOrReport(path, logbook)) return kExitFileError;

  const FieldLabelCaptions& labels = language->Labels;
  const CodecContext codec{language->Tables, profileFormat, LocaleDecimalSeparator()};
  const OpResult exported =
      ExportCsv(logbook, path, codec, CsvHeadingTexts{language->Messages, labels.Label});
  if (!exported) return ReportFailure(path, exported, &language->Messages);
  for (const std::string& file : CsvFileNamesFor(path)) std::printf("%s\n", file.c_str());
  return std::ferror(stdout) ? FileError("stdout", "cannot write") : kExitOk;
}

const bool kRegistered = RegisterCommand(
    {"export",
     "write the logbook as six CSV tables beside it",
     kUsage,
     {{ValueOption("--profile-format"), kLanguageFileOption, kLanguageNumberOption}, {"LOGFILE"}},
     &RunExport});

}  // namespace
}  // namespace zirdan::cli
