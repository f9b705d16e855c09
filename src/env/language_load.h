#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/category_tables.h"
#include "core/message_table.h"
#include "env/translation_file.h"

namespace zirdan {

// The logic part of the language load: which sections and keys of the translation file
// give the message texts, the category and weekday names and the message-box captions.
// Every read passes the default text "Error", so a missing file, section or key shows
// up as "Error" in its place. The windows' own captions are translated elsewhere.

// The section of a language: the fixed name followed by the 1-based language number
// in decimal, with nothing between ("Strings" and 2 give "Strings2").
std::string SectionName(std::string_view name, int language);

// The languages on offer: the key names of section [Language] in file order; the first
// is language 1.
std::vector<std::string> LanguageNames(const TTranslationFile& file);

// The keys of the Strings section, in the order in which the language load reads them;
// the category keys (StrCvyska1, ..., StrCchyby5) and weekday keys are among them.
const std::vector<std::string>& MessageKeys();

// Replaces the whole message table by the Strings section of the language.
void LoadMessageTable(const TTranslationFile& file, int language, TMessageTable& table);

// Replaces, in place, the category names that the translation file gives (altitude 1..4,
// weather 1..6, suit 1..6, dive types 0..15, activities 0..15, errors 0, 3, 4 and 5) and
// the seven weekday names. Entry 0 of the altitude, weather and suit tables (nothing
// chosen) and the other error entries keep what they hold.
void LoadCategoryNames(const TTranslationFile& file, int language, TCategoryTables& tables);

// The captions of the message box: the four message kinds and the No, Yes and OK
// buttons. Windows-1250; the defaults are the built-in Czech texts the box shows before
// the first language load.
struct TMessageBoxTexts {
  std::string oOtazka = "Ot\xE1zka";      // question ("Otázka")
  std::string oVystraha = "V\xFDstraha";  // warning ("Výstraha")
  std::string oChyba = "Chyba";           // error
  std::string oInformace = "Informace";   // information
  std::string bNe = "&Ne";                // No button, result 7
  std::string bAno = "&Ano";              // Yes button, result 6
  std::string bOk = "&OK";                // OK button, result 1
};

// The seven keys of the message-box section (FormHlaska followed by the number), in the
// order of the fields above.
const std::vector<std::string>& MessageBoxKeys();

// Reads the message-box section of the language.
TMessageBoxTexts LoadMessageBoxTexts(const TTranslationFile& file, int language);

// The key of the Strings section that names the language's Qt translation: the code of
// Qt's own catalogues ("cs" for qtbase_cs), so that a language added to the file brings
// the translation of the standard dialogs with it.
inline constexpr const char* kQtTranslationKey = "QtJazyk";

// The Qt translation code of a language: its QtJazyk value when the file gives one, else
// "cs" for language 2 (Czech, the default) and "en" for any other.
std::string QtTranslationCode(const TTranslationFile& file, int language);

}  // namespace zirdan
