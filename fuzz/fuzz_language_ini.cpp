// Feeds arbitrary bytes to the translation file reader and runs every read of the
// language load on the result: nothing in a damaged Language.ini may crash or hang it.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/category_tables.h"
#include "env/language_load.h"
#include "env/translation_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace zirdan;
  // Built once: converting the built-in names costs more than a whole parse and does not
  // depend on the input.
  static const TCategoryTables kBuiltIn = TCategoryTables::BuiltIn();
  const TTranslationFile file =
      TTranslationFile::Parse(std::string_view(reinterpret_cast<const char*>(data), size));

  for (const std::string& name : LanguageNames(file)) (void)file.Read("Language", name);
  // Languages 1 and 2 as the shipped file has them, and 3, which usually has no sections.
  for (int language = 1; language <= 3; ++language) {
    // A language whose Strings section holds no keys gives a table of "Error" texts that
    // no input can change; building it (hundreds of map insertions, each comparison
    // reported to the fuzzer) would take most of the run. Its reads are made below anyway.
    if (!file.Keys(SectionName("Strings", language)).empty()) {
      TMessageTable messages;
      LoadMessageTable(file, language, messages);
    }
    TCategoryTables tables = kBuiltIn;
    LoadCategoryNames(file, language, tables);
    (void)LoadMessageBoxTexts(file, language);
    // What the window translation step reads: the keys of a window section and each value.
    const std::string section = SectionName("FormMain", language);
    for (const std::string& key : file.Keys(section)) (void)file.Read(section, key);
  }
  return 0;
}
