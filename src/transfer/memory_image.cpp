#include "transfer/memory_image.h"

namespace zirdan {

TMemoryImage MirrorImage(const TMemoryImage& image) {
  TMemoryImage mirrored;
  for (std::size_t i = 0; i < image.size(); ++i) mirrored[i] = MirrorBits(image[i]);
  return mirrored;
}

uint16_t ImageChecksum(const TMemoryImage& mirrored) {
  uint16_t sum = 0;
  for (std::size_t i = 0; i < image::kChecksum; ++i) sum = static_cast<uint16_t>(sum + mirrored[i]);
  return sum;
}

uint32_t ReadBigEndian24(const TMemoryImage& mirrored, std::size_t offset) {
  return uint32_t{mirrored.at(offset)} << 16 | uint32_t{mirrored.at(offset + 1)} << 8 |
         mirrored.at(offset + 2);
}

uint32_t ReadBigEndian32(const TMemoryImage& mirrored, std::size_t offset) {
  return ReadBigEndian24(mirrored, offset) << 8 | mirrored.at(offset + 3);
}

uint32_t TotalDiveCount(const TMemoryImage& mirrored) {
  return ReadBigEndian24(mirrored, image::kTotalDives) & 0xF0FFFFu;
}

uint8_t BatteryWarning(const TMemoryImage& mirrored) {
  return mirrored[image::kTotalDives] & 0x0F;
}

uint16_t RingWritePosition(const TMemoryImage& mirrored) {
  const unsigned high = mirrored[image::kRingWrite + 1] >> 1;
  return static_cast<uint16_t>((high * 256 + mirrored[image::kRingWrite]) & 0x7FF);
}

}  // namespace zirdan
