#pragma once

#include <QString>

class QWidget;

namespace zirdan {

// Asks where to write a text file: the save dialog of the report windows and of the text
// output of a dive (types "TXT" and all files, extension ".TXT" added to a bare name, asks
// before replacing an existing file). `proposedPath` gives the folder and the name first
// offered. Returns the chosen path, or an empty one when the user cancels.
QString AskTextFileName(QWidget* parent, const QString& title, const QString& proposedPath);

// Asks where to write the PDF file of printed sheets, in the same way (types "PDF" and all
// files, ".pdf" added to a bare name).
QString AskPdfFileName(QWidget* parent, const QString& title, const QString& proposedPath);

// Asks where to write a UDDF file, in the same way (types "UDDF" and all files, ".uddf"
// added to a bare name).
QString AskUddfFileName(QWidget* parent, const QString& title, const QString& proposedPath);
// The file type "All files (*)" of the file dialogs, in the language of Qt's translation.
QString AllFilesFilter();
// The file types of the dialogs that open and save logbooks: LOG files, all files.
QString LogFileFilter();

// A menu caption as a dialog title: without its first "&" (which marks the key letter).
QString CaptionWithoutAccelerator(QString caption);

}  // namespace zirdan
