#include "reports/dive_text.h"

#include <algorithm>
#include <cstdlib>

#include "core/ponor_txt.h"
#include "core/profile.h"
#include "reports/report_text.h"

namespace zirdan {
namespace {

constexpr std::size_t kLabelWidth = 21;
constexpr int kFirstSampleCentimetres = 130;  // the fixed depth of the line for 0 seconds

// Centimetres as metres with one decimal, rounded half away from zero.
std::string MetresWithOneDecimal(int64_t centimetres, char decimalSeparator) {
  const int64_t tenths = (std::llabs(centimetres) + 5) / 10;
  std::string text = centimetres < 0 && tenths != 0 ? "-" : "";
  text += std::to_string(tenths / 10);
  text += decimalSeparator;
  text += std::to_string(tenths % 10);
  return text;
}

std::string SampleLine(int seconds, int64_t centimetres, char decimalSeparator) {
  return RightAlign(std::to_string(seconds), 7) + " s .. " +
         RightAlign(MetresWithOneDecimal(centimetres, decimalSeparator), 7) + " m";
}

}  // namespace

std::vector<DiveTextLine> BuildDiveText(const ponor& dive, const CodecContext& codec,
                                        const TMessageTable& messages,
                                        const FieldLabelCaptions& labels) {
  ponorTxt view;
  RecordToView(dive, view, codec);
  std::vector<DiveTextLine> lines;
  auto field = [&](const std::string& label, const std::string& value) {
    lines.push_back({LeftAlign(label, kLabelWidth) + value});
  };
  const auto& L = labels.Label;
  field(messages.Text("StrPonorC"), view.Cislo);
  field(L[1], view.Datum);
  field(L[2], view.Cas);
  field(L[3], view.Lokalita);
  field(L[4], view.Misto);
  field(L[5], view.NadmorskaVyska);
  field(L[6], view.PovrchovyInterval);
  field(L[11], view.Hloubka);
  field(L[12], view.DelkaPonoru);
  field(L[9], view.Oblek);
  field(L[10], view.Lahev);
  field(L[14], view.SpotrebaVzduchu);
  field(L[7], view.Pocasi);
  field(L[8], view.TeplotaVzduchu);
  field(L[13], view.TeplotaVody);
  field(L[15], view.TypPonoru);
  field(L[16], view.TypAktivity);
  field("   " + LeftAlign(L[20], kLabelWidth - 3), view.Jiny);
  field(L[17], view.Partner);
  field(L[18], view.Chyby);
  field(L[19], view.Poznamka);
  lines.push_back({""});

  const std::size_t samples = std::min<std::size_t>(view.PocetVzorku, kMaxSamples);
  if (samples == 0) return lines;
  const char separator = codec.DecimalSeparator;
  lines.push_back({messages.Text("StrGraf") + ":"});
  lines.push_back({SampleLine(0, kFirstSampleCentimetres, separator), false});
  for (std::size_t k = 1; k <= samples; ++k)
    lines.push_back(
        {SampleLine(static_cast<int>(k) * kSampleSeconds, view.Hloubky[k - 1], separator), false});
  if (const Measure rate = ConsumptionRate(dive, view); rate.fromProfile) {
    lines.push_back({""});
    lines.push_back({messages.Text("StrSpotreba1") + " " + FixedText(rate.value, 2, separator) +
                     " " + messages.Text("StrSpotreba2")});
  }
  if (const Measure fullness = Fullness(dive, view); fullness.fromProfile) {
    lines.push_back({""});
    lines.push_back(
        {messages.Text("StrObdelnik") + " " + FixedText(fullness.value, 2, separator) + " %"});
  }
  return lines;
}

std::string DiveTextFileBytes(const std::vector<DiveTextLine>& lines, Encoding encoding) {
  std::string bytes;
  for (const DiveTextLine& line : lines) {
    bytes += line.Converted ? ConvertText(line.Text, Encoding::Windows1250, encoding) : line.Text;
    bytes += "\r\n";
  }
  return bytes;
}

std::string DiveTextFileName(const ponor& dive, const TMessageTable& messages) {
  return messages.Text("StrPonorC") + " " + std::to_string(dive.Cislo) + ".TXT";
}

}  // namespace zirdan
