#include "adapters/qt_print_document.h"

#include <QFileInfo>
#include <QPrinter>

#include "env/program_version.h"

namespace zirdan {

QString PrintDocumentTitle(const QString& logbookPath, const QString& command) {
  const QString logbook = QFileInfo(logbookPath).fileName();
  return logbook.isEmpty() ? command : logbook + QString::fromUtf8(" – ") + command;
}

void NamePrintDocument(QPrinter& printer, const QString& logbookPath, const QString& command) {
  printer.setDocName(PrintDocumentTitle(logbookPath, command));
  printer.setCreator(QString::fromStdString(ProductAndVersion()));
}

}  // namespace zirdan
