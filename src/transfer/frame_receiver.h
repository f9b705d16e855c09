#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>

#include "transfer/memory_image.h"

namespace zirdan {

// The sync pattern in front of every frame, as it arrives on the line.
inline constexpr std::array<uint8_t, 4> kSyncPattern = {0x55, 0x55, 0x55, 0x00};

// The moment now on the local clock, as a DownloadTime.
TDownloadTime LocalDownloadTime();

// Where the receiver takes the moment a frame was complete from; tests pass a fixed one.
using TransferClock = std::function<TDownloadTime()>;

// Collects one frame out of the bytes the serial line delivers. It hunts for the sync
// pattern, stores the 2050 bytes of the frame exactly as they arrive (sync included) and
// stamps DownloadTime when the 2050th byte is stored.
//
// The hunt keeps the dive computer's own quirk: a byte that does not continue the pattern
// resets the fill position and is dropped, not tried again as the first byte of a new
// pattern. So a run of 0x55 followed by 0x00 synchronises only when the run's length is 3
// modulo 4.
class FrameReceiver {
 public:
  explicit FrameReceiver(TransferClock clock = LocalDownloadTime);

  // Starts a new frame: fill position 0. The buffer keeps its bytes until they are overwritten.
  void Reset() { m_position = 0; }
  // Reads bytes in order and returns how many it read. It stops right after the 2050th byte
  // of a frame; once a frame is complete it reads nothing more until Reset, so trailing
  // bytes on the line cannot overwrite a complete frame.
  std::size_t Feed(std::span<const uint8_t> bytes);
  // Takes a whole frame at once (the replay of a dump).
  void LoadFrame(const TMemoryImage& image, TDownloadTime downloadTime);

  uint16_t FillPosition() const { return m_position; }  // 0..2050, what the progress bar shows
  bool Complete() const { return m_position == kFrameSize; }
  const TMemoryImage& Image() const { return m_image; }
  TMemoryImage& Image() { return m_image; }  // the decoder mirrors it in place
  TDownloadTime DownloadTime() const { return m_downloadTime; }

 private:
  // Stores or drops one byte; true when it completed the frame.
  bool Accept(uint8_t b);

  TransferClock m_clock;
  TMemoryImage m_image{};
  uint16_t m_position = 0;  // index of the next byte stored, 0..2050
  TDownloadTime m_downloadTime = 0;
};

}  // namespace zirdan
