#pragma once

#include <memory>

#include "ui/report_window.h"

namespace Ui {
class FormPrehled;
}

namespace zirdan {

// The overview window: one row per dive of the logbook, to read, save or print.
class TFormPrehled : public TReportWindow {
  Q_OBJECT

 public:
  TFormPrehled(const TAppSettings& settings, const TMessageTable& messages,
               QWidget* parent = nullptr);
  ~TFormPrehled() override;

 private:
  std::unique_ptr<Ui::FormPrehled> m_ui;
};

}  // namespace zirdan
