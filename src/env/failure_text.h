#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/message_table.h"
#include "core/op_result.h"

namespace zirdan {

// A text with its places filled: "%1" .. "%9" become the arguments in order; a place
// without an argument stays as it is, an argument without a place follows after a space.
std::string FillPlaces(std::string_view text, const std::vector<std::string>& args);

// A detail part in words, UTF-8: the text of its key in `messages` with the places filled
// (arguments are UTF-8), or its literal text.
std::string MessagePartText(const MessagePart& part, const TMessageTable& messages);

// The text a window shows for a failed operation, UTF-8: the failure's own text, or the
// text of its message key in `messages` (a key the table lacks reads "Error", as everywhere);
// then what failed, the details in words joined by ": " (after ": ", or on a line of their
// own when the text already ends a sentence) and the system's error text in parentheses;
// last the details that are whole sentences (advice), each on a line of its own. Empty for
// a success.
std::string FailureText(const OpResult& failure, const TMessageTable& messages);

}  // namespace zirdan
