#include "editor/recovery_copy.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <random>

#include "core/atomic_file.h"
#include "core/file_open.h"
#include "editor/disk_state.h"

namespace zirdan {

namespace fs = std::filesystem;

namespace {

constexpr const char* kLogEnding = ".LOG";
constexpr const char* kPathEnding = ".path";

std::string Hex(uint64_t value) {
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
  return text;
}

std::string ReadText(const std::string& path) {
  std::string text;
  ReadFileBytes(path, text);
  return text;
}

}  // namespace

RecoveryCopy::RecoveryCopy(std::string folder, FileLockFactory locks)
    : m_folder(std::move(folder)), m_locks(std::move(locks)) {}

RecoveryCopy::~RecoveryCopy() = default;

std::string RecoveryCopy::LogPath(const std::string& stem) const {
  return Utf8FromPath(PathFromUtf8(m_folder) / (stem + kLogEnding));
}

std::string RecoveryCopy::PathFile(const std::string& stem) const {
  return Utf8FromPath(PathFromUtf8(m_folder) / (stem + kPathEnding));
}

std::string RecoveryCopy::StemFor(const std::string& logbookPath, bool neverSaved) {
  if (!neverSaved) {
    std::error_code ec;
    fs::path absolute = fs::absolute(PathFromUtf8(logbookPath), ec);
    if (ec) absolute = PathFromUtf8(logbookPath);
    return "log-" + Hex(ContentHash(Utf8FromPath(absolute.lexically_normal())));
  }
  if (m_newStem.empty()) {
    std::random_device random;
    m_newStem = "new-" + Hex((uint64_t{random()} << 32) ^ random());
  }
  return m_newStem;
}

OpResult RecoveryCopy::Write(const TLogbook& logbook, const std::string& logbookPath,
                             bool neverSaved, const SaveOptions& options) {
  if (!Enabled()) return OpResult::Success();
  std::string bytes;
  if (OpResult encoded = EncodeLogbook(logbook, options, bytes); !encoded) return encoded;
  const std::string stem = StemFor(logbookPath, neverSaved);
  if (!m_stem.empty() && m_stem != stem) {
    std::error_code ec;
    fs::remove(PathFromUtf8(LogPath(m_stem)), ec);
    fs::remove(PathFromUtf8(PathFile(m_stem)), ec);
  }
  m_stem = stem;
  std::error_code ec;
  fs::create_directories(PathFromUtf8(m_folder), ec);
  if (ec)
    return OpResult::FailureKey(kWriteErrorKey)
        .With("StrDetNelzeVytvoritSlozku", {m_folder})
        .WithSystemText(ec.message());
  if (neverSaved && !m_newLock) {
    LockAttempt attempt;
    m_newLock = TryLockFile(m_locks, LogPath(stem), attempt);
  }
  // The path first: a copy is only offered when its logbook bytes are there too.
  if (OpResult written = WriteFileAtomically(PathFile(stem), logbookPath); !written) return written;
  return WriteFileAtomically(LogPath(stem), bytes);
}

void RecoveryCopy::Remove() {
  if (!Enabled()) return;
  if (!m_stem.empty()) Discard(PendingCopy{m_stem, {}});
  m_stem.clear();
  m_newStem.clear();
  m_newLock.reset();
}

void RecoveryCopy::Discard(const PendingCopy& copy) const {
  std::error_code ec;
  fs::remove(PathFromUtf8(LogPath(copy.Stem)), ec);
  fs::remove(PathFromUtf8(PathFile(copy.Stem)), ec);
}

bool RecoveryCopy::OwnedByLiveEditor(const PendingCopy& copy) const {
  std::error_code ec;
  const bool hasFile = fs::is_regular_file(PathFromUtf8(copy.LogbookPath), ec);
  LockAttempt attempt;
  // Taken only to look: released again at once.
  (void)TryLockFile(m_locks, hasFile ? copy.LogbookPath : LogPath(copy.Stem), attempt);
  return attempt.State == LockState::HeldByOther;
}

std::vector<PendingCopy> RecoveryCopy::Pending() const {
  std::vector<PendingCopy> pending;
  if (!Enabled()) return pending;
  std::error_code ec;
  for (const fs::directory_entry& entry : fs::directory_iterator(PathFromUtf8(m_folder), ec)) {
    const fs::path name = entry.path().filename();
    if (name.extension() != kPathEnding) continue;
    PendingCopy copy{Utf8FromPath(name.stem()), ReadText(Utf8FromPath(entry.path()))};
    if (copy.Stem == m_stem) continue;  // this editor's own
    std::error_code timeError;
    const fs::file_time_type copied =
        fs::last_write_time(PathFromUtf8(LogPath(copy.Stem)), timeError);
    if (timeError || OwnedByLiveEditor(copy)) continue;
    const fs::file_time_type saved = fs::last_write_time(PathFromUtf8(copy.LogbookPath), timeError);
    if (!timeError && saved >= copied) {
      Discard(copy);  // saved after the copy was made
      continue;
    }
    pending.push_back(std::move(copy));
  }
  std::sort(pending.begin(), pending.end(), [](const PendingCopy& a, const PendingCopy& b) {
    return a.LogbookPath < b.LogbookPath;
  });
  return pending;
}

OpResult RecoveryCopy::Adopt(const PendingCopy& copy, TLogbook& logbook) {
  if (OpResult loaded = LoadLogbook(LogPath(copy.Stem), logbook); !loaded) return loaded;
  logbook.Zmeneno = true;
  Remove();
  m_stem = copy.Stem;
  if (copy.Stem.rfind("new-", 0) == 0) {
    m_newStem = copy.Stem;
    LockAttempt attempt;
    m_newLock = TryLockFile(m_locks, LogPath(copy.Stem), attempt);
  }
  return OpResult::Success();
}

}  // namespace zirdan
