#pragma once

#include <map>
#include <string>
#include <string_view>

namespace zirdan {

// The text a missing translation reads as.
inline constexpr const char* kMissingText = "Error";

// The shared table of message texts, by key ("StrChybaDat", "StrUlozitZmeny", ...).
// Texts are Windows-1250. A key that was never set reads "Error", as a key missing from
// the translation file does.
class TMessageTable {
 public:
  const std::string& Text(std::string_view key) const {
    static const std::string kMissing = kMissingText;
    auto it = m_texts.find(key);
    return it == m_texts.end() ? kMissing : it->second;
  }
  void Set(std::string key, std::string text) { m_texts[std::move(key)] = std::move(text); }
  void Clear() { m_texts.clear(); }
  bool Empty() const { return m_texts.empty(); }

 private:
  std::map<std::string, std::string, std::less<>> m_texts;
};

}  // namespace zirdan
