#pragma once

#include <QString>
#include <memory>
#include <optional>

#include "ui/fixed_dialog.h"

namespace Ui {
class FormHodnota;
}

namespace zirdan {

// The shared number entry: a prompt and a spin field. Enter takes the value, Esc keeps
// the old one.
class TFormHodnota : public TFixedDialog {
  Q_OBJECT

 public:
  explicit TFormHodnota(QWidget* parent = nullptr);
  ~TFormHodnota() override;

  int Ask(const QString& prompt, int value, int min, int max);
  // The same entry for a command that Esc cancels: nothing when the diver pressed Esc.
  std::optional<int> AskOrCancel(const QString& prompt, int value, int min, int max);

 private:
  std::unique_ptr<Ui::FormHodnota> m_ui;
};

}  // namespace zirdan
