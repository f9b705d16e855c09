#pragma once

#include <string>
#include <utility>

namespace zirdan {

// Outcome of a logic operation that can fail. The message is UTF-8 text a user can
// read ("Chyba při čtení dat") and, for the command-line tool, what went wrong.
struct OpResult {
  bool ok = true;
  std::string message;

  static OpResult Success() { return {}; }
  static OpResult Failure(std::string text) { return {false, std::move(text)}; }
  explicit operator bool() const { return ok; }
};

}  // namespace zirdan
