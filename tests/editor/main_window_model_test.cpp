// The main window's rules without the window: the dive list, storing and showing the
// current dive, navigation, F11 and the pick lists.
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
using test::StatusMessages;
using PickList = MainWindowModel::PickList;
using Move = MainWindowModel::Move;

// A dive whose profile lasts `minutes` (three samples a minute at 10 m).
ponor DiveWithProfileMinutes(int minutes, int16_t storedMinutes) {
  ponor dive = test::DiveWithProfile(kFormatBasic, std::vector<int32_t>(minutes * 3, 1000));
  dive.DelkaPonoru = storedMinutes;
  dive.Hloubka = 1000;
  return dive;
}
// --- Opening, status line ---------------------------------------------------------------

TEST_F(MainWindowModelTest, NothingIsShownBeforeALogbookIsOpen) {
  m_model.ShowCurrentDive();
  EXPECT_EQ(m_model.CurrentDive(), nullptr);
  EXPECT_EQ(m_model.StatusText(), "");
  EXPECT_FALSE(m_model.ControlsEnabled());
  // Typing before any dive is shown is not an edit.
  m_model.FieldEdited(TextField::Hloubka, "12");
  EXPECT_FALSE(m_model.FieldsEdited());
}

TEST_F(MainWindowModelTest, OpeningShowsTheLastDiveUnchanged) {
  OpenSample(4);
  EXPECT_TRUE(m_model.ControlsEnabled());
  EXPECT_EQ(m_model.SelectedIndex(), 3);
  EXPECT_EQ(m_model.CurrentDive()->Cislo, 4);
  EXPECT_FALSE(m_model.FieldsEdited());
  EXPECT_EQ(m_model.StatusText(), " /logs/a.LOG ... 4 dives");
}

TEST_F(MainWindowModelTest, StatusLineCarriesTheChangedMarkOnceEdited) {
  OpenSample(3);
  m_model.FieldEdited(TextField::Hloubka, "12.00");
  EXPECT_TRUE(Changed());
  EXPECT_EQ(m_model.StatusText(), " /logs/a.LOG ... 3 dives  -  changed");
}

// --- RebuildDiveList --------------------------------------------------------------------

TEST_F(MainWindowModelTest, RebuildNumbersFromTheFirstNumberAndMarksProfiles) {
  ponor withProfile = test::DiveWithProfile(kFormatBasic, {500, 600, 500});
  Open(LogbookOf({ponor{}, withProfile, ponor{}}));
  m_model.Logbook().PrvniCislo = 7;
  m_model.RebuildDiveList();
  EXPECT_EQ(Numbers(), (std::vector<uint16_t>{7, 8, 9}));
  EXPECT_EQ(m_model.Logbook().Seznam, (std::vector<std::string>{"7", "8\x95", "9"}));
  EXPECT_EQ(m_model.Logbook().PosledniCislo, 9);
  EXPECT_EQ(m_model.SelectedIndex(), 0);
}

// --- StoreEditedDive --------------------------------------------------------------------

TEST_F(MainWindowModelTest, StoringWithoutAnEditChangesNothing) {
  OpenSample(2);
  const ponor before = *m_model.CurrentDive();
  m_model.StoreEditedDive();
  EXPECT_EQ(static_cast<const ponor&>(*m_model.CurrentDive()), before);
  EXPECT_FALSE(Changed());
}

TEST_F(MainWindowModelTest, StoringWritesTheTypedValuesIntoTheDive) {
  OpenSample(2);
  m_model.FieldEdited(TextField::Hloubka, "33.25");
  m_model.FieldEdited(TextField::Lokalita, "Egypt");
  m_model.FieldEdited(TextField::DelkaPonoru, "01:05");
  // Only the next command writes the edit into the dive.
  EXPECT_EQ(m_model.CurrentDive()->Hloubka, test::SampleDive(2).Hloubka);
  m_model.StoreEditedDive();
  EXPECT_EQ(m_model.CurrentDive()->Hloubka, 3325);
  EXPECT_EQ(m_model.CurrentDive()->Lokalita, "Egypt");
  EXPECT_EQ(m_model.CurrentDive()->DelkaPonoru, 65);
  EXPECT_EQ(m_model.CurrentDive()->Rezerva, test::SampleDive(2).Rezerva);
  EXPECT_FALSE(m_model.FieldsEdited());
  EXPECT_TRUE(Changed());
}

struct CutCase {
  TextField field;
  std::size_t stored;  // the longest text the field keeps
  std::string ponor::*member;
};

class StoredLengthTest : public MainWindowModelTest,
                         public ::testing::WithParamInterface<CutCase> {};

TEST_P(StoredLengthTest, LongTextsAreCutToTheFieldLength) {
  const CutCase c = GetParam();
  OpenSample(1);
  const std::string typed(300, 'x');
  m_model.FieldEdited(c.field, typed);
  m_model.StoreEditedDive();
  EXPECT_EQ(m_model.CurrentDive()->*c.member, typed.substr(0, c.stored));
}

INSTANTIATE_TEST_SUITE_P(Texts, StoredLengthTest,
                         ::testing::Values(CutCase{TextField::Lokalita, 20, &ponor::Lokalita},
                                           CutCase{TextField::Misto, 20, &ponor::Misto},
                                           CutCase{TextField::Jiny, 20, &ponor::Jiny},
                                           CutCase{TextField::Partner, 47, &ponor::Partner},
                                           CutCase{TextField::Poznamka, 254, &ponor::Poznamka}));

TEST_F(MainWindowModelTest, StoringKeepsTheLastTwoProfileBytes) {
  ponor full;
  full.GrafPocet = static_cast<uint16_t>(kGrafSize);
  for (std::size_t i = 0; i < kGrafSize; ++i) full.Graf[i] = static_cast<uint8_t>(i % 251);
  full.Graf[2000] = 0xAB;
  full.Graf[2001] = 0xCD;
  m_settings.CasZGrafu = false;
  Open(LogbookOf({full}));
  m_model.FieldEdited(TextField::Partner, "Jana");
  m_model.StoreEditedDive();
  const pam& stored = *m_model.CurrentDive();
  EXPECT_EQ(stored.Partner, "Jana");
  EXPECT_EQ(stored.GrafPocet, kGrafSize);
  EXPECT_EQ(stored.Graf, full.Graf);
}

// --- ShowCurrentDive --------------------------------------------------------------------

TEST_F(MainWindowModelTest, ShowingTheSelectedEntryFillsEveryField) {
  OpenSample(5);
  Show(1);
  const pam& dive = *m_model.CurrentDive();
  EXPECT_EQ(dive.Cislo, 2);
  const ponorTxt expected = test::ViewOf(dive);
  EXPECT_EQ(Shown(TextField::Datum), expected.Datum);
  EXPECT_EQ(Shown(TextField::Lokalita), "Chorvatsko 2");
  EXPECT_EQ(Shown(TextField::Hloubka), "10.02");
  EXPECT_EQ(Shown(TextField::DelkaPonoru), "00:22");
  EXPECT_EQ(Shown(TextField::Lahev), "12.00");
  EXPECT_EQ(m_model.Display().Lists[static_cast<int>(CategoryList::Pocasi)], "mlhavo");
  EXPECT_EQ(m_model.Display().Sets[static_cast<int>(CategorySet::TypAktivity)],
            expected.TypAktivity);
  EXPECT_EQ(m_model.View().Cislo, "2");
  EXPECT_FALSE(m_model.FieldsEdited());
  EXPECT_FALSE(Changed());
}

struct DurationCase {
  const char* name;
  bool casZGrafu;
  int16_t storedMinutes;
  const char* shown;
  bool changed;
};

class ProfileDurationTest : public MainWindowModelTest,
                            public ::testing::WithParamInterface<DurationCase> {};

TEST_P(ProfileDurationTest, ALongerProfileReplacesTheDiveTime) {
  const DurationCase c = GetParam();
  m_settings.CasZGrafu = c.casZGrafu;
  Open(LogbookOf({DiveWithProfileMinutes(45, c.storedMinutes)}));
  EXPECT_EQ(m_model.View().DelkaGrafu, "00:45");
  EXPECT_EQ(Shown(TextField::DelkaPonoru), c.shown);
  EXPECT_EQ(Changed(), c.changed);
  EXPECT_EQ(m_model.FieldsEdited(), c.changed);
  // The next store writes the profile's duration into the dive.
  m_model.StoreEditedDive();
  EXPECT_EQ(m_model.CurrentDive()->DelkaPonoru, c.changed ? 45 : c.storedMinutes);
}

INSTANTIATE_TEST_SUITE_P(Cases, ProfileDurationTest,
                         ::testing::Values(DurationCase{"Shorter", true, 40, "00:45", true},
                                           DurationCase{"Longer", true, 50, "00:50", false},
                                           DurationCase{"Empty", true, kEmptyValue, "00:45", true},
                                           DurationCase{"Unchecked", false, 40, "00:40", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowModelTest, ADiveWithoutProfileKeepsItsDiveTime) {
  ponor dive;
  dive.DelkaPonoru = kEmptyValue;
  Open(LogbookOf({dive}));
  EXPECT_EQ(Shown(TextField::DelkaPonoru), "");
  EXPECT_FALSE(Changed());
}

TEST_F(MainWindowModelTest, ConsumptionAndFullnessFromTheProfile) {
  // Four samples at 10 m: 1 minute at 2 bar, 12 l used 10 bar.
  ponor dive = test::DiveWithProfile(kFormatBasic, {1000, 1000, 1000, 1000});
  dive.Lahev = 1200;
  dive.SpotrebaVzduchu = 1000;
  dive.Hloubka = 1000;
  dive.DelkaPonoru = 1;
  Open(LogbookOf({dive}));
  EXPECT_EQ(m_model.Display().Spotreba, "Air: 60.00 l/min");
  EXPECT_EQ(m_model.Display().Plnost, "Fullness: 75.00 %");
}

TEST_F(MainWindowModelTest, ConsumptionAndFullnessEstimatedWithoutProfile) {
  ponor dive;
  dive.Lahev = 1200;
  dive.SpotrebaVzduchu = 15000;
  dive.Hloubka = 2000;
  dive.DelkaPonoru = 40;
  ponor empty;
  empty.Hloubka = kEmptyValue;
  empty.DelkaPonoru = kEmptyValue;
  Open(LogbookOf({dive, empty}));
  Show(0);
  EXPECT_EQ(m_model.Display().Spotreba, "Air: approx. 30.00 l/min");
  EXPECT_EQ(m_model.Display().Plnost, "Fullness: approx. 50.00 %");
  Show(1);
  EXPECT_EQ(m_model.Display().Spotreba, "");
  EXPECT_EQ(m_model.Display().Plnost, "");
}

TEST(MeasureLabels, UseTheRegionalSeparator) {
  const TMessageTable m = StatusMessages();
  EXPECT_EQ(ConsumptionLabel(12.345, true, m, ','), "Air: 12,35 l/min");
  EXPECT_EQ(FullnessLabel(7.5, false, m, ','), "Fullness: approx. 7,50 %");
  EXPECT_EQ(ConsumptionLabel(0, false, m, '.'), "");
  EXPECT_EQ(FullnessLabel(0, true, m, '.'), "Fullness: 0.00 %");
}

TEST(GasLabel, EmptyForABasicDiveAndAtMost34Characters) {
  ponorTxt view;
  view.FormatGrafu = kFormatBasic;
  view.EAN = "32";
  view.MaxPO2 = "1.40 bar";
  EXPECT_EQ(GasLabel(view), "");
  view.FormatGrafu = kFormatNitrox;
  EXPECT_EQ(GasLabel(view), "EAN32, max. pO2=1.40 bar");
  view.EAN = "1234567890";
  view.MaxPO2 = "1234567890XYZ";
  EXPECT_EQ(GasLabel(view), "EAN1234567890, max. pO2=1234567890");
}

TEST_F(MainWindowModelTest, TheGasLabelFollowsTheShownDive) {
  ponor nitrox = test::DiveWithProfile(kFormatNitrox, {1000, 1000, 1000});
  nitrox.Graf[23] = 0x40;  // 21 % oxygen, 1.40 bar
  ponor basic = test::DiveWithProfile(kFormatBasic, {1000, 1000, 1000});
  Open(LogbookOf({nitrox, basic}));
  Show(0);
  EXPECT_EQ(m_model.Display().Ean, "EAN21, max. pO2=1.40 bar");
  m_model.Navigate(Move::Next);
  EXPECT_EQ(m_model.Display().Ean, "");
}

struct NoteCase {
  int length;
  NoteBarColour colour;
};

class NoteBarTest : public MainWindowModelTest, public ::testing::WithParamInterface<NoteCase> {};

TEST_P(NoteBarTest, ColourByNoteLength) {
  const NoteCase c = GetParam();
  ponor dive;
  dive.Poznamka = std::string(static_cast<std::size_t>(c.length), 'n');
  Open(LogbookOf({dive, ponor{}}));
  Show(0);
  EXPECT_EQ(m_model.Display().NoteLength, c.length);
  EXPECT_EQ(m_model.Display().NoteColour, c.colour);
  // Typing a note of that length into another dive gives the same bar.
  Show(1);
  m_model.FieldEdited(TextField::Poznamka, dive.Poznamka);
  EXPECT_EQ(m_model.Display().NoteLength, c.length);
  EXPECT_EQ(m_model.Display().NoteColour, c.colour);
}

INSTANTIATE_TEST_SUITE_P(
    Thresholds, NoteBarTest,
    ::testing::Values(NoteCase{0, NoteBarColour::Green}, NoteCase{229, NoteBarColour::Green},
                      NoteCase{230, NoteBarColour::Yellow}, NoteCase{249, NoteBarColour::Yellow},
                      NoteCase{250, NoteBarColour::Red}, NoteCase{254, NoteBarColour::Red}));

// --- Navigation -------------------------------------------------------------------------

TEST_F(MainWindowModelTest, NavigationMovesTheSelection) {
  OpenSample(5);
  Show(2);
  m_model.Navigate(Move::Next);
  EXPECT_EQ(m_model.CurrentDive()->Cislo, 4);
  m_model.Navigate(Move::Previous);
  m_model.Navigate(Move::Previous);
  EXPECT_EQ(m_model.CurrentDive()->Cislo, 2);
  m_model.Navigate(Move::Last);
  EXPECT_EQ(m_model.CurrentDive()->Cislo, 5);
  m_model.Navigate(Move::First);
  EXPECT_EQ(m_model.CurrentDive()->Cislo, 1);
  EXPECT_EQ(Shown(TextField::Lokalita), "Chorvatsko 1");
}

TEST_F(MainWindowModelTest, NavigationAtEitherEndStaysButStoresTheEdit) {
  OpenSample(3);
  Show(0);
  m_model.FieldEdited(TextField::Hloubka, "33");
  m_model.Navigate(Move::Previous);
  EXPECT_EQ(m_model.SelectedIndex(), 0);
  EXPECT_EQ(Dive(0).Hloubka, 3300);
  EXPECT_EQ(Shown(TextField::Hloubka), "33.00");  // shown again, normalised
  EXPECT_FALSE(m_model.FieldsEdited());

  Show(2);
  m_model.FieldEdited(TextField::Lokalita, "Malta");
  m_model.Navigate(Move::Next);
  EXPECT_EQ(m_model.SelectedIndex(), 2);
  EXPECT_EQ(Dive(2).Lokalita, "Malta");
}

TEST_F(MainWindowModelTest, AnEditIsStoredIntoTheDiveItWasTypedIn) {
  OpenSample(3);
  Show(1);
  m_model.FieldEdited(TextField::Misto, "Blue Hole");
  m_model.Navigate(Move::Next);
  EXPECT_EQ(Dive(1).Misto, "Blue Hole");
  EXPECT_EQ(Dive(2).Misto, test::SampleDive(3).Misto);
  EXPECT_EQ(Shown(TextField::Misto), test::SampleDive(3).Misto);
}

// --- F11: copy from the previous dive ---------------------------------------------------

TEST_F(MainWindowModelTest, F11OnTheFirstDiveCopiesFromTheLast) {
  OpenSample(4);
  Show(0);
  const std::string text = m_model.PreviousDiveText(TextField::Lokalita);
  EXPECT_EQ(text, "Chorvatsko 4");
  // The window puts the text into the field, whose change handler marks the edit.
  m_model.FieldEdited(TextField::Lokalita, text);
  m_model.StoreEditedDive();
  EXPECT_EQ(Dive(0).Lokalita, "Chorvatsko 4");
}

TEST_F(MainWindowModelTest, F11InAListCopiesTheCodeAndMarksTheChangeAtOnce) {
  OpenSample(3);
  Show(2);
  m_model.CopyPreviousList(CategoryList::Pocasi);
  EXPECT_EQ(m_model.Display().Lists[static_cast<int>(CategoryList::Pocasi)],
            m_tables.Pocasi[test::SampleDive(2).Pocasi]);
  EXPECT_TRUE(Changed());
  EXPECT_TRUE(m_model.FieldsEdited());
  EXPECT_TRUE(m_model.DisplayReady());
  m_model.StoreEditedDive();
  EXPECT_EQ(Dive(2).Pocasi, test::SampleDive(2).Pocasi);
  EXPECT_EQ(Dive(2).Oblek, test::SampleDive(3).Oblek);  // other lists untouched
}

TEST_F(MainWindowModelTest, F11InACategoryFieldCopiesItsFlags) {
  OpenSample(3);
  Show(1);
  m_model.CopyPreviousSet(CategorySet::TypAktivity);
  EXPECT_EQ(m_model.Display().Sets[static_cast<int>(CategorySet::TypAktivity)],
            test::ViewOf(Dive(0)).TypAktivity);
  EXPECT_TRUE(Changed());
  m_model.StoreEditedDive();
  EXPECT_EQ(Dive(1).TypAktivity, Dive(0).TypAktivity);
}

TEST_F(MainWindowModelTest, F11InALogbookOfOneDiveCopiesTheDiveItself) {
  OpenSample(1);
  EXPECT_EQ(m_model.PreviousDiveText(TextField::Partner), "Jana");
}

// --- Pick lists -------------------------------------------------------------------------

class PickListTest : public MainWindowModelTest {
 protected:
  void SetUp() override {
    const std::pair<const char*, const char*> places[] = {{"Krk", "Zabi utes"}, {"Krk", "Punat"},
                                                          {"krk", "Baska"},     {"Krk", "Punat"},
                                                          {"Vis", "Brijuni"},   {"Krk", ""}};
    std::vector<ponor> dives;
    for (auto [locality, site] : places) {
      ponor d;
      d.Lokalita = locality;
      d.Misto = site;
      d.Partner = site;
      dives.push_back(d);
    }
    Open(LogbookOf(dives));  // the last dive, at "Krk", is shown
  }
};

TEST_F(PickListTest, SitesOfTheExactLocalitySortedWithoutRepeats) {
  EXPECT_EQ(m_model.PickListValues(PickList::Misto),
            (std::vector<std::string>{"", "Punat", "Zabi utes"}));
}

TEST_F(PickListTest, EverySiteWhenTheLocalityIsEmpty) {
  m_model.FieldEdited(TextField::Lokalita, "");
  m_model.StoreEditedDive();
  EXPECT_EQ(m_model.PickListValues(PickList::Misto),
            (std::vector<std::string>{"", "Baska", "Brijuni", "Punat", "Zabi utes"}));
}

TEST_F(PickListTest, ATypedLocalityChoosesTheSitesOnceStored) {
  m_model.FieldEdited(TextField::Lokalita, "Vis");
  m_model.StoreEditedDive();
  // The current dive itself now stands at "Vis", with no site.
  EXPECT_EQ(m_model.PickListValues(PickList::Misto), (std::vector<std::string>{"", "Brijuni"}));
}

TEST_F(PickListTest, LocalitiesAndBuddiesOfEveryDive) {
  EXPECT_EQ(m_model.PickListValues(PickList::Lokalita),
            (std::vector<std::string>{"Krk", "krk", "Vis"}));
  EXPECT_EQ(m_model.PickListValues(PickList::Partner),
            (std::vector<std::string>{"", "Baska", "Brijuni", "Punat", "Zabi utes"}));
}

TEST_F(PickListTest, OfferingTheListChangesNothing) {
  const ponor before = *m_model.CurrentDive();
  m_model.PickListValues(PickList::Misto);
  m_model.ShowCurrentDive();  // what the window does after a cancel
  EXPECT_FALSE(Changed());
  EXPECT_EQ(static_cast<const ponor&>(*m_model.CurrentDive()), before);
}

TEST_F(PickListTest, APickIsCutAndWrittenIntoTheDiveAtOnce) {
  m_model.ApplyPick(PickList::Misto, std::string(30, 's'));
  EXPECT_EQ(m_model.CurrentDive()->Misto, std::string(20, 's'));
  m_model.ApplyPick(PickList::Partner, std::string(60, 'p'));
  EXPECT_EQ(m_model.CurrentDive()->Partner, std::string(47, 'p'));
  EXPECT_TRUE(Changed());
  m_model.ShowCurrentDive();
  EXPECT_EQ(Shown(TextField::Partner), std::string(47, 'p'));
}

// --- Category dialogs -------------------------------------------------------------------

TEST_F(MainWindowModelTest, ChosenFlagsAreWrittenIntoTheDive) {
  OpenSample(2);
  std::array<bool, 16> flags{};
  flags[8] = true;  // nitrox
  flags[3] = true;
  m_model.ApplySetFlags(CategorySet::TypPonoru, flags);
  EXPECT_EQ(m_model.CurrentDive()->TypPonoru, (1u << 8) | (1u << 3));
  EXPECT_TRUE(Changed());
  m_model.ShowCurrentDive();
  EXPECT_EQ(m_model.View().FormatGrafu, kFormatNitrox);
}

}  // namespace
}  // namespace zirdan
