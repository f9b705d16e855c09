#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "reports/report_source.h"

namespace zirdan {

// The lines (Windows-1250) of the overview of dives: the title, a column header, and one
// 90-column row per dive in list order, with a blank line before each change of year.
// Building it never fails.
std::vector<std::string> BuildOverviewText(const ReportSource& source);

// The dive-time cell of an overview row for a dive time text: hours and minutes without
// leading zeros with their unit texts ("01:05" gives " 1 h  5 min"); empty for a text that
// is not of the form HH:MM.
std::string OverviewDiveTimeCell(std::string_view delkaPonoru, const TMessageTable& messages);

}  // namespace zirdan
