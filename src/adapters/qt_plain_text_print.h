#pragma once

#include <QFont>
#include <QStringList>

class QPrinter;

namespace zirdan {

// How many lines of `font` fit on one page of the printer's printable area; at least one,
// so that a font taller than the page still prints every line.
int LinesPerPage(QPrinter& printer, const QFont& font);

// Prints lines as a plain line printer does: each line in black at the left edge of the
// printable area, below the one before; a new page begins when a line no longer fits.
// Lines are not wrapped: what passes the page's right edge is cut off. Returns the number
// of pages printed, or 0 when the printer (or the PDF file) could not be opened.
int PrintPlainText(QPrinter& printer, const QStringList& lines, const QFont& font);

}  // namespace zirdan
