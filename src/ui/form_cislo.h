#pragma once

#include <cstdint>
#include <memory>

#include "ui/fixed_dialog.h"

namespace Ui {
class FormCislo;
}

namespace zirdan {

// Asks for the number of the first dive, 1..9999.
class TFormCislo : public TFixedDialog {
  Q_OBJECT

 public:
  explicit TFormCislo(QWidget* parent = nullptr);
  ~TFormCislo() override;

  // The number entered with Enter, or the given one after Esc.
  uint16_t Ask(uint16_t prvniCislo);

 private:
  std::unique_ptr<Ui::FormCislo> m_ui;
};

}  // namespace zirdan
