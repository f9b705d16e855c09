#include "env/field_labels.h"

#include "core/win1250.h"
#include "env/language_load.h"

namespace zirdan {

FieldLabelCaptions FieldLabelCaptions::DesignTime() {
  static constexpr std::array<const char*, 21> kUtf8 = {"",
                                                        "Datum",
                                                        "Čas",
                                                        "Lokalita",
                                                        "Místo",
                                                        "Nadmořská výška",
                                                        "Povrchový interval",
                                                        "Počasí",
                                                        "Teplota vz. [°C]",
                                                        "Typ obleku",
                                                        "Objem lahve [l]",
                                                        "Max. hloubka [m]",
                                                        "Délka ponoru",
                                                        "Teplota vody [°C]",
                                                        "Spotřeba vz. [bar]",
                                                        "Typ ponoru",
                                                        "Typ aktivity",
                                                        "Partner",
                                                        "Chyby při ponoru",
                                                        "Poznámka",
                                                        "Jiná"};
  FieldLabelCaptions captions;
  for (std::size_t i = 0; i < kUtf8.size(); ++i) captions.Label[i] = Utf8ToWin1250(kUtf8[i]);
  return captions;
}

FieldLabelCaptions FieldLabelCaptions::Translated(const TTranslationFile& file, int language) {
  FieldLabelCaptions captions = DesignTime();
  const std::string section = SectionName("FormMain", language);
  // A component takes the key that equals its name exactly; keys of other letter case
  // name no component.
  for (const std::string& key : file.Keys(section)) {
    for (std::size_t i = 1; i < captions.Label.size(); ++i)
      if (key == "Label" + std::to_string(i)) captions.Label[i] = file.Read(section, key);
  }
  return captions;
}

}  // namespace zirdan
