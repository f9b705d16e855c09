#include <clocale>
#include <cstdio>
#include <string>

#include "cli/command_registry.h"
#include "env/program_version.h"

namespace {

using namespace zirdan::cli;

void PrintToolHelp(std::FILE* out) {
  std::fputs(
      "Usage: zirdanlog-cli COMMAND [ARGS...]\n"
      "       zirdanlog-cli --version\n"
      "Works on Zirdan LOG logbooks the way the editor does.\n\nCommands:\n",
      out);
  for (const Command& c : Commands()) std::fprintf(out, "  %-10s %s\n", c.name, c.summary);
  std::fputs("\n'zirdanlog-cli COMMAND --help' describes one command.\n", out);
  std::fputs(kExitCodesHelp, out);
}

}  // namespace

int main(int argc, char** argv) {
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
  if (name == "--version") {
    std::fputs(zirdan::VersionLine("zirdanlog-cli").c_str(), stdout);
    return kExitOk;
  }
  const Command* command = FindCommand(name);
  if (!command) {
    std::fprintf(stderr, "zirdanlog-cli: unknown command '%s' (see --help)\n", name.c_str());
    return kExitUsage;
  }
  const CommandArgs args(argv + 2, argv + argc);
  if (AsksForHelp(args)) {
    PrintUsage(*command, stdout);
    return kExitOk;
  }
  std::string error;
  const std::optional<ParsedArguments> parsed = ParseArguments(args, command->syntax, error);
  if (!parsed) return CommandUsageError(*command, error);
  return command->run(*parsed);
}
