#include "env/failure_text.h"

#include "core/win1250.h"

namespace zirdan {

std::string FailureText(const OpResult& failure, const TMessageTable& messages) {
  if (failure) return {};
  // Message-table texts are Windows-1250; a failure's own text is UTF-8 already.
  std::string text = failure.MessageKey().empty()
                         ? failure.Text()
                         : Win1250ToUtf8(messages.Text(failure.MessageKey()));
  if (failure.Detail().empty()) return text;
  const bool sentence =
      !text.empty() && (text.back() == '.' || text.back() == '!' || text.back() == '?');
  if (!text.empty()) text += sentence ? "\n" : ": ";
  return text + failure.Detail();
}

}  // namespace zirdan
