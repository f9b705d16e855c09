#include "ui/dialog_typ.h"

#include <QRadioButton>

#include "adapters/qt_text.h"
#include "ui_dialog_typ.h"

namespace zirdan {
namespace {

// Sets a group's buttons in the order given, as the dialog's radio groups behave:
// switching one on switches the others off, switching one off leaves them.
void PresetGroup(std::initializer_list<std::pair<QRadioButton*, bool>> buttons) {
  for (auto& [button, on] : buttons) button->setAutoExclusive(false);
  for (auto& [button, on] : buttons) {
    if (!on) {
      button->setChecked(false);
      continue;
    }
    for (auto& [other, unused] : buttons) other->setChecked(other == button);
  }
  for (auto& [button, on] : buttons) button->setAutoExclusive(true);
}

}  // namespace

TDialogTyp::TDialogTyp(QWidget* parent) : TFixedDialog(parent), m_ui(new Ui::DialogTyp) {
  m_ui->setupUi(this);
  FixSize();
  m_ui->OKBtn->setDefault(true);
  ConnectButtons(m_ui->OKBtn, m_ui->CancelBtn);
}

TDialogTyp::~TDialogTyp() = default;

void TDialogTyp::Prepare(const TCategoryTables& tables, const std::array<bool, 16>& flags) {
  m_flags = flags;
  const std::pair<QRadioButton*, int> withBits[] = {
      {m_ui->Bezdekompresni, 2}, {m_ui->dekompresni, 3}, {m_ui->Obycejny, 4}, {m_ui->Jojo, 5},
      {m_ui->Sladka, 6},         {m_ui->Morska, 7},      {m_ui->Nitrox, 8},   {m_ui->SCR, 9}};
  for (auto [button, bit] : withBits)
    button->setText("&" + FromWin1250(tables.TypPonoru[static_cast<std::size_t>(bit)]));
  PresetGroup({{m_ui->Bezdekompresni, flags[2]}, {m_ui->dekompresni, flags[3]}});
  PresetGroup({{m_ui->Obycejny, flags[4]}, {m_ui->Jojo, flags[5]}});
  PresetGroup({{m_ui->Sladka, flags[6]}, {m_ui->Morska, flags[7]}});
  PresetGroup({{m_ui->nic, true}, {m_ui->Nitrox, flags[8]}, {m_ui->SCR, flags[9]}});
}

std::array<bool, 16> TDialogTyp::Flags() const {
  std::array<bool, 16> flags = m_flags;
  flags[2] = m_ui->Bezdekompresni->isChecked();
  flags[3] = m_ui->dekompresni->isChecked();
  flags[4] = m_ui->Obycejny->isChecked();
  flags[5] = m_ui->Jojo->isChecked();
  flags[6] = m_ui->Sladka->isChecked();
  flags[7] = m_ui->Morska->isChecked();
  flags[8] = m_ui->Nitrox->isChecked();
  flags[9] = m_ui->SCR->isChecked();
  return flags;
}

}  // namespace zirdan
