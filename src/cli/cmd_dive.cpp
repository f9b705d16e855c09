#include "cli/cli_common.h"
#include "cli/cli_language.h"
#include "cli/cli_reports.h"
#include "core/encoding.h"
#include "env/translation_file.h"
#include "reports/dive_text.h"
#include "reports/report_file.h"

namespace zirdan::cli {
namespace {

int RunDive(const ParsedArguments& args) {
  std::string error;
  std::optional<CliLanguage> language = LoadLanguage(args, error);
  const std::optional<std::string> output = args.Value("--output");
  const std::optional<std::string> encodingName = args.Value("--encoding");
  if (!language) return UsageError(error);
  Encoding encoding = Encoding::Kamenicky;
  if (encodingName) {
    const std::optional<Encoding> named = EncodingFromName(*encodingName);
    if (!named) return UsageError("--encoding must be kamenicky, latin2, ascii or windows1250");
    encoding = *named;
  }
  const std::vector<std::string>& positionals = args.Positionals();
  const std::optional<long> number = ParseNumber(positionals[1], 0, 65535);
  if (!number) return UsageError("NUMBER must be a dive number from 0 to 65535");

  const std::string& path = positionals[0];
  TLogbook logbook;
  if (!LoadOrReport(path, logbook)) return kExitFileError;
  const pam* dive = logbook.FindByNumber(static_cast<uint16_t>(*number));
  if (!dive) return UsageError("the logbook has no dive number " + std::to_string(*number));

  const CodecContext codec{language->Tables, logbook.VychoziFormatGrafu, LocaleDecimalSeparator()};
  const std::vector<DiveTextLine> lines =
      BuildDiveText(*dive, codec, language->Messages, language->Labels);
  if (output) {
    if (OpResult written = WriteDiveTextFile(*output, lines, encoding); !written)
      return ReportFailure(*output, written);
    return kExitOk;
  }
  std::vector<std::string> texts;
  for (const DiveTextLine& line : lines) texts.push_back(line.Text);
  PrintLinesUtf8(texts);
  return kExitOk;
}

const bool kRegistered = RegisterCommand(
    {"dive",
     "print or write the text output of one dive",
     "Usage: zirdanlog-cli dive LOGFILE NUMBER [--output FILE]\n"
     "                          [--encoding kamenicky|latin2|ascii|windows1250]\n"
     "                          [--language-file PATH] [--language N]\n"
     "Prints the text output of the dive numbered NUMBER (UTF-8): one line per field, then\n"
     "the depth every 20 seconds, the consumption rate and the fullness when the dive has a\n"
     "profile. With --output writes FILE exactly as the editor's text output does: each\n"
     "line in the chosen encoding, ending in CR LF.\n\n"
     "  --output FILE       write FILE instead of printing\n"
     "  --encoding NAME     the encoding of FILE (default kamenicky)\n"
     "  --language-file P   the translation file (default: Language.ini beside the tool)\n"
     "  --language N        the language number in that file (default 2)\n",
     {{ValueOption("--output"), ValueOption("--encoding"), kLanguageFileOption,
       kLanguageNumberOption},
      {"LOGFILE", "NUMBER"}},
     &RunDive});

}  // namespace
}  // namespace zirdan::cli
