#include "cli/cli_settings.h"

namespace zirdan::cli {

namespace {

std::unique_ptr<SettingsStore>& InstalledStore() {
  static std::unique_ptr<SettingsStore> store;
  return store;
}

}  // namespace

const SettingsStore& CliSettingsStore() {
  static const MemorySettingsStore kEmpty;
  const std::unique_ptr<SettingsStore>& store = InstalledStore();
  return store ? *store : static_cast<const SettingsStore&>(kEmpty);
}

TAppSettings CliSettings() {
  return ReadAppSettings(CliSettingsStore());
}

bool InstallCliSettingsStore(std::unique_ptr<SettingsStore> store) {
  InstalledStore() = std::move(store);
  return true;
}

}  // namespace zirdan::cli
