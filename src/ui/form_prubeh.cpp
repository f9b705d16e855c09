#include "ui/form_prubeh.h"

#include <QApplication>
#include <QStyle>

#include "ui_form_prubeh.h"

namespace zirdan {

TFormPrubeh::TFormPrubeh(QWidget* parent) : QDialog(parent), m_ui(new Ui::FormPrubeh) {
  m_ui->setupUi(this);
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setFixedSize(size());
  QIcon icon = QApplication::windowIcon();
  if (icon.isNull()) icon = style()->standardIcon(QStyle::SP_MessageBoxInformation);
  m_ui->Image1->setPixmap(icon.pixmap(m_ui->Image1->size()));
}

TFormPrubeh::~TFormPrubeh() = default;

void TFormPrubeh::ShowProgress(const QString& text) {
  m_ui->Label1->setText(text);
  if (!isVisible()) show();
  repaint();
  // The window manager maps a new window only through the event loop.
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace zirdan
