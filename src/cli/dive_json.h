#pragma once

#include <string>

#include "core/field_codec.h"
#include "core/logbook.h"

namespace zirdan::cli {

// One dive as the JSON object of the json command: every stored field, "view" (the
// record-to-view conversion) and "measures". Texts are converted to UTF-8.
std::string DiveJson(const ponor& dive, const CodecContext& context);
// A JSON array of the dives, in list order.
std::string DivesJsonArray(const std::vector<const ponor*>& dives, const CodecContext& context);

}  // namespace zirdan::cli
