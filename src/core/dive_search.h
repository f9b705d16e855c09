#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/logbook.h"

namespace zirdan {

// The text fields a diver can search in.
enum class SearchField { Lokalita, Misto, Partner, Poznamka };

// The field's name as the tool spells it ("lokalita", ...); nullopt for any other word.
std::optional<SearchField> SearchFieldNamed(std::string_view name);
// The searched field of a dive (Windows-1250).
const std::string& SearchedText(const ponor& dive, SearchField field);

// Whether `text` contains `searched`, both Windows-1250, letter case aside: both go through
// the code page's upper-case mapping, so "ová" finds "NOVÁKOVÁ" but not "Novakova".
// An empty `searched` is contained in every text.
bool ContainsText(std::string_view text, std::string_view searched);

// A search text typed as UTF-8, in Windows-1250; nullopt when it holds a character the code
// page cannot hold (no stored text can contain it, and replacing it by "?" would find the
// question marks instead).
std::optional<std::string> SearchTextToWin1250(std::string_view utf8);

// Where a search starts: at a dive, which is examined itself only when `examineStart` is set
// (a search from the first dive examines that dive too; search next starts after it).
struct SearchStart {
  const pam* Dive = nullptr;
  int Index = 0;  // the dive's position in list order, 0 for the first dive
  bool ExamineStart = false;
};

// A dive that matched, and its position in list order.
struct SearchHit {
  const pam* Dive = nullptr;
  int Index = -1;
};

// Looks along the list from the start for the first dive whose field contains the text. The
// search never wraps round past the last dive; nullopt when no dive matched.
std::optional<SearchHit> FindDive(const TLogbook& logbook, const SearchStart& start,
                                  SearchField field, std::string_view searched);

}  // namespace zirdan
