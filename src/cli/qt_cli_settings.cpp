// The tool's Qt part reads the editor's settings where the editor keeps them.
#include <QSettings>
#include <QString>

#include "cli/cli_settings.h"

namespace zirdan::cli {

namespace {

// Read-only view of QSettings("Brandivo", "Zirdan"): the tool never changes the settings.
class QtReadOnlySettings : public SettingsStore {
 public:
  std::optional<std::string> Get(const std::string& section,
                                 const std::string& name) const override {
    const QSettings settings(QStringLiteral("Brandivo"), QStringLiteral("Zirdan"));
    const QString key = QString::fromStdString(section + "/" + name);
    if (!settings.contains(key)) return std::nullopt;
    return settings.value(key).toString().toStdString();
  }
  bool Set(const std::string&, const std::string&, const std::string&) override { return false; }
};

const bool kInstalled = InstallCliSettingsStore(std::make_unique<QtReadOnlySettings>());

}  // namespace
}  // namespace zirdan::cli
