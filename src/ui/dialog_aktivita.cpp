#include "ui/dialog_aktivita.h"

#include "adapters/qt_text.h"
#include "ui_dialog_aktivita.h"

namespace zirdan {

TDialogAktivita::TDialogAktivita(QWidget* parent)
    : TFixedDialog(parent), m_ui(new Ui::DialogAktivita) {
  m_ui->setupUi(this);
  FixSize();
  m_boxes = {m_ui->vyhlidkovy, m_ui->klubova,       m_ui->vycvik, m_ui->instruktaz,
             m_ui->nocni,      m_ui->speleologicky, m_ui->led,    m_ui->pruzkum,
             m_ui->vrak,       m_ui->ricni,         m_ui->proud,  m_ui->foto,
             m_ui->lod,        m_ui->clun,          m_ui->prace,  m_ui->zachrana};
  m_ui->OKBtn->setDefault(true);
  ConnectButtons(m_ui->OKBtn, m_ui->CancelBtn);
}

TDialogAktivita::~TDialogAktivita() = default;

void TDialogAktivita::Prepare(const TCategoryTables& tables, const std::array<bool, 16>& flags) {
  for (std::size_t bit = 0; bit < 16; ++bit) {
    m_boxes[bit]->setText(FromWin1250(tables.TypAktivity[bit]).replace('&', "&&"));
    m_boxes[bit]->setChecked(flags[bit]);
  }
}

std::array<bool, 16> TDialogAktivita::Flags() const {
  std::array<bool, 16> flags{};
  for (std::size_t bit = 0; bit < 16; ++bit) flags[bit] = m_boxes[bit]->isChecked();
  return flags;
}

}  // namespace zirdan
