// The main window's guard of the open logbook: the lock that keeps a second editor from
// opening it unasked, and the check that another program's changes on disk are never
// overwritten or left unnoticed without the diver's answer.
#include "adapters/qt_file_watcher.h"
#include "adapters/qt_text.h"
#include "ui/form_hlaska.h"
#include "ui/form_main.h"

namespace zirdan {

bool TFormMain::ClaimLogbook(const std::string& path) {
  const LockAttempt attempt = m_guard.Claim(path);
  if (attempt.State != LockState::HeldByOther) return true;
  const QString question = Text("StrDenikOtevren") + "\n" + QString::fromStdString(path) + "\n" +
                           QString::fromStdString(LockHolderText(attempt.Holder, m_messages));
  if (ShowAppMessage(question, MessageKind::Question, EscapeKey::Cancels) == kResultYes)
    return true;
  m_guard.DropClaim();
  return false;
}

void TFormMain::GuardOpened(const std::string& path, const DiskState& state) {
  m_guard.Opened(path, state);
  m_watcher->Watch(path);
}

void TFormMain::GuardSaved(const std::string& path) {
  m_guard.Saved(path);
  m_watcher->Watch(path);
}

void TFormMain::GuardForget() {
  m_guard.Forget();
  m_watcher->Watch({});
}

bool TFormMain::MayOverwrite(const std::string& path) {
  if (!m_guard.ChangedOnDisk(path)) return true;
  const QString question = Text("StrZmenenNaDisku") + "\n" + QString::fromStdString(path);
  return ShowAppMessage(question, MessageKind::Question, EscapeKey::Cancels) == kResultYes;
}

void TFormMain::LogbookChangedOnDisk() {
  if (!m_model->Logbook().Nacteno) return;
  const QString path = QString::fromStdString(m_guard.Path());
  switch (m_guard.DiskEvent(m_model->Logbook().Zmeneno)) {
    case LogbookGuard::Notice::None:
      break;
    case LogbookGuard::Notice::TellUnsaved:
      ShowAppMessage(Text("StrZmenenNaDiskuNeulozeno") + "\n" + path, MessageKind::Warning);
      break;
    case LogbookGuard::Notice::OfferReload:
      if (ShowAppMessage(Text("StrZmenenNaDiskuNacist") + "\n" + path, MessageKind::Question,
                         EscapeKey::Cancels) == kResultYes)
        OpenLogbookFile(path);
      break;
  }
  UpdateStatusPanel();
}

}  // namespace zirdan
