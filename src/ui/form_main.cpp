#include "ui/form_main.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPrinter>
#include <optional>

#include "ui/about_box.h"
#include "ui/form_graf.h"
#include "ui/dialog_aktivita.h"
#include "ui/dialog_chyby.h"
#include "ui/dialog_typ.h"
#include "ui/form_cislo.h"
#include "ui/form_hlaska.h"
#include "ui/form_hodnota.h"
#include "ui/form_info.h"
#include "ui/form_jazyk.h"
#include "ui/form_prenos.h"
#include "ui/form_prehled.h"
#include "ui/form_query.h"
#include "ui/form_statistika.h"
#include "ui/form_hledat.h"
#include "ui/form_help.h"
#include "ui/form_vyber.h"
#include "ui/dialog_tisk.h"
#include "ui/form_prubeh.h"
#include "adapters/qt_dive_list_model.h"
#include "adapters/qt_file_lock.h"
#include "adapters/qt_file_watcher.h"
#include "adapters/qt_text.h"
#include "ui/elided_field.h"
#include "ui_form_main.h"

namespace zirdan {
namespace {

// Fields whose edit is stored and shown again as soon as the cursor leaves them.
bool StoresOnLeave(const QObject* field, const Ui::FormMain& ui) {
  return field == ui.ComboBoxNadmorskaVyska || field == ui.ComboBoxOblek ||
         field == ui.ComboBoxPocasi || field == ui.EditLahev || field == ui.EditSpotrebaVzduchu ||
         field == ui.EditTypPonoru || field == ui.EditTypAktivity || field == ui.EditChyby;
}

// The "..." button at the end of the dive type, activity or error field.
const QWidget& SetButton(const Ui::FormMain& ui, int set) {
  const QWidget* buttons[] = {ui.Button1, ui.Button2, ui.Button3};
  return *buttons[set];
}

// Shows a category in its drop-down list with the list's current item on that category,
// so that the arrow keys move from it and leaving the list finds its text unchanged.
void ShowChoice(QComboBox& box, const ponorTxt& view, CategoryList list, const QString& name) {
  const int code = list == CategoryList::NadmorskaVyska ? view.NadmorskaVyskaKod
                   : list == CategoryList::Pocasi       ? view.PocasiKod
                                                        : view.OblekKod;
  box.setCurrentIndex(code < box.count() ? code : -1);
  box.setEditText(name);
}

// The list move of a navigation key: Ctrl with Page Up, Page Down, Home or End.
std::optional<MainWindowModel::Move> NavigationMove(const QKeyEvent& key) {
  if (key.modifiers() != Qt::ControlModifier) return std::nullopt;
  switch (key.key()) {
    case Qt::Key_PageUp:
      return MainWindowModel::Move::Previous;
    case Qt::Key_PageDown:
      return MainWindowModel::Move::Next;
    case Qt::Key_Home:
      return MainWindowModel::Move::First;
    case Qt::Key_End:
      return MainWindowModel::Move::Last;
    default:
      return std::nullopt;
  }
}

}  // namespace

TFormMain::TFormMain(SettingsStore& store, StartOptions options, QWidget* parent)
    : QMainWindow(parent),
      m_ui(new Ui::FormMain),
      m_store(store),
      m_options(std::move(options)),
      m_settings(ReadAppSettings(store)),
      m_translations(TTranslationFile::Load(m_options.LanguageFile)),
      m_tables(TCategoryTables::BuiltIn()),
      m_guard(QtFileLocks()),
      m_recovery(m_options.RecoveryFolder, QtFileLocks()) {
  m_ui->setupUi(this);
  // The list reads the logbook's list texts through a model, so a row costs nothing until
  // it is drawn. Its rows are all one height: the view measures one of them, not 65535.
  m_diveList = new QtDiveListModel(m_ui->ListBox1);
  m_ui->ListBox1->setModel(m_diveList);
  m_ui->ListBox1->setUniformItemSizes(true);
  m_model =
      std::make_unique<MainWindowModel>(m_settings, m_tables, m_messages, SystemDecimalSeparator());
  m_textFields = {m_ui->EditDatum,
                  m_ui->EditCas,
                  m_ui->EditLokalita,
                  m_ui->EditMisto,
                  m_ui->EditPovrchovyInterval,
                  m_ui->EditTeplotaVzduchu,
                  m_ui->EditLahev,
                  m_ui->EditHloubka,
                  m_ui->EditDelkaPonoru,
                  m_ui->EditTeplotaVody,
                  m_ui->EditSpotrebaVzduchu,
                  m_ui->EditJiny,
                  m_ui->EditPartner,
                  m_ui->EditPoznamka};
  m_setFields = {m_ui->EditTypPonoru, m_ui->EditTypAktivity, m_ui->EditChyby};
  m_listFields = {m_ui->ComboBoxNadmorskaVyska, m_ui->ComboBoxPocasi, m_ui->ComboBoxOblek};
  m_recentItems = {m_ui->p1, m_ui->p2, m_ui->p3, m_ui->p4, m_ui->p5};
  m_portItems = {m_ui->COM11, m_ui->COM21, m_ui->COM31, m_ui->COM41,
                 m_ui->COM51, m_ui->COM61, m_ui->COM71, m_ui->COM81};

  m_dialogTyp = std::make_unique<TDialogTyp>(this);
  m_dialogAktivita = std::make_unique<TDialogAktivita>(this);
  m_dialogChyby = std::make_unique<TDialogChyby>(this);
  m_formQuery = std::make_unique<TFormQuery>(this);
  m_formHodnota = std::make_unique<TFormHodnota>(this);
  m_formCislo = std::make_unique<TFormCislo>(this);
  m_formJazyk = std::make_unique<TFormJazyk>(this);
  CreateTransferWindows();
  m_formStatistika = std::make_unique<TFormStatistika>(m_settings, m_messages, this);
  m_formPrehled = std::make_unique<TFormPrehled>(m_settings, m_messages, this);
  m_dialogTisk = std::make_unique<TDialogTisk>(this);
  m_formVyber = std::make_unique<TFormVyber>(this);
  m_formPrubeh = std::make_unique<TFormPrubeh>(this);
  m_formHledat = std::make_unique<TFormHledat>(this);
  CreateGraphs();
  m_watcher = new QtFileWatcher([this] { LogbookChangedOnDisk(); }, this);

  // The main window has one fixed size: 632 x 419 of fields under its menu bar.
  centralWidget()->setFixedSize(632, 419);
  move(m_settings.MLeft, m_settings.MTop);
  ApplySettingsToMenu();
  UpdateRecentFileMenu();
  EnableLogbookControls(false);
  ShowNote(QString());  // the note bar takes its flat look before any dive is shown
  ConnectSignals();
  UpdateStatusPanel();
}

TFormMain::~TFormMain() {
  // The fields outlive the members they report to, and a focused drop-down list still
  // announces its text when the window goes: nothing of theirs may reach this window now.
  for (QWidget* child : centralWidget()->findChildren<QWidget*>()) {
    child->removeEventFilter(this);
    child->blockSignals(true);
  }
}

QString TFormMain::Text(const char* key) const {
  return FromWin1250(m_messages.Text(key));
}

void TFormMain::ConnectSignals() {
  ConnectFields();
  ConnectFileMenu();
  ConnectEditMenu();
  ConnectSettingsMenu();
  ConnectTransferMenu();
  ConnectReportsMenu();
  ConnectPrintMenu();
  ConnectImportJoinSearch();
  ConnectHelp();
  ConnectDesktopMenu();
  // A click or a key in the list moves its current row; the dive follows it.
  connect(m_ui->ListBox1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) {
            const int row = current.row();
            if (m_filling || row < 0) return;
            StoreEditedDive();
            m_model->Select(row);
            ShowCurrentDive();
          });
}

void TFormMain::ConnectFields() {
  for (int i = 0; i < kTextFieldCount; ++i) {
    connect(m_textFields[i], &QLineEdit::textEdited, this, [this, i](const QString& text) {
      m_model->FieldEdited(static_cast<TextField>(i), ToWin1250(text));
      if (static_cast<TextField>(i) == TextField::Poznamka) ShowNote(text);
      UpdateStatusPanel();
    });
  }
  for (int i = 0; i < 3; ++i) {
    connect(m_setFields[i], &QLineEdit::textEdited, this, [this, i](const QString& text) {
      m_model->SetEdited(static_cast<CategorySet>(i), ToWin1250(text));
      UpdateStatusPanel();
    });
    connect(m_listFields[i]->lineEdit(), &QLineEdit::textEdited, this, [this, i] {
      // Free text that matches no item keeps the code the dive had.
      m_model->ListChosen(static_cast<CategoryList>(i),
                          m_listFields[i]->findText(m_listFields[i]->currentText()));
      UpdateStatusPanel();
    });
    connect(m_listFields[i], &QComboBox::activated, this, [this, i](int index) {
      m_model->ListChosen(static_cast<CategoryList>(i), index);
      UpdateStatusPanel();
    });
  }
  const std::pair<QPushButton*, MainWindowModel::PickList> pickButtons[] = {
      {m_ui->Button4, MainWindowModel::PickList::Lokalita},
      {m_ui->Button5, MainWindowModel::PickList::Misto},
      {m_ui->Button6, MainWindowModel::PickList::Partner}};
  for (const auto& [button, list] : pickButtons)
    connect(button, &QPushButton::clicked, this, [this, pick = list] { PickListCommand(pick); });
  connect(m_ui->Button1, &QPushButton::clicked, this,
          [this] { CategoryDialog(CategorySet::TypPonoru); });
  connect(m_ui->Button2, &QPushButton::clicked, this,
          [this] { CategoryDialog(CategorySet::TypAktivity); });
  connect(m_ui->Button3, &QPushButton::clicked, this,
          [this] { CategoryDialog(CategorySet::Chyby); });

  // Keys are seen by the window before the focused control: F11 and the navigation keys.
  for (QWidget* child : centralWidget()->findChildren<QWidget*>()) child->installEventFilter(this);
}

void TFormMain::EnableLogbookControls(bool enabled) {
  m_ui->Uloit1->setEnabled(enabled);
  m_ui->Uloitjako1->setEnabled(enabled);
  for (QMenu* menu : {m_ui->pravy1, m_ui->Tisk1, m_ui->Konverze1, m_ui->Statistika1})
    menu->menuAction()->setEnabled(enabled);
  m_ui->ListBox1->setEnabled(enabled);
  for (QLineEdit* f : m_textFields) f->setEnabled(enabled);
  for (QLineEdit* f : m_setFields) f->setEnabled(enabled);
  for (QComboBox* f : m_listFields) f->setEnabled(enabled);
  for (QPushButton* b :
       {m_ui->Button1, m_ui->Button2, m_ui->Button3, m_ui->Button4, m_ui->Button5, m_ui->Button6})
    b->setEnabled(enabled);
}

void TFormMain::RebuildDiveList() {
  m_model->RebuildDiveList();
  FillDiveList();
}

void TFormMain::FillDiveList() {
  m_filling = true;
  m_diveList->Rebuild(m_model->Logbook().Seznam);
  m_filling = false;
}

void TFormMain::StoreEditedDive() {
  m_model->StoreEditedDive();
}

void TFormMain::UpdateStatusPanel() {
  m_ui->Panel1->setText(QString::fromStdString(m_model->StatusText()));
}

void TFormMain::ShowCurrentDive() {
  if (!m_model->Logbook().Nacteno) return;
  m_model->ShowCurrentDive();
  FillFields();
  UpdateStatusPanel();
}

void TFormMain::FillFields() {
  const DiveDisplay& d = m_model->Display();
  m_filling = true;
  if (m_ui->ListBox1->currentIndex().row() != m_model->SelectedIndex())
    m_ui->ListBox1->setCurrentIndex(m_diveList->index(m_model->SelectedIndex()));
  // Each text is shown from its start (setText leaves the cursor at the end, which scrolls
  // the start of a long text away and hides its end under a "..." button).
  const auto show = [](QLineEdit* field, const std::string& text) {
    field->setText(FromWin1250(text));
    field->setCursorPosition(0);
  };
  for (int i = 0; i < kTextFieldCount; ++i) show(m_textFields[i], d.Fields[i]);
  for (int i = 0; i < 3; ++i) {
    ShowChoice(*m_listFields[i], m_model->View(), static_cast<CategoryList>(i),
               FromWin1250(d.Lists[i]));
    ShowElided(*m_setFields[i], FromWin1250(d.Sets[i]), SetButton(*m_ui, i));
  }
  m_ui->Spotreba->setText(FromWin1250(d.Spotreba));
  m_ui->Plnost->setText(FromWin1250(d.Plnost));
  m_ui->EAN->setText(FromWin1250(d.Ean));
  ShowNote(FromWin1250(d.Fields[static_cast<std::size_t>(TextField::Poznamka)]));
  m_filling = false;
  UpdateGraphs();
}

void TFormMain::ShowNote(const QString& note) {
  m_ui->LabelPoznamka->setText(note);
  const int length = static_cast<int>(note.size());
  m_ui->SoupakPoznamka->setValue(std::min(length, static_cast<int>(kNoteTextWidth)));
  const char* colour = "#008000";
  switch (NoteColourForLength(length)) {
    case NoteBarColour::Green:
      break;
    case NoteBarColour::Yellow:
      colour = "#ffff00";
      break;
    case NoteBarColour::Red:
      colour = "#ff0000";
      break;
  }
  m_ui->SoupakPoznamka->setStyleSheet(
      QString("QProgressBar{border:0;background:transparent}QProgressBar::chunk{background:%1}")
          .arg(colour));
}

bool TFormMain::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_F11 && key->modifiers() == Qt::NoModifier) {
      if (auto* field = qobject_cast<QWidget*>(watched)) CopyFromPreviousDive(field);
      return true;
    }
  }
  if ((event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) &&
      m_model->Logbook().Nacteno) {
    // The move happens when the key is released. The press is kept from the focused
    // control too: the list and the drop-down lists would otherwise move by themselves.
    if (const auto move = NavigationMove(*static_cast<QKeyEvent*>(event))) {
      if (event->type() == QEvent::KeyRelease) {
        m_model->Navigate(*move);
        FillFields();
        UpdateStatusPanel();
      }
      return true;
    }
  }
  if (event->type() == QEvent::FocusOut && StoresOnLeave(watched, *m_ui)) {
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason &&
        m_model->Logbook().Nacteno) {
      StoreEditedDive();
      ShowCurrentDive();
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void TFormMain::CopyFromPreviousDive(QWidget* field) {
  if (!m_model->Logbook().Nacteno) return;
  for (int i = 0; i < kTextFieldCount; ++i) {
    if (field != m_textFields[i]) continue;
    const QString text = FromWin1250(m_model->PreviousDiveText(static_cast<TextField>(i)));
    m_textFields[i]->setText(text);
    m_model->FieldEdited(static_cast<TextField>(i), ToWin1250(text));
    if (static_cast<TextField>(i) == TextField::Poznamka) ShowNote(text);
  }
  for (int i = 0; i < 3; ++i) {
    if (field == m_listFields[i] || field == m_listFields[i]->lineEdit()) {
      m_model->CopyPreviousList(static_cast<CategoryList>(i));
      ShowChoice(*m_listFields[i], m_model->View(), static_cast<CategoryList>(i),
                 FromWin1250(m_model->Display().Lists[i]));
    }
    if (field == m_setFields[i]) {
      m_model->CopyPreviousSet(static_cast<CategorySet>(i));
      ShowElided(*m_setFields[i], FromWin1250(m_model->Display().Sets[i]), SetButton(*m_ui, i));
    }
  }
  UpdateStatusPanel();
}

void TFormMain::CategoryDialog(CategorySet set) {
  StoreEditedDive();
  if (!m_model->CurrentDive()) return;
  const std::array<bool, 16> flags = m_model->SetFlags(set);
  std::optional<std::array<bool, 16>> chosen;
  switch (set) {
    case CategorySet::TypPonoru:
      m_dialogTyp->Prepare(m_tables, flags);
      if (m_dialogTyp->exec() == QDialog::Accepted) chosen = m_dialogTyp->Flags();
      break;
    case CategorySet::TypAktivity:
      m_dialogAktivita->Prepare(m_tables, flags);
      if (m_dialogAktivita->exec() == QDialog::Accepted) chosen = m_dialogAktivita->Flags();
      break;
    case CategorySet::Chyby:
      m_dialogChyby->Prepare(m_tables, flags);
      if (m_dialogChyby->exec() == QDialog::Accepted) chosen = m_dialogChyby->Flags();
      break;
  }
  if (chosen) m_model->ApplySetFlags(set, *chosen);
  ShowCurrentDive();
}

void TFormMain::PickListCommand(MainWindowModel::PickList list) {
  StoreEditedDive();
  if (!m_model->Logbook().Nacteno) return;
  if (auto picked = m_formQuery->Pick(m_model->PickListValues(list)))
    m_model->ApplyPick(list, *picked);
  ShowCurrentDive();
}

void TFormMain::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!m_firstShow) return;
  m_firstShow = false;
  m_formJazyk->SetLanguages(LanguageNames(m_translations));
  LanguageLoad();
  if (!OfferRecoveryCopies() && !m_options.StartFileName.empty())
    OpenLogbookFile(QString::fromStdString(m_options.StartFileName));
  StartRecoveryCopies();
  PlaceRememberedWindows();
  while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
  ShowCurrentDive();
}

void TFormMain::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  // Coming back to the main window refreshes the fields.
  if (event->type() == QEvent::ActivationChange && isActiveWindow() && !m_firstShow &&
      !m_model->FieldsEdited())
    ShowCurrentDive();
}

void TFormMain::closeEvent(QCloseEvent* event) {
  StoreEditedDive();
  if (m_model->Logbook().Nacteno && m_model->Logbook().Zmeneno && !AskToSaveChanges()) {
    event->ignore();
    return;
  }
  m_settings.MTop = y();
  m_settings.MLeft = x();
  RememberWindowGeometry();
  WriteAppSettings(m_settings, m_store);
  m_recovery.Remove();  // saved or given up: nothing is left to recover
  GuardForget();        // the lock goes with the window, not only with the process
  event->accept();
}

}  // namespace zirdan
