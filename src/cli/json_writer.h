#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zirdan::cli {

// Builds compact JSON text. The caller keeps the structure balanced; commas are placed
// automatically.
class JsonWriter {
 public:
  JsonWriter& BeginObject();
  JsonWriter& EndObject();
  JsonWriter& BeginArray();
  JsonWriter& EndArray();
  JsonWriter& Key(std::string_view name);
  JsonWriter& String(std::string_view utf8);
  JsonWriter& Number(int64_t value);
  JsonWriter& Number(double value);
  JsonWriter& Bool(bool value);
  // Inserts already formed JSON as one value.
  JsonWriter& Raw(std::string_view json);

  const std::string& Text() const { return m_text; }

 private:
  void BeforeValue();

  std::string m_text;
  bool m_needComma = false;
};

}  // namespace zirdan::cli
