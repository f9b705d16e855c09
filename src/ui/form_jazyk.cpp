#include "ui/form_jazyk.h"

#include "adapters/qt_text.h"
#include "ui_form_jazyk.h"

namespace zirdan {

TFormJazyk::TFormJazyk(QWidget* parent) : TFixedDialog(parent), m_ui(new Ui::FormJazyk) {
  m_ui->setupUi(this);
  FixSize();
  m_ui->ButtonJo->setDefault(true);
  ConnectButtons(m_ui->ButtonJo, m_ui->ButtonNe);
}

TFormJazyk::~TFormJazyk() = default;

void TFormJazyk::SetLanguages(const std::vector<std::string>& names) {
  m_ui->ComboBox1->clear();
  for (const std::string& name : names) m_ui->ComboBox1->addItem(FromWin1250(name));
}

std::optional<int> TFormJazyk::Choose(int current) {
  m_ui->ComboBox1->setCurrentIndex(current - 1);
  if (exec() != QDialog::Accepted || m_ui->ComboBox1->currentIndex() < 0) return std::nullopt;
  return m_ui->ComboBox1->currentIndex() + 1;
}

}  // namespace zirdan
