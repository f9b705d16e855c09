#include "transfer/frame_receiver.h"

#include <chrono>
#include <ctime>
#include <utility>

#include "transfer/dump_file.h"

namespace zirdan {

TDownloadTime LocalDownloadTime() {
  using namespace std::chrono;
  const auto now = system_clock::now();
  const std::time_t seconds = system_clock::to_time_t(now);
  const auto millis = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &seconds);
#else
  localtime_r(&seconds, &local);
#endif
  return MakeDownloadTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                          local.tm_min, local.tm_sec, static_cast<int>(millis / 100));
}

FrameReceiver::FrameReceiver(TransferClock clock) : m_clock(std::move(clock)) {}

std::size_t FrameReceiver::Feed(std::span<const uint8_t> bytes) {
  std::size_t read = 0;
  while (read < bytes.size() && !Complete()) {
    if (Accept(bytes[read++])) break;
  }
  return read;
}

bool FrameReceiver::Accept(uint8_t b) {
  const std::size_t p = m_position;
  if (p >= kSyncPattern.size()) {
    m_image[p] = b;
    if (++m_position < kFrameSize) return false;
    m_downloadTime = m_clock ? m_clock() : 0;
    return true;
  }
  if (b == kSyncPattern[p]) {
    m_image[p] = b;
    ++m_position;
  } else {
    m_position = 0;
  }
  return false;
}

void FrameReceiver::LoadFrame(const TMemoryImage& image, TDownloadTime downloadTime) {
  m_image = image;
  m_position = kFrameSize;
  m_downloadTime = downloadTime;
}

}  // namespace zirdan
