#pragma once

#include <ostream>

#include "core/op_result.h"

namespace zirdan {

// Failure messages of the tests show a result as what it says, not as its bytes.
inline void PrintTo(const OpResult& result, std::ostream* out) {
  if (result) {
    *out << "success";
    return;
  }
  *out << (result.MessageKey().empty() ? "text \"" + result.Text() + '"'
                                       : "key " + result.MessageKey())
       << ", detail \"" << result.Detail() << '"';
}

}  // namespace zirdan
