#include "ui/form_prenos.h"

#include <QTimer>
#include <span>

#include "adapters/qt_serial_link.h"
#include "adapters/qt_text.h"
#include "transfer/transfer_info.h"
#include "ui/form_hlaska.h"
#include "ui/form_info.h"
#include "ui_form_prenos.h"

namespace zirdan {

TFormPrenos::TFormPrenos(DeveloperSwitches switches, const TMessageTable& messages, TFormInfo& info,
                         QWidget* parent, std::string dumpFolder)
    : TFixedDialog(parent),
      m_ui(new Ui::FormPrenos),
      m_messages(messages),
      m_info(info),
      m_session(switches, std::move(dumpFolder)),
      m_link(std::make_unique<QtSerialLink>(this)),
      m_timerTimeout(new QTimer(this)),
      m_timerZavri(new QTimer(this)) {
  m_ui->setupUi(this);
  FixSize();
  m_timerTimeout->setObjectName("TimerTimeout");
  m_timerTimeout->setSingleShot(true);
  m_timerTimeout->setInterval(kTransferTimeoutMs);
  m_timerZavri->setObjectName("TimerZavri");
  m_timerZavri->setSingleShot(true);
  m_timerZavri->setInterval(kCloseDelayMs);
  connect(m_ui->Button1, &QPushButton::clicked, this, &QDialog::reject);
  connect(m_timerTimeout, &QTimer::timeout, this, [this] { Do(m_session.TimeoutElapsed()); });
  connect(m_timerZavri, &QTimer::timeout, this, [this] { Do(m_session.CloseDelayElapsed()); });
  connect(m_link.get(), &QtSerialLink::BytesReceived, this, &TFormPrenos::BytesReceived);
  connect(m_link.get(), &QtSerialLink::Failed, this, &TFormPrenos::LineFailed);
}

TFormPrenos::~TFormPrenos() = default;

std::optional<TMergeResult> TFormPrenos::Download(const Request& request, TLogbook& logbook) {
  m_request = request;
  m_logbook = &logbook;
  m_merged.reset();
  m_finishing = false;
  UpdateProgress();
  exec();
  m_logbook = nullptr;
  return std::move(m_merged);
}

void TFormPrenos::showEvent(QShowEvent* event) {
  TFixedDialog::showEvent(event);
  // The start's messages come once the window is on the screen.
  QTimer::singleShot(0, this, [this] {
    if (!m_logbook || m_finishing) return;
    Do(m_session.Start());
    UpdateProgress();
  });
}

void TFormPrenos::done(int result) {
  if (m_logbook && !m_finishing) {
    m_finishing = true;
    Do(m_session.Finish());
  }
  TFixedDialog::done(result);
}

void TFormPrenos::Do(const TransferActions& actions) {
  bool close = false;
  for (const TransferAction& action : actions) {
    switch (action.Step) {
      case TransferStep::OpenPort:
        Do(m_session.PortOpened(m_link->Open(m_request.Device)));
        break;
      case TransferStep::ShowReady:
        ShowLabel(m_ui->Label1, MessageKind::Information);
        Do(m_session.Listen());
        UpdateProgress();
        break;
      case TransferStep::ShowClosing:
        ShowLabel(m_ui->Label2, MessageKind::Information);
        break;
      case TransferStep::ShowInvalid:
        ShowLabel(m_ui->Label3, MessageKind::Error);
        break;
      case TransferStep::ShowTimedOut:
        ShowLabel(m_ui->Label4, MessageKind::Error);
        break;
      case TransferStep::ShowError:
        ShowFailure(action.Failure, m_messages);
        break;
      case TransferStep::StartTimeout:
        m_timerTimeout->start();
        break;
      case TransferStep::StopTimeout:
        m_timerTimeout->stop();
        break;
      case TransferStep::StartClose:
        m_timerZavri->start();
        break;
      case TransferStep::StopClose:
        m_timerZavri->stop();
        break;
      case TransferStep::CloseWindow:
        close = true;
        break;
      case TransferStep::ClosePort:
        m_link->Close();
        break;
      case TransferStep::Decode:
        DecodeFrame();
        break;
      case TransferStep::ShowInfo:
        ShowInfo();
        break;
      case TransferStep::Merge:
        Merge();
        break;
    }
  }
  if (close) done(QDialog::Rejected);
}

void TFormPrenos::BytesReceived(const QByteArray& bytes) {
  const auto received = std::span(reinterpret_cast<const uint8_t*>(bytes.constData()),
                                  static_cast<std::size_t>(bytes.size()));
  const ReceiveResult result = m_session.Receive(received);
  UpdateProgress();
  Do(result.Actions);
}

void TFormPrenos::LineFailed(const OpResult& failure) {
  // The line broke (the cable was pulled, the adapter went away): no frame can come now.
  ShowFailure(failure, m_messages);
  if (isVisible() && !m_finishing) done(QDialog::Rejected);
}

void TFormPrenos::ShowLabel(const QLabel* label, MessageKind kind) {
  ShowAppMessage(label->text(), kind);
}

void TFormPrenos::DecodeFrame() {
  const FrameReceiver& receiver = m_session.Receiver();
  m_decoded = DecodeMemoryImage(receiver.Image(), receiver.DownloadTime());
  const int newDives = m_decoded.Accepted() ? static_cast<int>(m_decoded.Dives.size()) : 0;
  Do(m_session.Decoded(newDives, m_request.ShowInfo));
}

void TFormPrenos::ShowInfo() {
  const TTransferInfoTexts texts = m_info.Texts(m_messages.Text("StrPrazdna"));
  m_info.ShowInfo(
      BuildTransferInfo(m_decoded.Mirrored, *m_decoded.Model, texts, m_request.DecimalSeparator));
}

void TFormPrenos::Merge() {
  if (!m_logbook) return;
  TMergeResult merged = MergeNewDives(*m_logbook, m_decoded, m_request.OnlyNewDives);
  if (!merged.Status) {
    // Too many dives for the logbook: it is left as it was.
    ShowFailure(merged.Status, m_messages);
    return;
  }
  m_merged = std::move(merged);
}

void TFormPrenos::UpdateProgress() {
  m_ui->PB->setValue(m_session.Receiver().FillPosition());
}

}  // namespace zirdan
