#include "ui/form_vyber.h"

#include <algorithm>

#include "ui_form_vyber.h"

namespace zirdan {

TFormVyber::TFormVyber(QWidget* parent) : TFixedDialog(parent), m_ui(new Ui::FormVyber) {
  m_ui->setupUi(this);
  FixSize();
  m_ui->OKBtn->setDefault(true);
  ConnectButtons(m_ui->OKBtn, m_ui->CancelBtn);
  connect(m_ui->List, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
}

TFormVyber::~TFormVyber() = default;

std::optional<std::vector<int>> TFormVyber::Choose(const QStringList& entries) {
  m_ui->List->clear();
  m_ui->List->addItems(entries);
  if (!entries.isEmpty()) {
    // The newest dive, usually the one wanted, is at hand.
    m_ui->List->setCurrentRow(static_cast<int>(entries.size()) - 1,
                              QItemSelectionModel::ClearAndSelect);
    m_ui->List->scrollToBottom();
  }
  m_ui->List->setFocus();
  if (exec() != QDialog::Accepted) return std::nullopt;
  std::vector<int> rows;
  for (const QModelIndex& index : m_ui->List->selectionModel()->selectedRows())
    rows.push_back(index.row());
  if (rows.empty()) return std::nullopt;
  std::sort(rows.begin(), rows.end());
  return rows;
}

}  // namespace zirdan
