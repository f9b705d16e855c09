#pragma once

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>

#include "core/category_tables.h"
#include "core/log_file.h"
#include "env/field_labels.h"
#include "env/language_load.h"
#include "core/message_table.h"
#include "env/translation_file.h"
#include "settings/app_settings.h"
#include "editor/main_window_model.h"
#include "editor/logbook_guard.h"
#include "editor/recovery_copy.h"

class QAction;
class QComboBox;
class QPrinter;
class QLineEdit;

namespace Ui {
class FormMain;
}

namespace zirdan {

class TFormGraf;
class TDialogTyp;
class TDialogAktivita;
class TDialogChyby;
class TFormQuery;
class TFormHodnota;
class TFormCislo;
class TFormJazyk;
class TFormPrenos;
class TFormInfo;
class TReportWindow;
class TFormStatistika;
class TFormPrehled;
struct ReportSource;
class TFormVyber;
class TFormHledat;
class TFormHelp;
class QtDiveListModel;
class TAboutBox;
class TDialogTisk;
class TFormPrubeh;
class QtFileWatcher;
enum class PrintCommand;

// What the program was started with.
struct StartOptions {
  std::string StartFileName;  // logbook named on the command line, empty when none
  std::string LanguageFile;   // Language.ini beside the executable
  bool Debug = false;         // "/DEBUG": dump each received frame
  bool Analyza = false;       // "/ANALYZA"
  bool SaveBlock = false;     // "/SAVEBLOCK": keep every received frame
  std::string RecoveryFolder;  // where unsaved edits are copied; empty = nowhere
};

// The main window: the dive list, the fields of the current dive, the menu.
class TFormMain : public QMainWindow {
  Q_OBJECT

 public:
  TFormMain(SettingsStore& store, StartOptions options, QWidget* parent = nullptr);
  ~TFormMain() override;

  MainWindowModel& Model() { return *m_model; }
  TAppSettings& Settings() { return m_settings; }
  const TMessageTable& Messages() const { return m_messages; }
  Ui::FormMain& Widgets() { return *m_ui; }
  TFormGraf& GraphWindow() { return *m_graf; }

  // The language load: every window's texts, the message table, the category names.
  void LanguageLoad();
  // Shows the current dive in the fields (the model decides what).
  void ShowCurrentDive();
  // Copies the logbook's unsaved edits to the recovery folder (the timer does it each
  // minute while there are any).
  void WriteRecoveryCopy();

  // Opens a logbook file (the open command after its dialog and question). A logbook that
  // another editor holds opens only when the diver says so.
  bool OpenLogbookFile(const QString& path);
  // Saves under a name; false after a failure, which has been shown, and when the diver
  // would not overwrite what another program wrote to the file meanwhile.
  bool SaveLogbookFile(const QString& path);
  // The open logbook's file may have changed on disk (the watcher calls it).
  void LogbookChangedOnDisk();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ConnectSignals();
  void ConnectFields();
  void ConnectFileMenu();
  void ConnectEditMenu();
  void ConnectSettingsMenu();
  void CreateTransferWindows();
  void ConnectTransferMenu();
  void ConnectReportsMenu();
  void ApplySettingsToMenu();
  // Offers the serial ports the system reports below COM1..COM8, when the menu opens.
  void FillSystemPortItems();

  // The four operations every command uses.
  void EnableLogbookControls(bool enabled);
  void RebuildDiveList();
  void StoreEditedDive();
  void UpdateStatusPanel();
  void FillDiveList();
  void FillFields();
  void ShowNote(const QString& note);

  // The small graph, the graph window and the remembered window geometry.
  void CreateGraphs();
  void UpdateGraphs();
  QWidget* GraphWindowWidget();
  void PlaceRememberedWindows();
  void RememberWindowGeometry();

  // File commands.
  void NewLogbookCommand();
  void OpenCommand();
  void OpenRecentCommand(int index);
  bool SaveCommand();
  bool SaveAsCommand();
  // False when the diver chose to keep the logbook open or closed the question.
  bool AskToSaveChanges();
  void UpdateRecentFileMenu();

  // Edit commands.
  void NewDiveCommand();
  void DeleteDiveCommand();
  void RenumberCommand();
  void ToggleGraphWindow();
  void CategoryDialog(CategorySet set);
  void PickListCommand(MainWindowModel::PickList list);
  void CopyFromPreviousDive(QWidget* field);
  void ConvertCommand(Encoding source, Encoding target);

  // Download from the dive computer.
  void DownloadCommand();
  // Statistics, overview, text output of the current dive, CSV export.
  void ReportCommand(TReportWindow& window,
                     const std::function<std::vector<std::string>(const ReportSource&)>& build);
  void DiveTextCommand();
  // Printing the paper logbook: the printer set-up and the five print commands.
  void ConnectPrintMenu();
  void PrinterSetUpCommand();
  void PrintSheetsCommand(PrintCommand command, QAction* item);
  bool ChoosePdfFileIfNeeded(QPrinter& printer, const QString& title);
  void ExportCommand();
  bool EnsureLogbookHasFile();
  // The export of the logbook into a UDDF file.
  void ExportUddfCommand();
  // Import, join and split, search.
  void ConnectImportJoinSearch();
  void ImportCommand();
  void JoinCommand();
  void SplitCommand();
  void SearchCommand();
  void SearchNextCommand();
  void RunSearch(bool fromFirstDive);
  // Help: the help menu, F1 everywhere, the report windows' help items.
  void ConnectHelp();
  void OpenHelp(int context);

  // File-type registration, about box, status report.
  void ConnectDesktopMenu();
  void RegisterFileTypeCommand();
  void AboutCommand();
  void StatusReportCommand();

  // Settings menu.
  void NumberSetting(const char* keyLabel, const QString& prompt, int& value, int min, int max,
                     QAction* item);
  QString MarginPrompt(const char* key) const;
  void FontSetting(bool proportional);
  void LanguageCommand();
  void RebuildValueCaptions();

  // Offers, one after the other, the unsaved edits crashes left behind; true when one was
  // opened (the others wait for the next start).
  bool OfferRecoveryCopies();
  bool OpenRecoveryCopy(const PendingCopy& copy);
  void StartRecoveryCopies();

  // The lock and the watch of the open logbook.
  bool ClaimLogbook(const std::string& path);  // false: held elsewhere and not to be opened
  void GuardOpened(const std::string& path, const DiskState& state);
  void GuardSaved(const std::string& path);
  void GuardForget();
  bool MayOverwrite(const std::string& path);  // asks when another program wrote the file

  QString Text(const char* key) const;
  // The field labels' captions as the window shows them, and the codec of the reports.
  FieldLabelCaptions ShownLabelCaptions() const;
  CodecContext ReportCodec() const;
  SaveOptions CurrentSaveOptions() const;

  std::unique_ptr<Ui::FormMain> m_ui;
  SettingsStore& m_store;
  StartOptions m_options;
  TAppSettings m_settings;
  TTranslationFile m_translations;
  TMessageTable m_messages;
  TCategoryTables m_tables;
  std::unique_ptr<MainWindowModel> m_model;
  // The rows of ListBox1, owned by it.
  QtDiveListModel* m_diveList = nullptr;
  bool m_neverSaved = false;  // a new logbook that has no file name yet
  bool m_firstShow = true;
  LogbookGuard m_guard;
  QtFileWatcher* m_watcher = nullptr;
  RecoveryCopy m_recovery;
  QTimer* m_recoveryTimer = nullptr;
  bool m_filling = false;

  std::array<QLineEdit*, kTextFieldCount> m_textFields{};
  std::array<QLineEdit*, 3> m_setFields{};
  std::array<QComboBox*, 3> m_listFields{};
  std::array<QAction*, kRecentFileCount> m_recentItems{};
  std::array<QAction*, kPortCount> m_portItems{};
  QList<QAction*> m_systemPortItems;  // the separator and the system's ports

  std::unique_ptr<TFormGraf> m_graf;
  bool m_graphWindowShown = false;
  std::unique_ptr<TDialogTyp> m_dialogTyp;
  std::unique_ptr<TDialogAktivita> m_dialogAktivita;
  std::unique_ptr<TDialogChyby> m_dialogChyby;
  std::unique_ptr<TFormQuery> m_formQuery;
  std::unique_ptr<TFormHodnota> m_formHodnota;
  std::unique_ptr<TFormCislo> m_formCislo;
  std::unique_ptr<TFormJazyk> m_formJazyk;
  std::unique_ptr<TFormInfo> m_formInfo;
  std::unique_ptr<TFormPrenos> m_formPrenos;
  std::unique_ptr<TFormStatistika> m_formStatistika;
  std::unique_ptr<TFormPrehled> m_formPrehled;
  std::unique_ptr<TFormVyber> m_formVyber;
  std::unique_ptr<TFormHledat> m_formHledat;
  std::unique_ptr<TFormHelp> m_formHelp;
  std::unique_ptr<TDialogTisk> m_dialogTisk;
  std::unique_ptr<TFormPrubeh> m_formPrubeh;
  std::unique_ptr<QPrinter> m_printer;  // the printer set up for this run
  std::unique_ptr<TAboutBox> m_aboutBox;  // created when first shown
};

}  // namespace zirdan
