#pragma once

#include <functional>

#include "core/canvas.h"
#include "core/field_codec.h"
#include "core/logbook.h"
#include "core/op_result.h"
#include "reports/print_blocks.h"
#include "reports/print_layout.h"

namespace zirdan {

// Where the sheets go: a printer (each sheet its own job) or a file (each sheet a page).
class SheetOutput {
 public:
  virtual ~SheetOutput() = default;
  // The printable area of the page, read when a sheet is set up.
  virtual PrintableArea Area() const = 0;
  // Starts a sheet whose drawing spans the page's units; nullptr when the printer cannot
  // start (Failure() tells why). The canvas lives until EndSheet.
  virtual Canvas* BeginSheet(const PageSetUp& page) = 0;
  // Sends the sheet; false when that failed (Failure() tells why).
  virtual bool EndSheet() = 0;
  virtual OpResult Failure() const = 0;
};

// The range the print dialog chose, by dive number.
struct PrintRange {
  int From = 0;
  int To = 0;
};

// How many sheets a run printed, or why it stopped.
struct PrintRunResult {
  int Sheets = 0;
  OpResult Outcome;  // not OK when the output failed; the remaining dives were abandoned
};

// Prints the command's sheets for the range: starts at the first dive numbered
// `range.From` (or at the logbook's first dive when none is), then goes on in list order
// while the dive's number is not above `range.To`, stopping after the last dive.
// `beforeDive` is called with the start dive's number before anything is printed (also
// when that dive gets no sheet), then with the number of each further dive before its
// sheet; no number is announced twice in a row. A sheet the output cannot start or send
// stops the run with the output's failure. The logbook is only read.
PrintRunResult PrintDives(const TLogbook& logbook, PrintCommand command, PrintRange range,
                          const PrintSettings& settings, const PrintTexts& texts,
                          const CodecContext& codec, SheetOutput& output,
                          const std::function<void(int diveNumber)>& beforeDive = {});

}  // namespace zirdan
