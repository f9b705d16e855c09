#include "editor/recovery_copy.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/atomic_file.h"

namespace zirdan {

namespace fs = std::filesystem;

RecoveryCopy::RecoveryCopy(std::string folder) : m_folder(std::move(folder)) {}

std::string RecoveryCopy::LogPath() const {
  return (fs::path(m_folder) / "unsaved.LOG").string();
}

std::string RecoveryCopy::PathFile() const {
  return (fs::path(m_folder) / "unsaved.path").string();
}

OpResult RecoveryCopy::Write(const TLogbook& logbook, const std::string& logbookPath,
                             const SaveOptions& options) const {
  if (!Enabled()) return OpResult::Success();
  std::string bytes;
  if (OpResult encoded = EncodeLogbook(logbook, options, bytes); !encoded) return encoded;
  std::error_code ec;
  fs::create_directories(m_folder, ec);
  if (ec)
    return OpResult::FailureKey(kWriteErrorKey)
        .With("StrDetNelzeVytvoritSlozku", {m_folder})
        .WithSystemText(ec.message());
  // The path first: a copy is only offered when its logbook bytes are there too.
  if (OpResult written = WriteFileAtomically(PathFile(), logbookPath); !written) return written;
  return WriteFileAtomically(LogPath(), bytes);
}

void RecoveryCopy::Remove() const {
  if (!Enabled()) return;
  std::error_code ec;
  fs::remove(LogPath(), ec);
  fs::remove(PathFile(), ec);
}

std::optional<std::string> RecoveryCopy::Offer() const {
  if (!Enabled()) return std::nullopt;
  std::error_code ec;
  const fs::file_time_type copied = fs::last_write_time(LogPath(), ec);
  if (ec) return std::nullopt;
  std::ifstream in(PathFile(), std::ios::binary);
  if (!in) return std::nullopt;
  const std::string logbookPath{std::istreambuf_iterator<char>(in), {}};
  const fs::file_time_type saved = fs::last_write_time(logbookPath, ec);
  if (!ec && saved >= copied) return std::nullopt;  // saved after the copy was made
  return logbookPath;
}

OpResult RecoveryCopy::Load(TLogbook& logbook) const {
  if (OpResult loaded = LoadLogbook(LogPath(), logbook); !loaded) return loaded;
  logbook.Zmeneno = true;
  return OpResult::Success();
}

}  // namespace zirdan
