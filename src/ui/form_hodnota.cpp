#include "ui/form_hodnota.h"

#include "ui_form_hodnota.h"

namespace zirdan {

TFormHodnota::TFormHodnota(QWidget* parent) : TFixedDialog(parent), m_ui(new Ui::FormHodnota) {
  m_ui->setupUi(this);
  FixSize();
}

TFormHodnota::~TFormHodnota() = default;

int TFormHodnota::Ask(const QString& prompt, int value, int min, int max) {
  return AskOrCancel(prompt, value, min, max).value_or(value);
}

std::optional<int> TFormHodnota::AskOrCancel(const QString& prompt, int value, int min,
                                             int max) {
  m_ui->Label1->setText(prompt);
  m_ui->SpinEdit1->setRange(min, max);
  m_ui->SpinEdit1->setValue(value);
  m_ui->SpinEdit1->selectAll();
  m_ui->SpinEdit1->setFocus();
  if (exec() != QDialog::Accepted) return std::nullopt;
  m_ui->SpinEdit1->interpretText();
  return m_ui->SpinEdit1->value();
}

}  // namespace zirdan
