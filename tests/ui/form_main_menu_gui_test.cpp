// Every item of the main menu does something: a new item connected to nothing fails here.
#include <gtest/gtest.h>

#include <QMenu>
#include <QMenuBar>

#include "support/form_main_harness.h"
#include "support/qt_application.h"

namespace zirdan {
namespace {

const bool kApplication = test::UseQtApplication<QApplication>();

using test::Find;

using MainMenuTest = test::FormMainGuiTest;

// QObject::receivers is protected; named through a derived class it can be called on any
// object.
struct SignalProbe : QObject {
  using QObject::receivers;
};

int Receivers(QAction& item, const char* signal) {
  const auto receivers = &SignalProbe::receivers;
  return (item.*receivers)(signal);
}

// Whether the item has a receiver beyond those its menu connects to every item.
bool DoesSomething(QAction& item) {
  QMenu menu;
  QAction* plain = menu.addAction("plain");
  return Receivers(item, SIGNAL(triggered(bool))) > Receivers(*plain, SIGNAL(triggered(bool))) ||
         Receivers(item, SIGNAL(toggled(bool))) > Receivers(*plain, SIGNAL(toggled(bool)));
}

void CollectItems(const QList<QAction*>& actions, std::vector<QAction*>& items) {
  for (QAction* action : actions) {
    if (action->isSeparator()) continue;
    if (QMenu* submenu = action->menu())
      CollectItems(submenu->actions(), items);
    else
      items.push_back(action);
  }
}

TEST_F(MainMenuTest, EveryItemIsConnectedToItsCommand) {
  auto window = Start();
  std::vector<QAction*> items;
  CollectItems(Find<QMenuBar>(*window, "MainMenu1")->actions(), items);
  EXPECT_EQ(items.size(), 73u);
  QStringList unconnected;
  for (QAction* item : items)
    if (!DoesSomething(*item)) unconnected << item->objectName();
  EXPECT_TRUE(unconnected.isEmpty())
      << "menu items connected to nothing: " << unconnected.join(", ").toStdString();
}

}  // namespace
}  // namespace zirdan
