#pragma once

namespace zirdan {

// The message of every failed read of a file (a logbook, a dump); the details say why.
inline constexpr const char* kReadErrorKey = "chybaCteni";
// The message of every failed write of a file; the details say why.
inline constexpr const char* kWriteErrorKey = "chybaZapisu";

}  // namespace zirdan
