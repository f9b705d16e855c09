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

// The dive computer sends every byte with its bits in reverse order. All offsets below
// index the image after each byte has been mirrored back; multi-byte numbers are
// big-endian unless said otherwise.
namespace image {
inline constexpr std::size_t kRing = 4;  // profile ring, 1536 bytes
inline constexpr std::size_t kRingSize = 1536;
inline constexpr std::size_t kLog = 1540;  // dive log, 37 entries of 12 bytes
inline constexpr std::size_t kLogEntries = 37;
inline constexpr std::size_t kLogEntrySize = 12;
inline constexpr std::size_t kModelCode = 1984;
inline constexpr std::size_t kDeviceSettings = 2006;  // bit 0 display units, bit 1 beeper
inline constexpr std::size_t kMaxPO2 = 2007;          // low 4 bits: 1.20 + 0.05 * n bar
inline constexpr std::size_t kSensitivity = 2031;
inline constexpr std::size_t kIdentification = 2033;  // 24 bits
inline constexpr std::size_t kBattery = 2036;         // 0..255
inline constexpr std::size_t kTotalDives = 2037;      // 24 bits; the low 4 bits of the
                                                      // first byte are the battery warning
inline constexpr std::size_t kProfileDepth = 2041;    // newest dives that own ring bytes
inline constexpr std::size_t kRingWrite = 2042;       // 2 bytes, see RingWritePosition
inline constexpr std::size_t kClock = 2044;           // 32 bits, half seconds
inline constexpr std::size_t kChecksum = 2048;        // 16 bits, little-endian
inline constexpr uint8_t kSyncByte = 0xAA;            // 0x55 as received
inline constexpr uint8_t kProfileEnd = 0xFF;          // separates profiles in the ring
}  // namespace image

// The byte with its bits in reverse order (bit 0 <-> bit 7, ...).
constexpr uint8_t MirrorBits(uint8_t b) {
  b = static_cast<uint8_t>((b & 0xF0) >> 4 | (b & 0x0F) << 4);
  b = static_cast<uint8_t>((b & 0xCC) >> 2 | (b & 0x33) << 2);
  b = static_cast<uint8_t>((b & 0xAA) >> 1 | (b & 0x55) << 1);
  return b;
}

// The image with the bits of every byte mirrored; applied twice it gives the original.
TMemoryImage MirrorImage(const TMemoryImage& image);

// The 16-bit sum, carries dropped, of bytes 0..2047 of a mirrored image.
uint16_t ImageChecksum(const TMemoryImage& mirrored);

// Big-endian numbers of a mirrored image.
uint32_t ReadBigEndian24(const TMemoryImage& mirrored, std::size_t offset);
uint32_t ReadBigEndian32(const TMemoryImage& mirrored, std::size_t offset);

// The number of dives the device has logged, from bytes 2037..2039 of a mirrored image.
// The low 4 bits of byte 2037 are the battery warning, not part of the count: a low battery
// must not make a device with a handful of dives look as if it held 37.
uint32_t TotalDiveCount(const TMemoryImage& mirrored);
// The battery warning: the low 4 bits of byte 2037; 0 when the battery is fine.
uint8_t BatteryWarning(const TMemoryImage& mirrored);

// The ring write position of a mirrored image: ((byte 2043 >> 1) * 256 + byte 2042), low
// 11 bits. Values of 1536 and above point outside the ring.
uint16_t RingWritePosition(const TMemoryImage& mirrored);

}  // namespace zirdan
