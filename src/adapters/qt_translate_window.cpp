#include "adapters/qt_translate_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>

#include "env/language_load.h"
#include "core/message_table.h"
#include "adapters/qt_text.h"

namespace zirdan {
namespace {

// Sets the caption of a component that has one; false for one that has none.
bool SetCaption(QObject* component, const QString& caption) {
  if (auto* label = qobject_cast<QLabel*>(component)) {
    label->setText(caption);
  } else if (auto* button = qobject_cast<QAbstractButton*>(component)) {
    button->setText(caption);
  } else if (auto* group = qobject_cast<QGroupBox*>(component)) {
    group->setTitle(caption);
  } else if (auto* menu = qobject_cast<QMenu*>(component)) {
    menu->setTitle(caption);
  } else if (auto* action = qobject_cast<QAction*>(component)) {
    action->setText(caption);
  } else {
    return false;
  }
  return true;
}

// Whether a component is part of the window itself rather than of a window it owns (a
// dialog or the graph window made with it as parent). Menus are popups of the window.
bool PartOfWindow(const QObject* component, const QWidget& window) {
  for (const QObject* o = component; o && o != &window; o = o->parent()) {
    const auto* widget = qobject_cast<const QWidget*>(o);
    if (widget && widget->isWindow() && widget->windowType() != Qt::Popup) return false;
  }
  return true;
}

}  // namespace

void TranslateWindow(QWidget& window, const QString& windowName, const TTranslationFile& file,
                     int language) {
  const std::string section = SectionName(windowName.toStdString(), language);
  const std::string caption = file.Read(section, "Caption");
  if (caption != kMissingText) window.setWindowTitle(FromWin1250(caption));

  const std::vector<std::string> keys = file.Keys(section);
  if (keys.empty()) return;
  const QList<QObject*> components = window.findChildren<QObject*>();
  for (QObject* component : components) {
    const std::string name = component->objectName().toStdString();
    if (name.empty() || !PartOfWindow(component, window)) continue;
    for (const std::string& key : keys) {
      if (key != name) continue;
      SetCaption(component, FromWin1250(file.Read(section, key)));
      break;
    }
  }
}

void ApplyFormFont(QWidget& window, const QString& family, int pointSize) {
  // The classic Windows faces are replaced by metric-compatible ones where they are missing.
  static const bool substituted = [] {
    QFont::insertSubstitutions("MS Sans Serif", {"Liberation Sans", "Nimbus Sans", "Arial"});
    QFont::insertSubstitutions("Courier New", {"Liberation Mono", "Nimbus Mono PS"});
    return true;
  }();
  (void)substituted;
  QFont font = QApplication::font();
  font.setFamily(family);
  if (pointSize > 0) font.setPointSize(pointSize);
  window.setFont(font);
}

}  // namespace zirdan
