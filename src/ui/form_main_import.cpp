// The import command of the main window: dives of another logbook, picked in the selection
// window, go in after the dive shown.
#include <QFileDialog>

#include "adapters/qt_text.h"
#include "core/import_reading.h"
#include "ui/busy_cursor.h"
#include "ui/form_hlaska.h"
#include "ui/form_main.h"
#include "ui/form_vyber.h"
#include "ui/text_file_dialog.h"
#include "ui_form_main.h"

namespace zirdan {

void TFormMain::ConnectImportJoinSearch() {
  connect(m_ui->Importovatponor1, &QAction::triggered, this, &TFormMain::ImportCommand);
  connect(m_ui->Spojitgraf1, &QAction::triggered, this, &TFormMain::JoinCommand);
  connect(m_ui->Rozdlitponor1, &QAction::triggered, this, &TFormMain::SplitCommand);
  connect(m_ui->Hledat1, &QAction::triggered, this, &TFormMain::SearchCommand);
  connect(m_ui->Hledatdal1, &QAction::triggered, this, &TFormMain::SearchNextCommand);
}

void TFormMain::ImportCommand() {
  if (!m_model->Logbook().Nacteno) return;
  StoreEditedDive();
  const QString question = Text("StrImport") + " " + FromWin1250(m_model->View().Cislo);
  if (ShowAppMessage(question, MessageKind::Question) != kResultYes) return;

  // The dialog opens where the logbook lies; the other file is only read.
  const QString path = QFileDialog::getOpenFileName(
      this, QString(), QString::fromStdString(m_model->FileName()), LogFileFilter());
  if (path.isEmpty()) return;

  std::vector<ImportEntry> entries;
  OpResult listed;
  {
    BusyCursor busy;
    listed = ListDives(path.toStdString(), m_tables.DnyTydne, entries);
  }
  if (!listed) {
    ShowFailure(listed, m_messages);
    return;
  }
  SortImportEntries(entries);
  QStringList texts;
  for (const ImportEntry& entry : entries) texts << FromWin1250(entry.Text);
  const std::optional<std::vector<int>> rows = m_formVyber->Choose(texts);
  if (!rows) return;

  // Each entry remembers where its dive lies in the file, so the dives read are the ones
  // picked whatever order the file keeps them in.
  std::vector<ImportEntry> picked;
  for (int row : *rows) picked.push_back(entries[static_cast<std::size_t>(row)]);
  std::vector<ponor> dives;
  OpResult done;
  {
    BusyCursor busy;
    done = ReadDives(path.toStdString(), picked, dives);
    if (done) done = InsertDives(m_model->Logbook(), m_model->CurrentDive(), dives);
  }
  if (!done) {
    // Nothing was inserted: the logbook is as it was.
    ShowFailure(done, m_messages);
    return;
  }
  const int shown = m_model->SelectedIndex();
  RebuildDiveList();
  m_model->Select(shown + 1);  // the first imported dive
  m_model->MarkChanged();
  ShowCurrentDive();
  m_ui->EditDatum->setFocus();
}

}  // namespace zirdan
