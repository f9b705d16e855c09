#pragma once

#include <string>
#include <string_view>

namespace zirdan {

// Outcome of a logic operation that can fail; every such operation reports through it.
//
// A failure tells the user what went wrong in one of two ways: a UTF-8 text ("Chyba při
// čtení dat"), or the key of a message-table text ("StrPripojitChyba1") that is shown in the
// language the user has chosen. Its detail says what failed, for whoever has to find out
// why: the file and the system's reason, the byte offset, the dive. The logic never shows
// anything; the windows and the tool each turn a failure into words in one place.
class OpResult {
 public:
  OpResult() = default;  // success

  static OpResult Success() { return {}; }
  static OpResult Failure(std::string text, std::string detail = {});
  static OpResult FailureKey(std::string messageKey, std::string detail = {});

  bool Ok() const { return m_ok; }
  explicit operator bool() const { return m_ok; }

  // The failure's text; empty when it names a message key instead, and on success.
  const std::string& Text() const { return m_text; }
  // The message-table key of the failure; empty when it carries a text.
  const std::string& MessageKey() const { return m_messageKey; }
  // What failed; may be empty.
  const std::string& Detail() const { return m_detail; }

  // The same failure, its detail led by what was being done: "dive 3 of 12: " + detail.
  // A success stays a success.
  OpResult WithContext(std::string_view context) const;

  // The text (or the key), then ": " and the detail when there is one. For logs and tests,
  // and for the detail of a wider failure that this one caused; never shown to a user as
  // it is, since a key is not a text.
  std::string Describe() const;

  bool operator==(const OpResult&) const = default;

 private:
  OpResult(std::string text, std::string messageKey, std::string detail);

  bool m_ok = true;
  std::string m_text;
  std::string m_messageKey;
  std::string m_detail;
};

}  // namespace zirdan
