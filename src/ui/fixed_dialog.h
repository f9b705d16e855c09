#pragma once

#include <QAbstractButton>
#include <QDialog>
#include <QKeyEvent>

namespace zirdan {

// A fixed-size modal dialog without title-bar buttons, centred on its parent, whose
// Enter presses OK and Esc presses Cancel whatever control has the focus.
class TFixedDialog : public QDialog {
 public:
  explicit TFixedDialog(QWidget* parent) : QDialog(parent) {}

 protected:
  // Call after setupUi.
  void FixSize() {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(size());
  }
  // The dialog's OK and Cancel buttons.
  void ConnectButtons(QAbstractButton* ok, QAbstractButton* cancel) {
    connect(ok, &QAbstractButton::clicked, this, &QDialog::accept);
    connect(cancel, &QAbstractButton::clicked, this, &QDialog::reject);
  }
  void keyPressEvent(QKeyEvent* event) override {
    switch (event->key()) {
      case Qt::Key_Return:
      case Qt::Key_Enter:
        accept();
        return;
      case Qt::Key_Escape:
        reject();
        return;
      default:
        QDialog::keyPressEvent(event);
    }
  }
};

}  // namespace zirdan
