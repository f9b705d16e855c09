#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/op_result.h"
#include "transfer/memory_image.h"

namespace zirdan {

// A dump file: the 15 ASCII digits of DownloadTime, then the 2050 frame bytes as received;
// 2065 bytes in all.
inline constexpr std::size_t kDownloadTimeDigits = 15;
inline constexpr std::size_t kDumpFileSize = kDownloadTimeDigits + kFrameSize;

// The range of DownloadTime values that are written as themselves.
inline constexpr TDownloadTime kMinDownloadTime = 160000000000000;
inline constexpr TDownloadTime kMaxDownloadTime = 219912312359599;

// The file names the developer switches use, relative to the current folder.
inline constexpr const char* kDebugDumpName = "zirdebug.bin";
// "zirdan_data_" + the 15 timestamp digits + ".bin".
std::string BlockSaveName(TDownloadTime time);

struct TDumpFile {
  TDownloadTime DownloadTime = 0;
  TMemoryImage Image{};
};

// The DownloadTime of a local moment (tenth = milliseconds / 100).
TDownloadTime MakeDownloadTime(int year, int month, int day, int hour, int minute, int second,
                               int tenth);
// The 15-character text of a DownloadTime; "000000000000000" outside the valid range.
std::string DownloadTimeText(TDownloadTime time);
// A DownloadTime from its text; 0 when it is not a number in the valid range.
TDownloadTime ParseDownloadTime(std::string_view text);

// Reads a dump from the bytes of a file; fails when there are fewer than 2065. Bytes past
// the 2065th are not part of the dump and are ignored.
OpResult ParseDump(std::span<const uint8_t> bytes, TDumpFile& dump);
// The 2065 bytes of a dump.
std::string DumpBytes(const TDumpFile& dump);

// Reads a dump file; on failure `dump` is left as it was. Failures name the file.
OpResult ReadDumpFile(const std::string& path, TDumpFile& dump);
// Creates or overwrites a dump file. Failures name the file.
OpResult WriteDumpFile(const std::string& path, const TDumpFile& dump);

}  // namespace zirdan
