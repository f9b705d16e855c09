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
  // The copy holds what the diver sees, the shown dive's edits included, as a save would.
  // Best effort: a copy that cannot be written must not interrupt the diver every minute;
  // the logbook itself is saved only when the diver saves it.
  m_model->WithShownEdits([this](const TLogbook& shown) {
    (void)m_recovery.Write(shown, m_model->FileName(), m_neverSaved, CurrentSaveOptions());
  });
}

bool TFormMain::OfferRecoveryCopies() {
  for (const PendingCopy& copy : m_recovery.Pending()) {
    const QString question =
        Text("StrObnovitZmeny") + "\n" + QString::fromStdString(copy.LogbookPath);
    const int answer = ShowAppMessage(question, MessageKind::Question);
    if (answer == kResultCancel) continue;  // closed: kept for the next start
    if (answer != kResultYes) {
      m_recovery.Discard(copy);
      continue;
    }
    if (OpenRecoveryCopy(copy)) return true;
  }
  return false;
}

bool TFormMain::OpenRecoveryCopy(const PendingCopy& copy) {
  const bool hasFile = copy.LogbookPath != kNewLogbookName &&
                       QFileInfo::exists(QString::fromStdString(copy.LogbookPath));
  if (hasFile && !ClaimLogbook(copy.LogbookPath)) return false;  // the copy stays
  // The file as it is now is what the recovered edits will be saved over.
  const DiskState state = hasFile ? ReadDiskState(copy.LogbookPath) : DiskState{};
  TLogbook recovered;
  if (OpResult loaded = m_recovery.Adopt(copy, recovered); !loaded) {
    m_guard.DropClaim();
    ShowFailure(loaded, m_messages);
    return false;
  }
  m_model->OpenLogbook(std::move(recovered), copy.LogbookPath);
  m_model->MarkChanged();
  m_neverSaved = !hasFile;
  if (hasFile)
    GuardOpened(copy.LogbookPath, state);
  else
    GuardForget();
  EnableLogbookControls(true);
  FillDiveList();
  ShowCurrentDive();
  return true;
}

}  // namespace zirdan
