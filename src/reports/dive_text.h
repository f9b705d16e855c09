#pragma once

#include <string>
#include <vector>

#include "core/encoding.h"
#include "core/field_codec.h"
#include "core/ponor.h"
#include "core/message_table.h"
#include "env/field_labels.h"

namespace zirdan {

// One line of the text output of a dive.
struct DiveTextLine {
  std::string Text;       // Windows-1250
  bool Converted = true;  // passes through the output encoding; the sample lines do not
};

// The text output of one dive: one line per field (label in 21 columns, then the value),
// an empty line, and, when the profile has samples, the depth every 20 seconds and the
// consumption rate and fullness computed from the profile. Numbers of the profile part use
// `codec.DecimalSeparator`.
std::vector<DiveTextLine> BuildDiveText(const ponor& dive, const CodecContext& codec,
                                        const TMessageTable& messages,
                                        const FieldLabelCaptions& labels);

// The bytes of the text file: each line converted from Windows-1250 to `encoding` (the
// sample lines as they are), each ending in CR LF.
std::string DiveTextFileBytes(const std::vector<DiveTextLine>& lines, Encoding encoding);

// The file name the save dialog proposes: StrPonorC, a space, the dive number and ".TXT".
std::string DiveTextFileName(const ponor& dive, const TMessageTable& messages);

}  // namespace zirdan
