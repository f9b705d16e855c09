#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>

namespace zirdan {

// A per-user store of string values by section and name. The editor uses one over
// QSettings("Brandivo", "Zirdan"); tests use the in-memory one.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  virtual std::optional<std::string> Get(const std::string& section,
                                         const std::string& name) const = 0;
  // False when the store refused the write.
  virtual bool Set(const std::string& section, const std::string& name,
                   const std::string& value) = 0;
};

class MemorySettingsStore : public SettingsStore {
 public:
  std::optional<std::string> Get(const std::string& section,
                                 const std::string& name) const override {
    auto it = m_values.find({section, name});
    if (it == m_values.end()) return std::nullopt;
    return it->second;
  }
  bool Set(const std::string& section, const std::string& name, const std::string& value) override {
    m_values[{section, name}] = value;
    return true;
  }
  std::size_t Size() const { return m_values.size(); }

 private:
  std::map<std::pair<std::string, std::string>, std::string> m_values;
};

}  // namespace zirdan
