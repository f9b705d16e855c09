#pragma once

#include <QString>

class QLineEdit;
class QWidget;

namespace zirdan {

// Shows `text` in a field whose right end lies under a button: the text ends before the
// button, cut with "…" when it is longer, and the whole text is the field's tooltip.
void ShowElided(QLineEdit& field, const QString& text, const QWidget& button);

}  // namespace zirdan
