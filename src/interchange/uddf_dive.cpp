// One dive of a UDDF document.
#include <algorithm>
#include <array>
#include <string_view>

#include "core/field_codec.h"
#include "core/record_layout.h"
#include "interchange/uddf_parts.h"
#include "interchange/uddf_values.h"
#include "interchange/xml_text.h"

namespace zirdan {

namespace {

// The main window's labels that head the notes.
constexpr std::size_t kAltitudeLabel = 5;
constexpr std::size_t kWeatherLabel = 7;
constexpr std::size_t kCylinderLabel = 10;
constexpr std::size_t kDiveTypeLabel = 15;
constexpr std::size_t kActivityLabel = 16;
constexpr std::size_t kErrorsLabel = 18;
constexpr std::size_t kOtherActivityLabel = 20;

constexpr unsigned kSosErrorBit = 5;

// UDDF's alarm for each of a sample's six marks (0 breathing, 1 descent, 2 ascent,
// 3 remaining bottom time, 4 decompression, 5 transmitter link); UDDF has none for a
// descent warning, which goes into the notes instead.
constexpr std::array<std::string_view, 6> kAlarms = {"breath", "", "ascent", "rbt", "deco", "link"};
constexpr std::size_t kDescentMark = 1;
constexpr const char* kDescentKey = "StrChSest";  // names the descent warning

// The alarm elements of every combination of marks, by the marks as bits (flag i = bit i),
// made once: a logbook has millions of samples.
const std::array<std::string, 64>& AlarmElements() {
  static const std::array<std::string, 64> elements = [] {
    std::array<std::string, 64> made;
    for (std::size_t bits = 0; bits < made.size(); ++bits)
      for (std::size_t mark = 0; mark < kAlarms.size(); ++mark)
        if ((bits >> mark & 1u) && !kAlarms[mark].empty())
          made[bits] += "<alarm>" + std::string(kAlarms[mark]) + "</alarm>";
    return made;
  }();
  return elements;
}

bool Filled(int16_t value) {
  return value != kEmptyValue;
}

bool FilledNotNegative(int16_t value) {
  return value != kEmptyValue && value >= 0;
}

void AppendLink(std::string& out, const std::string& id) {
  out += "<link ref=\"" + id + "\"/>";
}

void AppendPara(std::string& out, std::string_view heading, std::string_view text) {
  if (text.empty()) return;
  std::string para(heading);
  para += ": ";
  para += text;
  AppendXmlElement(out, "para", para);
}

// "m:ss" of a time into the dive.
std::string MinutesSeconds(int seconds) {
  return std::to_string(seconds / 60) + ':' + TwoDigit(static_cast<uint16_t>(seconds % 60));
}

void AppendBeforeDive(std::string& out, const ponor& dive, bool mixInTank,
                      const UddfCatalogue& catalogue) {
  out += "<informationbeforedive>";
  if (const std::string site = catalogue.SiteId(dive); !site.empty()) AppendLink(out, site);
  for (const std::string& buddy : catalogue.BuddyIds(dive)) AppendLink(out, buddy);
  // Without a tank the gas is linked from here.
  if (!mixInTank) AppendLink(out, catalogue.MixId(dive));
  if (dive.Cislo > 0) out += "<divenumber>" + std::to_string(dive.Cislo) + "</divenumber>";
  out += "<datetime>" + UddfDateTime(dive.Datum, dive.Cas) + "</datetime>";
  if (Filled(dive.TeplotaVzduchu))
    out += "<airtemperature>" + KelvinText(dive.TeplotaVzduchu) + "</airtemperature>";
  if (FilledNotNegative(dive.PovrchovyInterval))
    out += "<surfaceintervalbeforedive><passedtime>" + std::to_string(dive.PovrchovyInterval * 60) +
           "</passedtime></surfaceintervalbeforedive>";
  if (const std::string suit = catalogue.SuitId(dive.Oblek); !suit.empty()) {
    out += "<equipmentused>";
    AppendLink(out, suit);
    out += "</equipmentused>";
  }
  if (dive.Oblek == 1) out += "<nosuit/>";
  out += "</informationbeforedive>\n";
}

// The logbook keeps the pressure used, not the pressures at the start and the end: the
// tank's pressures are written counted from the end of the dive (begin = pressure used,
// end = 0), which keeps the air used and every consumption a reader works out from it.
void AppendTank(std::string& out, const ponor& dive, const std::string& mix) {
  out += "<tankdata>";
  AppendLink(out, mix);
  if (FilledNotNegative(dive.Lahev))
    out += "<tankvolume>" + CubicMetresText(dive.Lahev) + "</tankvolume>";
  out += "<tankpressurebegin>" + PascalText(dive.SpotrebaVzduchu) +
         "</tankpressurebegin><tankpressureend>0</tankpressureend></tankdata>\n";
}

// A waypoint at the surface at the start, then sample l at 20 l seconds, as the graph
// draws the profile.
void AppendSamples(std::string& out, const ponorTxt& view, const std::string& mix) {
  out += "<samples>\n<waypoint><depth>0</depth><divetime>0</divetime>";
  out += "<switchmix ref=\"" + mix + "\"/></waypoint>\n";
  const std::array<std::string, 64>& alarms = AlarmElements();
  for (std::size_t i = 0; i < view.PocetVzorku; ++i) {
    std::size_t bits = 0;
    for (std::size_t mark = 0; mark < kAlarms.size(); ++mark)
      bits |= std::size_t{view.ZnakyVzorku[i][mark]} << mark;
    out += "<waypoint>";
    out += alarms[bits];
    out += "<depth>";
    AppendScaledDecimal(out, view.Hloubky[i], 2);
    out += "</depth><divetime>";
    AppendScaledDecimal(out, static_cast<int64_t>((i + 1) * kSampleSeconds), 0);
    out += "</divetime></waypoint>\n";
  }
  out += "</samples>\n";
}

// The dive's texts and what UDDF has no element for, one paragraph each: the note, then
// "Label: value" for altitude, weather, dive types, activities, other activity, errors,
// the cylinder when no tank is written, and the samples with a descent warning.
void AppendNotes(std::string& out, const ponor& dive, const ponorTxt& view, bool tankWritten,
                 const UddfTexts& texts, const TCategoryTables& tables) {
  std::string notes;
  if (!dive.Poznamka.empty()) AppendXmlElement(notes, "para", dive.Poznamka);
  const auto& labels = texts.Labels;
  AppendPara(notes, labels[kAltitudeLabel],
             CategoryName(tables.NadmorskaVyska, dive.NadmorskaVyska));
  AppendPara(notes, labels[kWeatherLabel], CategoryName(tables.Pocasi, dive.Pocasi));
  AppendPara(notes, labels[kDiveTypeLabel], view.TypPonoru);
  AppendPara(notes, labels[kActivityLabel], view.TypAktivity);
  AppendPara(notes, labels[kOtherActivityLabel], dive.Jiny);
  AppendPara(notes, labels[kErrorsLabel], view.Chyby);
  if (!tankWritten && Filled(dive.Lahev))
    AppendPara(notes, labels[kCylinderLabel], HundredthsToText(dive.Lahev));
  std::string descents;
  for (std::size_t i = 0; i < view.PocetVzorku; ++i)
    if (view.ZnakyVzorku[i][kDescentMark]) {
      if (!descents.empty()) descents += ", ";
      descents += MinutesSeconds(static_cast<int>(i + 1) * kSampleSeconds);
    }
  AppendPara(notes, texts.Messages.Text(kDescentKey), descents);
  if (!notes.empty()) out += "<notes>" + notes + "</notes>\n";
}

int32_t DeepestSample(const ponorTxt& view) {
  const auto* first = view.Hloubky.data();
  return view.PocetVzorku == 0 ? 0 : *std::max_element(first, first + view.PocetVzorku);
}

void AppendAfterDive(std::string& out, const ponor& dive, const ponorTxt& view, bool tankWritten,
                     const UddfTexts& texts, const TCategoryTables& tables) {
  out += "<informationafterdive>";
  if (Filled(dive.TeplotaVody))
    out += "<lowesttemperature>" + KelvinText(dive.TeplotaVody) + "</lowesttemperature>";
  const int32_t depth = Filled(dive.Hloubka) ? dive.Hloubka : DeepestSample(view);
  out += "<greatestdepth>" + MetresText(depth) + "</greatestdepth>\n";
  AppendNotes(out, dive, view, tankWritten, texts, tables);
  const int seconds = FilledNotNegative(dive.DelkaPonoru) ? dive.DelkaPonoru * 60
                                                          : view.PocetVzorku * kSampleSeconds;
  out += "<diveduration>" + std::to_string(seconds) + "</diveduration>";
  if (dive.Chyby >> kSosErrorBit & 1u)
    out += "<globalalarmsgiven><globalalarm>sos-mode</globalalarm></globalalarmsgiven>";
  out += "</informationafterdive>\n";
}

}  // namespace

void AppendUddfDive(std::string& out, const ponor& dive, const ponorTxt& view, std::size_t position,
                    const UddfCatalogue& catalogue, const UddfTexts& texts,
                    const TCategoryTables& tables) {
  const bool tank = FilledNotNegative(dive.SpotrebaVzduchu);
  const std::string mix = catalogue.MixId(dive);
  out += "<dive id=\"dive_" + std::to_string(position) + "\">\n";
  AppendBeforeDive(out, dive, tank, catalogue);
  if (tank) AppendTank(out, dive, mix);
  if (view.PocetVzorku > 0) AppendSamples(out, view, mix);
  AppendAfterDive(out, dive, view, tank, texts, tables);
  out += "</dive>\n";
}

}  // namespace zirdan
