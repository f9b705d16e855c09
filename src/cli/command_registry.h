#pragma once

#include <string>
#include <vector>

namespace zirdan::cli {

// Exit codes of every subcommand.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFileError = 1;
inline constexpr int kExitUsage = 2;

using CommandArgs = std::vector<std::string>;  // the arguments after the subcommand name

struct Command {
  const char* name;
  const char* summary;  // one line for the tool's --help
  const char* usage;    // the subcommand's --help text
  int (*run)(const CommandArgs& args);
};

// Every subcommand registers itself from its own source file:
//   static const bool kRegistered = RegisterCommand({"json", "...", "...", &RunJson});
bool RegisterCommand(const Command& command);
const std::vector<Command>& Commands();

}  // namespace zirdan::cli
