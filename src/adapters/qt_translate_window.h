#pragma once

#include <QString>
#include <QWidget>

#include "env/translation_file.h"

namespace zirdan {

// Applies a window's section of the translation file (the window name followed by the
// language number): key "Caption" sets the window title unless it reads "Error"; a key
// equal to a component's name (case counts) sets that component's caption. Components
// without a caption (edit boxes, lists) and keys naming no component are left alone.
void TranslateWindow(QWidget& window, const QString& windowName, const TTranslationFile& file,
                     int language);

// Sets the proportional font on a window and everything in it, keeping bold and other
// styles. The classic Windows faces fall back to metric-compatible ones.
void ApplyFormFont(QWidget& window, const QString& family, int pointSize);

}  // namespace zirdan
