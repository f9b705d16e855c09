// The editor: reads its command line, shows the about box as a splash, runs the main window.
#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QStandardPaths>
#include <cstdio>
#include <string_view>

#include "adapters/qt_settings_store.h"
#include "env/data_files.h"
#include "env/file_association.h"
#include "env/program_version.h"
#include "ui/about_box.h"
#include "ui/form_main.h"

namespace {

constexpr const char* kUsage =
    "Usage: zirdanlog [/DEBUG] [/ANALYZA] [/SAVEBLOCK] [LOGBOOK]\n"
    "       zirdanlog --version\n"
    "Opens the Zirdan LOG Editor, with the logbook (*.LOG) when one is named.\n\n"
    "  /DEBUG      write every frame received from the dive computer to zirdebug.bin\n"
    "              in the current folder\n"
    "  /ANALYZA    download from zirdebug.bin in the current folder instead of the\n"
    "              serial port\n"
    "  /SAVEBLOCK  keep every received frame as zirdan_data_TIMESTAMP.bin in the\n"
    "              current folder\n"
    "  --version   print the version\n"
    "  --help      print this text\n";

// "--version" and "--help" are answered on the terminal before any window exists, so they
// work without a display; -1 when the editor is to start.
int AnswerTerminalSwitch(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "--version") {
      std::fputs(zirdan::VersionLine("zirdanlog").c_str(), stdout);
      return 0;
    }
    if (argument == "--help") {
      std::fputs(kUsage, stdout);
      return 0;
    }
  }
  return -1;
}

zirdan::StartOptions ReadCommandLine(const QStringList& arguments) {
  zirdan::StartOptions options;
  for (const QString& argument : arguments.mid(1)) {
    const QString upper = argument.toUpper();
    if (upper == "/DEBUG")
      options.Debug = true;
    else if (upper == "/ANALYZA")
      options.Analyza = true;
    else if (upper == "/SAVEBLOCK")
      options.SaveBlock = true;
    else
      options.StartFileName = QDir::fromNativeSeparators(argument).toStdString();
  }
  options.LanguageFile =
      zirdan::FindDataFile(QApplication::applicationDirPath().toStdString() + "/", "Language.ini");
  return options;
}

}  // namespace

int main(int argc, char** argv) {
  if (const int answered = AnswerTerminalSwitch(argc, argv); answered >= 0) return answered;
  QApplication app(argc, argv);
  QApplication::setApplicationName("Zirdan");
  QApplication::setOrganizationName("Brandivo");
  QApplication::setApplicationVersion(ZIRDAN_VERSION);
  QGuiApplication::setDesktopFileName(QString::fromUtf8(zirdan::kApplicationId));
  zirdan::StartOptions options = ReadCommandLine(QApplication::arguments());
  options.RecoveryFolder =
      QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();

  // The icon theme has the installed icon; a program run from its build folder or a
  // copied folder takes the one beside it.
  const std::string programDir = QApplication::applicationDirPath().toStdString() + "/";
  QApplication::setWindowIcon(QIcon::fromTheme(
      "zirdanlog", QIcon(QString::fromStdString(zirdan::FindDataFile(programDir, "zirdanlog.png")))));

  QApplication::setOverrideCursor(Qt::WaitCursor);
  zirdan::TAboutBox splash;
  splash.ShowAsSplash();

  zirdan::QtSettingsStore store;
  zirdan::TFormMain window(store, options);
  window.show();
  splash.HideSplash();
  return QApplication::exec();
}
