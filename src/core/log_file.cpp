#include "core/log_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>
#include <vector>

#include "core/file_open.h"

namespace zirdan {
namespace {

// Bytes fetched from a file per read; large enough that the system calls do not show.
constexpr std::size_t kReadChunk = 128 * 1024;

OpResult ReadError(MessagePart cause, std::string systemText = {}) {
  return OpResult::FailureKey(kReadErrorKey).With(std::move(cause)).WithSystemText(systemText);
}

std::string Number(uint64_t value) {
  return std::to_string(value);
}

}  // namespace

// The bytes of the source are seen through a window: all of them for memory, the last
// chunk read for a file. Every read copies out of the window and refills it when empty.
struct LogFileReader::Impl {
  std::FILE* file = nullptr;
  std::vector<uint8_t> chunk;  // window storage of a file source
  const uint8_t* window = nullptr;
  std::size_t windowSize = 0;
  std::size_t windowPos = 0;
  uint64_t windowOffset = 0;  // source offset of window[0]
  uint64_t sourceSize = 0;
  // Why the last read failed, for the detail of the reader's failure.
  MessagePart cause;
  std::string systemText;

  void Close() {
    if (file) std::fclose(file);
    file = nullptr;
    window = nullptr;
    windowSize = windowPos = 0;
    windowOffset = sourceSize = 0;
    cause = {};
    systemText.clear();
  }

  // The failure of the last read, inside `where`.
  OpResult Failure(MessagePart where) const {
    return ReadError(cause, systemText).WithContext(std::move(where));
  }

  uint64_t Position() const { return windowOffset + windowPos; }

  // Moves the window on to the next bytes of the source; false at the end or on failure.
  bool Refill() {
    if (!file) {
      cause = {"StrDetKonecSouboru", {Number(Position())}};
      return false;
    }
    windowOffset += windowSize;
    windowPos = windowSize = 0;
    errno = 0;
    windowSize = std::fread(chunk.data(), 1, chunk.size(), file);
    if (windowSize > 0) return true;
    if (std::ferror(file)) {
      cause = {"StrDetCteniNaBajtu", {Number(Position())}};
      systemText = std::strerror(errno ? errno : EIO);
    } else {
      cause = {"StrDetKonecSouboru", {Number(Position())}};
    }
    return false;
  }

  // The usual case, all bytes inside the window, is kept small enough to be inlined.
  bool Read(void* target, std::size_t count) {
    if (windowSize - windowPos < count) return ReadAcrossWindows(target, count);
    std::memcpy(target, window + windowPos, count);
    windowPos += count;
    return true;
  }

  bool ReadAcrossWindows(void* target, std::size_t count) {
    auto* out = static_cast<uint8_t*>(target);
    while (count > 0) {
      if (windowPos == windowSize && !Refill()) return false;
      const std::size_t take = std::min(count, windowSize - windowPos);
      std::memcpy(out, window + windowPos, take);
      windowPos += take;
      out += take;
      count -= take;
    }
    return true;
  }

  // Little-endian values; a 32-bit value is its low 16 bits, then its high 16 bits.
  bool U8(uint8_t& value) { return Read(&value, 1); }
  bool U16(uint16_t& value) {
    uint8_t b[2];
    if (!Read(b, 2)) return false;
    value = static_cast<uint16_t>(b[0] | b[1] << 8);
    return true;
  }
  bool I16(int16_t& value) {
    uint16_t raw = 0;
    if (!U16(raw)) return false;
    value = static_cast<int16_t>(raw);
    return true;
  }
  bool U32(uint32_t& value) {
    uint16_t low = 0, high = 0;
    if (!U16(low) || !U16(high)) return false;
    value = static_cast<uint32_t>(high) << 16 | low;
    return true;
  }
  bool I32(int32_t& value) {
    uint32_t raw = 0;
    if (!U32(raw)) return false;
    value = static_cast<int32_t>(raw);
    return true;
  }
  // One length byte, then that many bytes; never more than 255.
  bool Text(std::string& text) {
    uint8_t length = 0;
    if (!U8(length)) return false;
    text.resize(length);
    return Read(text.data(), length);
  }
};

LogFileReader::LogFileReader() : m_impl(new Impl) {}

LogFileReader::~LogFileReader() {
  m_impl->Close();
  delete m_impl;
}

OpResult LogFileReader::Open(const std::string& path) {
  Impl& d = *m_impl;
  d.Close();
  errno = 0;
  d.file = OpenFile(path, "rb").release();
  if (!d.file)
    return ReadError({"StrDetNelzeOtevrit", {path}}, std::strerror(errno ? errno : ENOENT));
  // Reading goes through our own chunk; a second buffer inside the stream would only copy.
  std::setvbuf(d.file, nullptr, _IONBF, 0);
  long size = -1;
  if (std::fseek(d.file, 0, SEEK_END) == 0) size = std::ftell(d.file);
  if (size < 0 || std::fseek(d.file, 0, SEEK_SET) != 0) {
    const int code = errno ? errno : EIO;
    d.Close();
    return ReadError({"StrDetNelzeCist", {path}}, std::strerror(code));
  }
  d.sourceSize = static_cast<uint64_t>(size);
  d.chunk.resize(kReadChunk);
  d.window = d.chunk.data();
  return OpResult::Success();
}

void LogFileReader::OpenMemory(const uint8_t* data, std::size_t size) {
  Impl& d = *m_impl;
  d.Close();
  static const uint8_t kNoBytes = 0;
  d.window = data ? data : &kNoBytes;  // never copy from a null pointer, even 0 bytes
  d.windowSize = data ? size : 0;
  d.sourceSize = d.windowSize;
}

OpResult LogFileReader::ReadHeader(LogFileHeader& header) {
  Impl& d = *m_impl;
  if (d.U16(header.Verze) && d.U32(header.CisloPristroje) && d.U16(header.PocetPonoru) &&
      d.U32(header.RezervaHlavicky))
    return OpResult::Success();
  return d.Failure({"StrDetVHlavicce", {}});
}

OpResult LogFileReader::ReadDive(ponor& dive) {
  Impl& d = *m_impl;
  const uint64_t start = d.Position();
  const bool ok = d.U16(dive.Znacka) && d.I32(dive.Datum) && d.U16(dive.Cas) &&
                  d.Text(dive.Lokalita) && d.Text(dive.Misto) && d.U8(dive.NadmorskaVyska) &&
                  d.I16(dive.PovrchovyInterval) && d.U8(dive.Pocasi) &&
                  d.I16(dive.TeplotaVzduchu) && d.U8(dive.Oblek) && d.I16(dive.Lahev) &&
                  d.I16(dive.Hloubka) && d.I16(dive.DelkaPonoru) && d.I16(dive.TeplotaVody) &&
                  d.I16(dive.SpotrebaVzduchu) && d.U16(dive.TypPonoru) && d.U16(dive.TypAktivity) &&
                  d.Text(dive.Jiny) && d.Text(dive.Partner) && d.Text(dive.Poznamka) &&
                  d.U16(dive.Chyby) && d.U16(dive.Cislo) &&
                  std::all_of(dive.Rezerva.begin(), dive.Rezerva.end(),
                              [&](uint16_t& w) { return d.U16(w); }) &&
                  d.U16(dive.GrafPocet);
  if (!ok) return d.Failure({"StrDetVZaznamu", {Number(start)}});
  // The count comes from the file: it must not lead past the end of Graf.
  if (dive.GrafPocet > kGrafSize)
    return ReadError(
        {"StrDetDlouhyProfilNa", {Number(start), Number(dive.GrafPocet), Number(kGrafSize)}});
  if (!d.Read(dive.Graf.data(), dive.GrafPocet))
    return d.Failure({"StrDetVProfilu", {Number(start)}});
  std::fill(dive.Graf.begin() + dive.GrafPocet, dive.Graf.end(), uint8_t{0});
  dive.Znacka = kRecordTag;
  return OpResult::Success();
}

uint64_t LogFileReader::Position() const {
  return m_impl->Position();
}

OpResult LogFileReader::Seek(uint64_t offset) {
  Impl& d = *m_impl;
  if (offset > d.sourceSize)
    return ReadError({"StrDetZaKoncem", {Number(offset), Number(d.sourceSize)}});
  if (offset >= d.windowOffset && offset <= d.windowOffset + d.windowSize) {
    d.windowPos = static_cast<std::size_t>(offset - d.windowOffset);
    return OpResult::Success();
  }
  // Only a file source has bytes outside its window.
  errno = 0;
  if (std::fseek(d.file, static_cast<long>(offset), SEEK_SET) != 0)
    return ReadError({"StrDetPosun", {Number(offset)}}, std::strerror(errno ? errno : EIO));
  d.windowOffset = offset;
  d.windowSize = d.windowPos = 0;
  return OpResult::Success();
}

OpResult ReadLogbook(LogFileReader& reader, TLogbook& logbook) {
  LogFileHeader header;
  if (OpResult read = reader.ReadHeader(header); !read) return read;
  // This program never writes an empty logbook, and the editor needs a dive to show.
  if (header.PocetPonoru == 0) return ReadError({"StrDetZadnyPonor", {}});

  // Everything is read into a logbook of its own, so a failure leaves `logbook` alone.
  TLogbook loaded;
  ponor scratch;
  for (uint32_t i = 0; i < header.PocetPonoru; ++i) {
    if (OpResult read = reader.ReadDive(scratch); !read)
      return read.WithContext("StrDetPonorZ", {Number(i + 1), Number(header.PocetPonoru)});
    loaded.Append(scratch);  // never full: PocetPonoru is at most 65535
  }
  loaded.Verze = kLogbookVersion;
  loaded.CisloPristroje = header.CisloPristroje;
  loaded.RezervaHlavicky = header.RezervaHlavicky;
  loaded.PrvniCislo = loaded.Prvni()->Cislo;
  loaded.PosledniCislo = loaded.Posledni()->Cislo;
  loaded.RebuildSeznam();
  loaded.Nacteno = true;
  // Not part of the file: the unsaved-changes flag and the formats from the settings.
  loaded.Zmeneno = logbook.Zmeneno;
  loaded.VychoziFormatGrafu = logbook.VychoziFormatGrafu;
  loaded.FormatGrafu = logbook.FormatGrafu;
  logbook = std::move(loaded);
  return OpResult::Success();
}

OpResult LoadLogbook(const std::string& path, TLogbook& logbook) {
  LogFileReader reader;
  if (OpResult opened = reader.Open(path); !opened) return opened;
  return ReadLogbook(reader, logbook);
}

}  // namespace zirdan
