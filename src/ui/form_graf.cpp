#include "ui/form_graf.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QShowEvent>
#include <algorithm>

#include "core/profile.h"
#include "core/win1250.h"
#include "adapters/qt_profile_view.h"
#include "ui_form_graf.h"

namespace zirdan {

char SystemDecimalSeparator() {
  const QString point = QLocale::system().decimalPoint();
  if (point.size() != 1) return '.';
  const int byte = UnicodeToWin1250(point.at(0).unicode());
  return byte > 0 ? static_cast<char>(byte) : '.';
}

TFormGraf::TFormGraf(const TMessageTable& messages, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                          Qt::WindowCloseButtonHint),
      m_ui(std::make_unique<Ui::FormGraf>()),
      m_messages(messages),
      m_decimalSeparator(SystemDecimalSeparator()) {
  m_ui->setupUi(this);
  m_ui->PaintBox1->SetKind(QtProfileView::Kind::Large);
  m_ui->PaintBox1->SetMessages(&m_messages, m_decimalSeparator);
  ConnectSignals();
}

TFormGraf::~TFormGraf() = default;

void TFormGraf::ConnectSignals() {
  connect(m_ui->PaintBox1, &QtProfileView::DoubleClicked, this, &QWidget::close);
}

void TFormGraf::ShowDive(const ponor& dive, const ponorTxt& view) {
  const LargeGraphValues values{ConsumptionRate(dive, view).value, AverageDepth(dive, view).value};
  m_ui->PaintBox1->ShowProfile(view, dive.Hloubka, values);
}

void TFormGraf::ShowNoDive() {
  m_ui->PaintBox1->ShowNothing();
}

void TFormGraf::SetDecimalSeparator(char separator) {
  m_decimalSeparator = separator;
  m_ui->PaintBox1->SetMessages(&m_messages, separator);
}

WindowGeometry TFormGraf::Geometry() const {
  return WindowGeometry{y(), x(), width(), height()};
}

void TFormGraf::SetGeometry(const WindowGeometry& geometry) {
  move(geometry.Left, geometry.Top);
  // A damaged stored size must not leave a window too small to see.
  resize(std::max(geometry.Width, minimumWidth()), std::max(geometry.Height, minimumHeight()));
}

QtProfileView* TFormGraf::PaintBox() const {
  return m_ui->PaintBox1;
}

void TFormGraf::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // Restoring a minimised window is no new showing.
  if (!event->spontaneous()) Q_EMIT Shown();
}

void TFormGraf::closeEvent(QCloseEvent* event) {
  QWidget::closeEvent(event);
  Q_EMIT Closed();
}

void TFormGraf::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

void TFormGraf::mouseDoubleClickEvent(QMouseEvent* event) {
  event->accept();
  close();
}

}  // namespace zirdan
