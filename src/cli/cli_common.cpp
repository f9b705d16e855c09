#include "cli/cli_common.h"

#include <charconv>
#include <clocale>
#include <cstdio>

#include "cli/cli_settings.h"
#include "core/log_file.h"
#include "core/win1250.h"
#include "env/data_files.h"
#include "env/failure_text.h"
#include "env/language_load.h"
#include "env/translation_file.h"

namespace zirdan::cli {

namespace {

// The messages of a command that chooses no language: those of the editor's language.
const TMessageTable& ToolMessages() {
  static const TMessageTable messages = [] {
    const int chosen = CliSettings().LanguageNumber();
    TMessageTable table;
    LoadMessageTable(TTranslationFile::Load(FindDataFile(ExecutableDir(), "Language.ini")),
                     chosen > 0 ? chosen : TAppSettings().LanguageNumber(), table);
    return table;
  }();
  return messages;
}

}  // namespace

std::optional<long> ParseNumber(std::string_view text, long min, long max) {
  long value = 0;
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec != std::errc() || ptr != end || value < min || value > max)
    return std::nullopt;
  return value;
}

int UsageError(std::string_view message) {
  std::fprintf(stderr, "zirdanlog-cli: %.*s (see --help)\n", static_cast<int>(message.size()),
               message.data());
  return kExitUsage;
}

int FileError(std::string_view path, std::string_view message) {
  std::fprintf(stderr, "zirdanlog-cli: %.*s: %.*s\n", static_cast<int>(path.size()), path.data(),
               static_cast<int>(message.size()), message.data());
  return kExitFileError;
}

int ReportFailure(std::string_view subject, const OpResult& failure,
                  const TMessageTable* messages) {
  std::string line = "zirdanlog-cli: ";
  if (!subject.empty()) line.append(subject).append(": ");
  std::string text = FailureText(failure, messages ? *messages : ToolMessages());
  for (char& c : text)
    if (c == '\n') c = ' ';
  line += text + '\n';
  std::fputs(line.c_str(), stderr);
  return kExitFileError;
}

bool LoadOrReport(const std::string& path, TLogbook& logbook) {
  const OpResult loaded = LoadLogbook(path, logbook);
  if (!loaded) ReportFailure(path, loaded);
  return loaded.Ok();
}

char LocaleDecimalSeparator() {
  const std::lconv* conv = std::localeconv();
  return conv && conv->decimal_point && conv->decimal_point[0] ? conv->decimal_point[0] : '.';
}

void PrintLinesUtf8(const std::vector<std::string>& lines) {
  for (const std::string& line : lines) {
    const std::string utf8 = Win1250ToUtf8(line);
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
    std::fputc('\n', stdout);
  }
}

}  // namespace zirdan::cli
