#pragma once

#include <string>
#include <vector>

#include "core/encoding.h"
#include "core/op_result.h"
#include "reports/dive_text.h"

namespace zirdan {

// Both write through a temporary file renamed over the target, so the target is either the
// complete new file or left as it was; on failure the message says what failed.

// Saves the lines of the statistics or the overview as the report windows do: each line as
// held (Windows-1250, no conversion) followed by CR LF.
OpResult SaveReportText(const std::string& path, const std::vector<std::string>& lines);

// Writes the text output of a dive in the chosen output encoding.
OpResult WriteDiveTextFile(const std::string& path, const std::vector<DiveTextLine>& lines,
                           Encoding encoding);

}  // namespace zirdan
