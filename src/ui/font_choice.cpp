#include "ui/font_choice.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QSpinBox>
#include <algorithm>

namespace zirdan {

std::optional<QFont> AskFont(QWidget* parent, const QString& title, const QFont& initial) {
  QDialog dialog(parent);
  dialog.setObjectName("FontDialog1");
  dialog.setWindowTitle(title);
  auto* family = new QFontComboBox(&dialog);
  family->setObjectName("FontFamily");
  family->setCurrentFont(initial);
  auto* size = new QSpinBox(&dialog);
  size->setObjectName("FontSize");
  size->setRange(kSmallestFontSize, kLargestFontSize);
  size->setSuffix(" pt");
  size->setValue(std::clamp(initial.pointSize(), kSmallestFontSize, kLargestFontSize));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

  // The captions of the two fields are Qt's font dialog's own, translated with Qt.
  auto* layout = new QFormLayout(&dialog);
  layout->addRow(QCoreApplication::translate("QFontDialog", "&Font"), family);
  layout->addRow(QCoreApplication::translate("QFontDialog", "&Size"), size);
  layout->addRow(buttons);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  QFont chosen = family->currentFont();
  chosen.setPointSize(size->value());
  return chosen;
}

}  // namespace zirdan
