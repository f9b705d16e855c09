#include "ui/form_cislo.h"

#include <algorithm>

#include "ui_form_cislo.h"

namespace zirdan {

TFormCislo::TFormCislo(QWidget* parent) : TFixedDialog(parent), m_ui(new Ui::FormCislo) {
  m_ui->setupUi(this);
  FixSize();
}

TFormCislo::~TFormCislo() = default;

uint16_t TFormCislo::Ask(uint16_t prvniCislo) {
  m_ui->SpinEdit1->setValue(std::clamp<int>(prvniCislo, 1, 9999));
  m_ui->SpinEdit1->selectAll();
  m_ui->SpinEdit1->setFocus();
  if (exec() != QDialog::Accepted) return prvniCislo;
  m_ui->SpinEdit1->interpretText();
  return static_cast<uint16_t>(m_ui->SpinEdit1->value());
}

}  // namespace zirdan
