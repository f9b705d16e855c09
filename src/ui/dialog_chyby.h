#pragma once

#include <array>
#include <memory>

#include "core/category_tables.h"
#include "ui/fixed_dialog.h"

namespace Ui {
class DialogChyby;
}

namespace zirdan {

// The error dialog: the four errors a dive computer records (bits 0, 3, 4 and 5).
class TDialogChyby : public TFixedDialog {
  Q_OBJECT

 public:
  explicit TDialogChyby(QWidget* parent = nullptr);
  ~TDialogChyby() override;

  void Prepare(const TCategoryTables& tables, const std::array<bool, 16>& flags);
  std::array<bool, 16> Flags() const;

 private:
  std::unique_ptr<Ui::DialogChyby> m_ui;
  std::array<bool, 16> m_flags{};
};

}  // namespace zirdan
