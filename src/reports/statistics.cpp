#include "reports/statistics.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <unordered_map>

#include "core/profile.h"
#include "core/record_layout.h"
#include "reports/text_collation.h"

namespace zirdan {
namespace {

constexpr int kLabelWidth = 30;       // labels of sections 1 to 7
constexpr int kGroupLabelWidth = 40;  // labels of section 8
constexpr int kDeepest = 20000;       // deepest depth a class or section takes, centimetres

// What the statistics need of one dive, read from its record and its view in one pass.
struct DiveFacts {
  int64_t minutes = 0;      // dive time in minutes; 0 when not filled in
  bool timed = false;       // the dive time is filled in
  int depth = 0;            // maximum depth as stored, centimetres
  bool repeated = false;    // a surface interval is filled in
  uint16_t types = 0;       // dive-type flags, bit i = flag i
  uint16_t activities = 0;  // activity flags
  int weekday = 0;          // 0 Monday .. 6 Sunday
  Measure consumption;      // litres per minute
  Measure fullness;         // percent
};

bool DepthFilledIn(int depth) {
  return depth != kEmptyValue;
}

// A number of dives and the sum of their dive times.
struct Tally {
  int64_t dives = 0;
  int64_t minutes = 0;
  void Add(const DiveFacts& f) {
    ++dives;
    minutes += f.minutes;
  }
};

// A sum and the number of values that went into it; its mean is 0 when nothing did.
struct Mean {
  double sum = 0;
  int64_t count = 0;
  void Add(double value) {
    sum += value;
    ++count;
  }
  double Value() const { return count ? sum / static_cast<double>(count) : 0.0; }
};

// The figures of the dives that share one locality and site.
struct GroupTotals {
  int64_t dives = 0;
  int64_t minutes = 0;
  int64_t timed = 0;  // dives with a dive time: the divisor of the mean dive time
  int deepest = 0;    // centimetres; dives without a maximum depth are left out
  Mean depth;         // centimetres, likewise
  Mean consumption;   // every dive, with the rate whatever its profile flag

  void Add(const DiveFacts& f) {
    ++dives;
    minutes += f.minutes;
    if (f.timed) ++timed;
    if (DepthFilledIn(f.depth)) {
      deepest = std::max(deepest, f.depth);
      depth.Add(f.depth);
    }
    consumption.Add(f.consumption.value);
  }
};

// Everything the sections need, gathered in one pass over the dives.
struct Collected {
  std::vector<DiveFacts> dives;  // in list order
  // By locality and site, 20 characters each, one space between.
  std::unordered_map<std::string, GroupTotals> groups;
};

// The statistics read the record itself rather than its full view: decoding every field of
// tens of thousands of dives would take most of the time.
Collected Collect(const ReportSource& source) {
  Collected c;
  c.dives.reserve(source.Logbook.PocetPonoru());
  const uint16_t defaultFormat = source.Codec().VychoziFormatGrafu;
  std::string key;
  source.Logbook.ForEach([&](const pam& dive) {
    DiveFacts f;
    f.timed = dive.DelkaPonoru != kEmptyValue;
    f.minutes = f.timed ? dive.DelkaPonoru : 0;
    f.depth = dive.Hloubka;
    f.repeated = dive.PovrchovyInterval != kEmptyValue;
    f.types = dive.TypPonoru;
    f.activities = dive.TypAktivity;
    f.weekday = WeekdayOfDay(dive.Datum);
    const ProfileSums sums = SumProfile(dive, ProfileFormat(dive.TypPonoru, defaultFormat));
    f.consumption = ConsumptionRate(dive, sums);
    f.fullness = Fullness(dive, sums);
    key.assign(dive.Lokalita, 0, kPlaceTextWidth);
    key.resize(kPlaceTextWidth, ' ');
    key += ' ';
    key.append(dive.Misto, 0, kPlaceTextWidth);
    key.resize(2 * kPlaceTextWidth + 1, ' ');
    c.groups[key].Add(f);
    c.dives.push_back(f);
  });
  return c;
}

// The accumulators of one of sections 1 to 6.
struct SectionTotals {
  Tally all;
  Tally repeated;
  std::array<Tally, 6> depthClasses;
  std::array<Tally, 16> types;
  std::array<Tally, 16> activities;
  std::array<Tally, 7> weekdays;
  int64_t timedDives = 0;  // dives with a dive time: the divisor of the average dive time
  Mean consumption;        // only rates computed from the profile
  Mean fullness;           // only fullness computed from the profile
  Mean depth;              // centimetres; dives without a maximum depth are left out
};

// The depth class (0..5) of a stored maximum depth, or -1 for none.
int DepthClass(int depth) {
  if (depth < 1 || depth > kDeepest) return -1;
  if (depth > 5000) return 5;
  return (depth - 1) / 1000;
}

void AddToSection(SectionTotals& t, const DiveFacts& f) {
  t.all.Add(f);
  if (f.timed) ++t.timedDives;
  if (f.repeated) t.repeated.Add(f);
  if (int c = DepthClass(f.depth); c >= 0) t.depthClasses[c].Add(f);
  for (int i = 2; i <= 8; ++i)
    if (f.types & (1u << i)) t.types[i].Add(f);
  for (int i = 0; i < 16; ++i)
    if (f.activities & (1u << i)) t.activities[i].Add(f);
  t.weekdays[f.weekday].Add(f);
  if (f.consumption.fromProfile) t.consumption.Add(f.consumption.value);
  if (f.fullness.fromProfile) t.fullness.Add(f.fullness.value);
  if (DepthFilledIn(f.depth)) t.depth.Add(f.depth);
}

class StatisticsWriter {
 public:
  StatisticsWriter(const ReportSource& source, std::vector<std::string>& lines)
      : m_source(source),
        m_messages(source.Messages),
        m_lines(lines),
        m_groupLabels{GroupLabel("StrPocetPon"),    GroupLabel("StrCelDelka"),
                      GroupLabel("StrPrumDelka"),   GroupLabel("StrCelHloubka"),
                      GroupLabel("StrPrumHloubka"), GroupLabel("StrPrumSpotreba")},
        m_consumptionUnit(" " + m_messages.Text("StrSpotreba2")) {}

  void Section(const char* heading, const SectionTotals& t, const std::vector<int>& types) {
    Line(m_messages.Text(heading));
    Line(kBlankLine);
    TallyLine(m_messages.Text("StrPocetPon"), t.all, t);
    TallyLine(m_messages.Text("StrOpakovane"), t.repeated, t);
    Line(kBlankLine);
    static constexpr std::array<const char*, 6> kClassKeys = {
        "StrMelke", "StrMelci", "StrStredni", "StrHlubsi", "StrHluboke", "StrExtrem"};
    for (std::size_t c = 0; c < kClassKeys.size(); ++c)
      TallyLine(m_messages.Text(kClassKeys[c]), t.depthClasses[c], t);
    Line(kBlankLine);
    for (int i : types) TallyLine(m_source.Tables.TypPonoru[i], t.types[i], t);
    Line(kBlankLine);
    for (int i = 0; i < 16; ++i) TallyLine(m_source.Tables.TypAktivity[i], t.activities[i], t);
    Line(kBlankLine);
    const int64_t meanMinutes = t.timedDives ? t.all.minutes / t.timedDives : 0;
    Line(Label("StrPrumDelka") + MinutesAsHoursText(meanMinutes, m_messages));
    Line(Label("StrPrumHloubka") + Number(t.depth.Value() / 100) + " m");
    Line(Label("StrPrumSpotreba") + Number(t.consumption.Value()) + " " +
         m_messages.Text("StrSpotreba2"));
    Line(Label("StrPrumObdelnik") + Number(t.fullness.Value()) + " %");
    Line(kBlankLine);
    static constexpr std::array<const char*, 7> kDayKeys = {
        "StrPondeli", "StrUtery", "StrStreda", "StrCtvrtek", "StrPatek", "StrSobota", "StrNedele"};
    for (std::size_t d = 0; d < kDayKeys.size(); ++d)
      TallyLine(m_messages.Text("StrDenVT") + " " + m_messages.Text(kDayKeys[d]), t.weekdays[d], t);
    Line(kBlankLine);
  }

  void RunningSubtotals(const std::vector<DiveFacts>& facts, int perSubtotal) {
    Line(m_messages.Text("StrStat7"));
    Line(kBlankLine);
    int64_t total = 0;
    int64_t block = 0;
    for (std::size_t i = 0; i < facts.size(); ++i) {
      total += facts[i].minutes;
      block += facts[i].minutes;
      const std::size_t position = i + 1;
      // A count below 1 (a damaged setting) has no multiples: no subtotal is written.
      if (perSubtotal < 1 || position % static_cast<std::size_t>(perSubtotal) != 0) continue;
      const std::string label = m_messages.Text("StrPoPonoru") + " " + std::to_string(position) +
                                " " + m_messages.Text("StrMezisoucet");
      Line(RightAlign(label, kLabelWidth) + MinutesAsHoursText(block, m_messages));
      Line(Label("StrCelkem") + MinutesAsHoursText(total, m_messages));
      Line(kBlankLine);
      block = 0;
    }
    Line(kBlankLine);
  }

  void LocalitiesAndSites(const std::unordered_map<std::string, GroupTotals>& groups) {
    Line(kBlankLine);
    Line(m_messages.Text("StrStat8"));
    Line(kBlankLine);
    // Keys are distinct, and only equal keys collate equal: the order is total.
    using Entry = std::pair<const std::string, GroupTotals>;
    std::vector<std::pair<std::string, const Entry*>> order;
    order.reserve(groups.size());
    for (const Entry& g : groups) order.emplace_back(CollationKey(g.first), &g);
    std::sort(order.begin(), order.end());
    std::string_view lastLocality;
    for (const auto& [sortKey, g] : order) {
      const std::string_view key = g->first;
      Line(kBlankLine);
      if (lastLocality.empty() || lastLocality != key.substr(0, kPlaceTextWidth)) {
        lastLocality = key.substr(0, kPlaceTextWidth);
        LineOf({"   ", lastLocality});
      }
      LineOf({"       ", key.substr(kPlaceTextWidth + 1, kPlaceTextWidth)});
      Group(g->second);
    }
  }

 private:
  // Tens of thousands of groups: their labels are made once, and each line in one piece.
  void Group(const GroupTotals& g) {
    const double meanMinutes =
        g.timed ? static_cast<double>(g.minutes) / static_cast<double>(g.timed) : 0;
    const double meanHours = std::trunc(meanMinutes / 60);
    LineOf({m_groupLabels[0], RightAlign(std::to_string(g.dives), 6)});
    LineOf({m_groupLabels[1], HoursMinutesText(g.minutes / 60, g.minutes % 60, m_messages, 3, "")});
    LineOf({m_groupLabels[2],
            HoursMinutesText(static_cast<int64_t>(meanHours),
                             static_cast<int64_t>(std::trunc(meanMinutes - meanHours * 60)),
                             m_messages, 3, "")});
    LineOf({m_groupLabels[3], Number(g.deepest / 100.0), " m"});
    LineOf({m_groupLabels[4], Number(g.depth.Value() / 100), " m"});
    LineOf({m_groupLabels[5], Number(g.consumption.Value()), m_consumptionUnit});
  }

  void TallyLine(const std::string& label, const Tally& tally, const SectionTotals& t) {
    const int64_t percent = t.all.dives ? tally.dives * 100 / t.all.dives : 0;
    Line(RightAlign(label, kLabelWidth) + RightAlign(std::to_string(tally.dives), 5) + "(" +
         RightAlign(std::to_string(percent), 3) + " %) ... " +
         MinutesAsHoursText(tally.minutes, m_messages));
  }

  std::string Label(const char* key) const { return RightAlign(m_messages.Text(key), kLabelWidth); }
  std::string GroupLabel(const char* key) const {
    return RightAlign(m_messages.Text(key), kGroupLabelWidth);
  }
  std::string Number(double value) const {
    return RightAlign(FixedText(value, 2, m_source.DecimalSeparator), 9);
  }
  void Line(std::string text) { m_lines.push_back(std::move(text)); }
  void LineOf(std::initializer_list<std::string_view> parts) {
    std::size_t size = 0;
    for (std::string_view part : parts) size += part.size();
    std::string& line = m_lines.emplace_back();
    line.reserve(size);
    for (std::string_view part : parts) line += part;
  }

  const ReportSource& m_source;
  const TMessageTable& m_messages;
  std::vector<std::string>& m_lines;
  const std::array<std::string, 6> m_groupLabels;  // the six lines of a group
  const std::string m_consumptionUnit;
};

// Which dives each of sections 1 to 6 takes in, and the dive types it lists.
struct SectionRule {
  const char* heading;
  bool (*takesIn)(const DiveFacts&);
  std::vector<int> types;
};

}  // namespace

int WeekdayOfDay(int32_t dayNumber) {
  // As the dive's date shows it: days before 1980 show as 1 January 1980 (a Tuesday), and a
  // date from 2200 on is not one a dive can have.
  constexpr int64_t kDay2200 = kDay1980 + 220 * 365 + 54;  // 54 leap days in 1980..2199
  const int64_t day = std::max<int64_t>(dayNumber, kDay1980);
  if (day >= kDay2200) return 0;
  return static_cast<int>((day - kDay1980 + 1) % 7);
}

std::vector<std::string> BuildStatisticsText(const ReportSource& source,
                                             const StatisticsSettings& settings) {
  const Collected collected = Collect(source);
  std::vector<std::string> lines = TitleLines(source.Messages, source.LogbookPath, source.Today);
  // Hundreds of thousands of lines for a large logbook: room for all of them at once.
  const std::size_t subtotals =
      collected.dives.size() / static_cast<std::size_t>(std::max(settings.PocetPonoruProSoucet, 1));
  lines.reserve(lines.size() + 6 * 64 + 3 * subtotals + 8 * collected.groups.size() + 8);
  StatisticsWriter writer(source, lines);

  const std::vector<int> allTypes = {2, 3, 4, 5, 6, 7, 8};
  const std::vector<int> waterTypes = {2, 3, 4, 5, 8};
  const std::array<SectionRule, 6> sections = {{
      {"StrStat1", [](const DiveFacts&) { return true; }, allTypes},
      {"StrStat2", [](const DiveFacts& f) { return (f.types & (1u << 6)) != 0; }, waterTypes},
      {"StrStat3", [](const DiveFacts& f) { return (f.types & (1u << 7)) != 0; }, waterTypes},
      {"StrStat4", [](const DiveFacts& f) { return f.depth <= 1000; }, allTypes},
      {"StrStat5", [](const DiveFacts& f) { return f.depth >= 1001 && f.depth <= 3000; }, allTypes},
      {"StrStat6", [](const DiveFacts& f) { return f.depth >= 3001 && f.depth <= kDeepest; },
       allTypes},
  }};
  for (const SectionRule& rule : sections) {
    SectionTotals totals;
    for (const DiveFacts& f : collected.dives)
      if (rule.takesIn(f)) AddToSection(totals, f);
    writer.Section(rule.heading, totals, rule.types);
  }
  writer.RunningSubtotals(collected.dives, settings.PocetPonoruProSoucet);
  writer.LocalitiesAndSites(collected.groups);
  return lines;
}

}  // namespace zirdan
