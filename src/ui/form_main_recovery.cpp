// The main window's copies of unsaved edits: written each minute while there are any,
// offered at the next start when the editor or the machine died before they were saved.
#include <QFileInfo>
#include <QTimer>

#include "ui/form_hlaska.h"
#include "ui/form_main.h"
#include "ui_form_main.h"

namespace zirdan {

namespace {
constexpr int kRecoveryIntervalMs = 60 * 1000;
}  // namespace

void TFormMain::StartRecoveryCopies() {
  if (!m_recovery.Enabled() || m_recoveryTimer) return;
  m_recoveryTimer = new QTimer(this);
  m_recoveryTimer->setInterval(kRecoveryIntervalMs);
  connect(m_recoveryTimer, &QTimer::timeout, this, &TFormMain::WriteRecoveryCopy);
  m_recoveryTimer->start();
}

void TFormMain::WriteRecoveryCopy() {
  const TLogbook& logbook = m_model->Logbook();
  if (!logbook.Nacteno || !logbook.Zmeneno) return;
  // Best effort: a copy that cannot be written must not interrupt the diver every minute;
  // the logbook itself is saved only when the diver saves it.
  (void)m_recovery.Write(logbook, m_model->FileName(), CurrentSaveOptions());
}

bool TFormMain::OfferRecoveryCopy() {
  const std::optional<std::string> logbookPath = m_recovery.Offer();
  if (!logbookPath) {
    m_recovery.Remove();  // nothing newer than the saved logbook
    return false;
  }
  const QString question = Text("StrObnovitZmeny") + "\n" + QString::fromStdString(*logbookPath);
  if (ShowAppMessage(question, MessageKind::Question) != kResultYes) {
    m_recovery.Remove();
    return false;
  }
  TLogbook recovered;
  if (OpResult loaded = m_recovery.Load(recovered); !loaded) {
    ShowFailure(loaded, m_messages);
    return false;
  }
  m_model->OpenLogbook(std::move(recovered), *logbookPath);
  m_model->MarkChanged();
  m_neverSaved = !QFileInfo::exists(QString::fromStdString(*logbookPath));
  EnableLogbookControls(true);
  FillDiveList();
  ShowCurrentDive();
  return true;
}

}  // namespace zirdan
