#pragma once

#include <memory>

#include "ui/report_window.h"

namespace Ui {
class FormStatistika;
}

namespace zirdan {

// The statistics window: the statistics text of the logbook, to read, save or print.
class TFormStatistika : public TReportWindow {
  Q_OBJECT

 public:
  TFormStatistika(const TAppSettings& settings, const TMessageTable& messages,
                  QWidget* parent = nullptr);
  ~TFormStatistika() override;

 private:
  std::unique_ptr<Ui::FormStatistika> m_ui;
};

}  // namespace zirdan
