#include "ui/form_hledat.h"

#include <QScreen>

#include "ui_form_hledat.h"

namespace zirdan {

TFormHledat::TFormHledat(QWidget* parent) : TFixedDialog(parent), m_ui(new Ui::FormHledat) {
  m_ui->setupUi(this);
  FixSize();
  m_ui->ButtonOk->setDefault(true);
  ConnectButtons(m_ui->ButtonOk, m_ui->ButtonZpet);
}

TFormHledat::~TFormHledat() = default;

bool TFormHledat::Ask() {
  m_ui->EditHledat->selectAll();
  m_ui->EditHledat->setFocus();
  return exec() == QDialog::Accepted;
}

QString TFormHledat::SearchText() const {
  return m_ui->EditHledat->text();
}

SearchField TFormHledat::Field() const {
  if (m_ui->Misto->isChecked()) return SearchField::Misto;
  if (m_ui->Partner->isChecked()) return SearchField::Partner;
  if (m_ui->Poznamka->isChecked()) return SearchField::Poznamka;
  return SearchField::Lokalita;
}

bool TFormHledat::FromBeginning() const {
  return m_ui->Zacatek->isChecked();
}

void TFormHledat::showEvent(QShowEvent* event) {
  // The window stands in the middle of the screen, not of the main window.
  if (const QScreen* shown = screen())
    move(shown->availableGeometry().center() - rect().center());
  TFixedDialog::showEvent(event);
}

}  // namespace zirdan
