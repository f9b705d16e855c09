#pragma once

#include <string>
#include <vector>

#include "transfer/download_clock.h"
#include "transfer/dump_file.h"
#include "transfer/memory_image.h"
#include "simulator/memory_image_encoder.h"

// Builders of memory images for the transfer tests: dives are given by their start on
// the local clock, and the builder works out the device clock stamps.
namespace zirdan::test {

// The download used unless a test says otherwise: 20 June 2023, 18:00:00.0.
inline constexpr TDownloadTime kDownload = 202306201800000;
// The device clock when sending, in half seconds.
inline constexpr uint32_t kClock = 900000000;

// The device clock stamp of a dive that started at the given local moment.
inline uint32_t StampAt(int year, int month, int day, int hour, int minute, int second = 0,
                        TDownloadTime download = kDownload, uint32_t clock = kClock) {
  const TCivilTime now = SplitDownloadTime(download);
  const TCivilTime start{year, month, day, hour, minute, second, 0};
  return clock - static_cast<uint32_t>(2 * (SecondsFrom1600(now) - SecondsFrom1600(start)));
}

// A plain dive of 40 minutes at 18.75 m (120 units) with a short profile.
inline TDeviceDive DiveAt(int year, int month, int day, int hour, int minute) {
  TDeviceDive dive;
  dive.Stamp = StampAt(year, month, day, hour, minute);
  dive.Minutes = 40;
  dive.Depth = 120;
  dive.PressureUsed = 150;
  dive.WaterTemperature = 80;
  dive.Profile = {0x10, 0x20, 0x30};
  return dive;
}

// Content holding the given dives (oldest first) with the default clock.
inline TImageContent ContentWith(std::vector<TDeviceDive> dives, uint8_t modelCode = 0x1E) {
  TImageContent content;
  content.Device.ModelCode = modelCode;
  content.Device.Clock = kClock;
  content.Device.RingWritePosition = 700;
  content.Dives = std::move(dives);
  return content;
}

// The frame of the content; an encoding failure shows up as a frame of zeros, which no test
// takes for a valid image.
inline TMemoryImage Encode(const TImageContent& content) {
  TMemoryImage frame{};
  if (!EncodeMemoryImage(content, frame)) frame.fill(0);
  return frame;
}

// Mirrors a frame, lets `change` edit the mirrored bytes, and mends the checksum, so that
// a test can set bytes the encoder has no field for.
template <typename Change>
TMemoryImage EditMirrored(const TMemoryImage& frame, Change change) {
  TMemoryImage m = MirrorImage(frame);
  change(m);
  const uint16_t sum = ImageChecksum(m);
  m[image::kChecksum] = sum & 0xFF;
  m[image::kChecksum + 1] = sum >> 8;
  return MirrorImage(m);
}

}  // namespace zirdan::test
