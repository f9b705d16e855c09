// zirdanlog-cli uddf: a range of dives as a UDDF file for other dive logs.
#include <cstdio>
#include <string>

#include "cli/cli_common.h"
#include "cli/cli_language.h"
#include "core/field_codec.h"
#include "core/record_layout.h"
#include "interchange/uddf_export.h"

namespace zirdan::cli {
namespace {

constexpr const char* kUsage =
    "Usage: zirdanlog-cli uddf LOGFILE OUT.uddf [--from N] [--to N]\n"
    "                          [--language-file PATH] [--language N]\n"
    "Writes a range of dives as a UDDF 3.2.3 file (the Universal Dive Data Format that\n"
    "other dive logs import): every dive with its profile, gas, cylinder, site, buddies\n"
    "and notes. The range runs in list order from the dive numbered N of --from to the\n"
    "last dive whose number is not above --to, as for printing. OUT.uddf is written under\n"
    "a temporary name and replaced only when complete.\n\n"
    "  --from N            the first dive's number (default: the logbook's first dive)\n"
    "  --to N              the last dive number (default: the logbook's last dive's)\n"
    "  --language-file P   the translation file (default: Language.ini beside the tool);\n"
    "                      it names the categories and heads the dive notes\n"
    "  --language N        the language number in that file (default 2)\n";

// A dive number option; nullopt when it is not given, -1 after a usage error.
std::optional<long> DiveNumberOption(const ParsedArguments& args, std::string_view option) {
  const std::optional<std::string> text = args.Value(option);
  if (!text) return std::nullopt;
  return ParseNumber(*text, 0, kMaxDiveNumber).value_or(-1);
}

int RunUddf(const ParsedArguments& args) {
  std::string error;
  std::optional<CliLanguage> language = LoadLanguage(args, error);
  if (!language) return UsageError(error);
  const std::optional<long> from = DiveNumberOption(args, "--from");
  const std::optional<long> to = DiveNumberOption(args, "--to");
  if (from == -1 || to == -1)
    return UsageError("--from and --to must be numbers from 0 to " +
                      std::to_string(kMaxDiveNumber));

  const std::string& logPath = args.Positionals()[0];
  const std::string& outPath = args.Positionals()[1];
  TLogbook logbook;
  if (!LoadOrReport(logPath, logbook)) return kExitFileError;
  // A first number that names no dive would make the range start at the first dive.
  if (from && !logbook.FindByNumber(static_cast<uint16_t>(*from)))
    return UsageError("the logbook has no dive number " + std::to_string(*from));
  const pam* first = logbook.Prvni();
  const DiveSpan dives =
      first ? DivesInRange(logbook, static_cast<int>(from.value_or(first->Cislo)),
                           static_cast<int>(to.value_or(logbook.Posledni()->Cislo)))
            : AllDives(logbook);

  const CodecContext codec{language->Tables, logbook.VychoziFormatGrafu, LocaleDecimalSeparator()};
  const OpResult written =
      ExportUddf(dives, outPath, codec, UddfTexts{language->Messages, language->Labels.Label});
  if (!written) return ReportFailure(outPath, written, &language->Messages);
  std::printf("%s %s written to %s\n", std::to_string(dives.Count).c_str(),
              dives.Count == 1 ? "dive" : "dives", outPath.c_str());
  return std::ferror(stdout) ? FileError("stdout", "cannot write") : kExitOk;
}

const bool kRegistered = RegisterCommand(
    {"uddf",
     "write a range of dives as a UDDF file for other dive logs",
     kUsage,
     {{ValueOption("--from"), ValueOption("--to"), kLanguageFileOption, kLanguageNumberOption},
      {"LOGFILE", "OUT.uddf"}},
     &RunUddf});

}  // namespace
}  // namespace zirdan::cli
