#include "core/op_result.h"

#include <utility>

namespace zirdan {

OpResult::OpResult(std::string text, std::string messageKey, std::string detail)
    : m_ok(false),
      m_text(std::move(text)),
      m_messageKey(std::move(messageKey)),
      m_detail(std::move(detail)) {}

OpResult OpResult::Failure(std::string text, std::string detail) {
  return OpResult(std::move(text), {}, std::move(detail));
}

OpResult OpResult::FailureKey(std::string messageKey, std::string detail) {
  return OpResult({}, std::move(messageKey), std::move(detail));
}

OpResult OpResult::WithContext(std::string_view context) const {
  if (m_ok) return *this;
  std::string detail(context);
  if (!m_detail.empty()) detail.append(": ").append(m_detail);
  return OpResult(m_text, m_messageKey, std::move(detail));
}

std::string OpResult::Describe() const {
  std::string text = m_messageKey.empty() ? m_text : m_messageKey;
  if (!m_detail.empty()) text.append(text.empty() ? "" : ": ").append(m_detail);
  return text;
}

}  // namespace zirdan
