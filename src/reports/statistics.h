#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "reports/report_source.h"

namespace zirdan {

// The settings the statistics read.
struct StatisticsSettings {
  int PocetPonoruProSoucet = 6;  // dives per subtotal in the running subtotals, 2..50
};

// The lines (Windows-1250) of the statistics of the whole logbook: the title, six sections
// of per-category counts (every dive, fresh water, sea water, three depth ranges), the
// running subtotals, and the figures per locality and site. Each dive is decoded once.
// The weekday line a dive is counted on, 0 Monday .. 6 Sunday, from the first ten
// characters of its date text (DD.MM.YYYY). A date that cannot be read (a part not a number,
// a year outside 1600..2199, a month or day out of range, or a day the month lacks) counts
// on Monday.
int DayOfWeekOfDateText(std::string_view datum);

std::vector<std::string> BuildStatisticsText(const ReportSource& source,
                                             const StatisticsSettings& settings);

}  // namespace zirdan
