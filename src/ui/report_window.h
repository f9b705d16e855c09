#pragma once

#include <QDialog>
#include <QStringList>
#include <string>
#include <vector>

#include "core/message_table.h"
#include "settings/app_settings.h"

class QAction;
class QMenu;
class QPlainTextEdit;
class QTimer;

namespace zirdan {

// What the statistics window and the overview window share: a report text in a memo that
// fills the window, in the fixed-pitch font of the settings, with a popup menu to save it,
// print it, ask for help and close. The memo can be edited; what the user types is saved and
// printed too. Esc, a double click on the memo and the close item close the window.
class TReportWindow : public QDialog {
  Q_OBJECT

 public:
  ~TReportWindow() override;

  // Shows the report (Windows-1250 lines) modally; returns when the user has closed it.
  // `logbookPath` is the logbook's file: the save dialog first looks in its folder, and a
  // printed copy is named after it. A long report opens with its beginning, and the rest
  // fills in while the window is on screen.
  void ShowReport(std::vector<std::string> lines, const QString& logbookPath);
  // The memo's lines as the window holds them now, the whole report included.
  QStringList Lines();

  // Position and size as the settings keep them.
  WindowGeometry Geometry() const;
  void SetGeometry(const WindowGeometry& geometry);

  // The memo's commands, also for tests.
  void SaveCommand();
  void PrintCommand();

 Q_SIGNALS:
  // The help item: the help page of this context number is wanted. Nothing opens help pages
  // yet; the main window will connect this when it can.
  void HelpRequested(int helpContext);

 protected:
  // The window's own components, made by its Designer form.
  struct Parts {
    QPlainTextEdit* Memo;
    QAction* Save;   // Uloit2
    QAction* Print;  // Tisk2
    QAction* Help;   // Npovda2
    QAction* Close;  // Zpt2
  };
  // `settings` (fonts) and `messages` (failure texts) must outlive the window.
  TReportWindow(const TAppSettings& settings, const TMessageTable& messages, int helpContext,
                QString proposedFileName, QWidget* parent);
  // Called by the window once its form is set up: builds the popup menu PopupMenu1 from
  // the items in their order and connects them.
  void Attach(Parts parts);

  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QFont FixedFont() const;
  // Adds the next piece of the report's rest to the memo.
  void FillPiece();
  // Adds all of the report's rest at once.
  void FillAll();

  const TAppSettings& m_settings;
  const TMessageTable& m_messages;
  const int m_helpContext;
  const QString m_proposedFileName;
  QString m_logbookPath;
  QString m_folder;
  Parts m_parts{};
  QMenu* m_popup = nullptr;
  std::vector<std::string> m_rest;  // the report's lines while the memo fills
  std::size_t m_restAt = 0;         // the first line of m_rest not in the memo yet
  QTimer* m_filling = nullptr;
};

}  // namespace zirdan
