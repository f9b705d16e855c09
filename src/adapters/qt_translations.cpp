#include "adapters/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace zirdan {

QStringList QtTranslationFolders() {
  const QString programDir = QCoreApplication::applicationDirPath();
  return {QLibraryInfo::path(QLibraryInfo::TranslationsPath), programDir,
          programDir + "/translations"};
}

bool InstallQtTranslation(const std::string& code) {
  // One translator for the whole run, owned by the application.
  static QPointer<QTranslator> installed;
  if (installed) {
    QCoreApplication::removeTranslator(installed);
    delete installed;
  }
  if (code.empty()) return false;
  auto translator = new QTranslator(QCoreApplication::instance());
  const QString name = "qtbase_" + QString::fromStdString(code);
  for (const QString& folder : QtTranslationFolders()) {
    if (translator->load(name, folder)) {
      QCoreApplication::installTranslator(translator);
      installed = translator;
      return true;
    }
  }
  delete translator;
  return false;
}

}  // namespace zirdan
