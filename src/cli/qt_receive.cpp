// zirdanlog-cli receive: listens on the serial line like the transfer window, then decodes
// and merges the frame like decode.
#include <QCoreApplication>
#include <QTimer>
#include <cstdio>
#include <span>
#include <string>

#include "adapters/qt_serial_link.h"
#include "adapters/qt_translations.h"
#include "cli/cli_common.h"
#include "cli/cli_download.h"
#include "cli/cli_language.h"
#include "cli/cli_settings.h"
#include "cli/dive_json.h"
#include "env/language_load.h"
#include "env/translation_file.h"
#include "transfer/serial_port_path.h"
#include "transfer/transfer_session.h"

namespace zirdan::cli {
namespace {

constexpr const char* kUsage =
    "Usage: zirdanlog-cli receive [--port N | --device PATH] [--timeout SECONDS]\n"
    "                             [--dump FILE] [--merge-into LOGFILE [--all]]\n"
    "                             [--language-file PATH] [--language N]\n"
    "Listens on the serial line for one frame from the dive computer, as the editor's\n"
    "transfer window does (19200 baud, 8 data bits, no parity, 1 stop bit; nothing is\n"
    "sent), then decodes it and prints its dives as a JSON array, like decode.\n\n"
    "  --port N             port 1 to 8 (default: the editor's port setting, else 1); its\n"
    "                       device is $ZIRDAN_SERIAL_DEVICE when set, else the setting\n"
    "                       komunikace/ZarizeniN, else /dev/ttyUSB(N-1) (COMN on Windows);\n"
    "                       without --port, a port the editor chose by its device name\n"
    "                       (komunikace/Port) is used\n"
    "  --device PATH        the serial device to listen on\n"
    "  --timeout SECONDS    give up when no complete frame came by then (default 120)\n"
    "  --dump FILE          also save the frame as a dump file\n"
    "  --merge-into LOGFILE merge the dives into the logbook and save it (a missing file\n"
    "                       is created); only dives later than its last dive are added\n"
    "  --all                with --merge-into: add every dive of the frame\n"
    "  --language-file PATH, --language N  the translation file and language number of\n"
    "                       the category names\n"
    "When no complete frame comes in time or the editor would reject the frame, the tool\n"
    "exits with 1 (stderr says why).\n";

// Runs the transfer session on the event loop, doing what it asks the window to do: the
// port, the two timers and the closing. The messages go to stderr; nothing waits for a user.
class ReceiveRun {
 public:
  ReceiveRun(std::string device, int timeoutSeconds)
      : m_device(std::move(device)), m_timeoutSeconds(timeoutSeconds), m_session({}) {
    m_timeout.setSingleShot(true);
    m_close.setSingleShot(true);
    QObject::connect(&m_timeout, &QTimer::timeout, &m_timeout,
                     [this] { Do(m_session.TimeoutElapsed()); });
    QObject::connect(&m_close, &QTimer::timeout, &m_close,
                     [this] { Do(m_session.CloseDelayElapsed()); });
    QObject::connect(&m_link, &QtSerialLink::BytesReceived, &m_link, [this](const QByteArray& b) {
      const auto bytes = std::span(reinterpret_cast<const uint8_t*>(b.constData()),
                                   static_cast<std::size_t>(b.size()));
      Do(m_session.Receive(bytes).Actions);
    });
    QObject::connect(&m_link, &QtSerialLink::Failed, &m_link, [this](const OpResult& failure) {
      m_failure = failure;
      Do({{TransferStep::CloseWindow, {}}});
    });
  }

  // Listens until the frame is complete or the transfer has ended; true with a frame.
  bool Run() {
    QTimer::singleShot(0, &m_timeout, [this] { Do(m_session.Start()); });
    QCoreApplication::exec();
    if (!m_frameReady) ReportFailure({}, m_failure);
    return m_frameReady;
  }

  TDumpFile Dump() const {
    return {m_session.Receiver().DownloadTime(), m_session.Receiver().Image()};
  }

 private:
  void Do(const TransferActions& actions) {
    bool close = false;
    for (const TransferAction& action : actions) {
      switch (action.Step) {
        case TransferStep::OpenPort:
          Do(m_session.PortOpened(m_link.Open(m_device)));
          break;
        case TransferStep::ShowReady:
          std::fprintf(stderr,
                       "zirdanlog-cli: listening on %s; start the transfer on the dive "
                       "computer\n",
                       m_device.c_str());
          Do(m_session.Listen());
          break;
        case TransferStep::ShowError:
          m_failure = action.Failure;
          close = true;  // the window would wait for Konec; there is no one to press it
          break;
        case TransferStep::StartTimeout:
          m_timeout.start(m_timeoutSeconds * 1000);
          break;
        case TransferStep::StopTimeout:
          m_timeout.stop();
          break;
        case TransferStep::StartClose:
          m_close.start(kCloseDelayMs);
          break;
        case TransferStep::StopClose:
          m_close.stop();
          break;
        case TransferStep::ShowTimedOut:
          m_failure = OpResult::Failure(m_device + ": no complete frame within " +
                                        std::to_string(m_timeoutSeconds) + " s");
          break;
        case TransferStep::CloseWindow:
          close = true;
          break;
        case TransferStep::ClosePort:
          m_link.Close();
          break;
        case TransferStep::ShowInvalid:
          if (m_failure) m_failure = OpResult::Failure(m_device + ": no complete frame received");
          QCoreApplication::quit();
          break;
        case TransferStep::Decode:
          m_frameReady = true;
          QCoreApplication::quit();
          break;
        case TransferStep::ShowClosing:
        case TransferStep::ShowInfo:
        case TransferStep::Merge:
          break;
      }
    }
    if (close) Do(m_session.Finish());
  }

  std::string m_device;
  int m_timeoutSeconds;
  TransferSession m_session;
  QtSerialLink m_link;
  QTimer m_timeout;
  QTimer m_close;
  OpResult m_failure;  // why no frame came; reported when the transfer ends without one
  bool m_frameReady = false;
};

int RunReceive(const ParsedArguments& args) {
  std::string error;
  const bool all = args.Has("--all");
  const std::optional<std::string> port = args.Value("--port");
  const std::optional<std::string> device = args.Value("--device");
  const std::optional<std::string> timeout = args.Value("--timeout");
  const std::optional<std::string> dumpPath = args.Value("--dump");
  const std::optional<std::string> logPath = args.Value("--merge-into");
  std::optional<CliLanguage> language = LoadLanguage(args, error);
  if (!language) return UsageError(error);
  if (port && device) return UsageError("give --port or --device, not both");
  if (all && !logPath) return UsageError("--all needs --merge-into");
  std::optional<long> portNumber = CliSettings().Port();
  if (port) portNumber = ParseNumber(*port, kMinPortNumber, kMaxPortNumber);
  if (!portNumber) return UsageError("--port takes a number from 1 to 8");
  std::optional<long> seconds = kTransferTimeoutMs / 1000;
  if (timeout) seconds = ParseNumber(*timeout, 1, 86400);
  if (!seconds) return UsageError("--timeout takes a number of seconds from 1 to 86400");

  int argc = 1;
  char name[] = "zirdanlog-cli";
  char* argv[] = {name, nullptr};
  QCoreApplication app(argc, argv);
  InstallQtTranslation(
      QtTranslationCode(TTranslationFile::Load(language->FilePath), language->Number));
  ReceiveRun run(device ? *device
                        : SerialDeviceForPort(static_cast<int>(*portNumber),
                                              port ? std::string() : CliSettings().PortDevice,
                                              CliSettingsStore()),
                 static_cast<int>(*seconds));
  if (!run.Run()) return kExitFileError;

  const TDumpFile dump = run.Dump();
  if (dumpPath) {
    if (OpResult written = WriteDumpFile(*dumpPath, dump); !written)
      return ReportFailure(*dumpPath, written);
  }
  TMergedDownload merged;
  if (std::optional<int> failed =
          MergeDownload(dump, "the received frame", logPath, all, merged, language->Messages))
    return *failed;
  PrintJson(DivesJsonArray(merged.Added,
                           CodecContext{language->Tables, kFormatBasic, LocaleDecimalSeparator()}));
  return kExitOk;
}

const bool kRegistered =
    RegisterCommand({"receive",
                     "listen on the serial line for the dive computer's memory and decode it",
                     kUsage,
                     {{Flag("--all"), ValueOption("--port"), ValueOption("--device"),
                       ValueOption("--timeout"), ValueOption("--dump"), ValueOption("--merge-into"),
                       kLanguageFileOption, kLanguageNumberOption},
                      {}},
                     &RunReceive});

}  // namespace
}  // namespace zirdan::cli
