// Feeds arbitrary bytes to the LOG reader. It must fail cleanly, leaving the logbook
// empty, or load a logbook that the writer turns back into the same bytes (with the
// version and the record tags it always writes).
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/log_file.h"

namespace {

using namespace zirdan;

void Require(bool condition) {
  if (!condition) std::abort();
}

// Reads the header and every record again, noting where each record starts; then jumps
// back into the middle and checks the record read there is the same.
std::vector<uint64_t> RecordPositions(const uint8_t* data, std::size_t size,
                                      const TLogbook& logbook) {
  LogFileReader reader;
  reader.OpenMemory(data, size);
  LogFileHeader header;
  Require(reader.ReadHeader(header).Ok());
  std::vector<uint64_t> positions;
  std::vector<pam*> dives = logbook.Dives();
  ponor dive;
  for (pam* expected : dives) {
    positions.push_back(reader.Position());
    Require(reader.ReadDive(dive) && dive == *expected);
  }
  positions.push_back(reader.Position());  // the end of the last record
  const std::size_t middle = dives.size() / 2;
  Require(reader.Seek(positions[middle]) && reader.ReadDive(dive) && dive == *dives[middle]);
  return positions;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  LogFileReader reader;
  reader.OpenMemory(data, size);
  TLogbook logbook;
  const OpResult loaded = ReadLogbook(reader, logbook);
  if (!loaded) {
    Require(loaded.MessageKey() == kReadErrorKey && !loaded.Detail().empty());
    Require(!logbook.Nacteno && logbook.PocetPonoru() == 0 && logbook.Seznam.empty());
    return 0;
  }
  Require(logbook.Nacteno && logbook.PocetPonoru() > 0 &&
          logbook.Seznam.size() == logbook.PocetPonoru());

  std::string written;
  Require(static_cast<bool>(EncodeLogbook(logbook, {}, written)));
  const std::vector<uint64_t> positions = RecordPositions(data, size, logbook);

  // The input up to the end of its last record, with version 161 and tags 160, then 0.
  std::string expected(reinterpret_cast<const char*>(data), positions.back());
  expected[0] = '\xA1';
  expected[1] = '\x00';
  for (std::size_t i = 0; i + 1 < positions.size(); ++i) {
    expected[positions[i]] = '\xA0';
    expected[positions[i] + 1] = '\x00';
  }
  expected.push_back('\0');
  Require(written == expected);
  return 0;
}
