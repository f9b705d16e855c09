// The address that sends the current dive's conditions to the dive-site status form.
#include "env/status_report.h"

#include <gtest/gtest.h>

#include "core/win1250.h"

namespace zirdan {
namespace {

constexpr std::string_view kForm = "https://example.org/lokality/lokstfrm.asp";

ponorTxt SampleView() {
  ponorTxt view;
  view.Lokalita = "Vobrubovka";
  view.Datum = "12.06.2024 st";
  view.Cas = "10:45";
  view.Hloubka = "18.40";
  view.TeplotaVzduchu = "24.50";
  view.TeplotaVody = "16.00";
  view.Poznamka = "klid";
  return view;
}

TEST(StatusReportAddress, SendsTheParametersInOrderFromTheDisplayTexts) {
  EXPECT_EQ(BuildStatusReportAddress(kForm, SampleView()),
            "https://example.org/lokality/lokstfrm.asp?nazev=Vobrubovka&dat=12.06.2024&cas=10:45"
            "&mxh=18.40&tpv=24&tpx=&tpn=16&vih=&vid=&hod=0&pzn=klid");
}

TEST(StatusReportAddress, TemperaturesWithoutAPointAreSentEmpty) {
  ponorTxt view = SampleView();
  view.TeplotaVzduchu = "12";
  view.TeplotaVody = "";
  const std::string address = BuildStatusReportAddress(kForm, view);
  EXPECT_NE(address.find("&tpv=&tpx=&tpn=&vih="), std::string::npos) << address;
}

TEST(StatusReportAddress, EncodesTheSiteAndNoteAndKeepsTwentySiteCharacters) {
  ponorTxt view = SampleView();
  view.Lokalita = "Lom & Jezero";
  view.Poznamka = Utf8ToWin1250("Zelená voda, 5 m");
  std::string address = BuildStatusReportAddress(kForm, view);
  EXPECT_NE(address.find("?nazev=Lom+%26+Jezero&dat="), std::string::npos) << address;
  EXPECT_NE(address.find("&pzn=Zelen%e1+voda%2c+5+m"), std::string::npos) << address;

  view.Lokalita = "Abcdefghijklmnopqrstuvwxyz";
  address = BuildStatusReportAddress(kForm, view);
  EXPECT_NE(address.find("?nazev=Abcdefghijklmnopqrst&dat="), std::string::npos) << address;
}

TEST(StatusReportAddress, ALongNoteIsCutAt254CharactersWithoutSplittingAnEscape) {
  ponorTxt view = SampleView();
  view.Poznamka = std::string(300, 'x');
  std::string address = BuildStatusReportAddress(kForm, view);
  EXPECT_EQ(address.size(), kStatusReportMaxLength);
  EXPECT_EQ(address.substr(address.size() - 3), "xxx");

  // Shift a run of escapes across the cut: whatever the alignment, the address ends on a
  // whole escape or a plain character, never on "%" or "%e".
  for (std::size_t lead = 0; lead < 3; ++lead) {
    view.Poznamka = std::string(100 + lead, 'x') + std::string(40, static_cast<char>(0xE9));
    address = BuildStatusReportAddress(kForm, view);
    ASSERT_LE(address.size(), kStatusReportMaxLength);
    EXPECT_GE(address.size(), kStatusReportMaxLength - 2);
    const std::size_t percent = address.rfind('%');
    EXPECT_EQ(address.size() - percent, 3u) << address;
    EXPECT_EQ(address.substr(address.size() - 3), "%e9");
  }
}

TEST(UrlEncoding, LettersAndDigitsStaySpacesBecomePlusOtherBytesLowercaseHex) {
  EXPECT_EQ(UrlEncodeWin1250("Az09"), "Az09");
  EXPECT_EQ(UrlEncodeWin1250("a b"), "a+b");
  EXPECT_EQ(UrlEncodeWin1250("&=?%+/\n"), "%26%3d%3f%25%2b%2f%0a");
  EXPECT_EQ(UrlEncodeWin1250(Utf8ToWin1250("éŠ")), "%e9%8a");
  EXPECT_EQ(UrlEncodeWin1250(""), "");
}

}  // namespace
}  // namespace zirdan
