#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "core/field_codec.h"
#include "core/logbook.h"
#include "core/message_table.h"
#include "core/op_result.h"

namespace zirdan {

// The six tables of the export, in the order they are created and listed to the user.
inline constexpr std::size_t kCsvFileCount = 6;
inline constexpr std::array<std::string_view, kCsvFileCount> kCsvSuffixes = {
    ".dive.csv", ".graph.csv", ".divetype.csv", ".activity.csv", ".error.csv", ".buddy.csv"};

using CsvFileNames = std::array<std::string, kCsvFileCount>;

// The six file names beside the logbook: its full path, extension included, followed by
// each suffix ("moje.LOG" gives "moje.LOG.dive.csv", ...).
CsvFileNames CsvFileNamesFor(const std::string& logbookPath);

// Texts that head the columns: message texts and the main window's label captions
// Label1 .. Label20 (entry 0 unused), both as the language load left them.
struct CsvHeadingTexts {
  const TMessageTable& Messages;
  const std::array<std::string, 21>& Labels;
};

// The message of a failed export; the failure's detail names the file and the reason.
inline constexpr const char* kCsvExportErrorKey = "StrChybaDat";

// Told how many dives of how many are written, from time to time while the export runs
// and once at its end, so that a window can show the progress of a large logbook.
using CsvExportProgress = std::function<void(std::size_t written, std::size_t total)>;

// Writes the whole logbook as six tab-separated tables beside `logbookPath`, one line per
// dive, per profile sample, per set dive type, activity and error, and per buddy. Dives are
// viewed through the record-to-view conversion with `codec` (its decimal separator is also
// the one of the graph depths). A tab, carriage return or line feed inside a text is
// written as a space so every row keeps its columns. Each file is written under a
// temporary name and the six replace any earlier ones only when all six are on disk, so a
// failure while writing leaves the earlier files (or none) and never a half-written one;
// only a rename that fails part-way through the six can leave some of them replaced. The
// logbook is not changed. The files written are the ones CsvFileNamesFor names.
OpResult ExportCsv(const TLogbook& logbook, const std::string& logbookPath,
                   const CodecContext& codec, const CsvHeadingTexts& headings,
                   const CsvExportProgress& progress = {});

}  // namespace zirdan
