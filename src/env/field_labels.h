#pragma once

#include <array>
#include <string>

#include "env/translation_file.h"

namespace zirdan {

// The captions of the main window's field labels Label1 .. Label20 as the window shows
// them (Windows-1250, units in brackets included). Entry 0 is unused.
struct FieldLabelCaptions {
  std::array<std::string, 21> Label;

  // The Czech captions the main window is designed with.
  static FieldLabelCaptions DesignTime();
  // The captions after the language load: the design-time ones, each replaced by the
  // value of its component name ("Label7") in the main window's section of the language
  // (FormMain followed by the number) when that section holds the key.
  static FieldLabelCaptions Translated(const TTranslationFile& file, int language);
};

}  // namespace zirdan
