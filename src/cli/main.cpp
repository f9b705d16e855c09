#include <algorithm>
#include <array>
#include <clocale>
#include <cstdio>
#include <string>
#include <string_view>

#include "cli/command_registry.h"
#include "cli/tool_entry.h"
#include "env/program_version.h"

namespace zirdan::cli {

namespace {

// The subcommands of the tool's Qt part (src/cli/qt_*.cpp), which a tool built without Qt
// lacks: it names them as such rather than as unknown commands.
constexpr std::array<std::string_view, 4> kQtPartCommands = {"ports", "print", "receive",
                                                             "simulate"};

bool IsMissingQtPartCommand(std::string_view name) {
  return std::find(kQtPartCommands.begin(), kQtPartCommands.end(), name) != kQtPartCommands.end() &&
         !FindCommand(name);
}

void PrintToolHelp(std::FILE* out) {
  std::fputs(
      "Usage: zirdanlog-cli COMMAND [ARGS...]\n"
      "       zirdanlog-cli --version\n"
      "Works on Zirdan LOG logbooks the way the editor does.\n\nCommands:\n",
      out);
  for (const Command& c : Commands()) std::fprintf(out, "  %-10s %s\n", c.name, c.summary);
  if (IsMissingQtPartCommand(kQtPartCommands[0]))
    std::fputs(
        "\nThis tool is built without Qt: ports, print, receive and simulate are in the full\n"
        "build only, and the editor's stored settings are not read (a fresh editor's are\n"
        "used).\n",
        out);
  std::fputs("\n'zirdanlog-cli COMMAND --help' describes one command.\n", out);
  std::fputs(kExitCodesHelp, out);
}

}  // namespace

int RunTool(const std::vector<std::string>& words) {
  std::setlocale(LC_ALL, "");  // the regional decimal separator comes from LC_NUMERIC
  if (words.empty()) {
    PrintToolHelp(stderr);
    return kExitUsage;
  }
  const std::string& name = words[0];
  if (name == "--help" || name == "-h" || name == "help") {
    PrintToolHelp(stdout);
    return kExitOk;
  }
  if (name == "--version") {
    std::fputs(zirdan::VersionLine("zirdanlog-cli").c_str(), stdout);
    return kExitOk;
  }
  if (IsMissingQtPartCommand(name)) {
    std::fprintf(stderr,
                 "zirdanlog-cli: '%s' needs the full build of the tool, with Qt; this one is "
                 "built without it\n",
                 name.c_str());
    return kExitUsage;
  }
  const Command* command = FindCommand(name);
  if (!command) {
    std::fprintf(stderr, "zirdanlog-cli: unknown command '%s' (see --help)\n", name.c_str());
    return kExitUsage;
  }
  const CommandArgs args(words.begin() + 1, words.end());
  if (AsksForHelp(args)) {
    PrintUsage(*command, stdout);
    return kExitOk;
  }
  std::string error;
  const std::optional<ParsedArguments> parsed = ParseArguments(args, command->syntax, error);
  if (!parsed) return CommandUsageError(*command, error);
  return command->run(*parsed);
}

}  // namespace zirdan::cli
