#include <limits>
#include <string>

#include "cli/cli_common.h"
#include "transfer/dump_file.h"
#include "simulator/sample_image.h"

namespace zirdan::cli {
namespace {

constexpr const char* kUsage =
    "Usage: zirdanlog-cli make-dump --dives N [--seed S] OUTFILE\n"
    "Writes the dump file (15 timestamp digits and the 2050 frame bytes as they arrive\n"
    "on the line) of a made-up download from a dive computer that has logged N dives\n"
    "(1..65535; the newest 37 are in its log): holiday dives with dates, depths, profiles\n"
    "with warning marks, and a profile ring that wraps round its end. The same N and\n"
    "seed S (default 1) always give the same file.\n\n"
    "Exit codes: 0 success, 1 the file could not be written, 2 a usage error.\n";

int RunMakeDump(const CommandArgs& arguments) {
  CommandArgs args = arguments;
  std::string error;
  const std::optional<std::string> dives = TakeOption(args, "--dives", error);
  const std::optional<std::string> seed = TakeOption(args, "--seed", error);
  if (!error.empty()) return UsageError(error);
  if (!dives) return UsageError("make-dump needs --dives N");
  const std::optional<long> count = ParseNumber(*dives, 1, kMaxSampleDives);
  if (!count) return UsageError("--dives takes a number from 1 to 65535");
  std::optional<long> seedValue = 1;
  if (seed) seedValue = ParseNumber(*seed, 0, std::numeric_limits<long>::max());
  if (!seedValue) return UsageError("--seed takes a whole number from 0 on");
  if (args.size() != 1 || args[0].starts_with("--"))
    return UsageError(args.empty() ? "make-dump needs an OUTFILE"
                                   : "unexpected '" + args.back() + "'");

  TDumpFile dump;
  if (OpResult built =
          BuildSampleDump(static_cast<uint32_t>(*count), static_cast<uint64_t>(*seedValue), dump);
      !built)
    return ReportFailure({}, built);
  if (OpResult written = WriteDumpFile(args[0], dump); !written)
    return ReportFailure(args[0], written);
  return kExitOk;
}

const bool kRegistered =
    RegisterCommand({"make-dump", "write the dump of a made-up download, for tests and samples",
                     kUsage, &RunMakeDump});

}  // namespace
}  // namespace zirdan::cli
