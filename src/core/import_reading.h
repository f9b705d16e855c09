#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/logbook.h"
#include "core/op_result.h"
#include "core/ponor.h"

namespace zirdan {

// The message when the dives to import would not fit into the logbook or its numbering.
inline constexpr const char* kImportTooManyKey = "StrChImportMisto";

// One dive of another LOG file as the import's selection list shows it.
struct ImportEntry {
  std::string Text;       // the list text, Windows-1250
  uint64_t Position = 0;  // byte offset of the dive's record in its file
  uint16_t Cislo = 0;     // the dive's number in its file, checked again when it is read
};

// The list text of one dive: its number followed by "•" when it has a profile (a space
// otherwise), right-aligned in six characters; then a space, the date text with its weekday
// name, a space, the start time (empty when not filled in), a space, Lokalita, a space, Misto.
std::string ImportEntryText(const ponor& dive, const std::array<std::string, 7>& weekdays);

// Fills `entries` with one entry per dive of the LOG file at `path`, in file order. The file
// is opened for reading only. On a read error `entries` is left empty.
OpResult ListDives(const std::string& path, const std::array<std::string, 7>& weekdays,
                   std::vector<ImportEntry>& entries);

// Orders the entries as the selection list shows them: by their text, byte by byte. As the
// numbers are right-aligned this is number order; equal texts keep their file order.
void SortImportEntries(std::vector<ImportEntry>& entries);

// Reads the dives of the picked entries, in the given order, from the file they were listed
// from. All or nothing: on any failure `dives` is left empty. A dive whose number differs from
// the one listed (the file changed in between) is a read error.
OpResult ReadDives(const std::string& path, const std::vector<ImportEntry>& picked,
                   std::vector<ponor>& dives);

// Inserts copies of the dives one after another right after `current` (at the end when it is
// null), renumbers the whole logbook from PrvniCislo and sets Zmeneno. Refused, with the
// logbook untouched, when the dives would not fit or their numbers would pass 65535. On
// success `firstInserted` is the first new dive, the one the dive list selects next.
OpResult InsertDives(TLogbook& logbook, pam* current, const std::vector<ponor>& dives,
                     pam** firstInserted = nullptr);

}  // namespace zirdan
