#pragma once

#include <string>

#include "core/op_result.h"
#include "interchange/uddf_writer.h"

namespace zirdan {

// The message of a UDDF file that could not be written; the detail names the file and why.
inline constexpr const char* kUddfExportErrorKey = "StrChUddf";

// The file name the export proposes: the logbook's path with ".uddf" in place of its
// extension ("moje.LOG" gives "moje.uddf"; a name without extension gets it added).
std::string UddfFileNameFor(const std::string& logbookPath);

// Writes the dives as a UDDF document into `path`. The document goes to a temporary file
// beside it that replaces `path` only when complete, so a failure leaves whatever was
// there before (or nothing) and never a half-written file.
OpResult ExportUddf(DiveSpan dives, const std::string& path, const CodecContext& codec,
                    const UddfTexts& texts, const UddfProgress& progress = {});

}  // namespace zirdan
