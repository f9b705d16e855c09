#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "cli/command_registry.h"
#include "core/category_tables.h"
#include "core/logbook.h"
#include "core/message_table.h"
#include "core/op_result.h"

namespace zirdan::cli {

// Parses a whole decimal number within [min, max].
std::optional<long> ParseNumber(std::string_view text, long min, long max);

// Prints "zirdanlog-cli: MESSAGE" on stderr and returns the usage exit code.
int UsageError(std::string_view message);
// Prints "zirdanlog-cli: PATH: MESSAGE" on stderr and returns the file-error exit code.
int FileError(std::string_view path, std::string_view message);
// The one report of a failed operation: "zirdanlog-cli: SUBJECT: TEXT" on stderr, one line,
// and the file-error exit code. SUBJECT is what the command was working on (left out when
// empty); TEXT is the failure in words as the editor shows it, UTF-8, from `messages`, or
// without them from the language the editor's settings choose.
int ReportFailure(std::string_view subject, const OpResult& failure,
                  const TMessageTable* messages = nullptr);

// Loads a logbook; on failure reports it on stderr and returns false.
bool LoadOrReport(const std::string& path, TLogbook& logbook);

// The regional decimal separator of LC_NUMERIC ("." under LC_ALL=C).
char LocaleDecimalSeparator();
// The folder of the running executable, with a trailing separator.
std::string ExecutableDir();

// Prints Windows-1250 text lines as UTF-8 on stdout, one per line.
void PrintLinesUtf8(const std::vector<std::string>& lines);

}  // namespace zirdan::cli
