#include "core/staged_file.h"

#include <cerrno>
#include <filesystem>
#include <system_error>
#include <utility>

namespace zirdan {
namespace {

// Writes go to disk once this much is buffered.
constexpr std::size_t kFlushSize = 1 << 20;
// Attempts at finding an unused temporary name before giving up.
constexpr int kTempNameAttempts = 100;

std::string ErrorText(const char* what, int error) {
  return std::string(what) + ": " + std::generic_category().message(error);
}

}  // namespace

StagedFile::~StagedFile() {
  Discard();
}

StagedFile::StagedFile(StagedFile&& other) noexcept {
  *this = std::move(other);
}

StagedFile& StagedFile::operator=(StagedFile&& other) noexcept {
  if (this == &other) return *this;
  Discard();
  m_file = std::exchange(other.m_file, nullptr);
  m_target = std::move(other.m_target);
  m_temp = std::exchange(other.m_temp, {});
  m_buffer = std::move(other.m_buffer);
  m_error = std::exchange(other.m_error, 0);
  return *this;
}

OpResult StagedFile::Create(const std::string& target) {
  Discard();
  m_target = target;
  m_error = 0;
  m_buffer.clear();
  for (int attempt = 0; attempt < kTempNameAttempts; ++attempt) {
    std::string temp = target + ".tmp" + (attempt ? std::to_string(attempt) : "");
    errno = 0;
    // "x": never reuse or clobber a file that is already there.
    m_file = std::fopen(temp.c_str(), "wbx");
    if (m_file) {
      m_temp = std::move(temp);
      return OpResult::Success();
    }
    if (errno != EEXIST) break;
  }
  return OpResult::Failure(ErrorText("cannot create the file", errno ? errno : EEXIST));
}

void StagedFile::Write(std::string_view bytes) {
  m_buffer.append(bytes);
  FlushIfLarge();
}

void StagedFile::FlushIfLarge() {
  if (m_buffer.size() >= kFlushSize) FlushBuffer();
}

void StagedFile::FlushBuffer() {
  if (m_buffer.empty()) return;
  if (m_file && m_error == 0) {
    errno = 0;
    if (std::fwrite(m_buffer.data(), 1, m_buffer.size(), m_file) != m_buffer.size())
      m_error = errno ? errno : EIO;
  }
  m_buffer.clear();
}

OpResult StagedFile::Finish() {
  if (!m_file)
    return OpResult::Failure(ErrorText("cannot write the file", m_error ? m_error : EBADF));
  FlushBuffer();
  errno = 0;
  if (std::fflush(m_file) != 0 && m_error == 0) m_error = errno ? errno : EIO;
  errno = 0;
  if (std::fclose(m_file) != 0 && m_error == 0) m_error = errno ? errno : EIO;
  m_file = nullptr;
  if (m_error != 0) {
    const int error = m_error;
    Discard();
    return OpResult::Failure(ErrorText("cannot write the file", error));
  }
  return OpResult::Success();
}

OpResult StagedFile::Replace() {
  if (m_file || m_temp.empty()) return OpResult::Failure("the file was not written");
  std::error_code ec;
  std::filesystem::rename(m_temp, m_target, ec);
  if (ec) {
    Discard();
    return OpResult::Failure("cannot replace the file: " + ec.message());
  }
  m_temp.clear();
  return OpResult::Success();
}

void StagedFile::Discard() {
  if (m_file) {
    std::fclose(m_file);
    m_file = nullptr;
  }
  if (!m_temp.empty()) {
    std::error_code ec;
    std::filesystem::remove(m_temp, ec);
    m_temp.clear();
  }
  m_buffer.clear();
}

}  // namespace zirdan
