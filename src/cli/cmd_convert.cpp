#include "cli/cli_common.h"
#include "core/encoding.h"
#include "core/log_file.h"

namespace zirdan::cli {
namespace {

int RunConvert(const ParsedArguments& args) {
  const auto from = args.Value("--from");
  const auto to = args.Value("--to");
  if (!from || !to) return UsageError("convert takes LOGFILE --from ENC --to ENC");
  const auto source = EncodingFromName(*from);
  const auto target = EncodingFromName(*to);
  if (!source || !target) return UsageError("ENC is kamenicky, latin2, windows1250 or ascii");
  if (!IsOfferedConversion(*source, *target))
    return UsageError("no conversion from " + *from + " to " + *to);

  const std::string& path = args.Positionals()[0];
  TLogbook logbook;
  if (!LoadOrReport(path, logbook)) return kExitFileError;
  ConvertLogbook(logbook, *source, *target);
  if (OpResult saved = SaveLogbook(path, logbook); !saved) return ReportFailure(path, saved);
  return kExitOk;
}

const bool kRegistered = RegisterCommand(
    {"convert",
     "convert the texts of a logbook between encodings",
     "Usage: zirdanlog-cli convert LOGFILE --from ENC --to ENC\n"
     "Converts the locality, site, buddy, note and other-activity texts of every dive and\n"
     "saves the logbook in place (the previous file is kept as LOGFILE.bak).\n"
     "ENC is kamenicky, latin2, windows1250 or ascii. The conversions offered:\n"
     "  kamenicky -> latin2, windows1250, ascii\n"
     "  latin2 -> kamenicky, windows1250, ascii\n"
     "  windows1250 -> kamenicky, latin2, ascii\n",
     {{ValueOption("--from"), ValueOption("--to")}, {"LOGFILE"}},
     &RunConvert});

}  // namespace
}  // namespace zirdan::cli
