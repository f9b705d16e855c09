#pragma once

#include <QString>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/fixed_dialog.h"

namespace Ui {
class FormQuery;
}

namespace zirdan {

// The pick list of values used in earlier dives.
class TFormQuery : public TFixedDialog {
  Q_OBJECT

 public:
  explicit TFormQuery(QWidget* parent = nullptr);
  ~TFormQuery() override;

  // Shows the values (Windows-1250, already sorted); the chosen one, or nothing after
  // cancel.
  std::optional<std::string> Pick(const std::vector<std::string>& values);

 private:
  std::unique_ptr<Ui::FormQuery> m_ui;
};

}  // namespace zirdan
