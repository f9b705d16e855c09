#include "core/csv_export.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <utility>

#include "core/atomic_file.h"
#include "core/ponor_txt.h"

namespace zirdan {
namespace {

enum CsvFile : std::size_t { kDive, kGraph, kDiveType, kActivity, kError, kBuddy };

// Rows are gathered in memory and handed to the file in blocks of about this size.
constexpr std::size_t kBlockSize = 1 << 20;
// Dives written between two progress reports.
constexpr std::size_t kProgressStep = 512;

// One export file being written: its rows not yet handed over, and the writer that keeps
// them under a temporary name until all six files are complete.
struct CsvOutput {
  std::string Rows;
  AtomicFileWriter File;

  void Flush() {
    File.Write(Rows);
    Rows.clear();
  }
  void FlushIfLarge() {
    if (Rows.size() >= kBlockSize) Flush();
  }
};
using CsvOutputs = std::array<CsvOutput, kCsvFileCount>;

// Seconds between two profile samples.

// The order of the six marks in a graph row, by flag number.
constexpr std::array<std::size_t, 6> kMarkColumns = {1, 2, 0, 3, 4, 5};

// Appends a text with the characters that would break a row (tab, CR, LF) as spaces.
void AppendText(std::string& out, std::string_view text) {
  const std::size_t start = out.size();
  out.append(text);
  for (std::size_t i = start; i < out.size(); ++i) {
    char& c = out[i];
    if (c == '\t' || c == '\r' || c == '\n') c = ' ';
  }
}

void AppendField(std::string& out, std::string_view text) {
  AppendText(out, text);
  out += '\t';
}

void AppendNumberField(std::string& out, long value) {
  char digits[24];
  auto [end, ec] = std::to_chars(digits, digits + sizeof digits, value);
  (void)ec;  // a long always fits
  out.append(digits, end);
  out += '\t';
}

// One graph row after its dive-number field: the sample's time in seconds, its depth in
// metres with two decimals and the given separator (1550 cm gives 15.50), and its six marks.
// Formatted in a local buffer: the graph file holds most of the export's rows.
void AppendGraphRow(std::string& out, std::size_t position, int32_t centimetres,
                    const SampleMarks& marks, char separator) {
  char row[64];
  char* p = row;
  p = std::to_chars(p, row + sizeof row, kSampleSeconds * position).ptr;
  *p++ = '\t';
  const long depth = centimetres;
  if (depth < 0) *p++ = '-';
  const long magnitude = std::labs(depth);
  p = std::to_chars(p, row + sizeof row, magnitude / 100).ptr;
  *p++ = separator;
  *p++ = static_cast<char>('0' + magnitude % 100 / 10);
  *p++ = static_cast<char>('0' + magnitude % 10);
  *p++ = '\t';
  for (std::size_t flag : kMarkColumns) {
    *p++ = marks[flag] ? '1' : '0';
    *p++ = '\t';
  }
  *p++ = '\r';
  *p++ = '\n';
  out.append(row, p);
}

void EndLine(std::string& out) {
  out += "\r\n";
}

class CsvWriter {
 public:
  CsvWriter(const CodecContext& codec, const CsvHeadingTexts& headings)
      : m_codec(codec), m_headings(headings) {}

  void WriteHeadings(CsvOutputs& files) const;
  void WriteDive(const ponor& dive, CsvOutputs& files);

 private:
  const std::string& Message(std::string_view key) const { return m_headings.Messages.Text(key); }
  const std::string& Label(int number) const {
    return m_headings.Labels[static_cast<std::size_t>(number)];
  }

  void WriteSetRows(std::string& out, const std::array<bool, 16>& flags,
                    const std::array<std::string, 16>& names) const;
  void WriteBuddyRows(std::string& out) const;

  const CodecContext& m_codec;
  const CsvHeadingTexts& m_headings;
  ponorTxt m_view;  // the export's own view, reused for every dive
};

void CsvWriter::WriteHeadings(CsvOutputs& files) const {
  const std::string& number = Message("StrPonorC");

  std::string& dive = files[kDive].Rows;
  AppendField(dive, number);
  for (int label : {1, 2, 3, 4, 5, 6, 11, 12, 9, 10, 14, 7, 8, 13, 19})
    AppendField(dive, Label(label));
  EndLine(dive);

  std::string& graph = files[kGraph].Rows;
  AppendField(graph, number);
  for (const char* key : {"StrPrehCas", "StrPrehHloubka", "StrChSest", "StrChVyst", "StrChDech",
                          "StrChRbt", "StrChDeko"})
    AppendField(graph, Message(key));
  AppendText(graph, Message("StrChTrans"));  // the one heading without a tab after it
  EndLine(graph);

  const std::array<std::pair<CsvFile, int>, 4> setFiles = {
      {{kDiveType, 15}, {kActivity, 16}, {kError, 18}, {kBuddy, 17}}};
  for (const auto& [file, label] : setFiles) {
    std::string& out = files[file].Rows;
    AppendField(out, number);
    AppendField(out, "ID");
    AppendField(out, Label(label));
    EndLine(out);
  }
}

void CsvWriter::WriteDive(const ponor& dive, CsvOutputs& files) {
  RecordToView(dive, m_view, m_codec);
  const ponorTxt& v = m_view;

  std::string& row = files[kDive].Rows;
  for (std::string_view text :
       {std::string_view(v.Cislo), std::string_view(v.Datum).substr(0, 10), std::string_view(v.Cas),
        std::string_view(v.Lokalita), std::string_view(v.Misto), std::string_view(v.NadmorskaVyska),
        std::string_view(v.PovrchovyInterval), std::string_view(v.Hloubka),
        std::string_view(v.DelkaPonoru), std::string_view(v.Oblek), std::string_view(v.Lahev),
        std::string_view(v.SpotrebaVzduchu), std::string_view(v.Pocasi),
        std::string_view(v.TeplotaVzduchu), std::string_view(v.TeplotaVody),
        std::string_view(v.Poznamka)})
    AppendField(row, text);
  EndLine(row);

  if (dive.GrafPocet != 0) {
    std::string& graph = files[kGraph].Rows;
    std::string numberField;
    AppendField(numberField, v.Cislo);
    const std::size_t samples = std::min<std::size_t>(v.PocetVzorku, kMaxSamples);
    for (std::size_t i = 0; i < samples; ++i) {
      graph += numberField;
      AppendGraphRow(graph, i + 1, v.Hloubky[i], v.ZnakyVzorku[i], m_codec.DecimalSeparator);
    }
  }

  WriteSetRows(files[kDiveType].Rows, v.TypPonoruPriznaky, m_codec.Tables.TypPonoru);
  WriteSetRows(files[kActivity].Rows, v.TypAktivityPriznaky, m_codec.Tables.TypAktivity);
  WriteSetRows(files[kError].Rows, v.ChybyPriznaky, m_codec.Tables.Chyby);
  WriteBuddyRows(files[kBuddy].Rows);

  for (CsvOutput& file : files) file.FlushIfLarge();
}

void CsvWriter::WriteSetRows(std::string& out, const std::array<bool, 16>& flags,
                             const std::array<std::string, 16>& names) const {
  for (std::size_t bit = 0; bit < flags.size(); ++bit) {
    if (!flags[bit]) continue;
    AppendField(out, m_view.Cislo);
    AppendNumberField(out, static_cast<long>(bit));
    AppendField(out, names[bit]);
    EndLine(out);
  }
}

// One row per buddy of the comma-separated Partner text; an empty text still gives one row.
void CsvWriter::WriteBuddyRows(std::string& out) const {
  // Tabs and line breaks count as the spaces they are written as, so they are trimmed too.
  std::string partner;
  AppendText(partner, m_view.Partner);
  std::string_view rest = partner;
  auto trimStart = [](std::string_view s) {
    const std::size_t first = s.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string_view() : s.substr(first);
  };
  auto trimEnd = [](std::string_view s) {
    const std::size_t last = s.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string_view() : s.substr(0, last + 1);
  };
  rest = trimStart(trimEnd(rest));
  for (long position = 1;; ++position) {
    const std::size_t comma = rest.find(',');
    const std::string_view buddy =
        comma == std::string_view::npos ? rest : trimEnd(rest.substr(0, comma));
    AppendField(out, m_view.Cislo);
    AppendNumberField(out, position);
    out.append(buddy);  // the one field without a tab after it
    EndLine(out);
    if (comma == std::string_view::npos) break;
    rest = trimStart(rest.substr(comma + 1));
  }
}

}  // namespace

CsvFileNames CsvFileNamesFor(const std::string& logbookPath) {
  CsvFileNames names;
  for (std::size_t i = 0; i < kCsvFileCount; ++i)
    names[i] = logbookPath + std::string(kCsvSuffixes[i]);
  return names;
}

OpResult ExportCsv(const TLogbook& logbook, const std::string& logbookPath,
                   const CodecContext& codec, const CsvHeadingTexts& headings,
                   const CsvExportProgress& progress) {
  const CsvFileNames names = CsvFileNamesFor(logbookPath);
  // The writer's own failure names the file and the system's reason.
  auto fail = [](const OpResult& failure) { return failure.ReportedAs(kCsvExportErrorKey); };

  // A writer that is not committed removes its temporary file when it goes out of scope.
  CsvOutputs files;
  for (std::size_t i = 0; i < kCsvFileCount; ++i) {
    if (OpResult opened = files[i].File.Open(names[i]); !opened) return fail(opened);
  }

  CsvWriter writer(codec, headings);
  writer.WriteHeadings(files);
  const std::size_t total = logbook.PocetPonoru();
  std::size_t written = 0;
  logbook.ForEach([&](const pam& dive) {
    writer.WriteDive(dive, files);
    if (++written % kProgressStep == 0 && progress) progress(written, total);
  });

  // All six are complete on disk before any of them replaces an earlier export.
  for (std::size_t i = 0; i < kCsvFileCount; ++i) {
    files[i].Flush();
    if (OpResult finished = files[i].File.Finish(); !finished) return fail(finished);
  }
  for (std::size_t i = 0; i < kCsvFileCount; ++i) {
    if (OpResult committed = files[i].File.Commit(); !committed) return fail(committed);
  }
  if (progress) progress(total, total);
  return OpResult::Success();
}

}  // namespace zirdan
