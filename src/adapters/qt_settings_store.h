#pragma once

#include <QSettings>

#include "settings/settings_store.h"

namespace zirdan {

// The settings store of the editor: QSettings("Brandivo", "Zirdan"), that is the registry
// key HKEY_CURRENT_USER\Software\Brandivo\Zirdan on Windows and
// ~/.config/Brandivo/Zirdan.conf on Linux; a section is a group.
class QtSettingsStore : public SettingsStore {
 public:
  QtSettingsStore() : m_settings("Brandivo", "Zirdan") {}
  std::optional<std::string> Get(const std::string& section,
                                 const std::string& name) const override;
  bool Set(const std::string& section, const std::string& name, const std::string& value) override;

 private:
  mutable QSettings m_settings;
};

}  // namespace zirdan
