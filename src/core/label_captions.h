#pragma once

#include <array>
#include <string>

namespace zirdan {

// Number of the main window's field labels, Label1 .. Label19.
inline constexpr int kLabelCount = 19;

// The captions of the main window's field labels Label1 .. Label19 (Windows-1250), which the
// CSV export uses as column headings. The language load replaces a caption when the
// language's main-window section names the label.
struct TLabelCaptions {
  std::array<std::string, kLabelCount> Captions;  // Captions[n - 1] is the caption of Label<n>

  // The design-time Czech captions.
  static TLabelCaptions BuiltIn();
  // The caption of Label<number>, number 1..19; another number reads as the empty text.
  const std::string& Caption(int number) const;
  // The component name of Label<number>: "Label7".
  static std::string Key(int number);
};

}  // namespace zirdan
