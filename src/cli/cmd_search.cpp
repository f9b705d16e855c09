// zirdanlog-cli search: the dives whose locality, site, buddy or note contains a text.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/cli_common.h"
#include "core/dive_search.h"

namespace zirdan::cli {
namespace {

constexpr const char* kUsage =
    "Usage: zirdanlog-cli search LOGFILE TEXT [--field lokalita|misto|partner|poznamka]\n"
    "Prints every dive whose field (default: lokalita) contains TEXT, in list order, one a\n"
    "line: the dive number, a tab and the field's text (UTF-8). Letter case does not matter\n"
    "but diacritics do, as in the editor's search: \"ová\" finds \"NOVÁKOVÁ\", not\n"
    "\"Novakova\". Prints nothing when no dive matches.\n";

int RunSearch(const ParsedArguments& args) {
  const std::string fieldName = args.Value("--field").value_or("lokalita");
  const std::optional<SearchField> field = SearchFieldNamed(fieldName);
  if (!field)
    return UsageError("--field must be lokalita, misto, partner or poznamka");
  const std::string& text = args.Positionals()[1];
  if (text.empty()) return UsageError("TEXT must not be empty");

  TLogbook logbook;
  if (!LoadOrReport(args.Positionals()[0], logbook)) return kExitFileError;
  // A character Windows-1250 cannot hold is in no stored text.
  const std::optional<std::string> searched = SearchTextToWin1250(text);
  if (!searched) return kExitOk;

  std::vector<std::string> lines;
  logbook.ForEach([&](const pam& dive) {
    const std::string& value = SearchedText(dive, *field);
    if (ContainsText(value, *searched)) lines.push_back(std::to_string(dive.Cislo) + "\t" + value);
  });
  PrintLinesUtf8(lines);
  return std::ferror(stdout) ? FileError("stdout", "cannot write") : kExitOk;
}

const bool kRegistered =
    RegisterCommand({"search", "find the dives whose locality, site, buddy or note holds a text",
                     kUsage, {{ValueOption("--field")}, {"LOGFILE", "TEXT"}}, &RunSearch});

}  // namespace
}  // namespace zirdan::cli
