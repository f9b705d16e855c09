#pragma once

#include <array>
#include <memory>

#include "core/category_tables.h"
#include "ui/fixed_dialog.h"

class QCheckBox;

namespace Ui {
class DialogAktivita;
}

namespace zirdan {

// The activity dialog: one check box per activity bit.
class TDialogAktivita : public TFixedDialog {
  Q_OBJECT

 public:
  explicit TDialogAktivita(QWidget* parent = nullptr);
  ~TDialogAktivita() override;

  void Prepare(const TCategoryTables& tables, const std::array<bool, 16>& flags);
  std::array<bool, 16> Flags() const;

 private:
  std::unique_ptr<Ui::DialogAktivita> m_ui;
  std::array<QCheckBox*, 16> m_boxes{};
};

}  // namespace zirdan
