#pragma once

#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

#include "ui/fixed_dialog.h"

namespace Ui {
class FormVyber;
}

namespace zirdan {

// The selection of the dives to import: the other logbook's dives, several of which can be
// picked at once.
class TFormVyber : public TFixedDialog {
  Q_OBJECT

 public:
  explicit TFormVyber(QWidget* parent = nullptr);
  ~TFormVyber() override;

  // Shows the entries in the order given, the last one current and selected; the rows
  // picked, in list order, or nothing when the diver cancelled or picked none.
  std::optional<std::vector<int>> Choose(const QStringList& entries);

 private:
  std::unique_ptr<Ui::FormVyber> m_ui;
};

}  // namespace zirdan
