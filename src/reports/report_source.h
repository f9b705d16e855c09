#pragma once

#include <string>

#include "core/category_tables.h"
#include "core/field_codec.h"
#include "core/logbook.h"
#include "core/message_table.h"
#include "reports/report_text.h"

namespace zirdan {

// What the statistics and the overview read: the open logbook (only read, never changed),
// the texts of the current language, and the values the caller supplies from its platform.
struct ReportSource {
  const TLogbook& Logbook;
  const TMessageTable& Messages;
  const TCategoryTables& Tables;
  std::string LogbookPath;      // full path of the open logbook file, Windows-1250
  ReportDate Today;             // today's date from the caller's clock
  char DecimalSeparator = '.';  // the regional decimal separator

  // The record-to-view context of every dive of the logbook.
  CodecContext Codec() const { return {Tables, Logbook.VychoziFormatGrafu, DecimalSeparator}; }
};

}  // namespace zirdan
