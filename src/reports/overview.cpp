#include "reports/overview.h"

#include "core/ponor_txt.h"

namespace zirdan {
namespace {

constexpr std::size_t kRowWidth = 90;
constexpr char kProfileMark = '\x95';  // "•" in Windows-1250

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

std::string HeaderLine(const TMessageTable& m) {
  return Center(m.Text("StrPrehCislo"), 6) + " " + Center(m.Text("StrPrehDatum"), 10) + " " +
         Center(m.Text("StrPrehCas"), 5) + "  " + Center(m.Text("StrPrehLokalita"), kPlaceTextWidth) + " " +
         Center(m.Text("StrPrehMisto"), kPlaceTextWidth) + " " + Center(m.Text("StrPrehHloubka"), 10) + " " +
         Center(m.Text("StrPrehDelka"), 12);
}

std::string Row(const ponor& dive, const ponorTxt& view, const TMessageTable& messages) {
  std::string number = std::to_string(dive.Cislo);
  number += dive.GrafPocet != 0 ? kProfileMark : ' ';
  return RightAlign(number, 6) + " " + RightAlign(view.Datum, 10) + " " + RightAlign(view.Cas, 5) +
         "  " + LeftAlign(view.Lokalita, kPlaceTextWidth) + " " + LeftAlign(view.Misto, kPlaceTextWidth) + " " +
         RightAlign(view.Hloubka, 7) + " m " + " " +
         OverviewDiveTimeCell(view.DelkaPonoru, messages);
}

}  // namespace

std::string OverviewDiveTimeCell(std::string_view text, const TMessageTable& messages) {
  if (text.size() != 5 || !IsDigit(text[0]) || !IsDigit(text[1]) || text[2] != ':' ||
      !IsDigit(text[3]) || !IsDigit(text[4]))
    return {};
  const int hours = (text[0] - '0') * 10 + (text[1] - '0');
  const int minutes = (text[3] - '0') * 10 + (text[4] - '0');
  return RightAlign(std::to_string(hours), 2) + " " + messages.Text("StrHodiny") + " " +
         RightAlign(std::to_string(minutes), 2) + " " + messages.Text("StrMinuty");
}

std::vector<std::string> BuildOverviewText(const ReportSource& source) {
  std::vector<std::string> lines = TitleLines(source.Messages, source.LogbookPath, source.Today);
  lines.push_back(HeaderLine(source.Messages));
  lines.push_back(std::string(kRowWidth, '-'));
  lines.push_back(kBlankLine);
  const CodecContext codec = source.Codec();
  ponorTxt view;
  bool anyRow = false;
  std::string year;
  source.Logbook.ForEach([&](const pam& dive) {
    RecordToView(dive, view, codec);
    std::string rowYear = view.Datum.size() > 6 ? view.Datum.substr(6, 4) : std::string();
    if (!anyRow || rowYear != year) {
      year = std::move(rowYear);
      anyRow = true;
      lines.push_back(kBlankLine);
    }
    lines.push_back(Row(dive, view, source.Messages));
  });
  lines.push_back(kBlankLine);
  return lines;
}

}  // namespace zirdan
