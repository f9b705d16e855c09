// The main window's UDDF export: the menu item, its save dialog and its messages.
#include <gtest/gtest.h>

#include <QMenu>
#include <filesystem>

#include "support/form_main_harness.h"
#include "support/qt_application.h"

namespace zirdan {
namespace {

const bool kApplication = test::UseQtApplication<QApplication>();

using test::ChooseFile;
using test::Find;
using test::ModalAnswer;

class UddfExportTest : public test::FormMainGuiTest {};

TEST_F(UddfExportTest, TheItemFollowsTheCsvExport) {
  auto window = StartWithLogbook();
  auto* item = Find<QAction>(*window, "ExportdoUDDF1");
  EXPECT_EQ(item->text(), QString::fromUtf8("Export do &UDDF…"));
  for (QMenu* menu : window->findChildren<QMenu*>()) {
    const QList<QAction*> actions = menu->actions();
    const qsizetype at = actions.indexOf(item);
    if (at < 0) continue;
    ASSERT_GT(at, 0);
    EXPECT_EQ(actions[at - 1]->objectName(), "Export1");
    return;
  }
  ADD_FAILURE() << "no menu holds the item";
}

TEST_F(UddfExportTest, WritesEveryDiveIntoTheChosenFileAndSaysSo) {
  auto window = StartWithLogbook();
  const std::string path = m_folder.File("chosen.uddf");
  QString proposed;
  {
    ModalAnswer file(ChooseFile(path, &proposed));
    Trigger(*window, "ExportdoUDDF1");
  }
  EXPECT_EQ(proposed, QString::fromUtf8("Export do UDDF|") +
                          QString::fromStdString(m_folder.File("dives.uddf")));
  const std::string document = test::ReadFileBytes(path);
  for (int n = 1; n <= 5; ++n)
    EXPECT_NE(document.find("<divenumber>" + std::to_string(n) + "<"), std::string::npos) << n;
  ASSERT_EQ(m_shown.size(), 1u);
  EXPECT_EQ(m_shown[0].kind, MessageKind::Information);
  EXPECT_TRUE(m_shown[0].text.endsWith(QString::fromStdString(path)))
      << m_shown[0].text.toStdString();
  EXPECT_FALSE(window->Model().Logbook().Zmeneno);
}

TEST_F(UddfExportTest, CancelWritesNothingAndAFailureIsShown) {
  auto window = StartWithLogbook();
  {
    ModalAnswer cancel(test::PressEscape);
    Trigger(*window, "ExportdoUDDF1");
  }
  EXPECT_TRUE(m_shown.empty());
  {
    ModalAnswer file(ChooseFile(m_folder.File("missing/folder/dives.uddf")));
    Trigger(*window, "ExportdoUDDF1");
  }
  ASSERT_EQ(m_shown.size(), 1u);
  EXPECT_EQ(m_shown[0].kind, MessageKind::Error);
  EXPECT_EQ(test::FileNamesIn(m_folder.Path()).count("dives.uddf"), 0u);
}

}  // namespace
}  // namespace zirdan
