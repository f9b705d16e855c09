#include "ui/form_help.h"

#include <QApplication>
#include <QFileInfo>
#include <QUrl>

#include "ui_form_help.h"

namespace zirdan {

TFormHelp::TFormHelp(QWidget* parent) : QDialog(parent), m_ui(new Ui::FormHelp) {
  m_ui->setupUi(this);
  // A window of its own with the usual title-bar buttons, not a dialog box.
  setWindowFlags(Qt::Window);
  QTextBrowser* browser = m_ui->TextBrowser;
  connect(m_ui->ButtonZpet, &QPushButton::clicked, browser, &QTextBrowser::backward);
  connect(m_ui->ButtonVpred, &QPushButton::clicked, browser, &QTextBrowser::forward);
  connect(m_ui->ButtonObsah, &QPushButton::clicked, this, [this] {
    // Every language folder has its contents page beside the other pages.
    const QString current = CurrentPage();
    if (!current.isEmpty())
      m_ui->TextBrowser->setSource(QUrl::fromLocalFile(QFileInfo(current).absolutePath() +
                                                       "/index.html"));
  });
  connect(m_ui->ButtonZavrit, &QPushButton::clicked, this, &QDialog::close);
  connect(browser, &QTextBrowser::backwardAvailable, m_ui->ButtonZpet, &QWidget::setEnabled);
  connect(browser, &QTextBrowser::forwardAvailable, m_ui->ButtonVpred, &QWidget::setEnabled);
  m_ui->ButtonZpet->setEnabled(false);
  m_ui->ButtonVpred->setEnabled(false);
}

TFormHelp::~TFormHelp() = default;

void TFormHelp::ShowPage(const QString& path) {
  // A modal dialog blocks every other window, so help asked for from one must itself be
  // modal to be read; help opened from the main window stays usable beside it.
  QWidget* modal = QApplication::activeModalWidget();
  Qt::WindowModality wanted = modal ? Qt::ApplicationModal : Qt::NonModal;
  if (modal == this) wanted = windowModality();
  if (windowModality() != wanted) {
    hide();
    setWindowModality(wanted);
  }
  m_ui->TextBrowser->setSource(QUrl::fromLocalFile(path));
  show();
  raise();
  activateWindow();
  m_ui->TextBrowser->setFocus();
}

QString TFormHelp::CurrentPage() const {
  return m_ui->TextBrowser->source().toLocalFile();
}

QString TFormHelp::PageTitle() const {
  return m_ui->TextBrowser->documentTitle();
}

}  // namespace zirdan
