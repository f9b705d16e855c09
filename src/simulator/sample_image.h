#pragma once

#include <cstdint>
#include <vector>

#include "core/op_result.h"
#include "core/record_layout.h"
#include "transfer/dump_file.h"
#include "simulator/memory_image_encoder.h"

namespace zirdan {

// The largest dive count a sample image may claim.
inline constexpr uint32_t kMaxSampleDives = kMaxDives;

// The content of a plausible dive computer: `diveCount` dives logged in all (the newest 37
// of them in its log), dived on holiday days one to three a day, with depth profiles
// carrying warning marks where the dive recorded a warning, and a profile ring that wraps
// round its end. The same seed always gives the same content; `downloadTime` receives the
// moment the download would have been complete.
TImageContent SampleImageContent(uint32_t diveCount, uint64_t seed, TDownloadTime& downloadTime);

// The dump of such a download: the frame as it arrives on the line and its DownloadTime.
OpResult BuildSampleDump(uint32_t diveCount, uint64_t seed, TDumpFile& dump);

// A raw profile as the device writes it: a header of `format` bytes (22 basic, 24 nitrox,
// 25 oxygen; gas bytes from `ean` and `maxPO2`), then three 20-second samples a minute,
// each group followed by filler. Depths count 10/64 m; `marks` holds one byte of six mark
// bits per sample (missing entries: no marks). No byte is 0xFF.
std::vector<uint8_t> BuildProfile(int format, const std::vector<uint16_t>& depths,
                                  const std::vector<uint8_t>& marks, uint8_t ean = 0,
                                  uint8_t maxPO2 = 0);

}  // namespace zirdan
