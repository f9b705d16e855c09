#include "ui/form_statistika.h"

#include "ui_form_statistika.h"

namespace zirdan {

TFormStatistika::TFormStatistika(const TAppSettings& settings, const TMessageTable& messages,
                                 QWidget* parent)
    : TReportWindow(settings, messages, 290, "Statist.TXT", parent),
      m_ui(std::make_unique<Ui::FormStatistika>()) {
  m_ui->setupUi(this);
  Attach({m_ui->MemoStatistika, m_ui->Uloit2, m_ui->Tisk2, m_ui->Npovda2, m_ui->Zpt2});
}

TFormStatistika::~TFormStatistika() = default;

}  // namespace zirdan
