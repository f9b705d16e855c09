#include "ui/form_query.h"

#include "adapters/qt_text.h"
#include "ui_form_query.h"

namespace zirdan {

TFormQuery::TFormQuery(QWidget* parent) : TFixedDialog(parent), m_ui(new Ui::FormQuery) {
  m_ui->setupUi(this);
  FixSize();
  m_ui->OKBtn->setDefault(true);
  ConnectButtons(m_ui->OKBtn, m_ui->CancelBtn);
  connect(m_ui->List, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
}

TFormQuery::~TFormQuery() = default;

std::optional<std::string> TFormQuery::Pick(const std::vector<std::string>& values) {
  m_ui->List->clear();
  for (const std::string& v : values) m_ui->List->addItem(FromWin1250(v));
  if (!values.empty()) m_ui->List->setCurrentRow(0);
  m_ui->List->setFocus();
  if (exec() != QDialog::Accepted) return std::nullopt;
  const int row = m_ui->List->currentRow();
  if (row < 0 || static_cast<std::size_t>(row) >= values.size()) return std::nullopt;
  return values[static_cast<std::size_t>(row)];
}

}  // namespace zirdan
