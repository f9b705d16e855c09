#include "ui/text_file_dialog.h"

#include <QFileDialog>

namespace zirdan {

namespace {

QString AskFileName(QWidget* parent, const QString& title, const QString& proposedPath,
                    const QString& suffix) {
  QFileDialog dialog(parent, title);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilters(
      {QString("%1 (*.%1 *.%2)").arg(suffix.toUpper(), suffix.toLower()), AllFilesFilter()});
  dialog.setDefaultSuffix(suffix);
  dialog.selectFile(proposedPath);
  if (dialog.exec() != QDialog::Accepted) return {};
  const QStringList chosen = dialog.selectedFiles();
  return chosen.isEmpty() ? QString() : chosen.first();
}

}  // namespace

QString AskTextFileName(QWidget* parent, const QString& title, const QString& proposedPath) {
  return AskFileName(parent, title, proposedPath, "TXT");
}

QString AskPdfFileName(QWidget* parent, const QString& title, const QString& proposedPath) {
  return AskFileName(parent, title, proposedPath, "pdf");
}

QString AskUddfFileName(QWidget* parent, const QString& title, const QString& proposedPath) {
  return AskFileName(parent, title, proposedPath, "uddf");
}

QString AllFilesFilter() {
  // Qt's own text, which its translation gives in the diver's language.
  return QFileDialog::tr("All Files (*)");
}

QString LogFileFilter() {
  return "LOG (*.LOG *.log);;" + AllFilesFilter();
}

QString CaptionWithoutAccelerator(QString caption) {
  const qsizetype mark = caption.indexOf('&');
  if (mark >= 0) caption.remove(mark, 1);
  return caption;
}

}  // namespace zirdan
