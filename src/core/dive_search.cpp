#include "core/dive_search.h"

#include "core/win1250.h"

namespace zirdan {

std::optional<SearchField> SearchFieldNamed(std::string_view name) {
  if (name == "lokalita") return SearchField::Lokalita;
  if (name == "misto") return SearchField::Misto;
  if (name == "partner") return SearchField::Partner;
  if (name == "poznamka") return SearchField::Poznamka;
  return std::nullopt;
}

const std::string& SearchedText(const ponor& dive, SearchField field) {
  switch (field) {
    case SearchField::Misto:
      return dive.Misto;
    case SearchField::Partner:
      return dive.Partner;
    case SearchField::Poznamka:
      return dive.Poznamka;
    case SearchField::Lokalita:
      break;
  }
  return dive.Lokalita;
}

bool ContainsText(std::string_view text, std::string_view searched) {
  return Win1250ToUpper(text).find(Win1250ToUpper(searched)) != std::string::npos;
}

std::optional<std::string> SearchTextToWin1250(std::string_view utf8) {
  // Two different replacement bytes give different results exactly when something was
  // replaced.
  std::string converted = Utf8ToWin1250(utf8, '?');
  if (converted != Utf8ToWin1250(utf8, '*')) return std::nullopt;
  return converted;
}

std::optional<SearchHit> FindDive(const TLogbook& logbook, const SearchStart& start,
                                  SearchField field, std::string_view searched) {
  const pam* first = logbook.Prvni();
  if (!first || !start.Dive) return std::nullopt;
  const pam* dive = start.Dive;
  int index = start.Index;
  if (!start.ExamineStart) {
    dive = dive->Dalsi;
    ++index;
  }
  // Stepping along Dalsi comes back to the first dive after the last one: the end.
  for (bool atStart = start.ExamineStart; atStart || dive != first; atStart = false) {
    if (ContainsText(SearchedText(*dive, field), searched)) return SearchHit{dive, index};
    dive = dive->Dalsi;
    ++index;
  }
  return std::nullopt;
}

}  // namespace zirdan
