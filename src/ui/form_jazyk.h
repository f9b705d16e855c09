#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/fixed_dialog.h"

namespace Ui {
class FormJazyk;
}

namespace zirdan {

// The language choice.
class TFormJazyk : public TFixedDialog {
  Q_OBJECT

 public:
  explicit TFormJazyk(QWidget* parent = nullptr);
  ~TFormJazyk() override;

  // The language names of the translation file, in its order.
  void SetLanguages(const std::vector<std::string>& names);
  // The chosen language number (1-based), or nothing after Back.
  std::optional<int> Choose(int current);

 private:
  std::unique_ptr<Ui::FormJazyk> m_ui;
};

}  // namespace zirdan
