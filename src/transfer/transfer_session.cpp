#include "transfer/transfer_session.h"

#include <cctype>
#include <utility>

#include "transfer/dump_file.h"

namespace zirdan {

CommandLine ReadCommandLine(const std::vector<std::string>& args) {
  CommandLine line;
  for (const std::string& arg : args) {
    std::string upper = arg;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (upper == "/DEBUG") {
      line.Switches.DebugDump = true;
    } else if (upper == "/ANALYZA") {
      line.Switches.Replay = true;
    } else if (upper == "/SAVEBLOCK") {
      line.Switches.BlockSave = true;
    } else {
      line.StartFileName = arg;
    }
  }
  return line;
}

TransferSession::TransferSession(DeveloperSwitches switches, std::string dumpFolder,
                                 TransferClock clock)
    : m_switches(switches), m_dumpFolder(std::move(dumpFolder)), m_receiver(std::move(clock)) {}

TransferActions TransferSession::Start() {
  // One session may serve every opening of the window, the buffer surviving between them.
  if (m_state != State::Idle && m_state != State::Closed) return {};
  if (!m_switches.Replay) {
    m_state = State::Opening;
    return {{TransferStep::OpenPort, {}}};
  }
  const std::string path = m_dumpFolder + kDebugDumpName;
  TDumpFile dump;
  if (OpResult read = ReadDumpFile(path, dump); !read) {
    // The window stays open without a close timer; nothing is decoded.
    m_state = State::Waiting;
    return {{TransferStep::ShowError, read}};
  }
  m_receiver.LoadFrame(dump.Image, dump.DownloadTime);
  m_state = State::Complete;
  return {{TransferStep::StartClose, {}}};
}

TransferActions TransferSession::PortOpened(const OpResult& opened) {
  if (m_state != State::Opening) return {};
  if (!opened) {
    m_state = State::Waiting;
    return {{TransferStep::ShowError, opened}};
  }
  m_state = State::Ready;
  return {{TransferStep::ShowReady, {}}};
}

TransferActions TransferSession::Listen() {
  if (m_state != State::Ready) return {};
  m_receiver.Reset();
  m_state = State::Listening;
  return {{TransferStep::StartTimeout, {}}};
}

ReceiveResult TransferSession::Receive(std::span<const uint8_t> bytes) {
  ReceiveResult result;
  switch (m_state) {
    case State::Listening:
      result.Read = m_receiver.Feed(bytes);
      if (m_receiver.Complete()) {
        m_state = State::Complete;
        result.Actions = Completed();
      }
      break;
    case State::Complete:
      break;  // a complete frame is kept; later bytes stay unread
    default:
      result.Read = bytes.size();  // not listening yet (or any more): dropped
      break;
  }
  return result;
}

TransferActions TransferSession::Completed() {
  TransferActions actions;
  const TDumpFile dump{m_receiver.DownloadTime(), m_receiver.Image()};
  auto write = [&](const std::string& path) {
    if (OpResult written = WriteDumpFile(path, dump); !written)
      actions.push_back({TransferStep::ShowError, written});
  };
  if (m_switches.DebugDump) write(m_dumpFolder + kDebugDumpName);
  if (m_switches.BlockSave) write(m_dumpFolder + BlockSaveName(dump.DownloadTime));
  actions.push_back({TransferStep::StartClose, {}});
  return actions;
}

TransferActions TransferSession::TimeoutElapsed() {
  if (m_state == State::Complete) return {{TransferStep::StopTimeout, {}}};  // closing anyway
  if (m_state != State::Listening) return {};
  return {{TransferStep::ShowTimedOut, {}},
          {TransferStep::StopTimeout, {}},
          {TransferStep::CloseWindow, {}}};
}

TransferActions TransferSession::CloseDelayElapsed() {
  if (m_state != State::Complete) return {};
  return {{TransferStep::StopClose, {}}, {TransferStep::CloseWindow, {}}};
}

TransferActions TransferSession::Finish() {
  if (m_state == State::Closed) return {};
  const bool complete = m_state == State::Complete;
  m_state = State::Closed;
  TransferActions actions;
  if (!m_switches.Replay) {
    actions = {{TransferStep::StopTimeout, {}},
               {TransferStep::StopClose, {}},
               {TransferStep::ShowClosing, {}},
               {TransferStep::ClosePort, {}}};
  }
  // Only a frame completed in this transfer is decoded: a partial buffer still holds bytes
  // of an earlier transfer, which must never be taken for new dives.
  if (complete) {
    actions.push_back({TransferStep::Decode, {}});
  } else if (!m_switches.Replay) {
    actions.push_back({TransferStep::ShowInvalid, {}});
  }
  return actions;
}

TransferActions TransferSession::Decoded(int newDives, bool showInfo) const {
  if (newDives <= 0) return {{TransferStep::ShowInvalid, {}}};
  TransferActions actions;
  if (showInfo) actions.push_back({TransferStep::ShowInfo, {}});
  actions.push_back({TransferStep::Merge, {}});
  return actions;
}

}  // namespace zirdan
