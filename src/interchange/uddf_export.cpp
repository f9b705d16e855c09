#include "interchange/uddf_export.h"

#include <filesystem>

#include "core/atomic_file.h"

namespace zirdan {

std::string UddfFileNameFor(const std::string& logbookPath) {
  return std::filesystem::path(logbookPath).replace_extension(".uddf").string();
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
  return result ? result : OpResult::FailureKey(kUddfExportErrorKey, result.Describe());
}

}  // namespace zirdan
