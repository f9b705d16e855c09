// The print commands of the main window: the range dialog, the progress window and the
// sheets of a run in one PDF file.
#include <gtest/gtest.h>

#include <QPrinter>
#include <filesystem>

#include "support/form_main_harness.h"
#include "support/qt_application.h"
#include "ui/printer_choice.h"

namespace zirdan {
namespace {

const bool kApplication = test::UseQtApplication<QApplication>();

using test::ChooseFile;
using test::Find;
using test::ModalAnswer;
using test::PdfPageCount;
using test::PressEscape;

// The printer set-up chooses a PDF file, so no test ever reaches a real printer.
class PrintCommandsTest : public test::FormMainGuiTest {
 protected:
  void SetUp() override {
    FormMainGuiTest::SetUp();
    SetPrinterChoice([this](QPrinter& printer, QWidget*) {
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(QString::fromStdString(m_setUpFile));
      return true;
    });
  }
  void TearDown() override {
    SetPrinterChoice(nullptr);
    FormMainGuiTest::TearDown();
  }
  std::string m_setUpFile = m_folder.File("set-up.pdf");
};

TEST_F(PrintCommandsTest, OddSheetsOfAllDivesGoIntoTheChosenPdf) {
  auto window = StartWithLogbook();
  Trigger(*window, "Nastaventiskrny1");
  const std::string pdf = m_folder.File("odd.pdf");
  QString proposed;
  {
    std::optional<ModalAnswer> file;
    ModalAnswer range([&](QDialog& dialog) {
      EXPECT_EQ(dialog.windowTitle(), "Tisk A4 liché");
      auto* first = Find<QSpinBox>(dialog, "odod");
      auto* last = Find<QSpinBox>(dialog, "dodo");
      auto* all = Find<QCheckBox>(dialog, "vsechno");
      EXPECT_EQ(first->value(), 5);  // the shown dive
      EXPECT_EQ(last->value(), 5);
      EXPECT_EQ(first->minimum(), 1);
      EXPECT_EQ(last->maximum(), 5);
      all->setChecked(true);
      EXPECT_EQ(first->value(), 1);
      last->setValue(4);  // a number chosen by hand is a range again
      EXPECT_FALSE(all->isChecked());
      all->setChecked(true);
      file.emplace(ChooseFile(pdf, &proposed));
      test::PressEnter(dialog);
    });
    Trigger(*window, "TiskA4lich1");
  }
  EXPECT_TRUE(proposed.endsWith("set-up.pdf")) << proposed.toStdString();
  EXPECT_EQ(PdfPageCount(pdf), 3);  // dives 1, 3 and 5
  EXPECT_EQ(test::PdfInfoText(pdf, "Title"), "dives.LOG – Tisk A4 liché");
  EXPECT_EQ(test::PdfInfoText(pdf, "Creator"), std::string("Zirdan LOG Editor ") + ZIRDAN_VERSION);
  EXPECT_FALSE(Find<QDialog>(*window, "FormPrubeh")->isVisible());
  EXPECT_TRUE(m_shown.empty());
  EXPECT_FALSE(window->Model().Logbook().Zmeneno);
}

TEST_F(PrintCommandsTest, EscapeInTheRangeDialogPrintsNothing) {
  auto window = StartWithLogbook();
  Trigger(*window, "Nastaventiskrny1");
  {
    ModalAnswer range(PressEscape);
    Trigger(*window, "Tisktextu1");
  }
  EXPECT_FALSE(std::filesystem::exists(m_setUpFile));
  EXPECT_TRUE(m_shown.empty());
}

TEST_F(PrintCommandsTest, AFileThatCannotBeWrittenIsShownAndClosesTheProgressWindow) {
  auto window = StartWithLogbook();
  Trigger(*window, "Nastaventiskrny1");
  {
    std::optional<ModalAnswer> file;
    ModalAnswer range([&](QDialog& dialog) {
      file.emplace(ChooseFile(m_folder.File("missing/folder/sheets.pdf")));
      test::PressEnter(dialog);
    });
    Trigger(*window, "Tiskgrafu1");
  }
  ASSERT_EQ(m_shown.size(), 1u);
  EXPECT_EQ(m_shown[0].kind, MessageKind::Error);
  EXPECT_FALSE(Find<QDialog>(*window, "FormPrubeh")->isVisible());
  EXPECT_FALSE(window->Model().Logbook().Zmeneno);
}

}  // namespace
}  // namespace zirdan
