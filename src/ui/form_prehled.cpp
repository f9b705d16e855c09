#include "ui/form_prehled.h"

#include "ui_form_prehled.h"

namespace zirdan {

TFormPrehled::TFormPrehled(const TAppSettings& settings, const TMessageTable& messages,
                           QWidget* parent)
    : TReportWindow(settings, messages, 310, "Summary.TXT", parent),
      m_ui(std::make_unique<Ui::FormPrehled>()) {
  m_ui->setupUi(this);
  Attach({m_ui->MemoPrehled, m_ui->Uloit2, m_ui->Tisk2, m_ui->Npovda2, m_ui->Zpt2});
}

TFormPrehled::~TFormPrehled() = default;

}  // namespace zirdan
