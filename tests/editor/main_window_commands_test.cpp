// The logbook commands and the model switches of the main window, without the window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/main_window_model.h"
#include "support/dive_builders.h"
#include "support/logbook_samples.h"
#include "support/main_window_model_harness.h"

namespace zirdan {
namespace {

using test::LogbookOf;
using test::MainWindowModelTest;

// --- New logbook ------------------------------------------------------------------------

TEST_F(MainWindowModelTest, ANewLogbookAfterStartHoldsOneEmptyDiveNumberedZero) {
  m_model.NewLogbook();
  ASSERT_EQ(m_model.Logbook().PocetPonoru(), 1);
  EXPECT_TRUE(m_model.Logbook().Nacteno);
  EXPECT_TRUE(Changed());
  EXPECT_EQ(m_model.FileName(), "Novy.log");
  EXPECT_EQ(m_model.Logbook().Seznam, (std::vector<std::string>{"0"}));
  ponor empty;
  EXPECT_EQ(static_cast<const ponor&>(*m_model.CurrentDive()), empty);
  EXPECT_EQ(m_model.StatusText(), " Novy.log ... 1 dives  -  changed");
  EXPECT_EQ(Shown(TextField::Lokalita), "");
  EXPECT_FALSE(m_model.FieldsEdited());
}

TEST_F(MainWindowModelTest, ANewLogbookTakesTheFirstNumberOfTheLastOneLoaded) {
  OpenSample(3, 41);
  m_model.NewLogbook();
  EXPECT_EQ(Numbers(), (std::vector<uint16_t>{41}));
  EXPECT_EQ(m_model.Logbook().Dives().front()->Lokalita, "");
}

// --- New dive ---------------------------------------------------------------------------

TEST_F(MainWindowModelTest, ANewDiveInTheMiddleTakesTheNextNumber) {
  OpenSample(10);
  Show(3);  // dive 4
  m_model.NewDive();
  EXPECT_EQ(m_model.Logbook().PocetPonoru(), 11);
  EXPECT_EQ(Numbers().back(), 11);
  EXPECT_EQ(m_model.SelectedIndex(), 4);
  EXPECT_EQ(m_model.CurrentDive()->Cislo, 5);
  EXPECT_EQ(m_model.CurrentDive()->Lokalita, "");
  EXPECT_EQ(m_model.View().Cislo, "5");
  EXPECT_EQ(Dive(5).Lokalita, "Chorvatsko 5");  // the old dive 5 is now 6
  EXPECT_EQ(Dive(5).Cislo, 6);
  EXPECT_TRUE(Changed());
}

TEST_F(MainWindowModelTest, ANewDiveStoresThePendingEditFirst) {
  OpenSample(2);
  Show(0);
  m_model.FieldEdited(TextField::Partner, "Petr");
  m_model.NewDive();
  EXPECT_EQ(Dive(0).Partner, "Petr");
  EXPECT_EQ(m_model.CurrentDive()->Partner, "");
}

// --- Delete dive ------------------------------------------------------------------------

TEST_F(MainWindowModelTest, DeletingTheFirstDiveShowsTheNewFirst) {
  OpenSample(5);
  Show(0);
  ASSERT_TRUE(m_model.DeletingFirstDive());
  m_model.DeleteDive();
  EXPECT_EQ(Numbers(), (std::vector<uint16_t>{1, 2, 3, 4}));
  EXPECT_EQ(m_model.SelectedIndex(), 0);
  EXPECT_EQ(Shown(TextField::Lokalita), "Chorvatsko 2");
  EXPECT_TRUE(Changed());
  EXPECT_EQ(m_model.StatusText(), " /logs/a.LOG ... 4 dives  -  changed");
}

TEST_F(MainWindowModelTest, DeletingTheFirstDiveWithANewFirstNumber) {
  OpenSample(3);
  Show(0);
  m_model.Logbook().PrvniCislo = 20;  // entered in the number window
  m_model.DeleteDive();
  EXPECT_EQ(Numbers(), (std::vector<uint16_t>{20, 21}));
  EXPECT_EQ(m_model.CurrentDive()->Cislo, 20);
}

TEST_F(MainWindowModelTest, DeletingTheLastDiveShowsTheOneBefore) {
  OpenSample(5);
  EXPECT_FALSE(m_model.DeletingFirstDive());
  m_model.DeleteDive();
  EXPECT_EQ(Numbers(), (std::vector<uint16_t>{1, 2, 3, 4}));
  EXPECT_EQ(m_model.CurrentDive()->Cislo, 4);
  EXPECT_EQ(Shown(TextField::Lokalita), "Chorvatsko 4");
}

TEST_F(MainWindowModelTest, DeletingAMiddleDiveShowsTheOneThatTookItsPlace) {
  OpenSample(5);
  Show(2);
  m_model.DeleteDive();
  EXPECT_EQ(Numbers(), (std::vector<uint16_t>{1, 2, 3, 4}));
  EXPECT_EQ(m_model.SelectedIndex(), 2);
  EXPECT_EQ(m_model.CurrentDive()->Cislo, 3);
  EXPECT_EQ(Shown(TextField::Lokalita), "Chorvatsko 4");
}

TEST_F(MainWindowModelTest, TheOnlyDiveCannotBeDeleted) {
  OpenSample(1);
  EXPECT_FALSE(m_model.CanDeleteDive());
  m_model.DeleteDive();
  EXPECT_EQ(m_model.Logbook().PocetPonoru(), 1);
  EXPECT_FALSE(Changed());
}

// --- Renumber ---------------------------------------------------------------------------

TEST_F(MainWindowModelTest, RenumberingFrom100ShowsDive100) {
  OpenSample(3);
  m_model.Logbook().PrvniCislo = 100;
  m_model.Renumber();
  EXPECT_EQ(Numbers(), (std::vector<uint16_t>{100, 101, 102}));
  EXPECT_EQ(m_model.Logbook().Seznam, (std::vector<std::string>{"100", "101", "102"}));
  EXPECT_EQ(m_model.SelectedIndex(), 0);
  EXPECT_EQ(m_model.CurrentDive()->Cislo, 100);
  EXPECT_TRUE(Changed());
}

// --- Model switches ---------------------------------------------------------------------

TEST_F(MainWindowModelTest, NitroxTwiceReturnsToTheBasicFormat) {
  Open(LogbookOf({test::DiveWithProfile(kFormatBasic, {900, 900, 900})}));
  m_model.ToggleNitrox();
  EXPECT_TRUE(m_settings.ZirdanNitrox);
  EXPECT_EQ(m_model.Logbook().VychoziFormatGrafu, kFormatNitrox);
  EXPECT_EQ(m_model.View().FormatGrafu, kFormatNitrox);  // shown again in the new format
  EXPECT_NE(m_model.Display().Ean, "");
  m_model.ToggleNitrox();
  EXPECT_FALSE(m_settings.ZirdanNitrox);
  EXPECT_FALSE(m_settings.ZirdanOxy);
  EXPECT_EQ(m_model.Logbook().VychoziFormatGrafu, kFormatBasic);
  EXPECT_EQ(m_model.Display().Ean, "");
}

TEST_F(MainWindowModelTest, OxyWhileNitroxLeavesOnlyOxy) {
  OpenSample(1);
  m_model.ToggleNitrox();
  m_model.ToggleOxy();
  EXPECT_FALSE(m_settings.ZirdanNitrox);
  EXPECT_TRUE(m_settings.ZirdanOxy);
  EXPECT_EQ(m_model.Logbook().VychoziFormatGrafu, kFormatOxygen);
  m_model.ToggleOxy();
  EXPECT_FALSE(m_settings.ZirdanOxy);
  EXPECT_EQ(m_model.Logbook().VychoziFormatGrafu, kFormatBasic);
}

TEST_F(MainWindowModelTest, TheModelSwitchKeepsAPendingEdit) {
  OpenSample(2);
  m_model.FieldEdited(TextField::Hloubka, "44.00");
  m_model.ToggleNitrox();
  EXPECT_EQ(m_model.CurrentDive()->Hloubka, 4400);
  EXPECT_EQ(Shown(TextField::Hloubka), "44.00");
}

TEST_F(MainWindowModelTest, TheSettingsChooseTheDefaultFormatOfAnOpenedLogbook) {
  m_settings.ZirdanOxy = true;
  OpenSample(1);
  EXPECT_EQ(m_model.Logbook().VychoziFormatGrafu, kFormatOxygen);
}

}  // namespace
}  // namespace zirdan
