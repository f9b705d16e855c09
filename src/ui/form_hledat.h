#pragma once

#include <QString>
#include <memory>

#include "core/dive_search.h"
#include "ui/fixed_dialog.h"

namespace Ui {
class FormHledat;
}

namespace zirdan {

// The search question: the text, the field and where to start. The window lives for the
// whole run, so the diver finds the last search's text and choices in it again.
class TFormHledat : public TFixedDialog {
  Q_OBJECT

 public:
  explicit TFormHledat(QWidget* parent = nullptr);
  ~TFormHledat() override;

  // Shows the window; true when the diver chose OK.
  bool Ask();
  QString SearchText() const;
  SearchField Field() const;
  bool FromBeginning() const;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  std::unique_ptr<Ui::FormHledat> m_ui;
};

}  // namespace zirdan
