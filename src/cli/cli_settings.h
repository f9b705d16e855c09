#pragma once

#include <memory>

#include "settings/app_settings.h"
#include "settings/settings_store.h"

namespace zirdan::cli {

// The editor's settings as the tool sees them: QSettings("Brandivo", "Zirdan") when the tool
// is built with its Qt part, otherwise an empty store (every setting at its default).
const SettingsStore& CliSettingsStore();
// The settings read from that store.
TAppSettings CliSettings();

// Called once, before main runs, by the tool's Qt part.
bool InstallCliSettingsStore(std::unique_ptr<SettingsStore> store);

}  // namespace zirdan::cli
