// Decodes arbitrary frames and merges them into a small logbook.
//
// Input: 2050 frame bytes as received, then optionally one option byte (bit 0: mend the
// sync bytes and the checksum so the frame gets past those tests; bit 1: only new dives)
// and eight bytes of DownloadTime (any value, little-endian).
//
// Seeds: the frames of `zirdanlog-cli make-dump --dives N --seed S` dumps (the last 2050
// bytes of each) followed by an option byte 0..3, for a range of N and S.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "core/logbook.h"
#include "transfer/logbook_merge.h"
#include "transfer/memory_image_decoder.h"

namespace {

using namespace zirdan;

void Check(bool condition) {
  if (!condition) std::abort();
}

// The list links, the count and the numbering agree.
void CheckLogbook(const TLogbook& logbook) {
  const std::vector<pam*> dives = logbook.Dives();
  Check(dives.size() == logbook.PocetPonoru());
  for (std::size_t i = 0; i < dives.size(); ++i) {
    Check(dives[i]->Dalsi == dives[(i + 1) % dives.size()]);
    Check(dives[(i + 1) % dives.size()]->Predchozi == dives[i]);
    Check(dives[i]->Cislo == static_cast<uint16_t>(logbook.PrvniCislo + i));
    Check(dives[i]->GrafPocet <= kGrafSize);
  }
}

TLogbook SmallLogbook() {
  TLogbook logbook;
  logbook.PrvniCislo = 7;
  ponor dive;
  for (int i = 0; i < 3; ++i) {
    dive.Datum = 154600 + 20 * i;
    dive.Cas = static_cast<uint16_t>(600 + 60 * i);
    dive.DelkaPonoru = 45;
    logbook.Append(dive);
  }
  logbook.Renumber();
  return logbook;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  if (size < kFrameSize) return 0;
  TMemoryImage frame;
  std::memcpy(frame.data(), data, kFrameSize);
  const uint8_t options = size > kFrameSize ? data[kFrameSize] : 0;
  TDownloadTime downloadTime = 202306201800000;
  if (size >= kFrameSize + 9) std::memcpy(&downloadTime, data + kFrameSize + 1, 8);

  if (options & 1) {
    TMemoryImage m = MirrorImage(frame);
    m[0] = m[1] = m[2] = image::kSyncByte;
    m[3] = 0;
    const uint16_t sum = ImageChecksum(m);
    m[image::kChecksum] = sum & 0xFF;
    m[image::kChecksum + 1] = sum >> 8;
    frame = MirrorImage(m);
  }

  const TDecodedImage decoded = DecodeMemoryImage(frame, downloadTime);
  Check(decoded.Accepted() != decoded.Dives.empty());
  Check(decoded.Dives.size() <= image::kLogEntries);
  for (const ponor& dive : decoded.Dives) {
    Check(dive.GrafPocet < image::kRingSize);
    Check(dive.Datum >= kDay1980 && dive.Datum <= 170933);
    Check(dive.Cas <= 1440);
    Check(dive.SpotrebaVzduchu >= 0 && dive.SpotrebaVzduchu < kEmptyValue);
  }

  TLogbook logbook = SmallLogbook();
  const TMergeResult merged = MergeNewDives(logbook, decoded, (options & 2) != 0);
  Check(merged.Status.Ok() == decoded.Accepted());
  Check(logbook.PocetPonoru() == 3 + merged.Added);
  Check(merged.Added + merged.Dropped == decoded.Dives.size());
  Check(logbook.Zmeneno == decoded.Accepted());
  CheckLogbook(logbook);
  return 0;
}
