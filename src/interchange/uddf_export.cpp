#include "interchange/uddf_export.h"

#include "core/atomic_file.h"

namespace zirdan {

std::string UddfFileNameFor(const std::string& logbookPath) {
  // Plain text work: a path object would pass a UTF-8 name through the system's code page.
  const std::size_t name = logbookPath.find_last_of("/\\");
  const std::size_t dot = logbookPath.rfind('.');
  const bool extension = dot != std::string::npos && (name == std::string::npos || dot > name + 1);
  return (extension ? logbookPath.substr(0, dot) : logbookPath) + ".uddf";
}

OpResult ExportUddf(DiveSpan dives, const std::string& path, const CodecContext& codec,
                    const UddfTexts& texts, const UddfProgress& progress) {
  AtomicFileWriter file;
  OpResult result = file.Open(path);
  if (result) {
    WriteUddf(
        dives, codec, texts, [&file](std::string_view bytes) { file.Write(bytes); }, progress);
    result = file.Commit();
  }
  return result.ReportedAs(kUddfExportErrorKey);
}

}  // namespace zirdan
