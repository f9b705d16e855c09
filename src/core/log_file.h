#pragma once

#include <cstdint>
#include <string>

#include "core/category_tables.h"
#include "core/logbook.h"
#include "core/op_result.h"
#include "core/ponor.h"

namespace zirdan {

// The LOG file header, 12 bytes.
struct LogFileHeader {
  uint16_t Verze = kLogbookVersion;
  uint32_t CisloPristroje = 0;
  uint16_t PocetPonoru = 0;
  uint32_t RezervaHlavicky = 0;
};

// The user's text for any failed load.
inline constexpr const char* kReadErrorText = "Chyba při čtení dat";
// The user's text for any failed save.
inline constexpr const char* kWriteErrorText = "Chyba při zápisu dat";

// Sequential reader of a LOG file: the header, then dive records one after the other.
// Used by the load and by the import, which reads another file's dives without touching
// the open logbook. Reading is buffered; every read is bounds-checked and a record whose
// GrafPocet is above 2002 is a read error.
class LogFileReader {
 public:
  LogFileReader();
  ~LogFileReader();
  LogFileReader(const LogFileReader&) = delete;
  LogFileReader& operator=(const LogFileReader&) = delete;

  // Opens the file for reading only.
  OpResult Open(const std::string& path);
  bool ReadHeader(LogFileHeader& header);
  // Reads the next dive record; Znacka is set to 160.
  bool ReadDive(ponor& dive);
  // Byte offset of the next read, and a jump to such an offset.
  uint64_t Position() const;
  bool Seek(uint64_t offset);

 private:
  struct Impl;
  Impl* m_impl;
};

// Reads the whole file into `logbook`, replacing what it held. On failure the logbook is
// left exactly as it was. The file is opened for reading only.
OpResult LoadLogbook(const std::string& path, TLogbook& logbook);

struct SaveOptions {
  bool KompatibilniAktivity = false;        // write activity names 12..15 in place of Jiny
  const TCategoryTables* Tables = nullptr;  // activity names; built-in names when null
};

// Writes the logbook to `path` atomically: a temporary file in the same folder, flushed,
// then renamed over the target. The previous file is kept as `path` + ".bak". Clears
// Zmeneno on success; on failure the previous file is untouched and Zmeneno stays set.
OpResult SaveLogbook(const std::string& path, TLogbook& logbook, const SaveOptions& options = {});

}  // namespace zirdan
