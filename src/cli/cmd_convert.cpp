#include "cli/cli_common.h"
#include "core/encoding.h"
#include "core/log_file.h"

namespace zirdan::cli {
namespace {

int RunConvert(const CommandArgs& input) {
  CommandArgs args = input;
  std::string error;
  const auto from = TakeOption(args, "--from", error);
  const auto to = TakeOption(args, "--to", error);
  if (!error.empty()) return UsageError(error);
  if (args.size() != 1 || !from || !to)
    return UsageError("convert takes LOGFILE --from ENC --to ENC");
  const auto source = EncodingFromName(*from);
  const auto target = EncodingFromName(*to);
  if (!source || !target) return UsageError("ENC is kamenicky, latin2, windows1250 or ascii");
  if (!IsOfferedConversion(*source, *target))
    return UsageError("no conversion from " + *from + " to " + *to);

  TLogbook logbook;
  if (!LoadOrReport(args[0], logbook)) return kExitFileError;
  ConvertLogbook(logbook, *source, *target);
  if (OpResult saved = SaveLogbook(args[0], logbook); !saved) return ReportFailure(args[0], saved);
  return kExitOk;
}

const bool kRegistered = RegisterCommand(
    {"convert", "convert the texts of a logbook between encodings",
     "Usage: zirdanlog-cli convert LOGFILE --from ENC --to ENC\n"
     "Converts the locality, site, buddy, note and other-activity texts of every dive and\n"
     "saves the logbook in place (the previous file is kept as LOGFILE.bak).\n"
     "ENC is kamenicky, latin2, windows1250 or ascii. The conversions offered:\n"
     "  kamenicky -> latin2, windows1250, ascii\n"
     "  latin2 -> kamenicky, windows1250, ascii\n"
     "  windows1250 -> kamenicky, latin2, ascii\n",
     &RunConvert});

}  // namespace
}  // namespace zirdan::cli
