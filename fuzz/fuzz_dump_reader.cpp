// Feeds arbitrary bytes to the dump reader, and to the frame receiver and the transfer
// session in chunks whose sizes the input chooses.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

#include "transfer/dump_file.h"
#include "transfer/frame_receiver.h"
#include "transfer/transfer_session.h"

using namespace zirdan;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::span<const uint8_t> input(data, size);

  TDumpFile dump;
  if (ParseDump(input, dump)) {
    // Whatever the timestamp text held, it reads as 0 or a value in the valid range.
    if (dump.DownloadTime != 0 &&
        (dump.DownloadTime < kMinDownloadTime || dump.DownloadTime > kMaxDownloadTime))
      __builtin_trap();
    if (ParseDownloadTime(DownloadTimeText(dump.DownloadTime)) != dump.DownloadTime)
      __builtin_trap();
  }

  // The first byte chooses the chunk sizes; the rest are line bytes.
  if (input.empty()) return 0;
  const std::size_t chunk = 1 + input[0] % 64;
  const std::span<const uint8_t> line = input.subspan(1);

  FrameReceiver receiver([] { return TDownloadTime{202401010000000}; });
  TransferSession session({}, "/nonexistent-folder/", [] { return TDownloadTime{0}; });
  session.Start();
  session.PortOpened(OpResult::Success());
  session.Listen();
  std::size_t offset = 0;
  while (offset < line.size()) {
    const std::span<const uint8_t> part =
        line.subspan(offset, std::min(chunk, line.size() - offset));
    const std::size_t read = receiver.Feed(part);
    if (read > part.size() || receiver.FillPosition() > kFrameSize) __builtin_trap();
    if (session.Receive(part).Read > part.size()) __builtin_trap();
    offset += part.size();
  }
  session.TimeoutElapsed();
  session.Finish();
  return 0;
}
