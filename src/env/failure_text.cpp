#include "env/failure_text.h"

#include "core/win1250.h"

namespace zirdan {

std::string FillPlaces(std::string_view text, const std::vector<std::string>& args) {
  std::string filled;
  std::vector<bool> used(args.size(), false);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
      const std::size_t arg = static_cast<std::size_t>(text[i + 1] - '1');
      if (arg < args.size()) {
        filled += args[arg];
        used[arg] = true;
        ++i;
        continue;
      }
    }
    filled += text[i];
  }
  // A text without a place for an argument (a translation that lacks the key reads
  // "Error") still shows it: a file name never goes missing from a message.
  for (std::size_t arg = 0; arg < args.size(); ++arg)
    if (!used[arg] && !args[arg].empty()) filled += " " + args[arg];
  return filled;
}

std::string MessagePartText(const MessagePart& part, const TMessageTable& messages) {
  if (part.Key.empty()) return part.Args.empty() ? std::string() : part.Args.front();
  // Message-table texts are Windows-1250; the arguments are UTF-8 already.
  return FillPlaces(Win1250ToUtf8(messages.Text(part.Key)), part.Args);
}

namespace {

bool EndsSentence(std::string_view text) {
  return !text.empty() && (text.back() == '.' || text.back() == '!' || text.back() == '?');
}

}  // namespace

std::string FailureText(const OpResult& failure, const TMessageTable& messages) {
  if (failure) return {};
  std::string text = failure.MessageKey().empty()
                         ? failure.Text()
                         : Win1250ToUtf8(messages.Text(failure.MessageKey()));
  std::string what;    // the parts that say what failed, joined by ": "
  std::string advice;  // the parts that are whole sentences, each on a line of its own
  for (const MessagePart& part : failure.Details()) {
    const std::string words = MessagePartText(part, messages);
    if (words.empty()) continue;
    if (EndsSentence(words))
      advice += "\n" + words;
    else
      what += (what.empty() ? "" : ": ") + words;
  }
  if (!failure.SystemText().empty())
    what += (what.empty() ? "(" : " (") + failure.SystemText() + ")";
  if (!what.empty()) {
    const char* joint = text.empty()          ? ""
                        : EndsSentence(text)  ? "\n"
                        : what.front() == '(' ? " "
                                              : ": ";
    text += joint + what;
  }
  if (text.empty() && !advice.empty()) advice.erase(0, 1);
  return text + advice;
}

}  // namespace zirdan
