// The main window's commands that tie the program to the desktop: registering the
// logbook file type, the about box and the dive-site status report.
#include <QApplication>
#include <QDesktopServices>
#include <QUrl>
#include <cstdlib>

#include "adapters/qt_file_association.h"
#include "env/status_report.h"
#include "ui/about_box.h"
#include "ui/busy_cursor.h"
#include "ui/form_hlaska.h"
#include "ui/form_main.h"
#include "ui_form_main.h"

namespace zirdan {

void TFormMain::ConnectDesktopMenu() {
  connect(m_ui->Registraceppony1, &QAction::triggered, this, &TFormMain::RegisterFileTypeCommand);
  connect(m_ui->Autor1, &QAction::triggered, this, &TFormMain::AboutCommand);
  connect(m_ui->Hlasenistavu1, &QAction::triggered, this, &TFormMain::StatusReportCommand);
}

void TFormMain::RegisterFileTypeCommand() {
  StoreEditedDive();
  const QString question = Text("StrRegistLog1") + "\n" + Text("StrRegistLog2");
  if (ShowAppMessage(question, MessageKind::Question) != kResultYes) return;
  OpResult done;
  {
    BusyCursor busy;
    done = RegisterLogFileType(QApplication::applicationFilePath(), UserDataHome(),
                               SystemDesktopTools());
  }
  if (!done) {
    ShowFailure(done, m_messages);
    return;
  }
  ShowAppMessage(Text("StrRegistLog3"), MessageKind::Information);
}

void TFormMain::AboutCommand() {
  StoreEditedDive();
  if (!m_aboutBox) m_aboutBox = std::make_unique<TAboutBox>(this);
  m_aboutBox->ShowAbout(m_translations, std::atoi(m_settings.Jazyk.c_str()),
                        QString::fromStdString(m_settings.FontSerif), m_settings.FontSerifSize);
}

void TFormMain::StatusReportCommand() {
  if (!m_model->Logbook().Nacteno) return;
  // The address is built from the display texts, so the fields' edits go in first.
  StoreEditedDive();
  ShowCurrentDive();
  const std::string address =
      BuildStatusReportAddress(m_settings.StatusReportAddress, m_model->View());
  // The address is already encoded; the browser gets it byte for byte.
  QDesktopServices::openUrl(QUrl::fromEncoded(QByteArray::fromStdString(address)));
}

}  // namespace zirdan
