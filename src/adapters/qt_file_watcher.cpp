#include "adapters/qt_file_watcher.h"

#include <QFileInfo>
#include <QGuiApplication>

namespace zirdan {
namespace {

constexpr int kSettleMs = 400;

}  // namespace

QtFileWatcher::QtFileWatcher(std::function<void()> changed, QObject* parent)
    : QObject(parent), m_changed(std::move(changed)) {
  m_settle.setSingleShot(true);
  m_settle.setInterval(kSettleMs);
  connect(&m_settle, &QTimer::timeout, this, &QtFileWatcher::Settled);
  connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &QtFileWatcher::Noticed);
  connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &QtFileWatcher::Noticed);
}

void QtFileWatcher::Watch(const std::string& path) {
  if (!m_watcher.files().isEmpty()) m_watcher.removePaths(m_watcher.files());
  if (!m_watcher.directories().isEmpty()) m_watcher.removePaths(m_watcher.directories());
  m_settle.stop();
  m_path = QString::fromStdString(path);
  Rearm();
}

void QtFileWatcher::Rearm() {
  if (m_path.isEmpty()) return;
  const QFileInfo file(m_path);
  // A file replaced by a rename loses its watch; the new file takes it again.
  if (file.exists() && !m_watcher.files().contains(m_path)) m_watcher.addPath(m_path);
  const QString folder = file.absolutePath();
  if (!m_watcher.directories().contains(folder)) m_watcher.addPath(folder);
}

void QtFileWatcher::Noticed() {
  Rearm();
  m_settle.start();
}

void QtFileWatcher::Settled() {
  if (m_path.isEmpty()) return;
  if (QGuiApplication::modalWindow()) {
    m_settle.start();  // asked again once the open dialog is answered
    return;
  }
  Rearm();
  m_changed();
}

}  // namespace zirdan
