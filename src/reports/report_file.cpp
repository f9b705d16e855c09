#include "reports/report_file.h"

#include "core/atomic_file.h"

namespace zirdan {

OpResult SaveReportText(const std::string& path, const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) {
    bytes += line;
    bytes += "\r\n";
  }
  return WriteFileAtomically(path, bytes);
}

OpResult WriteDiveTextFile(const std::string& path, const std::vector<DiveTextLine>& lines,
                           Encoding encoding) {
  return WriteFileAtomically(path, DiveTextFileBytes(lines, encoding));
}

}  // namespace zirdan
