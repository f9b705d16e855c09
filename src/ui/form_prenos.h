#pragma once

#include <QByteArray>
#include <memory>
#include <optional>
#include <string>

#include "core/logbook.h"
#include "core/message_table.h"
#include "transfer/logbook_merge.h"
#include "transfer/memory_image_decoder.h"
#include "transfer/transfer_session.h"
#include "ui/fixed_dialog.h"
#include "ui/form_hlaska.h"

class QLabel;
class QTimer;

namespace Ui {
class FormPrenos;
}

namespace zirdan {

class QtSerialLink;
class TFormInfo;

// The transfer window: listens on the serial line while the dive computer sends its memory,
// shows how much of the frame has arrived, and at closing decodes the frame and merges its
// dives into the logbook. The transfer session decides every step; this window only does
// them: the port, the two timers, the messages and the closing.
class TFormPrenos : public TFixedDialog {
  Q_OBJECT

 public:
  // `dumpFolder`: where the developer switches write and read their dump files ("" = the
  // current folder, else ending in "/").
  TFormPrenos(DeveloperSwitches switches, const TMessageTable& messages, TFormInfo& info,
              QWidget* parent = nullptr, std::string dumpFolder = {});
  ~TFormPrenos() override;

  struct Request {
    std::string Device;        // the serial device of the chosen port
    bool OnlyNewDives = true;  // skip the dives not later than the logbook's last dive
    bool ShowInfo = false;     // the information window before the merge
    char DecimalSeparator = '.';
  };
  // Runs one transfer modally. When a frame was received and accepted, its dives are merged
  // into `logbook` and the merge's result is returned; otherwise the logbook is not touched
  // and nothing is returned.
  std::optional<TMergeResult> Download(const Request& request, TLogbook& logbook);

 protected:
  void showEvent(QShowEvent* event) override;
  // Every close (Konec, Esc, time-out, a complete frame) ends the transfer here.
  void done(int result) override;

 private:
  void Do(const TransferActions& actions);
  void BytesReceived(const QByteArray& bytes);
  void LineFailed(const OpResult& failure);
  void ShowLabel(const QLabel* label, MessageKind kind);
  void DecodeFrame();
  void ShowInfo();
  void Merge();
  void UpdateProgress();

  std::unique_ptr<Ui::FormPrenos> m_ui;
  const TMessageTable& m_messages;
  TFormInfo& m_info;
  TransferSession m_session;  // one for the whole run: the buffer survives between transfers
  std::unique_ptr<QtSerialLink> m_link;
  QTimer* m_timerTimeout;
  QTimer* m_timerZavri;

  // The transfer under way.
  Request m_request;
  TLogbook* m_logbook = nullptr;
  TDecodedImage m_decoded;
  std::optional<TMergeResult> m_merged;
  bool m_finishing = false;
};

}  // namespace zirdan
