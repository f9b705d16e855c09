#pragma once

#include <QString>

class QPrinter;

namespace zirdan {

// The title of a printed document: the logbook's file name and the command that printed
// it ("DIVES.LOG – Print A4"); the command alone when there is no logbook file.
QString PrintDocumentTitle(const QString& logbookPath, const QString& command);

// Names what the printer makes: that title for the print job and a PDF file's title, and
// the program with its version as a PDF file's creator.
void NamePrintDocument(QPrinter& printer, const QString& logbookPath, const QString& command);

}  // namespace zirdan
