#include "transfer/frame_receiver.h"

#include <gtest/gtest.h>

#include <vector>

namespace zirdan {
namespace {

using Bytes = std::vector<uint8_t>;

constexpr TDownloadTime kNow = 202406151230455;

FrameReceiver MakeReceiver(int* clockCalls = nullptr) {
  return FrameReceiver([clockCalls] {
    if (clockCalls) ++*clockCalls;
    return kNow;
  });
}

Bytes Repeat(uint8_t value, std::size_t count) {
  return Bytes(count, value);
}
Bytes Concat(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const Bytes& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

// A frame of sync bytes and 2046 bytes that hold sync-like runs, so they must not resync.
Bytes Frame() {
  Bytes frame = {0x55, 0x55, 0x55, 0x00};
  for (std::size_t i = 4; i < kFrameSize; ++i)
    frame.push_back(i % 5 == 0 ? 0x00 : i % 3 == 0 ? static_cast<uint8_t>(i) : 0x55);
  return frame;
}

struct SyncCase {
  const char* name;
  Bytes bytes;
  uint16_t fillPosition;  // after all bytes
};

// The hunt drops a byte that breaks the pattern instead of trying it as a new start.
const std::vector<SyncCase> kSyncCases = {
    {"plain pattern", {0x55, 0x55, 0x55, 0x00}, 4},
    {"two 0x55 then 0x00 resets", {0x55, 0x55, 0x00}, 0},
    {"four 0x55 then 0x00", Concat({Repeat(0x55, 4), {0x00}}), 0},
    {"five 0x55 then 0x00", Concat({Repeat(0x55, 5), {0x00}}), 0},
    {"six 0x55 then 0x00", Concat({Repeat(0x55, 6), {0x00}}), 0},
    {"seven 0x55 then 0x00", Concat({Repeat(0x55, 7), {0x00}}), 4},
    {"eight 0x55 then 0x00", Concat({Repeat(0x55, 8), {0x00}}), 0},
    {"eleven 0x55 then 0x00", Concat({Repeat(0x55, 11), {0x00}}), 4},
    {"three 0x55 wait for 0x00", Repeat(0x55, 3), 3},
    {"the fourth 0x55 resets", Repeat(0x55, 4), 0},
    {"the fifth 0x55 starts again", Repeat(0x55, 5), 1},
    {"noise before the pattern", {0xAA, 0x00, 0x13, 0x55, 0x55, 0x55, 0x00}, 4},
    {"false start then pattern", {0x55, 0x55, 0x00, 0x55, 0x55, 0x55, 0x00}, 4},
    {"wrong fourth byte", {0x55, 0x55, 0x55, 0x01}, 0},
    {"0x00 first is dropped", {0x00, 0x55, 0x55, 0x55, 0x00}, 4},
    {"pattern then data", {0x55, 0x55, 0x55, 0x00, 0x12, 0x55}, 6},
    {"a data byte 0x00 or 0x55 does not resync", {0x55, 0x55, 0x55, 0x00, 0x00, 0x00, 0x55}, 7},
};

class SyncHunt : public ::testing::TestWithParam<SyncCase> {};

TEST_P(SyncHunt, FillPositionAfterTheBytes) {
  FrameReceiver receiver = MakeReceiver();
  EXPECT_EQ(receiver.Feed(GetParam().bytes), GetParam().bytes.size());
  EXPECT_EQ(receiver.FillPosition(), GetParam().fillPosition);
}

TEST_P(SyncHunt, SameResultWhateverTheNotificationsCarry) {
  const Bytes& bytes = GetParam().bytes;
  for (std::size_t cut = 0; cut <= bytes.size(); ++cut) {
    FrameReceiver receiver = MakeReceiver();
    receiver.Feed(std::span(bytes).first(cut));
    receiver.Feed(std::span(bytes).subspan(cut));
    EXPECT_EQ(receiver.FillPosition(), GetParam().fillPosition) << "cut at " << cut;
  }
  FrameReceiver oneByOne = MakeReceiver();
  for (uint8_t b : bytes) oneByOne.Feed(std::span(&b, 1));
  EXPECT_EQ(oneByOne.FillPosition(), GetParam().fillPosition);
}

INSTANTIATE_TEST_SUITE_P(Rows, SyncHunt, ::testing::ValuesIn(kSyncCases), [](const auto& info) {
  std::string name = info.param.name;
  for (char& c : name)
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  return name;
});

TEST(FrameCompletion, TheSyncAnd2046BytesCompleteAFrame) {
  int clockCalls = 0;
  FrameReceiver receiver = MakeReceiver(&clockCalls);
  const Bytes frame = Frame();
  EXPECT_EQ(receiver.Feed(std::span(frame).first(kFrameSize - 1)), kFrameSize - 1);
  EXPECT_FALSE(receiver.Complete());
  EXPECT_EQ(clockCalls, 0);
  EXPECT_EQ(receiver.Feed(std::span(frame).subspan(kFrameSize - 1)), 1u);
  EXPECT_TRUE(receiver.Complete());
  EXPECT_EQ(receiver.FillPosition(), kFrameSize);
  EXPECT_EQ(clockCalls, 1);
  EXPECT_EQ(receiver.DownloadTime(), kNow);
  EXPECT_EQ(Bytes(receiver.Image().begin(), receiver.Image().end()), frame);
}

TEST(FrameCompletion, ReadsOnlyUpToThe2050thByte) {
  FrameReceiver receiver = MakeReceiver();
  const Bytes noisy = Concat({{0x55, 0x55, 0x00}, Frame(), Repeat(0x77, 40)});
  EXPECT_EQ(receiver.Feed(noisy), 3 + kFrameSize);
  EXPECT_TRUE(receiver.Complete());
}

TEST(FrameCompletion, BytesAfterACompleteFrameLeaveItIntact) {
  int clockCalls = 0;
  FrameReceiver receiver = MakeReceiver(&clockCalls);
  const Bytes frame = Frame();
  receiver.Feed(frame);
  // A second sync pattern and data on the line: nothing is read any more.
  const Bytes more = Concat({{0x01}, {0x55, 0x55, 0x55, 0x00}, Repeat(0x99, 100)});
  EXPECT_EQ(receiver.Feed(more), 0u);
  EXPECT_TRUE(receiver.Complete());
  EXPECT_EQ(clockCalls, 1);
  EXPECT_EQ(Bytes(receiver.Image().begin(), receiver.Image().end()), frame);
}

TEST(FrameCompletion, ResetStartsANewFrameOverTheOldBytes) {
  FrameReceiver receiver = MakeReceiver();
  receiver.Feed(Frame());
  receiver.Reset();
  EXPECT_EQ(receiver.FillPosition(), 0);
  const Bytes start = {0x55, 0x55, 0x55, 0x00, 0xEE};
  receiver.Feed(start);
  EXPECT_EQ(receiver.FillPosition(), 5);
  EXPECT_EQ(receiver.Image()[4], 0xEE);
  EXPECT_EQ(receiver.Image()[5], Frame()[5]);  // the rest still holds the old frame
}

TEST(FrameCompletion, AReplayedFrameIsComplete) {
  FrameReceiver receiver = MakeReceiver();
  TMemoryImage image{};
  image[7] = 0x42;
  receiver.LoadFrame(image, 201001011200000);
  EXPECT_TRUE(receiver.Complete());
  EXPECT_EQ(receiver.Image()[7], 0x42);
  EXPECT_EQ(receiver.DownloadTime(), 201001011200000u);
}

TEST(LocalClock, GivesAFifteenDigitTimestamp) {
  const TDownloadTime now = LocalDownloadTime();
  EXPECT_GE(now, 200000000000000u);
  EXPECT_LT(now, 210000000000000u);
  EXPECT_LE(now / 10 % 100, 59u);  // seconds
}

}  // namespace
}  // namespace zirdan
