// Every message key the program's code names has its text in every language of the shipped
// Language.ini. The keys are found by reading the code, so a key added anywhere is checked.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>

#include "core/win1250.h"
#include "env/language_load.h"
#include "env/translation_file.h"

namespace zirdan {
namespace {
namespace fs = std::filesystem;

// Message keys as the code writes them: "Str" and a capital ("StrChybaDat"), the file
// errors "chybaCteni" and "chybaZapisu", and the Qt translation key.
const std::regex kKeyLiteral(R"re("((?:Str|chyba)[A-Z][A-Za-z0-9]*|QtJazyk)")re");

// Each key the code names, with the first file that names it.
std::map<std::string, std::string> KeysInCode() {
  std::map<std::string, std::string> keys;
  const fs::path src = fs::path(ZIRDAN_SOURCE_DIR) / "src";
  for (const auto& entry : fs::recursive_directory_iterator(src)) {
    const std::string ext = entry.path().extension().string();
    if (ext != ".cpp" && ext != ".h") continue;
    std::ifstream in(entry.path());
    std::stringstream text;
    text << in.rdbuf();
    const std::string code = text.str();
    for (std::sregex_iterator it(code.begin(), code.end(), kKeyLiteral), end; it != end; ++it)
      keys.emplace((*it)[1].str(), fs::relative(entry.path(), ZIRDAN_SOURCE_DIR).string());
  }
  return keys;
}

// Whether `key` (or, for a prefix, `key` followed by 0 or 1) satisfies `has`.
template <typename Has>
bool KeyOrNumbered(const std::string& key, const Has& has) {
  return has(key) || has(key + "0") || has(key + "1");
}

TEST(ShippedMessageKeys, EveryKeyTheCodeNamesIsReadByTheLanguageLoad) {
  const std::vector<std::string>& read = MessageKeys();
  const auto loaded = [&](const std::string& key) {
    return std::find(read.begin(), read.end(), key) != read.end();
  };
  for (const auto& [key, where] : KeysInCode()) {
    if (key == kQtTranslationKey || KeyOrNumbered(key, loaded)) continue;
    ADD_FAILURE() << "message key " << key << " (named in " << where
                  << ") is not among the keys the language load reads (MessageKeys)";
  }
}

TEST(ShippedMessageKeys, EveryKeyTheCodeNamesIsInEveryLanguage) {
  const TTranslationFile file =
      TTranslationFile::Load(std::string(ZIRDAN_SOURCE_DIR) + "/data/Language.ini");
  const std::vector<std::string> languages = LanguageNames(file);
  ASSERT_GE(languages.size(), 2u);
  const std::map<std::string, std::string> keys = KeysInCode();
  ASSERT_GT(keys.size(), 100u);  // the reading found the code
  ASSERT_TRUE(keys.count("chybaCteni"));
  constexpr const char* kAbsent = "\x01";
  for (std::size_t i = 0; i < languages.size(); ++i) {
    const std::string section = SectionName("Strings", static_cast<int>(i + 1));
    const auto has = [&](const std::string& key) {
      return file.Read(section, key, kAbsent) != kAbsent;
    };
    for (const auto& [key, where] : keys) {
      // A name followed by a number elsewhere in the code ("StrCtyp" + 0..15) is a prefix.
      if (KeyOrNumbered(key, has)) continue;
      ADD_FAILURE() << "message key " << key << " (named in " << where << ") is missing from ["
                    << section << "] (language " << i + 1 << ", " << Win1250ToUtf8(languages[i])
                    << ") of data/Language.ini";
    }
  }
}

}  // namespace
}  // namespace zirdan
