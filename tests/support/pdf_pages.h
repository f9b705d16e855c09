#pragma once

#include <string>

#include "support/scratch_files.h"

namespace zirdan::test {

// How many pages the PDF file Qt wrote holds: its page objects, not the page tree
// ("/Type /Pages"). A missing file has none.
inline int PdfPageCount(const std::string& path) {
  const std::string pdf = ReadFileBytes(path);
  const std::string mark = "/Type /Page";
  int pages = 0;
  for (std::size_t at = pdf.find(mark); at != std::string::npos; at = pdf.find(mark, at + 1))
    if (pdf.compare(at + mark.size(), 1, "s") != 0) ++pages;
  return pages;
}

// A text of the PDF file's information ("Title", "Creator") in UTF-8. Qt writes it as
// UTF-16 with a byte order mark between parentheses, with "(", ")" and "\\" escaped. Empty
// when absent.
inline std::string PdfInfoText(const std::string& path, const std::string& key) {
  const std::string pdf = ReadFileBytes(path);
  const std::string start = "/" + key + " (\xfe\xff";
  std::size_t at = pdf.find(start);
  if (at == std::string::npos) return {};
  std::string text;
  std::string pair;
  for (at += start.size(); at < pdf.size() && pdf[at] != ')'; ++at) {
    if (pdf[at] == '\\') ++at;
    pair += pdf[at];
    if (pair.size() < 2) continue;
    const unsigned code =
        (static_cast<unsigned char>(pair[0]) << 8) | static_cast<unsigned char>(pair[1]);
    pair.clear();
    if (code < 0x80) {
      text += char(code);
    } else if (code < 0x800) {
      text += char(0xC0 | (code >> 6));
      text += char(0x80 | (code & 0x3F));
    } else {
      text += char(0xE0 | (code >> 12));
      text += char(0x80 | ((code >> 6) & 0x3F));
      text += char(0x80 | (code & 0x3F));
    }
  }
  return text;
}

}  // namespace zirdan::test
