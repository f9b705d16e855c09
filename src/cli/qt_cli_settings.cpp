// The tool's Qt part reads the editor's settings where the editor keeps them.
#include <memory>

#include "cli/cli_settings.h"
#include "adapters/qt_settings_store.h"

namespace zirdan::cli {

namespace {

// The editor's store, opened on first use (not while static objects are being built) and
// only read: the tool never changes the editor's settings.
class ToolSettingsStore : public SettingsStore {
 public:
  std::optional<std::string> Get(const std::string& section,
                                 const std::string& name) const override {
    if (!m_store) m_store = std::make_unique<QtSettingsStore>();
    return m_store->Get(section, name);
  }
  bool Set(const std::string&, const std::string&, const std::string&) override { return false; }

 private:
  mutable std::unique_ptr<QtSettingsStore> m_store;
};

const bool kInstalled = InstallCliSettingsStore(std::make_unique<ToolSettingsStore>());

}  // namespace
}  // namespace zirdan::cli
