#pragma once

#include <cstdio>
#include <string_view>
#include <vector>

#include "cli/argument_parser.h"

namespace zirdan::cli {

// Exit codes of every subcommand.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFileError = 1;
inline constexpr int kExitUsage = 2;

// What the exit codes mean; the tool's help and every subcommand's help end with it.
inline constexpr const char* kExitCodesHelp =
    "Exit codes: 0 success, 1 a file or device could not be used (stderr says why),\n"
    "2 a usage error.\n";

struct Command {
  const char* name;
  const char* summary;  // one line for the tool's --help
  const char* usage;    // the subcommand's --help text, without the exit codes
  ArgumentSyntax syntax;
  int (*run)(const ParsedArguments& args);  // called once the arguments fit the syntax
};

// Every subcommand registers itself from its own source file:
//   static const bool kRegistered = RegisterCommand({"json", "...", "...", {...}, &RunJson});
bool RegisterCommand(const Command& command);
// The registered subcommands, by name.
const std::vector<Command>& Commands();
const Command* FindCommand(std::string_view name);

// Prints the subcommand's usage followed by the exit codes.
void PrintUsage(const Command& command, std::FILE* out);
// Prints "zirdanlog-cli: MESSAGE" and the subcommand's usage on stderr and returns the
// usage exit code.
int CommandUsageError(const Command& command, std::string_view message);
int CommandUsageError(std::string_view commandName, std::string_view message);

}  // namespace zirdan::cli
