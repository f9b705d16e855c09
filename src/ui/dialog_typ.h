#pragma once

#include <array>
#include <memory>

#include "core/category_tables.h"
#include "ui/fixed_dialog.h"

namespace Ui {
class DialogTyp;
}

namespace zirdan {

// The dive-type dialog: one radio group each for gas, profile, decompression and water.
class TDialogTyp : public TFixedDialog {
  Q_OBJECT

 public:
  explicit TDialogTyp(QWidget* parent = nullptr);
  ~TDialogTyp() override;

  // Captions from the dive-type names, controls from the flags; on OK, Flags() holds the
  // choice (bits without a control keep their state).
  void Prepare(const TCategoryTables& tables, const std::array<bool, 16>& flags);
  std::array<bool, 16> Flags() const;

 private:
  std::unique_ptr<Ui::DialogTyp> m_ui;
  std::array<bool, 16> m_flags{};
};

}  // namespace zirdan
