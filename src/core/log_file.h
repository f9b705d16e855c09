#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/category_tables.h"
#include "core/file_messages.h"
#include "core/logbook.h"
#include "core/op_result.h"
#include "core/ponor.h"

namespace zirdan {

// The LOG file header, 12 bytes.
struct LogFileHeader {
  uint16_t Verze = kLogbookVersion;  // format version; 161 is written, any value is read
  uint32_t CisloPristroje = 0;       // low 24 bits: dive computer identification
  uint16_t PocetPonoru = 0;          // number of dive records that follow, 0..65535
  uint32_t RezervaHlavicky = 0;      // reserved, carried unchanged
};

// Sequential reader of a LOG file: the header, then dive records one after the other.
// Used by the load and by the import, which reads another file's dives without touching
// the open logbook. Reading is buffered; every read is bounds-checked and a record whose
// GrafPocet is above 2002 is a read error. The bytes can also come from memory (tests,
// fuzzing); both sources go through the same parsing.
class LogFileReader {
 public:
  LogFileReader();
  ~LogFileReader();
  LogFileReader(const LogFileReader&) = delete;
  LogFileReader& operator=(const LogFileReader&) = delete;

  // Opens the file for reading only. The failure's detail names the file and the reason.
  OpResult Open(const std::string& path);
  // Reads from `size` bytes at `data`, which the caller keeps alive while reading.
  void OpenMemory(const uint8_t* data, std::size_t size);

  // Every failure of the reader is kReadErrorKey; its details say where and why, e.g.
  // "the dive record at byte 1200: the file ends at byte 1234".
  OpResult ReadHeader(LogFileHeader& header);
  // Reads the next dive record; Znacka is set to 160 and the bytes of Graf past GrafPocet
  // are cleared. After a failure `dive` holds a partly read record.
  OpResult ReadDive(ponor& dive);
  // Byte offset of the next read, and a jump to such an offset (at most the data's size).
  uint64_t Position() const;
  OpResult Seek(uint64_t offset);

 private:
  struct Impl;
  Impl* m_impl;
};

// Every failure of a load is kReadErrorKey, of a save or an encoding kWriteErrorKey.

// Reads a whole logbook (header and every dive) from an opened reader into `logbook`,
// replacing what it held: Nacteno is set, Verze becomes 161, PrvniCislo, PosledniCislo
// and Seznam follow the dives, Zmeneno and the profile formats stay as they were. A file
// with no dives is a read error. On failure the logbook is left exactly as it was.
OpResult ReadLogbook(LogFileReader& reader, TLogbook& logbook);

// Reads the whole file into `logbook` as ReadLogbook does. The file is opened for reading
// only; a missing file fails with a detail that names it.
OpResult LoadLogbook(const std::string& path, TLogbook& logbook);

struct SaveOptions {
  bool KompatibilniAktivity = false;        // write activity names 12..15 in place of Jiny
  const TCategoryTables* Tables = nullptr;  // activity names; built-in names when null
};

// The bytes of the LOG file that SaveLogbook writes for this logbook (the logbook need
// not be open). Fails when the logbook holds no dives (the reader would refuse the file)
// and, naming the dive, when a text is longer than 255 bytes.
OpResult EncodeLogbook(const TLogbook& logbook, const SaveOptions& options, std::string& bytes);

// Writes the logbook to `path` atomically: a temporary file in the same folder, flushed,
// then renamed over the target, and the folder flushed. The previous file is kept as
// `path` + ".bak". Clears Zmeneno on success; on failure the temporary file is removed,
// Zmeneno stays set and the previous file is untouched, unless only the last flush of the
// folder failed: then the new file is in place but may not survive a power cut, which the
// message says. Fails when no logbook is open, when EncodeLogbook fails, and when the
// existing file is read-only.
OpResult SaveLogbook(const std::string& path, TLogbook& logbook, const SaveOptions& options = {});

}  // namespace zirdan
