// Search and search next of the main window.
#include "adapters/qt_text.h"
#include "core/dive_search.h"
#include "ui/form_hledat.h"
#include "ui/form_hlaska.h"
#include "ui/form_main.h"
#include "ui_form_main.h"

namespace zirdan {

void TFormMain::SearchCommand() {
  StoreEditedDive();
  if (!m_model->Logbook().Nacteno) return;
  if (!m_formHledat->Ask() || m_formHledat->SearchText().isEmpty()) return;
  RunSearch(m_formHledat->FromBeginning());
}

void TFormMain::SearchNextCommand() {
  StoreEditedDive();
  if (!m_model->Logbook().Nacteno || m_formHledat->SearchText().isEmpty()) return;
  RunSearch(false);
}

void TFormMain::RunSearch(bool fromFirstDive) {
  const TLogbook& logbook = m_model->Logbook();
  const QString typed = m_formHledat->SearchText();
  const SearchStart start = fromFirstDive
                                ? SearchStart{logbook.Prvni(), 0, true}
                                : SearchStart{m_model->CurrentDive(), m_model->SelectedIndex(), false};
  std::optional<SearchHit> hit;
  if (const std::optional<std::string> searched = SearchTextToWin1250(typed.toStdString()))
    hit = FindDive(logbook, start, m_formHledat->Field(), *searched);
  if (!hit) {
    ShowAppMessage(Text("StrNenasel") + " \"" + typed + "\" ", MessageKind::Information);
    return;
  }
  m_model->Select(hit->Index);
  ShowCurrentDive();
}

}  // namespace zirdan
