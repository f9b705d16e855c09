#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace zirdan {

// One received frame: the dive computer's 2 KB memory behind its sync bytes, exactly as
// the bytes arrived on the line.
inline constexpr std::size_t kFrameSize = 2050;
using TMemoryImage = std::array<uint8_t, kFrameSize>;

// DownloadTime: the local moment the frame was complete as the 15-digit number
// YYYYMMDDhhmmssT (T = tenths of a second). 0 when unknown.
using TDownloadTime = uint64_t;

}  // namespace zirdan
