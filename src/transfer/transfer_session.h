#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/op_result.h"
#include "transfer/frame_receiver.h"

namespace zirdan {

// The developer switches of the command line.
struct DeveloperSwitches {
  bool DebugDump = false;  // "/DEBUG": every complete frame goes to zirdebug.bin
  bool Replay = false;     // "/ANALYZA": the transfer reads zirdebug.bin instead of the port
  bool BlockSave = false;  // "/SAVEBLOCK": every complete frame goes to its own file
};

struct CommandLine {
  DeveloperSwitches Switches;
  std::string StartFileName;  // the logbook to open at start-up; empty when none
};

// Reads the program's arguments: each is upper-cased and compared with the three switches;
// any other argument, as typed, names the logbook to open (the last one wins).
CommandLine ReadCommandLine(const std::vector<std::string>& args);

// The two timers of the transfer window.
inline constexpr int kTransferTimeoutMs = 120000;  // no complete frame by then: give up
inline constexpr int kCloseDelayMs = 300;          // from a complete frame to closing

// One thing the transfer window has to do, in the order given.
enum class TransferStep : uint8_t {
  OpenPort,      // close the port, set the chosen number, open it; then call PortOpened
  ShowReady,     // information Label1; once the user has dismissed it, call Listen
  ShowClosing,   // information Label2
  ShowInvalid,   // error Label3: the image holds no valid dives
  ShowTimedOut,  // error Label4
  ShowError,     // the general error box with the action's failure
  StartTimeout,  // TimerTimeout, kTransferTimeoutMs; when it fires call TimeoutElapsed
  StopTimeout,
  StartClose,  // TimerZavri, kCloseDelayMs; when it fires call CloseDelayElapsed
  StopClose,
  CloseWindow,  // close the window; closing calls Finish
  ClosePort,
  Decode,    // select the model, decode Image() with DownloadTime(); then call Decoded
  ShowInfo,  // the transfer information window
  Merge,     // mark the logbook changed and merge the new dives into it
};

struct TransferAction {
  TransferStep Step;
  OpResult Failure;  // what ShowError reports
  bool operator==(const TransferAction&) const = default;
};
using TransferActions = std::vector<TransferAction>;

// What one data-available notification did.
struct ReceiveResult {
  std::size_t Read = 0;     // bytes taken from the port; the rest stay unread
  TransferActions Actions;  // empty until the frame is complete
};

// The transfer window's behaviour, without the window: each event returns what the window
// has to do. Timers and the clock live outside, so the whole flow runs in tests at once.
//
//   Start -> OpenPort -> PortOpened -> ShowReady -> Listen -> StartTimeout
//   Receive ... frame complete -> (dumps) StartClose -> CloseDelayElapsed -> CloseWindow
//   TimeoutElapsed -> ShowTimedOut, CloseWindow
//   Finish (every close) -> ShowClosing, ClosePort, Decode or ShowInvalid
//   Decoded -> ShowInvalid, or ShowInfo and Merge
class TransferSession {
 public:
  // `dumpFolder` is where the dump files lie ("" = the current folder, else ending in "/").
  explicit TransferSession(DeveloperSwitches switches, std::string dumpFolder = {},
                           TransferClock clock = LocalDownloadTime);

  // The window has been shown (FormActivate), first or again after Finish. With the replay
  // switch the dump is read here.
  TransferActions Start();
  // The port open has finished; a failure is shown as it is.
  TransferActions PortOpened(const OpResult& opened);
  // The user has dismissed the ready message: a partial frame received meanwhile is dropped.
  TransferActions Listen();
  // Bytes are waiting on the port (CPortTriggerAvail). Before Listen they are read and dropped.
  ReceiveResult Receive(std::span<const uint8_t> bytes);
  // TimerTimeout fired.
  TransferActions TimeoutElapsed();
  // TimerZavri fired.
  TransferActions CloseDelayElapsed();
  // The window closes, whatever closed it (FormClose).
  TransferActions Finish();
  // The decoder returned `newDives` (0: the image was rejected).
  TransferActions Decoded(int newDives, bool showInfo) const;

  const FrameReceiver& Receiver() const { return m_receiver; }
  FrameReceiver& Receiver() { return m_receiver; }
  bool Listening() const { return m_state == State::Listening; }

 private:
  // Waiting: the port or the replay failed; nothing happens until the window is closed.
  enum class State : uint8_t { Idle, Opening, Ready, Listening, Complete, Waiting, Closed };

  // The completion steps: the developer dumps, then the close timer.
  TransferActions Completed();

  DeveloperSwitches m_switches;
  std::string m_dumpFolder;
  FrameReceiver m_receiver;
  State m_state = State::Idle;
};

}  // namespace zirdan
