#include "core/log_file.h"

namespace zirdan {

// Placeholder until the reader and writer land.
OpResult LoadLogbook(const std::string&, TLogbook&) {
  return OpResult::Failure(kReadErrorText);
}
OpResult SaveLogbook(const std::string&, TLogbook&, const SaveOptions&) {
  return OpResult::Failure(kWriteErrorText);
}

}  // namespace zirdan
