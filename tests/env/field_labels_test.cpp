// The field label captions the text output of a dive uses.

#include "env/field_labels.h"

#include <gtest/gtest.h>

#include "reports/report_fixtures.h"

namespace zirdan {
namespace {

TEST(FieldLabelsTest, DesignTimeCaptionsCarryTheirUnits) {
  const FieldLabelCaptions captions = FieldLabelCaptions::DesignTime();
  EXPECT_EQ(captions.Label[11], "Max. hloubka [m]");
  EXPECT_EQ(captions.Label[8], test::W("Teplota vz. [°C]"));
  EXPECT_EQ(captions.Label[20], test::W("Jiná"));
}

TEST(FieldLabelsTest, MainWindowSectionReplacesTheLabelsItNames) {
  const TTranslationFile file = TTranslationFile::Parse(
      "[FormMain1]\r\nLabel1=Date\r\nlabel2=Time\r\nLabel20=Other\r\nLabel21=None\r\n"
      "Caption=Main\r\n[FormMain2]\r\nLabel1=Datum ponoru\r\n");
  const FieldLabelCaptions english = FieldLabelCaptions::Translated(file, 1);
  EXPECT_EQ(english.Label[1], "Date");
  EXPECT_EQ(english.Label[2], test::W("Čas"));  // "label2" names no component
  EXPECT_EQ(english.Label[20], "Other");
  EXPECT_EQ(english.Label[3], "Lokalita");
  EXPECT_EQ(FieldLabelCaptions::Translated(file, 2).Label[1], "Datum ponoru");
  EXPECT_EQ(FieldLabelCaptions::Translated(file, 3).Label[1], "Datum");  // no section
}

}  // namespace
}  // namespace zirdan
