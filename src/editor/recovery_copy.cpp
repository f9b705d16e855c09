#include "editor/recovery_copy.h"

#include <cstdio>
#include <filesystem>

#include "core/atomic_file.h"
#include "core/file_open.h"

namespace zirdan {

namespace fs = std::filesystem;

RecoveryCopy::RecoveryCopy(std::string folder) : m_folder(std::move(folder)) {}

std::string RecoveryCopy::LogPath() const {
  return Utf8FromPath(PathFromUtf8(m_folder) / "unsaved.LOG");
}

std::string RecoveryCopy::PathFile() const {
  return Utf8FromPath(PathFromUtf8(m_folder) / "unsaved.path");
}

OpResult RecoveryCopy::Write(const TLogbook& logbook, const std::string& logbookPath,
                             const SaveOptions& options) const {
  if (!Enabled()) return OpResult::Success();
  std::string bytes;
  if (OpResult encoded = EncodeLogbook(logbook, options, bytes); !encoded) return encoded;
  std::error_code ec;
  fs::create_directories(PathFromUtf8(m_folder), ec);
  if (ec) return OpResult::Failure("cannot create " + m_folder, ec.message());
  // The path first: a copy is only offered when its logbook bytes are there too.
  if (OpResult written = WriteFileAtomically(PathFile(), logbookPath); !written) return written;
  return WriteFileAtomically(LogPath(), bytes);
}

void RecoveryCopy::Remove() const {
  if (!Enabled()) return;
  std::error_code ec;
  fs::remove(PathFromUtf8(LogPath()), ec);
  fs::remove(PathFromUtf8(PathFile()), ec);
}

std::optional<std::string> RecoveryCopy::Offer() const {
  if (!Enabled()) return std::nullopt;
  std::error_code ec;
  const fs::file_time_type copied = fs::last_write_time(PathFromUtf8(LogPath()), ec);
  if (ec) return std::nullopt;
  const FilePtr in = OpenFile(PathFile(), "rb");
  if (!in) return std::nullopt;
  std::string logbookPath;
  char buffer[4096];
  while (const std::size_t got = std::fread(buffer, 1, sizeof buffer, in.get()))
    logbookPath.append(buffer, got);
  const fs::file_time_type saved = fs::last_write_time(PathFromUtf8(logbookPath), ec);
  if (!ec && saved >= copied) return std::nullopt;  // saved after the copy was made
  return logbookPath;
}

OpResult RecoveryCopy::Load(TLogbook& logbook) const {
  if (OpResult loaded = LoadLogbook(LogPath(), logbook); !loaded) return loaded;
  logbook.Zmeneno = true;
  return OpResult::Success();
}

}  // namespace zirdan
