#include <clocale>
#include <cstdio>
#include <string>

#include "cli/command_registry.h"

namespace zirdan::cli {

namespace {

std::vector<Command>& Registry() {
  static std::vector<Command> commands;
  return commands;
}

void PrintToolHelp(std::FILE* out) {
  std::fputs(
      "Usage: zirdanlog-cli COMMAND [ARGS...]\n"
      "Works on Zirdan LOG logbooks the way the editor does.\n\nCommands:\n",
      out);
  for (const Command& c : Commands()) std::fprintf(out, "  %-10s %s\n", c.name, c.summary);
  std::fputs(
      "\n'zirdanlog-cli COMMAND --help' describes one command.\n"
      "Exit codes: 0 success, 1 a file could not be read or written, 2 a usage error.\n",
      out);
}

}  // namespace

bool RegisterCommand(const Command& command) {
  Registry().push_back(command);
  return true;
}

const std::vector<Command>& Commands() {
  return Registry();
}

}  // namespace zirdan::cli

int main(int argc, char** argv) {
  using namespace zirdan::cli;
  std::setlocale(LC_ALL, "");  // the regional decimal separator comes from LC_NUMERIC
  if (argc < 2) {
    PrintToolHelp(stderr);
    return kExitUsage;
  }
  const std::string name = argv[1];
  if (name == "--help" || name == "-h" || name == "help") {
    PrintToolHelp(stdout);
    return kExitOk;
  }
  for (const Command& c : Commands()) {
    if (name != c.name) continue;
    CommandArgs args(argv + 2, argv + argc);
    for (const std::string& a : args) {
      if (a == "--help" || a == "-h") {
        std::fputs(c.usage, stdout);
        return kExitOk;
      }
    }
    return c.run(args);
  }
  std::fprintf(stderr, "zirdanlog-cli: unknown command '%s' (see --help)\n", name.c_str());
  return kExitUsage;
}
