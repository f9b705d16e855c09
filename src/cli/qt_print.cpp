// zirdanlog-cli print: the paper logbook's sheets of a range of dives, as one PDF file.
#include <QGuiApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "adapters/qt_print_document.h"
#include "adapters/qt_sheet_printer.h"
#include "adapters/qt_translations.h"
#include "cli/cli_common.h"
#include "cli/cli_language.h"
#include "core/temporary_names.h"
#include "env/language_load.h"
#include "env/translation_file.h"
#include "reports/print_run.h"

namespace zirdan::cli {
namespace {

constexpr const char* kUsage =
    "Usage: zirdanlog-cli print LOGFILE --pdf FILE [--sheets KIND] [--from N] [--to N]\n"
    "                           [--colour] [--two-sided] [--left N] [--right N]\n"
    "                           [--all-margins N] [--language-file PATH] [--language N]\n"
    "Prints the paper logbook's sheets of a range of dives into one PDF file, an A4\n"
    "portrait page a sheet, laid out as the editor prints them. The range runs in list\n"
    "order from the dive numbered N of --from to the last dive whose number is not above\n"
    "--to. When no dive of the range has a sheet, FILE is not written and stderr says so.\n\n"
    "  --pdf FILE          the PDF file to write (replaced only when printing succeeded)\n"
    "  --sheets KIND       a4: text above and graph below (default); a4-odd, a4-even: as\n"
    "                      a4 for odd or even dive numbers only; text: the text block;\n"
    "                      graph: the graph block\n"
    "  --from N            the first dive's number (default: the logbook's first dive)\n"
    "  --to N              the last dive number (default: the logbook's last dive's)\n"
    "  --colour            coloured lines and texts (default: all black)\n"
    "  --two-sided         back pages take the right margin as their left space\n"
    "  --left N            left margin, 0 to 9999 layout units (default 1500; a block is\n"
    "                      10000 wide)\n"
    "  --right N           right margin, 0 to 9999 layout units (default 0)\n"
    "  --all-margins N     a frame on every side of the page, 0 to 9999 layout units\n"
    "                      (default 0)\n"
    "  --language-file P   the translation file (default: Language.ini beside the tool)\n"
    "  --language N        the language number in that file (default 2)\n"
    "The editor's stored settings are not used: the defaults are a fresh editor's.\n";

constexpr long kMaxMargin = 9999;
constexpr long kMaxDiveNumber = 65535;

// The page's unprintable edge a typical printer has. The sheets keep their own margins
// inside the printable area, so this frame only makes the PDF look as a printed page does.
constexpr double kPrinterEdgeMm = 4.0;

std::optional<PrintCommand> SheetsFromName(const std::string& name) {
  if (name == "a4") return PrintCommand::A4;
  if (name == "a4-odd") return PrintCommand::A4Odd;
  if (name == "a4-even") return PrintCommand::A4Even;
  if (name == "text") return PrintCommand::TextA5;
  if (name == "graph") return PrintCommand::GraphA5;
  return std::nullopt;
}

// Reads a numeric option within [min, max] into `value`; false (after reporting the usage
// error through `error`) when it is no such number.
bool ReadNumber(const ParsedArguments& args, std::string_view option, long min, long max,
                long& value, std::string& error) {
  const std::optional<std::string> text = args.Value(option);
  if (!text) return true;
  const std::optional<long> number = ParseNumber(*text, min, max);
  if (!number) {
    error = std::string(option) + " must be a number from " + std::to_string(min) + " to " +
            std::to_string(max);
    return false;
  }
  value = *number;
  return true;
}

// The print settings of a fresh editor, changed by the options given. The editor's stored
// settings are not read, so a script gets the same sheets on every machine.
std::optional<PrintSettings> SettingsFromOptions(const ParsedArguments& args, std::string& error) {
  PrintSettings settings;
  long left = settings.LeftMargin;
  long right = settings.RightMargin;
  long all = settings.AllMargins;
  if (!ReadNumber(args, "--left", 0, kMaxMargin, left, error) ||
      !ReadNumber(args, "--right", 0, kMaxMargin, right, error) ||
      !ReadNumber(args, "--all-margins", 0, kMaxMargin, all, error))
    return std::nullopt;
  settings.LeftMargin = static_cast<int>(left);
  settings.RightMargin = static_cast<int>(right);
  settings.AllMargins = static_cast<int>(all);
  settings.TwoSided = args.Has("--two-sided");
  settings.Colour = args.Has("--colour");
  return settings;
}

// Fonts need a GUI application; without a display the offscreen platform serves.
std::unique_ptr<QGuiApplication> MakeApplication() {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static int argc = 1;
  static char name[] = "zirdanlog-cli";
  static char* argv[] = {name, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

void SetUpPdfPrinter(QPrinter& printer, const std::string& path) {
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(path));
  printer.setPageLayout(
      QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                  QMarginsF(kPrinterEdgeMm, kPrinterEdgeMm, kPrinterEdgeMm, kPrinterEdgeMm),
                  QPageLayout::Millimeter));
}

int RunPrint(const ParsedArguments& args) {
  std::string error;
  std::optional<CliLanguage> language = LoadLanguage(args, error);
  if (!language) return UsageError(error);
  const std::optional<std::string> pdfPath = args.Value("--pdf");
  if (!pdfPath || pdfPath->empty()) return UsageError("print needs --pdf FILE");
  const std::string sheets = args.Value("--sheets").value_or("a4");
  const std::optional<PrintCommand> command = SheetsFromName(sheets);
  if (!command) return UsageError("--sheets must be a4, a4-odd, a4-even, text or graph");
  long from = -1;
  long to = -1;
  if (!ReadNumber(args, "--from", 0, kMaxDiveNumber, from, error) ||
      !ReadNumber(args, "--to", 0, kMaxDiveNumber, to, error))
    return UsageError(error);
  const std::optional<PrintSettings> settings = SettingsFromOptions(args, error);
  if (!settings) return UsageError(error);

  const std::string& logPath = args.Positionals()[0];
  TLogbook logbook;
  if (!LoadOrReport(logPath, logbook)) return kExitFileError;
  // A first number that names no dive would make the range walk start at the first dive
  // and print dives below the number asked for.
  if (from >= 0 && !logbook.FindByNumber(static_cast<uint16_t>(from)))
    return UsageError("the logbook has no dive number " + std::to_string(from));
  const pam* first = logbook.Prvni();
  const PrintRange range{static_cast<int>(from >= 0 ? from : (first ? first->Cislo : 0)),
                         static_cast<int>(to >= 0 ? to : (first ? logbook.Posledni()->Cislo : 0))};

  const std::filesystem::path folder = std::filesystem::path(*pdfPath).parent_path();
  std::error_code missing;
  if (!folder.empty() && !std::filesystem::is_directory(folder, missing))
    return FileError(*pdfPath, "cannot write: no such folder");

  // The sheets go to a temporary beside the file, which replaces the file only once every
  // sheet is written, so a failed run leaves neither a half file nor a lost old one.
  const std::string temporary = TemporaryPathFor(*pdfPath);
  PrintRunResult run;
  bool finished = true;
  {
    std::unique_ptr<QGuiApplication> app = MakeApplication();
    InstallQtTranslation(
        QtTranslationCode(TTranslationFile::Load(language->FilePath), language->Number));
    QPrinter printer(QPrinter::HighResolution);
    SetUpPdfPrinter(printer, temporary);
    NamePrintDocument(printer, QString::fromStdString(logPath),
                      QString::fromStdString("zirdanlog-cli print --sheets " + sheets));
    QtSheetPrinter output(printer);
    const char separator = LocaleDecimalSeparator();
    const PrintTexts texts{language->Messages, language->Labels, separator};
    const CodecContext codec{language->Tables, logbook.VychoziFormatGrafu, separator};
    if (first) run = PrintDives(logbook, *command, range, *settings, texts, codec, output);
    finished = output.Finish();
  }
  std::error_code ignored;
  if (!run.Outcome || !finished) {
    // The output's own text names the temporary, which the user never asked for.
    std::filesystem::remove(temporary, ignored);
    return FileError(*pdfPath, "cannot write the PDF file");
  }
  if (run.Sheets == 0) {
    std::filesystem::remove(temporary, ignored);
    std::fprintf(stderr,
                 "zirdanlog-cli: no dive from %d to %d has a sheet to print; %s was not written\n",
                 range.From, range.To, pdfPath->c_str());
    return kExitOk;
  }
  std::error_code renamed;
  std::filesystem::rename(temporary, *pdfPath, renamed);
  if (renamed) {
    std::filesystem::remove(temporary, ignored);
    return FileError(*pdfPath, "cannot write: " + renamed.message());
  }
  std::printf("%d %s written to %s\n", run.Sheets, run.Sheets == 1 ? "sheet" : "sheets",
              pdfPath->c_str());
  return std::ferror(stdout) ? FileError("stdout", "cannot write") : kExitOk;
}

const bool kRegistered = RegisterCommand(
    {"print",
     "print a range of dives as the paper logbook's sheets into a PDF file",
     kUsage,
     {{ValueOption("--pdf"), ValueOption("--sheets"), ValueOption("--from"), ValueOption("--to"),
       Flag("--colour"), Flag("--two-sided"), ValueOption("--left"), ValueOption("--right"),
       ValueOption("--all-margins"), kLanguageFileOption, kLanguageNumberOption},
      {"LOGFILE"}},
     &RunPrint});

}  // namespace
}  // namespace zirdan::cli
