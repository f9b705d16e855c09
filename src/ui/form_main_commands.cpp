// The file and edit commands of the main window.
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>

#include "adapters/qt_text.h"
#include "core/log_file.h"
#include "ui/busy_cursor.h"
#include "ui/form_cislo.h"
#include "ui/form_hlaska.h"
#include "ui/form_main.h"
#include "ui/text_file_dialog.h"
#include "ui_form_main.h"

namespace zirdan {
namespace {

QString FileNameOf(const std::string& path) {
  return QString::fromStdString(path);
}

}  // namespace

SaveOptions TFormMain::CurrentSaveOptions() const {
  return SaveOptions{m_settings.KompatibilniAktivity, &m_tables};
}

void TFormMain::ConnectFileMenu() {
  connect(m_ui->Nov1, &QAction::triggered, this, &TFormMain::NewLogbookCommand);
  connect(m_ui->Otevt1, &QAction::triggered, this, &TFormMain::OpenCommand);
  connect(m_ui->Uloit1, &QAction::triggered, this, &TFormMain::SaveCommand);
  connect(m_ui->Uloitjako1, &QAction::triggered, this, &TFormMain::SaveAsCommand);
  connect(m_ui->Konec1, &QAction::triggered, this, [this] {
    StoreEditedDive();
    close();
  });
  for (int i = 0; i < kRecentFileCount; ++i)
    connect(m_recentItems[i], &QAction::triggered, this, [this, i] { OpenRecentCommand(i); });
}

void TFormMain::ConnectEditMenu() {
  connect(m_ui->Novponor1, &QAction::triggered, this, &TFormMain::NewDiveCommand);
  connect(m_ui->Zruitponor1, &QAction::triggered, this, &TFormMain::DeleteDiveCommand);
  connect(m_ui->Peslovat1, &QAction::triggered, this, &TFormMain::RenumberCommand);
  connect(m_ui->Zobrazitgraf1, &QAction::triggered, this, &TFormMain::ToggleGraphWindow);
  const std::tuple<QAction*, Encoding, Encoding> conversions[] = {
      {m_ui->KamenitLatin21, Encoding::Kamenicky, Encoding::Latin2},
      {m_ui->KamenitWindows12501, Encoding::Kamenicky, Encoding::Windows1250},
      {m_ui->KamenitAscii1, Encoding::Kamenicky, Encoding::Ascii},
      {m_ui->Latin2Kamenit1, Encoding::Latin2, Encoding::Kamenicky},
      {m_ui->Latin2Windows12501, Encoding::Latin2, Encoding::Windows1250},
      {m_ui->Latin2Ascii1, Encoding::Latin2, Encoding::Ascii},
      {m_ui->Windows1250Kamenit1, Encoding::Windows1250, Encoding::Kamenicky},
      {m_ui->Windows1250Latin21, Encoding::Windows1250, Encoding::Latin2},
      {m_ui->Windows1250Ascii1, Encoding::Windows1250, Encoding::Ascii}};
  for (auto [item, source, target] : conversions)
    connect(item, &QAction::triggered, this,
            [this, from = source, to = target] { ConvertCommand(from, to); });
}

bool TFormMain::AskToSaveChanges() {
  const int answer = ShowAppMessage(Text("StrUlozitZmeny"), MessageKind::Question);
  if (answer == kResultCancel) return false;  // closed: nothing is saved or given up
  if (answer != kResultYes) {
    m_recovery.Remove();  // the diver gives the changes up
    return true;
  }
  return SaveAsCommand();
}

void TFormMain::NewLogbookCommand() {
  StoreEditedDive();
  if (m_model->Logbook().Nacteno && m_model->Logbook().Zmeneno && !AskToSaveChanges()) return;
  m_model->NewLogbook();
  m_neverSaved = true;
  GuardForget();
  EnableLogbookControls(true);
  FillDiveList();
  ShowCurrentDive();
  m_ui->EditDatum->setFocus();
}

bool TFormMain::OpenLogbookFile(const QString& path) {
  const std::string file = path.toStdString();
  if (!ClaimLogbook(file)) return false;
  TLogbook loaded;
  DiskState state;
  OpResult result;
  {
    BusyCursor busy;
    result = LoadLogbookWithState(file, loaded, state);
  }
  if (!result) {
    // The logbook that was open stays open, unchanged.
    m_guard.DropClaim();
    ShowFailure(result, m_messages);
    return false;
  }
  m_model->OpenLogbook(std::move(loaded), file);
  GuardOpened(file, state);
  m_neverSaved = false;
  EnableLogbookControls(true);
  FillDiveList();
  ShowCurrentDive();
  return true;
}

void TFormMain::OpenCommand() {
  StoreEditedDive();
  if (m_model->Logbook().Nacteno && m_model->Logbook().Zmeneno && !AskToSaveChanges()) return;
  const QString path = QFileDialog::getOpenFileName(
      this, QString(), FileNameOf(m_model->FileName()), LogFileFilter());
  if (path.isEmpty()) return;
  if (OpenLogbookFile(path)) {
    AddRecentFile(m_settings.Historie, path.toStdString());
    UpdateRecentFileMenu();
  }
}

void TFormMain::OpenRecentCommand(int index) {
  const std::string path = m_settings.Historie[static_cast<std::size_t>(index)];
  if (path.empty()) return;
  StoreEditedDive();
  if (m_model->Logbook().Nacteno && m_model->Logbook().Zmeneno && !AskToSaveChanges()) return;
  if (OpenLogbookFile(FileNameOf(path))) {
    AddRecentFile(m_settings.Historie, path);
    UpdateRecentFileMenu();
  }
}

bool TFormMain::SaveLogbookFile(const QString& path) {
  const std::string file = path.toStdString();
  if (!MayOverwrite(file)) return false;
  OpResult result;
  {
    BusyCursor busy;
    result = SaveLogbook(file, m_model->Logbook(), CurrentSaveOptions());
  }
  if (!result) {
    // The logbook stays open and marked changed.
    ShowFailure(result, m_messages);
    UpdateStatusPanel();
    return false;
  }
  m_model->SetFileName(file);
  m_neverSaved = false;
  GuardSaved(file);
  m_recovery.Remove();
  UpdateStatusPanel();
  return true;
}

bool TFormMain::SaveCommand() {
  if (!m_model->Logbook().Nacteno) return false;
  StoreEditedDive();
  // A new logbook has no file yet: ask where, rather than writing into whatever folder
  // happens to be current.
  if (m_neverSaved) return SaveAsCommand();
  return SaveLogbookFile(FileNameOf(m_model->FileName()));
}

bool TFormMain::SaveAsCommand() {
  if (!m_model->Logbook().Nacteno) return false;
  StoreEditedDive();
  QString path =
      QFileDialog::getSaveFileName(this, QString(), FileNameOf(m_model->FileName()),
                                   LogFileFilter(), nullptr, QFileDialog::DontConfirmOverwrite);
  if (path.isEmpty()) return false;
  if (QFileInfo(path).suffix().isEmpty()) path += ".LOG";
  if (!SaveLogbookFile(path)) return false;
  AddRecentFile(m_settings.Historie, path.toStdString());
  UpdateRecentFileMenu();
  return true;
}

void TFormMain::UpdateRecentFileMenu() {
  for (int i = 0; i < kRecentFileCount; ++i) {
    const QString name = FileNameOf(m_settings.Historie[static_cast<std::size_t>(i)]);
    m_recentItems[i]->setText(QString(name).replace('&', "&&"));
    m_recentItems[i]->setVisible(!name.isEmpty());
  }
}

void TFormMain::NewDiveCommand() {
  if (!m_model->Logbook().Nacteno) return;
  StoreEditedDive();
  const QString question = Text("StrVlozit") + " " + FromWin1250(m_model->View().Cislo);
  if (ShowAppMessage(question, MessageKind::Question) != kResultYes) return;
  m_model->NewDive();
  EnableLogbookControls(true);
  FillDiveList();
  ShowCurrentDive();
  m_ui->EditDatum->setFocus();
}

void TFormMain::DeleteDiveCommand() {
  if (!m_model->Logbook().Nacteno) return;
  StoreEditedDive();
  if (!m_model->CanDeleteDive()) {
    ShowAppMessage(Text("StrPosledniPonor"), MessageKind::Warning);
    return;
  }
  const QString question = Text("StrVymazatPonor") + " " + FromWin1250(m_model->View().Cislo);
  if (ShowAppMessage(question, MessageKind::Question) != kResultYes) return;
  if (m_model->DeletingFirstDive())
    m_model->Logbook().PrvniCislo = m_formCislo->Ask(m_model->Logbook().PrvniCislo);
  m_model->DeleteDive();
  FillDiveList();
  ShowCurrentDive();
  m_ui->ListBox1->setFocus();
}

void TFormMain::RenumberCommand() {
  StoreEditedDive();
  if (ShowAppMessage(Text("StrPrecislovat"), MessageKind::Question) != kResultYes) return;
  m_model->Logbook().PrvniCislo = m_formCislo->Ask(m_model->Logbook().PrvniCislo);
  m_model->Renumber();
  FillDiveList();
  ShowCurrentDive();
  m_ui->ListBox1->setFocus();
}

void TFormMain::ConvertCommand(Encoding source, Encoding target) {
  if (!m_model->Logbook().Nacteno) return;
  StoreEditedDive();
  ConvertLogbook(m_model->Logbook(), source, target);
  m_model->Select(0);
  ShowCurrentDive();
}

}  // namespace zirdan
