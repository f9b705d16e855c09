#include "transfer/transfer_session.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "support/cli_runner.h"
#include "support/op_result_print.h"
#include "transfer/dump_file.h"

namespace zirdan {
namespace {

using test::ReadFileBytes;
using test::ScratchFolder;
using test::WriteFileBytes;
using Bytes = std::vector<uint8_t>;
using S = TransferStep;

constexpr TDownloadTime kNow = 202406151230455;

Bytes Frame(uint8_t fill = 0x3C) {
  Bytes frame = {0x55, 0x55, 0x55, 0x00};
  frame.resize(kFrameSize, fill);
  return frame;
}

std::vector<S> Steps(const TransferActions& actions) {
  std::vector<S> steps;
  for (const TransferAction& a : actions) steps.push_back(a.Step);
  return steps;
}

std::string Folder(const ScratchFolder& folder) {
  return folder.Path().string() + "/";
}

TransferSession Listening(DeveloperSwitches switches = {}, std::string folder = {}) {
  TransferSession session(switches, std::move(folder), [] { return kNow; });
  session.Start();
  session.PortOpened(OpResult::Success());
  session.Listen();
  return session;
}

const std::vector<S> kClosing = {S::StopTimeout, S::StopClose, S::ShowClosing, S::ClosePort};

TEST(TransferFlow, AFrameIsReceivedDecodedAndMerged) {
  TransferSession session({}, {}, [] { return kNow; });
  EXPECT_EQ(Steps(session.Start()), std::vector<S>{S::OpenPort});
  EXPECT_EQ(Steps(session.PortOpened(OpResult::Success())), std::vector<S>{S::ShowReady});
  EXPECT_EQ(Steps(session.Listen()), std::vector<S>{S::StartTimeout});
  const Bytes frame = Frame();
  const ReceiveResult received = session.Receive(frame);
  EXPECT_EQ(received.Read, kFrameSize);
  EXPECT_EQ(Steps(received.Actions), std::vector<S>{S::StartClose});
  EXPECT_EQ(Steps(session.CloseDelayElapsed()), (std::vector<S>{S::StopClose, S::CloseWindow}));
  std::vector<S> finish = kClosing;
  finish.push_back(S::Decode);
  EXPECT_EQ(Steps(session.Finish()), finish);
  EXPECT_EQ(session.Receiver().DownloadTime(), kNow);
  EXPECT_EQ(Bytes(session.Receiver().Image().begin(), session.Receiver().Image().end()), frame);
}

TEST(TransferFlow, WhatFollowsTheDecoder) {
  TransferSession session({});
  EXPECT_EQ(Steps(session.Decoded(0, true)), std::vector<S>{S::ShowInvalid});
  EXPECT_EQ(Steps(session.Decoded(3, false)), std::vector<S>{S::Merge});
  EXPECT_EQ(Steps(session.Decoded(3, true)), (std::vector<S>{S::ShowInfo, S::Merge}));
}

TEST(TransferFlow, BytesWhileTheReadyMessageIsUpAreDropped) {
  TransferSession session({}, {}, [] { return kNow; });
  session.Start();
  session.PortOpened(OpResult::Success());
  const Bytes partial = {0x55, 0x55, 0x55, 0x00, 1, 2, 3};
  EXPECT_EQ(session.Receive(partial).Read, partial.size());
  session.Listen();
  EXPECT_EQ(session.Receiver().FillPosition(), 0);
  const Bytes frame = Frame();
  EXPECT_EQ(Steps(session.Receive(frame).Actions), std::vector<S>{S::StartClose});
}

TEST(TransferFlow, ANotificationLongerThanTheFrameLeavesTheRestUnread) {
  TransferSession session = Listening();
  Bytes bytes = Frame();
  bytes.insert(bytes.end(), 30, 0x55);
  EXPECT_EQ(session.Receive(bytes).Read, kFrameSize);
  EXPECT_EQ(session.Receive(bytes).Read, 0u);  // complete: later notifications read nothing
}

TEST(TransferTimeout, ClosesWithoutDecodingAnIncompleteFrame) {
  TransferSession session = Listening();
  const Bytes frame = Frame();
  const Bytes part(frame.begin(), frame.begin() + 1000);
  EXPECT_TRUE(session.Receive(part).Actions.empty());
  EXPECT_EQ(Steps(session.TimeoutElapsed()),
            (std::vector<S>{S::ShowTimedOut, S::StopTimeout, S::CloseWindow}));
  std::vector<S> finish = kClosing;
  finish.push_back(S::ShowInvalid);
  EXPECT_EQ(Steps(session.Finish()), finish);
}

TEST(TransferTimeout, ATimeOutAfterCompletionLeavesTheCloseToTheCloseTimer) {
  TransferSession session = Listening();
  session.Receive(Frame());
  EXPECT_EQ(Steps(session.TimeoutElapsed()), std::vector<S>{S::StopTimeout});
  EXPECT_EQ(Steps(session.CloseDelayElapsed()), (std::vector<S>{S::StopClose, S::CloseWindow}));
}

TEST(TransferTimeout, TimersMeanNothingBeforeListeningOrAfterClosing) {
  TransferSession session({});
  EXPECT_TRUE(session.TimeoutElapsed().empty());
  EXPECT_TRUE(session.CloseDelayElapsed().empty());
  TransferSession closed = Listening();
  closed.Finish();
  EXPECT_TRUE(closed.TimeoutElapsed().empty());
  EXPECT_TRUE(closed.Finish().empty());
}

TEST(TransferCancel, KonecBeforeAnythingArrivedShowsClosingThenInvalid) {
  TransferSession session = Listening();
  std::vector<S> finish = kClosing;
  finish.push_back(S::ShowInvalid);
  EXPECT_EQ(Steps(session.Finish()), finish);
}

TEST(TransferCancel, APortThatCannotBeOpenedIsReportedAndNothingIsDecoded) {
  TransferSession session({});
  session.Start();
  const OpResult busy = OpResult::Failure("cannot open /dev/ttyUSB0", "busy");
  const TransferActions failed = session.PortOpened(busy);
  ASSERT_EQ(failed.size(), 1u);
  EXPECT_EQ(failed[0], (TransferAction{S::ShowError, busy}));
  EXPECT_TRUE(session.Listen().empty());  // no time-out is started
  EXPECT_EQ(session.Receive(Frame()).Actions.size(), 0u);
  std::vector<S> finish = kClosing;
  finish.push_back(S::ShowInvalid);
  EXPECT_EQ(Steps(session.Finish()), finish);
}

TEST(TransferCancel, AStaleBufferOfAnEarlierTransferIsNeverDecoded) {
  TransferSession session = Listening();
  session.Receive(Frame());
  session.Finish();
  // The next transfer with the same buffer gets only part of a frame.
  EXPECT_EQ(Steps(session.Start()), std::vector<S>{S::OpenPort});
  session.PortOpened(OpResult::Success());
  session.Listen();
  const Bytes next = Frame(0x11);
  const Bytes part(next.begin(), next.begin() + 2000);
  session.Receive(part);
  std::vector<S> finish = kClosing;
  finish.push_back(S::ShowInvalid);
  EXPECT_EQ(Steps(session.Finish()), finish);
}

TEST(DeveloperDumps, DebugAndBlockSaveWriteTwoIdenticalFiles) {
  ScratchFolder folder;
  TransferSession session = Listening({.DebugDump = true, .BlockSave = true}, Folder(folder));
  const Bytes frame = Frame(0x81);
  EXPECT_EQ(Steps(session.Receive(frame).Actions), std::vector<S>{S::StartClose});
  const std::string debug = ReadFileBytes(folder.File("zirdebug.bin"));
  const std::string block = ReadFileBytes(folder.File("zirdan_data_202406151230455.bin"));
  ASSERT_EQ(debug.size(), kDumpFileSize);
  EXPECT_EQ(debug, block);
  EXPECT_EQ(debug.substr(0, 15), "202406151230455");
  EXPECT_EQ(debug.substr(15), std::string(frame.begin(), frame.end()));
}

TEST(DeveloperDumps, NoSwitchNoFile) {
  ScratchFolder folder;
  TransferSession session = Listening({}, Folder(folder));
  session.Receive(Frame());
  EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
}

TEST(DeveloperDumps, ADumpThatCannotBeWrittenIsReportedAndTheTransferGoesOn) {
  ScratchFolder folder;
  const std::string missing = Folder(folder) + "missing/";
  TransferSession session = Listening({.DebugDump = true}, missing);
  const TransferActions actions = session.Receive(Frame()).Actions;
  ASSERT_EQ(Steps(actions), (std::vector<S>{S::ShowError, S::StartClose}));
  EXPECT_FALSE(actions[0].Failure.Ok());
  EXPECT_NE(actions[0].Failure.Detail().find(missing + "zirdebug.bin"), std::string::npos);
}

TEST(Replay, ReadsZirdebugBinAndDecodesWithoutThePort) {
  ScratchFolder folder;
  const Bytes frame = Frame(0x5A);
  WriteFileBytes(folder.File("zirdebug.bin"),
                 "201912310800123" + std::string(frame.begin(), frame.end()));
  TransferSession session({.Replay = true}, Folder(folder));
  EXPECT_EQ(Steps(session.Start()), std::vector<S>{S::StartClose});
  EXPECT_EQ(session.Receiver().FillPosition(), kFrameSize);
  EXPECT_EQ(session.Receiver().DownloadTime(), 201912310800123u);
  EXPECT_EQ(Steps(session.CloseDelayElapsed()), (std::vector<S>{S::StopClose, S::CloseWindow}));
  EXPECT_EQ(Steps(session.Finish()), std::vector<S>{S::Decode});  // no port, no Label2
  EXPECT_EQ(Bytes(session.Receiver().Image().begin(), session.Receiver().Image().end()), frame);
}

TEST(Replay, ATimestampOutOfRangeReplaysWithDownloadTimeZero) {
  ScratchFolder folder;
  WriteFileBytes(folder.File("zirdebug.bin"), "not a timestamp" + std::string(kFrameSize, '\x01'));
  TransferSession session({.Replay = true}, Folder(folder));
  session.Start();
  EXPECT_EQ(session.Receiver().DownloadTime(), 0u);
  EXPECT_EQ(Steps(session.Finish()), std::vector<S>{S::Decode});
}

TEST(Replay, AShortDumpIsReportedAndNothingIsDecoded) {
  ScratchFolder folder;
  WriteFileBytes(folder.File("zirdebug.bin"), std::string(kDumpFileSize - 1, '1'));
  TransferSession session({.Replay = true}, Folder(folder));
  const TransferActions start = session.Start();
  ASSERT_EQ(Steps(start), std::vector<S>{S::ShowError});
  EXPECT_FALSE(start[0].Failure.Ok());
  EXPECT_NE(start[0].Failure.Detail().find("zirdebug.bin"), std::string::npos);
  EXPECT_FALSE(session.Receiver().Complete());
  EXPECT_TRUE(session.CloseDelayElapsed().empty());  // the window waits for Konec
  EXPECT_TRUE(session.Finish().empty());
}

TEST(Replay, AMissingDumpIsReported) {
  ScratchFolder folder;
  TransferSession session({.Replay = true}, Folder(folder));
  EXPECT_EQ(Steps(session.Start()), std::vector<S>{S::ShowError});
  EXPECT_TRUE(session.Finish().empty());
}

struct CommandLineCase {
  std::vector<std::string> args;
  bool debug, replay, block;
  std::string file;
};

TEST(CommandLineSwitches, AreCaseBlindAndEverythingElseNamesTheLogbook) {
  const std::vector<CommandLineCase> cases = {
      {{}, false, false, false, ""},
      {{"/debug"}, true, false, false, ""},
      {{"/AnalYza", "/SAVEBLOCK"}, false, true, true, ""},
      {{"Potapeni.LOG"}, false, false, false, "Potapeni.LOG"},
      {{"a.LOG", "/DEBUG", "b.log"}, true, false, false, "b.log"},
      {{"-debug", "/DEBUGX"}, false, false, false, "/DEBUGX"},
  };
  for (const CommandLineCase& c : cases) {
    const CommandLine line = ReadCommandLine(c.args);
    EXPECT_EQ(line.Switches.DebugDump, c.debug);
    EXPECT_EQ(line.Switches.Replay, c.replay);
    EXPECT_EQ(line.Switches.BlockSave, c.block);
    EXPECT_EQ(line.StartFileName, c.file);
  }
}

}  // namespace
}  // namespace zirdan
