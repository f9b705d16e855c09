#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zirdan {

// One piece of a message: the key of a message-table text whose places "%1", "%2", ...
// take the arguments in order ("StrDetPonorZ" with {"3", "12"}: "dive 3 of 12"). A part
// without a key is language-neutral text shown as it stands: a file name, a device.
struct MessagePart {
  std::string Key;
  std::vector<std::string> Args;

  static MessagePart Literal(std::string text) { return {{}, {std::move(text)}}; }
  bool operator==(const MessagePart&) const = default;
};

// Outcome of a logic operation that can fail; every such operation reports through it.
//
// A failure tells the user what went wrong by the key of a message-table text
// ("chybaCteni"), shown in the language the user has chosen, and says what failed in
// detail parts, each a message-table text or a file name: "/x/a.LOG", "dive 3 of 12",
// "the file ends at byte 1234". The system's own error text, when there is one, follows
// in parentheses. The logic never shows anything; the windows and the tool each turn a
// failure into words in one place. (The simulator's checks of the tool's input carry a
// plain text instead of a key.)
class OpResult {
 public:
  OpResult() = default;  // success

  static OpResult Success() { return {}; }
  // A failure with a plain text; `detail`, when not empty, is its first detail part.
  static OpResult Failure(std::string text, std::string detail = {});
  // A failure with a message key; `detail`, when not empty, is its first detail part: a
  // file name or anything else that reads the same in every language.
  static OpResult FailureKey(std::string messageKey, std::string detail = {});

  bool Ok() const { return m_ok; }
  explicit operator bool() const { return m_ok; }

  // The failure's plain text; empty when it names a message key instead, and on success.
  const std::string& Text() const { return m_text; }
  // The message-table key of the failure; empty when it carries a text.
  const std::string& MessageKey() const { return m_messageKey; }
  // What failed, in order from the widest context to the cause.
  const std::vector<MessagePart>& Details() const { return m_details; }
  // The system's own error text ("No such file or directory"); may be empty.
  const std::string& SystemText() const { return m_systemText; }
  // The detail parts and the system text as Describe writes them; empty when none.
  std::string Detail() const;

  // The same failure with a detail part added after the others (a success stays one).
  OpResult With(MessagePart part) const;
  OpResult With(std::string key, std::vector<std::string> args) const;
  // The same failure, its details led by what was being done: "dive 3 of 12".
  OpResult WithContext(MessagePart context) const;
  OpResult WithContext(std::string key, std::vector<std::string> args) const;
  // The same failure with the system's own error text.
  OpResult WithSystemText(std::string text) const;
  // The same failure reported under a wider message key: its own key or text, when it
  // differs, becomes the first detail part. Used when a step's failure ends a command.
  OpResult ReportedAs(std::string messageKey) const;

  // The text (or the key), then ": " and the details (a keyed part as "Key(arg, ...)"),
  // then the system text in parentheses. For logs and tests; never shown to a user as
  // it is, since a key is not a text.
  std::string Describe() const;

  bool operator==(const OpResult&) const = default;

 private:
  bool m_ok = true;
  std::string m_text;
  std::string m_messageKey;
  std::vector<MessagePart> m_details;
  std::string m_systemText;
};

}  // namespace zirdan
