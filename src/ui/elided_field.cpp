#include "ui/elided_field.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>
#include <algorithm>

namespace zirdan {

void ShowElided(QLineEdit& field, const QString& text, const QWidget& button) {
  // The text stops a little left of the button that covers the field's end.
  constexpr int kGap = 2;
  const int covered = std::max(0, field.geometry().right() - button.geometry().left() + kGap);
  field.setTextMargins(0, 0, covered, 0);
  // Qt keeps 2 pixels of the field's inside free on each side of the text.
  constexpr int kInnerMargin = 2;
  const int frame = field.hasFrame() ? field.style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
  const int room = field.width() - 2 * frame - 2 * kInnerMargin - covered;
  field.setText(field.fontMetrics().elidedText(text, Qt::ElideRight, std::max(0, room)));
  field.setCursorPosition(0);
  field.setToolTip(text);
}

}  // namespace zirdan
