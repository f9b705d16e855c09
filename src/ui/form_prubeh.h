#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class FormPrubeh;
}

namespace zirdan {

// The progress window of printing: which dive is being printed. It has no button:
// printing runs to its end once started.
class TFormPrubeh : public QDialog {
  Q_OBJECT

 public:
  explicit TFormPrubeh(QWidget* parent = nullptr);
  ~TFormPrubeh() override;

  // Shows the window (not modally) with `text`, or updates it, and paints it at once:
  // printing holds the event loop.
  void ShowProgress(const QString& text);

 private:
  std::unique_ptr<Ui::FormPrubeh> m_ui;
};

}  // namespace zirdan
