#include "core/label_captions.h"

#include "core/win1250.h"

namespace zirdan {

TLabelCaptions TLabelCaptions::BuiltIn() {
  static constexpr std::array<const char*, kLabelCount> kCzech = {
      "Datum",               // Label1
      "Čas",                 // Label2
      "Lokalita",            // Label3
      "Místo",               // Label4
      "Nadmořská výška",     // Label5
      "Povrchový interval",  // Label6
      "Počasí",              // Label7
      "Teplota vz. [°C]",    // Label8
      "Typ obleku",          // Label9
      "Objem lahve [l]",     // Label10
      "Max. hloubka [m]",    // Label11
      "Délka ponoru",        // Label12
      "Teplota vody [°C]",   // Label13
      "Spotřeba vz. [bar]",  // Label14
      "Typ ponoru",          // Label15
      "Typ aktivity",        // Label16
      "Partner",             // Label17
      "Chyby při ponoru",    // Label18
      "Poznámka",            // Label19
  };
  TLabelCaptions labels;
  for (int i = 0; i < kLabelCount; ++i) labels.Captions[i] = Utf8ToWin1250(kCzech[i]);
  return labels;
}

const std::string& TLabelCaptions::Caption(int number) const {
  static const std::string kNone;
  return number >= 1 && number <= kLabelCount ? Captions[number - 1] : kNone;
}

std::string TLabelCaptions::Key(int number) {
  return "Label" + std::to_string(number);
}

}  // namespace zirdan
