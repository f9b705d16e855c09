// The profile graphs of the main window.
#include "ui/form_main.h"
#include "ui_form_main.h"

namespace zirdan {

void TFormMain::CreateGraphs() {}

void TFormMain::UpdateGraphs() {
  m_ui->PaintBox1->update();
}

QWidget* TFormMain::GraphWindowWidget() {
  return nullptr;
}

void TFormMain::PlaceRememberedWindows() {}

void TFormMain::RememberWindowGeometry() {}

void TFormMain::ToggleGraphWindow() {}

}  // namespace zirdan
