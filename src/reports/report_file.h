#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/encoding.h"
#include "core/op_result.h"
#include "reports/dive_text.h"

namespace zirdan {

// Writes `bytes` as the whole file at `path`: into a temporary file beside it, then renamed
// over the target, so the target is either the complete new file or left as it was. On
// failure the message says what failed.
OpResult WriteFileAtomically(const std::string& path, std::string_view bytes);

// Saves the lines of the statistics or the overview as the report windows do: each line as
// held (Windows-1250, no conversion) followed by CR LF.
OpResult SaveReportText(const std::string& path, const std::vector<std::string>& lines);

// Writes the text output of a dive in the chosen output encoding.
OpResult WriteDiveTextFile(const std::string& path, const std::vector<DiveTextLine>& lines,
                           Encoding encoding);

}  // namespace zirdan
