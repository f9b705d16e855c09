#include "adapters/qt_file_association.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>

#include "env/file_association.h"

namespace zirdan {
namespace {

QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

#ifdef Q_OS_WIN
// Writes every value under one registry root; false at the first refused write.
OpResult WriteFileClasses(const QString& root, const QString& executablePath) {
  QSettings registry(root, QSettings::NativeFormat);
  for (const FileClassValue& value :
       FileClassValues(QDir::toNativeSeparators(executablePath).toStdString())) {
    QString key = Q(value.Key).replace('\\', '/');
    // QSettings names a key's unnamed value "Default".
    key += "/" + (value.Name.empty() ? QString("Default") : Q(value.Name));
    registry.setValue(key, Q(value.Data));
    registry.sync();
    if (registry.status() != QSettings::NoError)
      return OpResult::FailureKey("StrChRegistLog", root.toStdString() + "\\" + key.toStdString());
  }
  return OpResult::Success();
}
#else

OpResult WriteTextFile(const QString& path, const std::string& text) {
  if (!QDir().mkpath(QFileInfo(path).absolutePath()))
    return OpResult::FailureKey("StrChRegistLog")
        .With("StrDetNelzeVytvoritSlozku", {QFileInfo(path).absolutePath().toStdString()});
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(text.data(), qint64(text.size())) != qint64(text.size()) || !file.commit())
    return OpResult::FailureKey("StrChRegistLog")
        .With("StrDetNelzeZapsat", {path.toStdString()})
        .WithSystemText(file.errorString().toStdString());
  return OpResult::Success();
}

OpResult RunTool(const DesktopToolRunner& runTool, const QString& program,
                 const QStringList& arguments) {
  const int code = runTool(program, arguments);
  if (code == 0) return OpResult::Success();
  return OpResult::FailureKey("StrChRegistLog")
      .With("StrDetProgramSkoncil",
            {(program + " " + arguments.join(' ')).toStdString(), std::to_string(code)});
}

OpResult RegisterFreedesktop(const QString& executablePath, const QString& dataHome,
                             const DesktopToolRunner& runTool) {
  const QString applications = dataHome + "/applications";
  const QString mime = dataHome + "/mime";
  const QString entry = Q(kDesktopEntryName);
  OpResult done =
      WriteTextFile(applications + "/" + entry,
                    DesktopEntryText(QFileInfo(executablePath).absoluteFilePath().toStdString()));
  if (done) done = WriteTextFile(mime + "/packages/" + Q(kMimePackageName), MimePackageText());
  if (done) done = RunTool(runTool, "update-mime-database", {mime});
  if (done) done = RunTool(runTool, "update-desktop-database", {applications});
  if (done) done = RunTool(runTool, "xdg-mime", {"default", entry, Q(kLogContentType)});
  return done;
}
#endif

}  // namespace

DesktopToolRunner SystemDesktopTools() {
  return [](const QString& program, const QStringList& arguments) {
    const QString found = QStandardPaths::findExecutable(program);
    if (found.isEmpty()) return 0;
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(found, arguments);
    if (!process.waitForFinished(30000)) return -1;
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  };
}

QString UserDataHome() {
  const QString configured = qEnvironmentVariable("XDG_DATA_HOME");
  if (!configured.isEmpty() && QDir::isAbsolutePath(configured)) return configured;
  return QDir::homePath() + "/.local/share";
}

OpResult RegisterLogFileType(const QString& executablePath, const QString& dataHome,
                             const DesktopToolRunner& runTool) {
#ifdef Q_OS_WIN
  (void)dataHome;
  (void)runTool;
  // A user without administrator rights cannot write the machine-wide classes; the same
  // keys under the user's own classes are merged into them by Windows.
  OpResult done = WriteFileClasses("HKEY_CLASSES_ROOT", executablePath);
  if (!done) done = WriteFileClasses("HKEY_CURRENT_USER\\Software\\Classes", executablePath);
  return done;
#else
  return RegisterFreedesktop(executablePath, dataHome, runTool);
#endif
}

}  // namespace zirdan
