#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/message_table.h"

namespace zirdan {

// The translation file Language.ini, read whole into memory and looked up the way the
// Windows INI reader does it: "[Section]" lines open sections, "key=value" lines hold
// entries, section and key names compare without regard to ASCII letter case, whitespace
// around names and values is dropped, a value enclosed in matching double (or single)
// quotes loses them, lines starting with ";" are comments, and the first of two equal
// sections or keys is the one that counts. Lines end in CR LF, LF or CR.
//
// A file that starts with a UTF-8 byte-order mark is read as UTF-8, one that starts with
// a UTF-16 byte-order mark as UTF-16; any other file is Windows-1250. Texts come out as
// Windows-1250; characters Windows-1250 cannot hold read as "?".
//
// The program never writes the file, and a damaged one must not hurt it: what is kept
// is bounded (see the limits below) and nothing in the content can make a lookup fail.
class TTranslationFile {
 public:
  // Lines longer than this (in bytes, after conversion to Windows-1250) are ignored; a
  // section header that long closes the current section without opening another.
  static constexpr std::size_t kMaxLineLength = 64 * 1024;
  // Load reads at most this many bytes of a file; the rest is ignored.
  static constexpr std::size_t kMaxFileSize = 8 * 1024 * 1024;
  // At most this many sections and keys together are kept; later ones are ignored.
  static constexpr std::size_t kMaxEntries = 100'000;

  // Parses the whole content of a translation file.
  static TTranslationFile Parse(std::string_view bytes);
  // Reads and parses a file; a missing or unreadable file, and anything but a regular
  // file (a pipe could block the reader for ever), gives an empty translation.
  static TTranslationFile Load(const std::string& path);

  // The key names of a section in file order, each once; empty when the section is
  // missing.
  std::vector<std::string> Keys(std::string_view section) const;
  // The value of a key, Windows-1250; `defaultText` when the section or the key is
  // missing, or when the key's line has no "=".
  std::string Read(std::string_view section, std::string_view key,
                   std::string_view defaultText = kMissingText) const;

 private:
  // Orders names (shorter first, then without regard to ASCII letter case); lookups take
  // string_view.
  struct TNoCaseLess {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const;
  };
  struct TEntry {
    std::string m_name;
    std::optional<std::string> m_value;  // none: the line had no "="
  };
  struct TSection {
    std::vector<TEntry> m_entries;                            // first occurrence of each key
    std::map<std::string, std::size_t, TNoCaseLess> m_index;  // key name -> entry
  };

  const TSection* FindSection(std::string_view name) const;

  std::vector<TSection> m_sections;                         // first occurrence of each
  std::map<std::string, std::size_t, TNoCaseLess> m_index;  // section name -> section
};

}  // namespace zirdan
