#include "env/translation_file.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <vector>

#include "core/file_open.h"
#include "core/win1250.h"

namespace zirdan {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
constexpr std::string_view kUtf16BeBom = "\xFE\xFF";

char AsciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Whitespace as the INI reader drops it around names and values; 0x1A is the DOS
// end-of-file mark that old editors leave behind.
bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f' || c == '\x1A';
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// A value written in matching quotes stands for the text between them, so that a
// translator can keep spaces at its ends.
std::string_view StripQuotes(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front())
    return value.substr(1, value.size() - 2);
  return value;
}

// Windows-1250 text of UTF-16 code units (without the byte-order mark). A trailing odd
// byte is dropped; unpaired surrogates and characters outside Windows-1250 become "?".
std::string Utf16ToWin1250(std::string_view bytes, bool bigEndian) {
  auto unit = [&](std::size_t i) -> char32_t {
    const auto a = static_cast<uint8_t>(bytes[i]);
    const auto b = static_cast<uint8_t>(bytes[i + 1]);
    return bigEndian ? char32_t{a} << 8 | b : char32_t{b} << 8 | a;
  };
  std::string out;
  out.reserve(bytes.size() / 2);
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    char32_t cp = unit(i);
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 3 < bytes.size()) {
      const char32_t low = unit(i + 2);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
        i += 2;
      }
    }
    const int byte = UnicodeToWin1250(cp);  // a lone surrogate is not in the table either
    out += byte < 0 ? '?' : static_cast<char>(byte);
  }
  return out;
}

// The file's text as Windows-1250, chosen by its byte-order mark.
std::string ToWin1250(std::string_view bytes) {
  if (bytes.starts_with(kUtf8Bom)) return Utf8ToWin1250(bytes.substr(kUtf8Bom.size()));
  if (bytes.starts_with(kUtf16LeBom)) return Utf16ToWin1250(bytes.substr(2), false);
  if (bytes.starts_with(kUtf16BeBom)) return Utf16ToWin1250(bytes.substr(2), true);
  return std::string(bytes);
}

}  // namespace

bool TTranslationFile::TNoCaseLess::operator()(std::string_view a, std::string_view b) const {
  // Any strict order will do for lookups; comparing lengths first spares most of the
  // letter-by-letter work on names that share a prefix ("StrC...").
  if (a.size() != b.size()) return a.size() < b.size();
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return static_cast<unsigned char>(AsciiLower(x)) < static_cast<unsigned char>(AsciiLower(y));
  });
}

TTranslationFile TTranslationFile::Parse(std::string_view bytes) {
  const std::string text = ToWin1250(bytes);
  TTranslationFile file;
  // The section that takes the following keys. A plain index with a sentinel rather than
  // an optional: GCC 12 at -O3 falsely reports the optional's value as uninitialised.
  constexpr std::size_t kNoSection = std::numeric_limits<std::size_t>::max();
  std::size_t current = kNoSection;
  std::size_t kept = 0;  // sections and keys kept so far

  for (std::size_t pos = 0; pos < text.size();) {
    std::size_t end = text.find_first_of("\r\n", pos);
    if (end == std::string::npos) end = text.size();
    const std::string_view raw(text.data() + pos, end - pos);
    pos = end + 1;

    const std::string_view line = Trim(raw);
    if (line.empty() || line.front() == ';') continue;
    const bool header = line.front() == '[';
    if (raw.size() > kMaxLineLength) {
      // The keys below a header we cannot trust must not land in the section above it.
      if (header) current = kNoSection;
      continue;
    }

    if (header) {
      const std::size_t close = line.rfind(']');
      if (close == std::string_view::npos) continue;  // not a header; ignored
      const std::string_view name = Trim(line.substr(1, close - 1));
      current = kNoSection;  // a repeated section or one past the limit takes no keys
      if (file.m_index.contains(name) || kept >= kMaxEntries) continue;
      current = file.m_sections.size();
      file.m_sections.emplace_back();
      file.m_index.emplace(std::string(name), current);
      ++kept;
      continue;
    }

    if (current == kNoSection || kept >= kMaxEntries) continue;
    const std::size_t eq = line.find('=');
    const std::string_view name = Trim(line.substr(0, eq));
    if (name.empty()) continue;
    TSection& section = file.m_sections[current];
    if (section.m_index.contains(name)) continue;  // the first occurrence counts
    std::optional<std::string> value;
    if (eq != std::string_view::npos) value = std::string(StripQuotes(Trim(line.substr(eq + 1))));
    section.m_index.emplace(std::string(name), section.m_entries.size());
    section.m_entries.push_back({std::string(name), std::move(value)});
    ++kept;
  }
  return file;
}

TTranslationFile TTranslationFile::Load(const std::string& path) {
  // Only a regular file: a pipe or a device could block the reader or never end.
  std::error_code ec;
  if (!std::filesystem::is_regular_file(PathFromUtf8(path), ec)) return {};
  const FilePtr in = OpenFile(path, "rb");
  if (!in) return {};
  std::string content;
  std::vector<char> buffer(64 * 1024);
  while (content.size() < kMaxFileSize) {
    const std::size_t want = std::min(buffer.size(), kMaxFileSize - content.size());
    const std::size_t got = std::fread(buffer.data(), 1, want, in.get());
    content.append(buffer.data(), got);
    if (got < want) break;
  }
  return Parse(content);
}

const TTranslationFile::TSection* TTranslationFile::FindSection(std::string_view name) const {
  auto it = m_index.find(name);
  return it == m_index.end() ? nullptr : &m_sections[it->second];
}

std::vector<std::string> TTranslationFile::Keys(std::string_view section) const {
  std::vector<std::string> keys;
  if (const TSection* s = FindSection(section)) {
    keys.reserve(s->m_entries.size());
    for (const TEntry& e : s->m_entries) keys.push_back(e.m_name);
  }
  return keys;
}

std::string TTranslationFile::Read(std::string_view section, std::string_view key,
                                   std::string_view defaultText) const {
  if (const TSection* s = FindSection(section)) {
    auto it = s->m_index.find(key);
    if (it != s->m_index.end() && s->m_entries[it->second].m_value)
      return *s->m_entries[it->second].m_value;
  }
  return std::string(defaultText);
}

}  // namespace zirdan
