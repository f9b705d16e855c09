#include "cli/cli_language.h"

#include "cli/cli_common.h"
#include "env/data_files.h"
#include "env/language_load.h"
#include "env/translation_file.h"

namespace zirdan::cli {

std::optional<CliLanguage> LoadLanguage(const ParsedArguments& args, std::string& error) {
  const std::optional<std::string> path = args.Value(kLanguageFileOption.Name);
  const std::optional<std::string> number = args.Value(kLanguageNumberOption.Name);

  CliLanguage language;
  if (number) {
    // The editor keeps the number as decimal text; a number without sections in the file
    // simply reads "Error" texts, as it does there.
    const std::optional<long> n = ParseNumber(*number, 1, 999);
    if (!n) {
      error = "--language needs a language number from 1 to 999, not '" + *number + "'";
      return std::nullopt;
    }
    language.Number = static_cast<int>(*n);
  }
  language.FilePath = path ? *path : FindDataFile(ExecutableDir(), "Language.ini");

  const TTranslationFile file = TTranslationFile::Load(language.FilePath);
  LoadMessageTable(file, language.Number, language.Messages);
  language.Tables = TCategoryTables::BuiltIn();
  LoadCategoryNames(file, language.Number, language.Tables);
  language.Labels = FieldLabelCaptions::Translated(file, language.Number);
  return language;
}

}  // namespace zirdan::cli
