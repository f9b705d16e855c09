#include "cli/cli_label_captions.h"

#include <algorithm>

#include "env/language_load.h"
#include "env/translation_file.h"

namespace zirdan::cli {

TLabelCaptions LabelCaptionsFor(const CliLanguage& language) {
  TLabelCaptions labels = TLabelCaptions::BuiltIn();
  const TTranslationFile file = TTranslationFile::Load(language.FilePath);
  const std::string section = SectionName("FormMain", language.Number);
  const std::vector<std::string> keys = file.Keys(section);
  for (int number = 1; number <= kLabelCount; ++number) {
    const std::string key = TLabelCaptions::Key(number);
    // As in the window translation step, a key names a component only when it matches
    // the component's name exactly, letter case included.
    if (std::find(keys.begin(), keys.end(), key) != keys.end())
      labels.Captions[number - 1] = file.Read(section, key);
  }
  return labels;
}

}  // namespace zirdan::cli
