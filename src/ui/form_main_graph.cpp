// The profile graphs of the main window and the remembered window geometry.
#include "ui/form_graf.h"
#include "adapters/qt_profile_view.h"
#include "ui/form_main.h"
#include "ui/form_prehled.h"
#include "ui/form_statistika.h"
#include "ui_form_main.h"

namespace zirdan {

void TFormMain::CreateGraphs() {
  m_graf = std::make_unique<TFormGraf>(m_messages, this);
  m_graf->setWindowFlag(Qt::Window);
  m_ui->PaintBox1->SetKind(QtProfileView::Kind::Small);
  connect(m_ui->PaintBox1, &QtProfileView::DoubleClicked, this, &TFormMain::ToggleGraphWindow);
  connect(m_graf.get(), &TFormGraf::Shown, this, [this] { m_graphWindowShown = true; });
  connect(m_graf.get(), &TFormGraf::Closed, this, [this] { m_graphWindowShown = false; });
}

void TFormMain::UpdateGraphs() {
  const MainWindowModel& model = *m_model;
  if (!model.CurrentDive()) {
    m_ui->PaintBox1->ShowNothing();
    return;
  }
  m_ui->PaintBox1->ShowProfile(model.View(), model.CurrentDive()->Hloubka);
  if (m_graphWindowShown) m_graf->ShowDive(*model.CurrentDive(), model.View());
}

QWidget* TFormMain::GraphWindowWidget() {
  return m_graf.get();
}

void TFormMain::PlaceRememberedWindows() {
  m_graf->SetGeometry(m_settings.Graf);
  m_formStatistika->SetGeometry(m_settings.Statistika);
  m_formPrehled->SetGeometry(m_settings.Prehled);
}

void TFormMain::RememberWindowGeometry() {
  m_settings.Graf = m_graf->Geometry();
  m_settings.Statistika = m_formStatistika->Geometry();
  m_settings.Prehled = m_formPrehled->Geometry();
}

void TFormMain::ToggleGraphWindow() {
  StoreEditedDive();
  if (m_graphWindowShown) {
    m_graf->close();
  } else {
    m_graf->show();
    m_graf->raise();
  }
  ShowCurrentDive();
  m_ui->ListBox1->setFocus();
}

}  // namespace zirdan
