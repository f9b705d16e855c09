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
    "seed S (default 1) always give the same file.\n";

int RunMakeDump(const ParsedArguments& args) {
  const std::optional<std::string> dives = args.Value("--dives");
  const std::optional<std::string> seed = args.Value("--seed");
  if (!dives) return UsageError("make-dump needs --dives N");
  const std::optional<long> count = ParseNumber(*dives, 1, kMaxSampleDives);
  if (!count) return UsageError("--dives takes a number from 1 to 65535");
  std::optional<long> seedValue = 1;
  if (seed) seedValue = ParseNumber(*seed, 0, std::numeric_limits<long>::max());
  if (!seedValue) return UsageError("--seed takes a whole number from 0 on");
  const std::string& path = args.Positionals()[0];

  TDumpFile dump;
  if (OpResult built =
          BuildSampleDump(static_cast<uint32_t>(*count), static_cast<uint64_t>(*seedValue), dump);
      !built)
    return UsageError(built.Describe());
  if (OpResult written = WriteDumpFile(path, dump); !written) return ReportFailure(path, written);
  return kExitOk;
}

const bool kRegistered =
    RegisterCommand({"make-dump",
                     "write the dump of a made-up download, for tests and samples",
                     kUsage,
                     {{ValueOption("--dives"), ValueOption("--seed")}, {"OUTFILE"}},
                     &RunMakeDump});

}  // namespace
}  // namespace zirdan::cli
