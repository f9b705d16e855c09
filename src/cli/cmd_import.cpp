// zirdanlog-cli import: copies dives of another LOG file into a logbook.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/cli_common.h"
#include "cli/cli_language.h"
#include "cli/cli_lock.h"
#include "core/import_reading.h"
#include "core/log_file.h"
#include "core/win1250.h"

namespace zirdan::cli {
namespace {

constexpr const char* kUsage =
    "Usage: zirdanlog-cli import LOGFILE FROMFILE --after NUMBER --dives N[,N...]\n"
    "                            [--compatible-activity]\n"
    "       zirdanlog-cli import --list FROMFILE [--language-file PATH] [--language N]\n"
    "The first form copies dives of FROMFILE into LOGFILE, right after its dive NUMBER,\n"
    "renumbers the logbook and saves it. N are positions (1-based) in the list of FROMFILE's\n"
    "dives that --list prints; the dives are inserted in list order whatever order N are\n"
    "given in, and the new numbers of the copied dives are printed, one a line. FROMFILE is\n"
    "only read. Either every picked dive is copied or, when FROMFILE cannot be read, none.\n"
    "LOGFILE is saved as the editor saves it (the previous file is kept as LOGFILE.bak);\n"
    "--compatible-activity writes the names of activities 12 to 15 in place of the\n"
    "other-activity text, as the editor's compatible activity format does.\n"
    "The second form prints that list (UTF-8): the dive number with \"•\" when the dive has a\n"
    "profile, right-aligned in six characters, the date and weekday, the time, the locality\n"
    "and the site. Weekday names come from the language (default: Language.ini beside the\n"
    "tool, language 2).\n"
    "When a file cannot be read or written, LOGFILE is left unchanged.\n";

// Parses "N[,N...]" of 1-based list positions into a sorted set.
std::optional<std::vector<long>> ParsePositions(const std::string& text) {
  std::vector<long> positions;
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = text.find(',', start);
    const std::string_view part = std::string_view(text).substr(
        start, comma == std::string::npos ? std::string::npos : comma - start);
    std::optional<long> n = ParseNumber(part, 1, kMaxDives);
    if (!n) return std::nullopt;
    positions.push_back(*n);
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  std::sort(positions.begin(), positions.end());
  positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
  return positions;
}

// The other file's dives as the selection list shows them; reports a failure.
bool ListOrReport(const std::string& path, const CliLanguage& language,
                  std::vector<ImportEntry>& entries) {
  OpResult listed = ListDives(path, language.Tables.DnyTydne, entries);
  if (!listed) {
    ReportFailure(path, listed);
    return false;
  }
  SortImportEntries(entries);
  return true;
}

int RunList(const std::string& fromPath, const CliLanguage& language) {
  std::vector<ImportEntry> entries;
  if (!ListOrReport(fromPath, language, entries)) return kExitFileError;
  std::vector<std::string> lines;
  lines.reserve(entries.size());
  for (ImportEntry& entry : entries) lines.push_back(std::move(entry.Text));
  PrintLinesUtf8(lines);
  return std::ferror(stdout) ? FileError("stdout", "cannot write") : kExitOk;
}

int RunInsert(const std::string& logPath, const std::string& fromPath, long after,
              const std::vector<long>& positions, const CliLanguage& language,
              bool compatibleActivity) {
  std::unique_ptr<FileLock> lock;
  if (std::optional<int> refused = LockForWriting(logPath, lock)) return *refused;
  TLogbook logbook;
  if (!LoadOrReport(logPath, logbook)) return kExitFileError;
  pam* current = logbook.FindByNumber(static_cast<uint16_t>(after));
  if (!current) return UsageError(logPath + " has no dive " + std::to_string(after));

  std::vector<ImportEntry> entries;
  if (!ListOrReport(fromPath, language, entries)) return kExitFileError;
  std::vector<ImportEntry> picked;
  for (long position : positions) {
    if (static_cast<std::size_t>(position) > entries.size())
      return UsageError(fromPath + " lists only " + std::to_string(entries.size()) + " dives");
    picked.push_back(entries[static_cast<std::size_t>(position) - 1]);
  }

  std::vector<ponor> dives;
  if (OpResult read = ReadDives(fromPath, picked, dives); !read)
    return ReportFailure(fromPath, read);
  pam* first = nullptr;
  if (OpResult inserted = InsertDives(logbook, current, dives, &first); !inserted)
    return ReportFailure(logPath, inserted);
  const SaveOptions options{compatibleActivity, &language.Tables};
  if (OpResult saved = SaveLogbook(logPath, logbook, options); !saved)
    return ReportFailure(logPath, saved);

  pam* dive = first;
  for (std::size_t i = 0; i < dives.size(); ++i, dive = dive->Dalsi)
    std::printf("%u\n", static_cast<unsigned>(dive->Cislo));
  return kExitOk;
}

int RunImport(const ParsedArguments& args) {
  std::string error;
  std::optional<CliLanguage> language = LoadLanguage(args, error);
  if (!language) return UsageError(error);
  const bool list = args.Has("--list");
  const bool compatibleActivity = args.Has("--compatible-activity");
  std::optional<std::string> afterText = args.Value("--after");
  std::optional<std::string> divesText = args.Value("--dives");
  const std::vector<std::string>& files = args.Positionals();

  // The two forms take different files, so their count is checked here.
  if (list) {
    if (afterText || divesText || compatibleActivity)
      return UsageError("--list takes no --after, --dives or --compatible-activity");
    if (files.size() != 1) return CommandUsageError("import", "--list needs exactly one FROMFILE");
    return RunList(files[0], *language);
  }
  if (files.size() != 2) return CommandUsageError("import", "import needs LOGFILE and FROMFILE");
  if (!afterText || !divesText) return UsageError("import needs --after and --dives");
  std::optional<long> after = ParseNumber(*afterText, 0, 65535);
  if (!after) return UsageError("--after needs a dive number");
  std::optional<std::vector<long>> positions = ParsePositions(*divesText);
  if (!positions) return UsageError("--dives needs list positions such as 2,5");
  return RunInsert(files[0], files[1], *after, *positions, *language, compatibleActivity);
}

const bool kRegistered =
    RegisterCommand({"import",
                     "copy dives of another LOG file into a logbook",
                     kUsage,
                     {{Flag("--list"), Flag("--compatible-activity"), ValueOption("--after"),
                       ValueOption("--dives"), kLanguageFileOption, kLanguageNumberOption},
                      {"LOGFILE", "FROMFILE"},
                      2},
                     &RunImport});

}  // namespace
}  // namespace zirdan::cli
