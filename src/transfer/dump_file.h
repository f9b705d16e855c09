#pragma once

#include <string>
#include <string_view>

#include "core/op_result.h"
#include "transfer/memory_image.h"

namespace zirdan {

// A dump file: the 15 ASCII digits of DownloadTime, then the 2050 frame bytes as received;
// 2065 bytes in all.
inline constexpr std::size_t kDumpFileSize = 15 + kFrameSize;

struct TDumpFile {
  TDownloadTime DownloadTime = 0;
  TMemoryImage Image{};
};

// The 15-character text of a DownloadTime; "000000000000000" outside the valid range.
std::string DownloadTimeText(TDownloadTime time);
// A DownloadTime from its text; 0 when it is not a number in the valid range.
TDownloadTime ParseDownloadTime(std::string_view text);

OpResult ReadDumpFile(const std::string& path, TDumpFile& dump);
OpResult WriteDumpFile(const std::string& path, const TDumpFile& dump);

}  // namespace zirdan
