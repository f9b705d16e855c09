#include "adapters/qt_settings_store.h"

namespace zirdan {
namespace {

QString Key(const std::string& section, const std::string& name) {
  return QString::fromStdString(section) + '/' + QString::fromStdString(name);
}

}  // namespace

std::optional<std::string> QtSettingsStore::Get(const std::string& section,
                                                const std::string& name) const {
  const QVariant value = m_settings.value(Key(section, name));
  if (!value.isValid()) return std::nullopt;
  return value.toString().toStdString();
}

bool QtSettingsStore::Set(const std::string& section, const std::string& name,
                          const std::string& value) {
  m_settings.setValue(Key(section, name), QString::fromStdString(value));
  return m_settings.status() == QSettings::NoError;
}

}  // namespace zirdan
