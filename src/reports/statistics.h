#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "reports/report_source.h"

namespace zirdan {

// The settings the statistics read.
struct StatisticsSettings {
  int PocetPonoruProSoucet = 6;  // dives per subtotal in the running subtotals, 2..50
};

// The weekday line a dive is counted on, 0 Monday .. 6 Sunday, from its stored day number
// as its date text shows it: days before 1980 count as 1 January 1980, a date from the year
// 2200 on counts on Monday.
int WeekdayOfDay(int32_t dayNumber);

// The lines (Windows-1250) of the statistics of the whole logbook: the title, six sections
// of per-category counts (every dive, fresh water, sea water, three depth ranges), the
// running subtotals, and the figures per locality and site. Each dive's record is read
// once.
std::vector<std::string> BuildStatisticsText(const ReportSource& source,
                                             const StatisticsSettings& settings);

}  // namespace zirdan
