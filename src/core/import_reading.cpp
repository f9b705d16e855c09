#include "core/import_reading.h"

#include <algorithm>

#include "core/field_codec.h"
#include "core/log_file.h"

namespace zirdan {
namespace {

// Width of the right-aligned number-and-mark part of a list text.
constexpr std::size_t kNumberWidth = 6;

}  // namespace

std::string ImportEntryText(const ponor& dive, const std::array<std::string, 7>& weekdays) {
  std::string number = std::to_string(dive.Cislo);
  number += dive.GrafPocet != 0 ? '\x95' : ' ';  // "•" in Windows-1250
  std::string text;
  if (number.size() < kNumberWidth) text.assign(kNumberWidth - number.size(), ' ');
  text += number;
  text += ' ';
  text += DateToText(dive.Datum, weekdays);
  text += ' ';
  text += MinutesToText(dive.Cas);
  text += ' ';
  text += dive.Lokalita;
  text += ' ';
  text += dive.Misto;
  return text;
}

OpResult ListDives(const std::string& path, const std::array<std::string, 7>& weekdays,
                   std::vector<ImportEntry>& entries) {
  entries.clear();
  LogFileReader reader;
  if (OpResult opened = reader.Open(path); !opened) return opened;
  LogFileHeader header;
  if (OpResult read = reader.ReadHeader(header); !read) return read;
  std::vector<ImportEntry> listed;
  listed.reserve(header.PocetPonoru);
  ponor dive;
  for (uint32_t i = 0; i < header.PocetPonoru; ++i) {
    const uint64_t position = reader.Position();
    if (OpResult read = reader.ReadDive(dive); !read)
      return read.WithContext("StrDetPonorZ",
                              {std::to_string(i + 1), std::to_string(header.PocetPonoru)});
    listed.push_back({ImportEntryText(dive, weekdays), position, dive.Cislo});
  }
  entries = std::move(listed);
  return OpResult::Success();
}

void SortImportEntries(std::vector<ImportEntry>& entries) {
  std::stable_sort(entries.begin(), entries.end(),
                   [](const ImportEntry& a, const ImportEntry& b) { return a.Text < b.Text; });
}

OpResult ReadDives(const std::string& path, const std::vector<ImportEntry>& picked,
                   std::vector<ponor>& dives) {
  dives.clear();
  LogFileReader reader;
  if (OpResult opened = reader.Open(path); !opened) return opened;
  LogFileHeader header;
  if (OpResult headerRead = reader.ReadHeader(header); !headerRead) return headerRead;
  std::vector<ponor> read(picked.size());
  for (std::size_t i = 0; i < picked.size(); ++i) {
    const ImportEntry& entry = picked[i];
    OpResult found = reader.Seek(entry.Position);
    if (found) found = reader.ReadDive(read[i]);
    if (!found) return found.WithContext("StrDetPonor", {std::to_string(entry.Cislo)});
    if (read[i].Cislo != entry.Cislo)
      return OpResult::FailureKey(kReadErrorKey)
          .With("StrDetPonorPresunut", {std::to_string(entry.Cislo)});
  }
  dives = std::move(read);
  return OpResult::Success();
}

OpResult InsertDives(TLogbook& logbook, pam* current, const std::vector<ponor>& dives,
                     pam** firstInserted) {
  if (firstInserted) *firstInserted = nullptr;
  if (dives.empty()) return OpResult::Success();
  const uint64_t count = uint64_t{logbook.PocetPonoru()} + dives.size();
  // Renumbering gives PrvniCislo .. PrvniCislo + count - 1; a number past 65535 would wrap
  // and repeat an existing number.
  if (count > kMaxDives || logbook.PrvniCislo + count - 1 > kMaxDiveNumber)
    return OpResult::FailureKey(kImportTooManyKey)
        .With("StrDetCislovani",
              {std::to_string(logbook.PocetPonoru()), std::to_string(logbook.PrvniCislo),
               std::to_string(dives.size())});

  pam* after = current;
  pam* first = nullptr;
  for (const ponor& dive : dives) {
    after = logbook.InsertAfter(after, dive);  // cannot fail: the room was checked above
    if (!first) first = after;
  }
  logbook.Renumber();
  logbook.Zmeneno = true;
  if (firstInserted) *firstInserted = first;
  return OpResult::Success();
}

}  // namespace zirdan
