#include "cli/json_writer.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace zirdan::cli {

void JsonWriter::BeforeValue() {
  if (m_needComma) m_text += ',';
  m_needComma = true;
}

JsonWriter& JsonWriter::BeginObject() {
  BeforeValue();
  m_text += '{';
  m_needComma = false;
  return *this;
}

JsonWriter& JsonWriter::EndObject() {
  m_text += '}';
  m_needComma = true;
  return *this;
}

JsonWriter& JsonWriter::BeginArray() {
  BeforeValue();
  m_text += '[';
  m_needComma = false;
  return *this;
}

JsonWriter& JsonWriter::EndArray() {
  m_text += ']';
  m_needComma = true;
  return *this;
}

JsonWriter& JsonWriter::Key(std::string_view name) {
  String(name);
  m_text += ':';
  m_needComma = false;
  return *this;
}

JsonWriter& JsonWriter::String(std::string_view utf8) {
  BeforeValue();
  m_text += '"';
  for (char c : utf8) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      m_text += '\\';
      m_text += c;
    } else if (u < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", u);
      m_text += escaped;
    } else {
      m_text += c;
    }
  }
  m_text += '"';
  return *this;
}

JsonWriter& JsonWriter::Number(int64_t value) {
  BeforeValue();
  m_text += std::to_string(value);
  return *this;
}

JsonWriter& JsonWriter::Number(double value) {
  BeforeValue();
  if (!std::isfinite(value)) {
    m_text += "null";
    return *this;
  }
  char buffer[32];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  m_text.append(buffer, ec == std::errc() ? end : buffer);
  return *this;
}

JsonWriter& JsonWriter::Bool(bool value) {
  BeforeValue();
  m_text += value ? "true" : "false";
  return *this;
}

JsonWriter& JsonWriter::Raw(std::string_view json) {
  BeforeValue();
  m_text += json;
  return *this;
}

}  // namespace zirdan::cli
