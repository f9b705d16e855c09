#pragma once

#include <memory>
#include <string>

#include "transfer/transfer_info.h"
#include "ui/fixed_dialog.h"

namespace Ui {
class FormInfo;
}

namespace zirdan {

// The transfer information window: what the last received image says about the dive
// computer itself. It shows the rows it is given and changes nothing.
class TFormInfo : public TFixedDialog {
  Q_OBJECT

 public:
  explicit TFormInfo(QWidget* parent = nullptr);
  ~TFormInfo() override;

  // The texts the rows choose from: the hidden labels, as the translation set them, and
  // the battery warning (Windows-1250).
  TTransferInfoTexts Texts(const std::string& batteryLow) const;
  // Fills the rows, hides those the model does not have, and shows the window modally.
  void ShowInfo(const TTransferInfo& info);

 private:
  // Puts the shown rows one under another, so a hidden row leaves no gap.
  void PlaceRows();

  std::unique_ptr<Ui::FormInfo> m_ui;
};

}  // namespace zirdan
