#include "cli/cli_common.h"

#include <charconv>
#include <clocale>
#include <cstdio>

#include "core/log_file.h"
#include "core/win1250.h"

namespace zirdan::cli {

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
  if (failure.MessageKey().empty()) {
    line += failure.Text();
  } else if (messages) {
    line += Win1250ToUtf8(messages->Text(failure.MessageKey()));
    line += " (" + failure.MessageKey() + ")";
  } else {
    line += failure.MessageKey();
  }
  if (!failure.Detail().empty()) line += ": " + failure.Detail();
  line += '\n';
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
