#include <string>
#include <vector>

#include "cli/cli_common.h"
#include "cli/cli_download.h"
#include "cli/cli_language.h"
#include "cli/dive_json.h"
#include "cli/json_writer.h"
#include "core/win1250.h"
#include "env/language_load.h"
#include "env/translation_file.h"
#include "transfer/decode_and_merge.h"
#include "transfer/dump_file.h"
#include "transfer/transfer_info.h"

namespace zirdan::cli {
namespace {

constexpr const char* kUsage =
    "Usage: zirdanlog-cli decode DUMPFILE [--info] [--merge-into LOGFILE [--all]]\n"
    "                            [--language-file PATH] [--language N]\n"
    "Decodes a received frame saved as a dump file (15 timestamp digits and the 2050\n"
    "frame bytes) the way the editor decodes a download, and prints its dives as a JSON\n"
    "array, oldest first.\n\n"
    "  --info               print a JSON object instead: the model, the rows of the\n"
    "                       transfer information window and the dives\n"
    "  --merge-into LOGFILE merge the dives into the logbook and save it; a missing file\n"
    "                       is created as a new logbook. Only dives later than the\n"
    "                       logbook's last dive are added; the dives printed are those\n"
    "                       added, with their numbers in the logbook\n"
    "  --all                with --merge-into: add every dive of the image\n"
    "  --language-file PATH, --language N  the translation file (default: Language.ini\n"
    "                       beside the tool) and language number (default 2) of the\n"
    "                       category names and information texts\n"
    "When the editor would reject the image, the tool exits with 1 (stderr says why).\n";

// The texts the information rows choose from, read as the editor's language load reads
// them: the hidden labels of the information window and StrPrazdna.
TTransferInfoTexts InfoTexts(const CliLanguage& language) {
  const TTranslationFile file = TTranslationFile::Load(language.FilePath);
  const std::string section = SectionName("FormInfo", language.Number);
  TTransferInfoTexts texts;
  texts.UnitsBitSet = file.Read(section, "Label10");
  texts.UnitsBitClear = file.Read(section, "Label11");
  texts.BeeperBitSet = file.Read(section, "Label12");
  texts.BeeperBitClear = file.Read(section, "Label13");
  texts.BatteryLow = language.Messages.Text("StrPrazdna");
  return texts;
}

// The model and the information rows, followed by the dives, as one JSON object.
std::string InfoJson(const TDecodedImage& image, const CliLanguage& language, char separator,
                     const std::string& divesJson) {
  const TTransferInfo info =
      BuildTransferInfo(image.Mirrored, *image.Model, InfoTexts(language), separator);
  JsonWriter json;
  auto text = [&](const char* key, const std::optional<std::string>& value) {
    json.Key(key);
    if (value)
      json.String(Win1250ToUtf8(*value));
    else
      json.Raw("null");  // the row is hidden, or the code has no text
  };
  json.BeginObject();
  text("model", info.Typ);
  json.Key("modelCode").Number(int64_t{image.Model->Code});
  text("maxPO2", info.MaxPO2);
  text("sensitivity", info.CitlivostShown ? info.Citlivost : std::nullopt);
  text("serialNumber", info.SerioveCislo);
  text("battery", info.Baterie);
  text("diveCount", info.PocetPonoru);
  text("units", info.Jednotky);
  text("beeper", info.Pipani);
  json.Key("dives").Raw(divesJson);
  json.EndObject();
  return json.Text();
}

int RunDecode(const ParsedArguments& args) {
  std::string error;
  const bool info = args.Has("--info");
  const bool all = args.Has("--all");
  const std::optional<std::string> logPath = args.Value("--merge-into");
  std::optional<CliLanguage> language = LoadLanguage(args, error);
  if (!language) return UsageError(error);
  if (all && !logPath) return UsageError("--all needs --merge-into");
  const std::string& dumpPath = args.Positionals()[0];

  TDumpFile dump;
  if (OpResult read = ReadDumpFile(dumpPath, dump); !read)
    return ReportFailure(dumpPath, read, &language->Messages);

  TMergedDownload merged;
  if (std::optional<int> failed =
          MergeDownload(dump, dumpPath, logPath, all, merged, language->Messages))
    return *failed;
  const char separator = LocaleDecimalSeparator();
  const CodecContext context{language->Tables, kFormatBasic, separator};
  std::string out = DivesJsonArray(merged.Added, context);
  if (info) out = InfoJson(merged.Download.Image, *language, separator, out);
  PrintJson(out);
  return kExitOk;
}

const bool kRegistered =
    RegisterCommand({"decode",
                     "decode a dump of a received frame; print or merge its dives",
                     kUsage,
                     {{Flag("--info"), Flag("--all"), ValueOption("--merge-into"),
                       kLanguageFileOption, kLanguageNumberOption},
                      {"DUMPFILE"}},
                     &RunDecode});

}  // namespace
}  // namespace zirdan::cli
