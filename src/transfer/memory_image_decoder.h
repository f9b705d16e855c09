#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/ponor.h"
#include "transfer/computer_models.h"
#include "transfer/memory_image.h"

namespace zirdan {

// Why a received frame was not taken.
enum class DecodeFault {
  None,
  SyncBytes,     // the frame does not start with the sync pattern
  Checksum,      // the sum of the bytes does not match the frame's checksum
  NoDives,       // the dive computer reports no dives
  RingPosition,  // the ring write position points outside the profile ring
  ProfileRing,   // the profiles in the ring do not end at the newest dive
};

// The message key of the words that name the fault ("the checksum is wrong").
std::string DecodeFaultKey(DecodeFault fault);

// What a memory image holds.
struct TDecodedImage {
  DecodeFault Fault = DecodeFault::None;
  const TComputerModel* Model = &ComputerModels[0];  // CurrentModel: the row of the model code
  TMemoryImage Mirrored{};                           // the frame with every byte bit-mirrored
  uint32_t Identification = 0;                       // the device's identification number, 24 bits
  std::vector<ponor> Dives;  // the dives, oldest first, numbered 1..N; empty when rejected

  bool Accepted() const { return Fault == DecodeFault::None; }
};

// Decodes a frame as received (sync bytes first, bits not yet mirrored) into dives dated
// from `downloadTime` (YYYYMMDDhhmmssT, the local moment the frame was complete). Works on
// a copy: the caller's frame is not changed, so decoding it again gives the same result.
// A frame that fails any test yields no dives and its Fault says why.
TDecodedImage DecodeMemoryImage(const TMemoryImage& received, TDownloadTime downloadTime);

// One dive from the 12 bytes of a dive-log entry of a mirrored image, dated from the
// download moment and the device clock at sending. Cislo is left 0.
ponor DiveFromLogEntry(std::span<const uint8_t, image::kLogEntrySize> entry,
                       const TComputerModel& model, TDownloadTime downloadTime, uint32_t clockNow);

}  // namespace zirdan
