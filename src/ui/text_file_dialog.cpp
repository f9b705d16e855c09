#include "ui/text_file_dialog.h"

#include <QFileDialog>

namespace zirdan {

QString AskTextFileName(QWidget* parent, const QString& title, const QString& proposedPath) {
  QFileDialog dialog(parent, title);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilters({"TXT (*.TXT *.txt)", "All files (*)"});
  dialog.setDefaultSuffix("TXT");
  dialog.selectFile(proposedPath);
  if (dialog.exec() != QDialog::Accepted) return {};
  const QStringList chosen = dialog.selectedFiles();
  return chosen.isEmpty() ? QString() : chosen.first();
}

QString CaptionWithoutAccelerator(QString caption) {
  const qsizetype mark = caption.indexOf('&');
  if (mark >= 0) caption.remove(mark, 1);
  return caption;
}

}  // namespace zirdan
