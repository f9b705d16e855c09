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

}  // namespace zirdan::test
