#include "ui/dialog_tisk.h"

#include <QCheckBox>
#include <QSignalBlocker>
#include <QSpinBox>

#include "ui_dialog_tisk.h"

namespace zirdan {

TDialogTisk::TDialogTisk(QWidget* parent) : TFixedDialog(parent), m_ui(new Ui::DialogTisk) {
  m_ui->setupUi(this);
  FixSize();
  ConnectButtons(m_ui->OKBtn, m_ui->CancelBtn);
  connect(m_ui->vsechno, &QCheckBox::toggled, this, [this](bool all) {
    if (!all) return;
    const QSignalBlocker blockFirst(m_ui->odod);
    const QSignalBlocker blockLast(m_ui->dodo);
    m_ui->odod->setValue(m_ui->odod->minimum());
    m_ui->dodo->setValue(m_ui->dodo->maximum());
  });
  // Choosing a number by hand means a range, not all dives.
  for (QSpinBox* spin : {m_ui->odod, m_ui->dodo})
    connect(spin, &QSpinBox::valueChanged, this, [this] { m_ui->vsechno->setChecked(false); });
}

TDialogTisk::~TDialogTisk() = default;

std::optional<PrintRange> TDialogTisk::Ask(const QString& caption, int first, int last,
                                           int current) {
  setWindowTitle(caption);
  m_ui->vsechno->setChecked(false);
  for (QSpinBox* spin : {m_ui->odod, m_ui->dodo}) {
    const QSignalBlocker block(spin);
    spin->setRange(first, last);
    spin->setValue(current);
  }
  m_ui->odod->selectAll();
  m_ui->odod->setFocus();
  if (exec() != QDialog::Accepted) return std::nullopt;
  m_ui->odod->interpretText();
  m_ui->dodo->interpretText();
  return PrintRange{m_ui->odod->value(), m_ui->dodo->value()};
}

}  // namespace zirdan
