#include "ui/dialog_chyby.h"

#include "adapters/qt_text.h"
#include "ui_dialog_chyby.h"

namespace zirdan {

TDialogChyby::TDialogChyby(QWidget* parent) : TFixedDialog(parent), m_ui(new Ui::DialogChyby) {
  m_ui->setupUi(this);
  FixSize();
  m_ui->OKBtn->setDefault(true);
  ConnectButtons(m_ui->OKBtn, m_ui->CancelBtn);
}

TDialogChyby::~TDialogChyby() = default;

void TDialogChyby::Prepare(const TCategoryTables& tables, const std::array<bool, 16>& flags) {
  m_flags = flags;
  const std::pair<QCheckBox*, std::size_t> boxes[] = {
      {m_ui->vystup, 0}, {m_ui->dekomprese, 3}, {m_ui->prace, 4}, {m_ui->sos, 5}};
  for (auto [box, bit] : boxes) {
    box->setText(FromWin1250(tables.Chyby[bit]).replace('&', "&&"));
    box->setChecked(flags[bit]);
  }
}

std::array<bool, 16> TDialogChyby::Flags() const {
  std::array<bool, 16> flags = m_flags;
  flags[0] = m_ui->vystup->isChecked();
  flags[3] = m_ui->dekomprese->isChecked();
  flags[4] = m_ui->prace->isChecked();
  flags[5] = m_ui->sos->isChecked();
  return flags;
}

}  // namespace zirdan
