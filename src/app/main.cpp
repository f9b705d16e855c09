// The editor: reads its command line, shows the about box as a splash, runs the main window.
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QStandardPaths>

#include "adapters/qt_settings_store.h"
#include "env/data_files.h"
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
  zirdan::StartOptions options = ReadCommandLine(QApplication::arguments());
  options.RecoveryFolder =
      QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();

  QApplication::setOverrideCursor(Qt::WaitCursor);
  QLabel splash(QString("<h2>Zirdan LOG Editor</h2><p>%1</p>").arg(ZIRDAN_VERSION), nullptr,
                Qt::SplashScreen | Qt::FramelessWindowHint);
  splash.setAlignment(Qt::AlignCenter);
  splash.resize(360, 245);
  splash.show();
  splash.repaint();

  zirdan::QtSettingsStore store;
  zirdan::TFormMain window(store, options);
  window.show();
  splash.hide();
  return QApplication::exec();
}
