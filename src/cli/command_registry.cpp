#include "cli/command_registry.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace zirdan::cli {

namespace {

// Kept sorted by name, so that the tool's help does not depend on the order in which the
// linker happens to run the source files' registrations.
std::vector<Command>& Registry() {
  static std::vector<Command> commands;
  return commands;
}

bool NameBefore(const Command& a, const Command& b) {
  return std::string_view(a.name) < std::string_view(b.name);
}

}  // namespace

bool RegisterCommand(const Command& command) {
  std::vector<Command>& commands = Registry();
  commands.insert(std::upper_bound(commands.begin(), commands.end(), command, &NameBefore),
                  command);
  return true;
}

const std::vector<Command>& Commands() {
  return Registry();
}

const Command* FindCommand(std::string_view name) {
  for (const Command& c : Commands())
    if (name == c.name) return &c;
  return nullptr;
}

void PrintUsage(const Command& command, std::FILE* out) {
  std::fputs(command.usage, out);
  std::fputc('\n', out);
  std::fputs(kExitCodesHelp, out);
}

int CommandUsageError(const Command& command, std::string_view message) {
  std::fprintf(stderr, "zirdanlog-cli: %.*s\n", static_cast<int>(message.size()), message.data());
  PrintUsage(command, stderr);
  return kExitUsage;
}

int CommandUsageError(std::string_view commandName, std::string_view message) {
  const Command* command = FindCommand(commandName);
  if (!command) throw std::logic_error("no command " + std::string(commandName));
  return CommandUsageError(*command, message);
}

}  // namespace zirdan::cli
