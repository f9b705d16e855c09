// Lists the dives of an arbitrary file as the import's selection list does, then reads the
// listed dives back and inserts them into a small logbook. A damaged file must give an
// empty list and a read error; a listed file must give back every listed dive, and the
// logbook must stay whole.
#include <unistd.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/import_reading.h"
#include "core/log_file.h"

namespace {

using namespace zirdan;

void Require(bool condition) {
  if (!condition) std::abort();
}

const std::array<std::string, 7> kWeekdays = {"Po", "Út", "St", "Čt", "Pá", "So", "Ne"};

// The listing reads files, so the input goes to one file of this process, in memory
// where the system offers a folder for it.
const std::string& InputPath() {
  static const std::string path = (::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") +
                                  std::string("/zirdan-fuzz-import-") +
                                  std::to_string(::getpid()) + ".LOG";
  return path;
}

bool WriteInput(const uint8_t* data, std::size_t size) {
  std::FILE* file = std::fopen(InputPath().c_str(), "wb");
  if (!file) return false;
  const bool written = std::fwrite(data, 1, size, file) == size;
  return std::fclose(file) == 0 && written;
}

void CheckLogbook(const TLogbook& logbook, uint32_t expectedCount) {
  Require(logbook.PocetPonoru() == expectedCount);
  uint16_t number = logbook.PrvniCislo;
  logbook.ForEach([&](const pam& dive) {
    Require(dive.Dalsi->Predchozi == &dive && dive.Cislo == number++);
  });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  if (!WriteInput(data, size)) return 0;
  std::vector<ImportEntry> entries;
  const OpResult listed = ListDives(InputPath(), kWeekdays, entries);
  if (!listed) {
    Require(entries.empty() && listed.MessageKey() == kReadErrorKey);
    return 0;
  }
  SortImportEntries(entries);
  for (std::size_t i = 1; i < entries.size(); ++i) Require(!(entries[i].Text < entries[i - 1].Text));

  // Every dive, and every other one, read back by the position it was listed at.
  std::vector<ImportEntry> everyOther;
  for (std::size_t i = 0; i < entries.size(); i += 2) everyOther.push_back(entries[i]);
  for (const std::vector<ImportEntry>* picked : {&entries, &everyOther}) {
    std::vector<ponor> dives;
    Require(static_cast<bool>(ReadDives(InputPath(), *picked, dives)));
    Require(dives.size() == picked->size());
    for (std::size_t i = 0; i < dives.size(); ++i) Require(dives[i].Cislo == (*picked)[i].Cislo);

    TLogbook logbook;
    logbook.Nacteno = true;
    logbook.PrvniCislo = 1;
    pam* current = logbook.Append(ponor{});
    logbook.Append(ponor{});
    logbook.Renumber();
    pam* first = nullptr;
    if (InsertDives(logbook, current, dives, &first)) {
      CheckLogbook(logbook, 2 + static_cast<uint32_t>(dives.size()));
      Require(dives.empty() || first == current->Dalsi);
    } else {
      CheckLogbook(logbook, 2);
    }
  }
  return 0;
}
