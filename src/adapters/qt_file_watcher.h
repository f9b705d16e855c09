#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <string>

namespace zirdan {

// Tells when one file may have changed on disk (QFileSystemWatcher on the file and on its
// folder, so that a file replaced by a rename or deleted and written again is still seen).
// The call comes once the file has been quiet for a moment, so a file that another program
// is still writing is not read half-way, and never while a modal window is open.
class QtFileWatcher : public QObject {
 public:
  QtFileWatcher(std::function<void()> changed, QObject* parent);

  // Watches `path` from now on; an empty path watches nothing.
  void Watch(const std::string& path);

 private:
  void Noticed();
  void Settled();
  void Rearm();

  std::function<void()> m_changed;
  QFileSystemWatcher m_watcher;
  QTimer m_settle;
  QString m_path;
};

}  // namespace zirdan
