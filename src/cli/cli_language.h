#pragma once

#include <optional>
#include <string>

#include "cli/argument_parser.h"
#include "core/category_tables.h"
#include "env/field_labels.h"
#include "core/message_table.h"

namespace zirdan::cli {

// The texts a report or export needs, as the language load of the editor would set them.
struct CliLanguage {
  int Number = 2;
  std::string FilePath;       // the Language.ini read
  TMessageTable Messages;     // the Strings section of the language
  TCategoryTables Tables;     // category and weekday names after the load
  FieldLabelCaptions Labels;  // the main window\'s field labels after the load
};

// The options that choose the language: "--language-file PATH" (default: Language.ini
// beside the executable) and "--language N" (default 2).
inline constexpr OptionSpec kLanguageFileOption = ValueOption("--language-file");
inline constexpr OptionSpec kLanguageNumberOption = ValueOption("--language");

// Runs the language load those options choose; the subcommand must declare both. A bad N is
// a usage error reported through `error`. A missing or unreadable file gives "Error" texts,
// as in the editor.
std::optional<CliLanguage> LoadLanguage(const ParsedArguments& args, std::string& error);

}  // namespace zirdan::cli
