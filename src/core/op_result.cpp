#include "core/op_result.h"

#include <utility>

namespace zirdan {
namespace {

std::string DescribePart(const MessagePart& part) {
  std::string text = part.Key;
  if (!part.Key.empty()) text += '(';
  for (std::size_t i = 0; i < part.Args.size(); ++i) text += (i ? ", " : "") + part.Args[i];
  if (!part.Key.empty()) text += ')';
  return text;
}

}  // namespace

OpResult OpResult::Failure(std::string text, std::string detail) {
  OpResult failure;
  failure.m_ok = false;
  failure.m_text = std::move(text);
  if (!detail.empty()) failure.m_details.push_back(MessagePart::Literal(std::move(detail)));
  return failure;
}

OpResult OpResult::FailureKey(std::string messageKey, std::string detail) {
  OpResult failure = Failure({}, std::move(detail));
  failure.m_messageKey = std::move(messageKey);
  return failure;
}

std::string OpResult::Detail() const {
  std::string text;
  for (const MessagePart& part : m_details) text += (text.empty() ? "" : ": ") + DescribePart(part);
  if (!m_systemText.empty()) text += (text.empty() ? "(" : " (") + m_systemText + ")";
  return text;
}

OpResult OpResult::With(MessagePart part) const {
  OpResult result = *this;
  if (!m_ok) result.m_details.push_back(std::move(part));
  return result;
}

OpResult OpResult::With(std::string key, std::vector<std::string> args) const {
  return With(MessagePart{std::move(key), std::move(args)});
}

OpResult OpResult::WithContext(MessagePart context) const {
  OpResult result = *this;
  if (!m_ok) result.m_details.insert(result.m_details.begin(), std::move(context));
  return result;
}

OpResult OpResult::WithContext(std::string key, std::vector<std::string> args) const {
  return WithContext(MessagePart{std::move(key), std::move(args)});
}

OpResult OpResult::WithSystemText(std::string text) const {
  OpResult result = *this;
  if (!m_ok) result.m_systemText = std::move(text);
  return result;
}

OpResult OpResult::ReportedAs(std::string messageKey) const {
  if (m_ok || m_messageKey == messageKey) return *this;
  OpResult result = *this;
  if (!m_messageKey.empty())
    result.m_details.insert(result.m_details.begin(), MessagePart{m_messageKey, {}});
  else if (!m_text.empty())
    result.m_details.insert(result.m_details.begin(), MessagePart::Literal(m_text));
  result.m_text.clear();
  result.m_messageKey = std::move(messageKey);
  return result;
}

std::string OpResult::Describe() const {
  std::string text = m_messageKey.empty() ? m_text : m_messageKey;
  const std::string detail = Detail();
  if (text.empty() || detail.empty()) return text + detail;
  return text + (detail.front() == '(' ? " " : ": ") + detail;
}

}  // namespace zirdan
