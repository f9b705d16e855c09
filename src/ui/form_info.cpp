#include "ui/form_info.h"

#include <array>
#include <utility>

#include "adapters/qt_text.h"
#include "ui_form_info.h"

namespace zirdan {

TFormInfo::TFormInfo(QWidget* parent) : TFixedDialog(parent), m_ui(new Ui::FormInfo) {
  m_ui->setupUi(this);
  FixSize();
  m_ui->ButtonOK->setDefault(true);
  connect(m_ui->ButtonOK, &QPushButton::clicked, this, &QDialog::accept);
}

TFormInfo::~TFormInfo() = default;

TTransferInfoTexts TFormInfo::Texts(const std::string& batteryLow) const {
  TTransferInfoTexts texts;
  texts.UnitsBitSet = ToWin1250(m_ui->Label10->text());
  texts.UnitsBitClear = ToWin1250(m_ui->Label11->text());
  texts.BeeperBitSet = ToWin1250(m_ui->Label12->text());
  texts.BeeperBitClear = ToWin1250(m_ui->Label13->text());
  texts.BatteryLow = batteryLow;
  return texts;
}

void TFormInfo::ShowInfo(const TTransferInfo& info) {
  m_ui->ltyp->setText(FromWin1250(info.Typ));
  m_ui->Label2->setVisible(info.MaxPO2.has_value());
  m_ui->lpo2->setVisible(info.MaxPO2.has_value());
  if (info.MaxPO2) m_ui->lpo2->setText(FromWin1250(*info.MaxPO2));
  m_ui->Label3->setVisible(info.CitlivostShown);
  m_ui->lcitlivost->setVisible(info.CitlivostShown);
  // A sensitivity code the table does not know leaves the text the row had.
  if (info.Citlivost) m_ui->lcitlivost->setText(FromWin1250(*info.Citlivost));
  m_ui->lsn->setText(FromWin1250(info.SerioveCislo));
  m_ui->lbaterie->setText(FromWin1250(info.Baterie));
  m_ui->lpocet->setText(FromWin1250(info.PocetPonoru));
  m_ui->ljednotky->setText(FromWin1250(info.Jednotky));
  m_ui->lpipani->setText(FromWin1250(info.Pipani));
  PlaceRows();
  m_ui->ButtonOK->setFocus();
  exec();
}

void TFormInfo::PlaceRows() {
  const std::array<std::pair<QLabel*, QLabel*>, 8> rows = {{{m_ui->Label1, m_ui->ltyp},
                                                            {m_ui->Label2, m_ui->lpo2},
                                                            {m_ui->Label3, m_ui->lcitlivost},
                                                            {m_ui->Label4, m_ui->lsn},
                                                            {m_ui->Label5, m_ui->lbaterie},
                                                            {m_ui->Label6, m_ui->lpocet},
                                                            {m_ui->Label7, m_ui->ljednotky},
                                                            {m_ui->Label8, m_ui->lpipani}}};
  constexpr int kTop = 10;
  constexpr int kRowHeight = 22;
  int y = kTop;
  for (auto [caption, value] : rows) {
    if (!caption->isVisibleTo(this)) continue;
    caption->move(caption->x(), y);
    value->move(value->x(), y);
    y += kRowHeight;
  }
}

}  // namespace zirdan
