// The join and split commands of the main window: the questions and prompts around the
// profile joining and cutting of the transfer layer.
#include <algorithm>

#include "adapters/qt_text.h"
#include "transfer/join_split.h"
#include "ui/form_hlaska.h"
#include "ui/form_hodnota.h"
#include "ui/form_main.h"
#include "ui_form_main.h"

namespace zirdan {
namespace {

// Minutes of surface before the next dive, to propose as the gap of a join; the setting
// when the next dive's surface interval is not filled in or longer than a gap can be.
int ProposedGap(const pam& next, int setting) {
  const int interval = next.PovrchovyInterval;
  return interval >= 0 && interval <= kMaxMinutesBetweenGraphs ? interval : setting;
}

}  // namespace

void TFormMain::JoinCommand() {
  if (!m_model->Logbook().Nacteno) return;
  StoreEditedDive();
  pam* current = m_model->CurrentDive();
  if (!current) return;
  const QString question = Text("StrPripojit1") + " " + QString::number(current->Cislo) + " " +
                           Text("StrPripojit2");
  if (ShowAppMessage(question, MessageKind::Question) != kResultYes) return;

  // The refusals come before the prompt: the diver is not asked for minutes in vain.
  TLogbook& logbook = m_model->Logbook();
  const pam& next = *current->Dalsi;
  if (current == logbook.Posledni() || next.GrafPocet == 0) {
    ShowFailure(OpResult::FailureKey("StrPripojitChyba1"), m_messages);
    return;
  }
  if (current->GrafPocet + next.GrafPocet > kMaxJoinedProfiles) {
    ShowFailure(OpResult::FailureKey("StrPripojitChyba2"), m_messages);
    return;
  }
  const std::optional<int> minutes =
      m_formHodnota->AskOrCancel(Text("StrZadejteMinGrf"),
                                 ProposedGap(next, m_settings.PocetMinutMeziGrafy), 0,
                                 kMaxMinutesBetweenGraphs);
  if (!minutes) return;
  m_settings.PocetMinutMeziGrafy = *minutes;
  RebuildValueCaptions();

  const JoinSplitResult result = JoinWithNext(logbook, *current, *minutes);
  if (!result.Status) {
    // Refused as a whole (the joined profile would not fit): nothing changed.
    ShowFailure(result.Status, m_messages);
    return;
  }
  m_model->MarkChanged();
  ShowCurrentDive();
  m_ui->EditDatum->setFocus();
}

void TFormMain::SplitCommand() {
  if (!m_model->Logbook().Nacteno) return;
  StoreEditedDive();
  pam* current = m_model->CurrentDive();
  if (!current) return;
  const QString question = Text("StrRozdelitPonor1") + " " + QString::number(current->Cislo) +
                           "? " + Text("StrRozdelitPonor2");
  if (ShowAppMessage(question, MessageKind::Question) != kResultYes) return;

  // A dive without a dive time, or of one or two minutes, has no minute to split at.
  const std::optional<int> lastMinute = LastSplitMinute(*current);
  if (!lastMinute) return;
  const std::optional<int> minute =
      m_formHodnota->AskOrCancel(Text("StrRozdelitPonor3"), 1, 1, *lastMinute);
  if (!minute || *minute == 1) return;

  const int shown = m_model->SelectedIndex();
  const JoinSplitResult result =
      SplitDive(m_model->Logbook(), *current, *minute, m_settings.PocetMinutMeziGrafy);
  if (!result.Status) {
    // The first part would keep the whole profile. The logbook is left exactly as it was
    // and stays open: ending the program here would lose every unsaved change.
    ShowFailure(result.Status, m_messages);
    return;
  }
  if (!result.Changed) return;
  RebuildDiveList();
  m_model->Select(shown + 1);  // the second part
  m_model->MarkChanged();
  ShowCurrentDive();
  m_ui->EditDatum->setFocus();
}

}  // namespace zirdan
