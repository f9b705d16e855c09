// The editor: reads its command line, shows the about box as a splash, runs the main window.
#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QStandardPaths>

#include "adapters/qt_settings_store.h"
#include "env/data_files.h"
#include "ui/about_box.h"
#include "ui/form_main.h"

namespace {

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
  QApplication app(argc, argv);
  QApplication::setApplicationName("Zirdan");
  QApplication::setOrganizationName("Brandivo");
  QApplication::setApplicationVersion(ZIRDAN_VERSION);
  QGuiApplication::setDesktopFileName("zirdanlog");
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
