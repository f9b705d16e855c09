#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "core/op_result.h"

namespace zirdan {

// A file written under a temporary name beside its target and renamed over the target only
// when everything was written, so a failure never leaves a half-written file behind. Output
// is buffered; the first failed write is remembered and reported by Commit.
class StagedFile {
 public:
  StagedFile() = default;
  ~StagedFile();  // discards a file that was not committed
  StagedFile(const StagedFile&) = delete;
  StagedFile& operator=(const StagedFile&) = delete;
  StagedFile(StagedFile&& other) noexcept;
  StagedFile& operator=(StagedFile&& other) noexcept;

  // Creates the temporary file for `target`; an existing target is not touched yet.
  OpResult Create(const std::string& target);
  // Appends bytes; they reach the disk in large blocks.
  void Write(std::string_view bytes);
  // The buffer that Write appends to, for callers that format in place; Flush when large.
  std::string& Buffer() { return m_buffer; }
  void FlushIfLarge();
  // Writes what is buffered, closes the temporary and checks that every write succeeded.
  // The temporary then waits for Replace.
  OpResult Finish();
  // Renames the finished temporary over the target (an existing file is replaced).
  OpResult Replace();
  // Closes and removes the temporary; the target stays as it was.
  void Discard();

  const std::string& Target() const { return m_target; }

 private:
  void FlushBuffer();

  std::FILE* m_file = nullptr;
  std::string m_target;
  std::string m_temp;  // empty when no temporary exists
  std::string m_buffer;
  int m_error = 0;  // errno of the first failed write, 0 while all is well
};

}  // namespace zirdan
