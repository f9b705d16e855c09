#pragma once

#include <memory>
#include <optional>

#include "reports/print_run.h"
#include "ui/fixed_dialog.h"

namespace Ui {
class DialogTisk;
}

namespace zirdan {

// Asks which dives to print: a first and a last dive number within the logbook's numbers,
// or all of them.
class TDialogTisk : public TFixedDialog {
  Q_OBJECT

 public:
  explicit TDialogTisk(QWidget* parent = nullptr);
  ~TDialogTisk() override;

  // Shows the dialog titled `caption` with both numbers at `current`, limited to
  // first..last. Returns the range chosen with "Tisk", or nothing after "Zrušit" or Esc.
  std::optional<PrintRange> Ask(const QString& caption, int first, int last, int current);

 private:
  std::unique_ptr<Ui::DialogTisk> m_ui;
};

}  // namespace zirdan
