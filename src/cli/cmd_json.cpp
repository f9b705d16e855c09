#include <cstdio>

#include "cli/cli_common.h"
#include "cli/dive_json.h"
#include "cli/json_writer.h"

namespace zirdan::cli {
namespace {

int RunJson(const ParsedArguments& args) {
  TLogbook logbook;
  if (!LoadOrReport(args.Positionals()[0], logbook)) return kExitFileError;

  const TCategoryTables tables = TCategoryTables::BuiltIn();
  const CodecContext context{tables, logbook.VychoziFormatGrafu, LocaleDecimalSeparator()};

  JsonWriter json;
  json.BeginObject();
  json.Key("Verze").Number(int64_t{logbook.Verze});
  json.Key("CisloPristroje").Number(int64_t{logbook.CisloPristroje});
  json.Key("PocetPonoru").Number(int64_t{logbook.PocetPonoru()});
  json.Key("RezervaHlavicky").Number(int64_t{logbook.RezervaHlavicky});
  json.Key("PrvniCislo").Number(int64_t{logbook.PrvniCislo});
  json.Key("PosledniCislo").Number(int64_t{logbook.PosledniCislo});
  json.Key("dives").BeginArray();
  logbook.ForEach([&](const pam& dive) { json.Raw(DiveJson(dive, context)); });
  json.EndArray();
  json.EndObject();

  std::fwrite(json.Text().data(), 1, json.Text().size(), stdout);
  std::fputc('\n', stdout);
  return std::ferror(stdout) ? FileError("stdout", "cannot write") : kExitOk;
}

const bool kRegistered = RegisterCommand(
    {"json",
     "print a logbook as JSON",
     "Usage: zirdanlog-cli json LOGFILE\n"
     "Prints the logbook as one UTF-8 JSON object: the header values and, under \"dives\",\n"
     "every dive in list order with its stored fields, its \"view\" (the display texts and\n"
     "the decoded profile) and its \"measures\" (consumption, fullness, average depth).\n"
     "MaxPO2 uses the decimal separator of LC_NUMERIC.\n",
     {{}, {"LOGFILE"}},
     &RunJson});

}  // namespace
}  // namespace zirdan::cli
