#pragma once

#include <string>

#include "core/message_table.h"
#include "core/op_result.h"

namespace zirdan {

// The text a window shows for a failed operation, UTF-8: the failure's own text, or the
// text of its message key in `messages` (a key the table lacks reads "Error", as everywhere),
// followed by the detail when there is one: after ": ", or on a line of its own when the
// text already ends a sentence. Empty for a success.
std::string FailureText(const OpResult& failure, const TMessageTable& messages);

}  // namespace zirdan
