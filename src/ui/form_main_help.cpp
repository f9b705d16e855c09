// The main window's help: the help menu item, F1 in every window of the editor, and the
// help items of the report windows, all opening the help window at a context's page.
#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>

#include "adapters/qt_text.h"
#include "adapters/qt_translate_window.h"
#include "env/help_topics.h"
#include "env/language_load.h"
#include "ui/form_hlaska.h"
#include "ui/form_help.h"
#include "ui/form_main.h"
#include "ui/form_prehled.h"
#include "ui/form_statistika.h"
#include "ui_form_main.h"

namespace zirdan {
namespace {

// Sees F1 before any control of the editor does, whichever of its windows has the focus,
// so that dialogs created by any command get help without wiring of their own.
class HelpKeyFilter : public QObject {
 public:
  HelpKeyFilter(QWidget& home, std::function<void(QWidget&)> onHelp)
      : QObject(&home), m_home(home), m_onHelp(std::move(onHelp)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (key.key() != Qt::Key_F1 || key.modifiers() != Qt::NoModifier) return false;
    QWidget* widget = qobject_cast<QWidget*>(watched);
    if (!widget || !BelongsToEditor(*widget)) return false;
    m_onHelp(*widget);
    return true;
  }

 private:
  // Whether the widget is the main window, one of its windows or a control in one.
  bool BelongsToEditor(const QWidget& widget) const {
    for (const QWidget* w = &widget; w; w = w->parentWidget())
      if (w == &m_home) return true;
    return false;
  }

  QWidget& m_home;
  std::function<void(QWidget&)> m_onHelp;
};

// The context of a highlighted menu item: its own, else that of the menus it sits in.
int MenuItemContext(const QMenu& menu) {
  if (const QAction* item = menu.activeAction())
    if (const int context = HelpContextOfMenuItem(item->objectName().toStdString()))
      return context;
  for (const QWidget* w = &menu; w; w = w->parentWidget()) {
    const auto* inMenu = qobject_cast<const QMenu*>(w);
    if (!inMenu) break;
    if (const int context = HelpContextOfMenuItem(inMenu->objectName().toStdString()))
      return context;
  }
  return kHelpMainWindow;
}

// The context of a control: its own, else that of the control or window holding it; a
// window without one (a message box) belongs to the window it was opened from.
int ControlContext(const QWidget& control) {
  for (const QWidget* w = &control; w; w = w->parentWidget()) {
    if (const auto* menu = qobject_cast<const QMenu*>(w)) return MenuItemContext(*menu);
    const std::string window = w->window()->objectName().toStdString();
    const std::string name = w->isWindow() ? std::string() : w->objectName().toStdString();
    // The unnamed parts of a control (the edit line of a drop-down list) take its context.
    if (!w->isWindow() && name.empty()) continue;
    if (const int context = HelpContextOfControl(window, name)) return context;
  }
  return kHelpMainWindow;
}

}  // namespace

void TFormMain::ConnectHelp() {
  m_formHelp = std::make_unique<TFormHelp>(this);
  connect(m_ui->Npovda2, &QAction::triggered, this, [this] { OpenHelp(kHelpMainWindow); });
  connect(m_ui->Zanme1, &QAction::triggered, this, [this] { OpenHelp(kHelpGettingStarted); });
  connect(m_formStatistika.get(), &TReportWindow::HelpRequested, this, &TFormMain::OpenHelp);
  connect(m_formPrehled.get(), &TReportWindow::HelpRequested, this, &TFormMain::OpenHelp);
  qApp->installEventFilter(new HelpKeyFilter(*this, [this](QWidget& focus) {
    // An open menu closes first, as it would when its item is chosen.
    const int context = ControlContext(focus);
    while (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    OpenHelp(context);
  }));
}

void TFormMain::OpenHelp(int context) {
  const int language = m_settings.LanguageNumber();
  const std::string page = FindHelpPage(
      QApplication::applicationDirPath().toStdString() + "/", language, context);
  if (!QFileInfo::exists(QString::fromStdString(page))) {
    ShowAppMessage(Text("StrChNapoveda") + " " + QString::fromStdString(page), MessageKind::Error);
    return;
  }
  TranslateWindow(*m_formHelp, "FormHelp", m_translations, language);
  m_formHelp->ShowPage(QString::fromStdString(page));
}

}  // namespace zirdan
