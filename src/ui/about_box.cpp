#include "ui/about_box.h"

#include <QApplication>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QScreen>

#include "adapters/qt_translate_window.h"
#include "ui_about_box.h"

namespace zirdan {

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent), m_ui(new Ui::AboutBox) {
  m_ui->setupUi(this);
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  m_ui->FileVersion->setText(ZIRDAN_VERSION);
  m_ui->ProgramIcon->setPixmap(QApplication::windowIcon().pixmap(64, 64));
  m_ui->EMailAdresa->installEventFilter(this);
  m_ui->HTTPAdresa->installEventFilter(this);
  connect(m_ui->ButtonOk, &QPushButton::clicked, this, &QDialog::accept);
}

TAboutBox::~TAboutBox() = default;

void TAboutBox::ShowAsSplash() {
  setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
  setFixedSize(width(), kSplashHeight);
  if (const QScreen* screen = QApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  show();
  repaint();
}

void TAboutBox::HideSplash() {
  hide();
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setFixedSize(width(), kAboutHeight);
}

void TAboutBox::ShowAbout(const TTranslationFile& file, int language, const QString& fontFamily,
                          int fontSize) {
  TranslateWindow(*this, "AboutBox", file, language);
  ApplyFonts(fontFamily, fontSize);
  if (parentWidget()) move(parentWidget()->geometry().center() - rect().center());
  exec();
}

void TAboutBox::ApplyFonts(const QString& family, int size) {
  // The button takes the interface font whole; the labels only its face, so that the
  // product name stays large.
  ApplyFormFont(*m_ui->ButtonOk, family, size);
  const QString face = m_ui->ButtonOk->font().family();
  for (QLabel* label : findChildren<QLabel*>()) {
    QFont font = label->font();
    font.setFamily(face);
    label->setFont(font);
  }
}

bool TAboutBox::eventFilter(QObject* watched, QEvent* event) {
  const bool link = watched == m_ui->EMailAdresa || watched == m_ui->HTTPAdresa;
  const QEvent::Type type = event->type();
  if (!link || (type != QEvent::MouseButtonRelease && type != QEvent::MouseButtonDblClick) ||
      static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
    return QDialog::eventFilter(watched, event);
  // A click or a double click opens the address once: the events of a double click
  // that follow an opening are taken without opening it again.
  const bool again = watched == m_lastOpened && m_sinceOpened.isValid() &&
                     m_sinceOpened.elapsed() <= QApplication::doubleClickInterval();
  if (again) return true;
  m_lastOpened = watched;
  m_sinceOpened.start();
  if (watched == m_ui->EMailAdresa)
    QDesktopServices::openUrl(QUrl("mailto:" + m_ui->EMailAdresa->text()));
  else
    QDesktopServices::openUrl(QUrl(m_ui->HTTPAdresa->text()));
  return true;
}

}  // namespace zirdan
