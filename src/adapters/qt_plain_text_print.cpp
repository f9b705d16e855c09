#include "adapters/qt_plain_text_print.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <algorithm>

namespace zirdan {

int LinesPerPage(QPrinter& printer, const QFont& font) {
  const QFontMetrics metrics(font, &printer);
  const int height = printer.pageLayout().paintRectPixels(printer.resolution()).height();
  return std::max(1, height / std::max(1, metrics.lineSpacing()));
}

int PrintPlainText(QPrinter& printer, const QStringList& lines, const QFont& font) {
  QPainter painter;
  if (!painter.begin(&printer)) return 0;
  painter.setFont(font);
  painter.setPen(Qt::black);
  const QFontMetrics metrics(font, &printer);
  const int perPage = LinesPerPage(printer, font);
  int pages = 1;
  int row = 0;
  for (const QString& line : lines) {
    if (row == perPage) {
      if (!printer.newPage()) return 0;
      ++pages;
      row = 0;
    }
    painter.drawText(0, row * metrics.lineSpacing() + metrics.ascent(), line);
    ++row;
  }
  return painter.end() ? pages : 0;
}

}  // namespace zirdan
