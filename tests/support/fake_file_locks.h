#pragma once

// Locks in memory for the logic tests: which lock files this process holds and which
// another live process holds.

#include <map>
#include <memory>
#include <set>
#include <string>

#include "core/file_lock.h"

namespace zirdan::test {

class FakeFileLocks {
 public:
  FileLockFactory Factory() {
    return [state = m_state](const std::string& path) -> std::unique_ptr<FileLock> {
      return std::make_unique<Lock>(state, path);
    };
  }
  // Another live process holds the lock of `file`.
  void HoldElsewhere(const std::string& file, LockHolder holder) {
    m_state->others[LockPathFor(file)] = std::move(holder);
  }
  void LetGo(const std::string& file) { m_state->others.erase(LockPathFor(file)); }
  // Whether this process holds the lock of `file`.
  bool HeldHere(const std::string& file) const {
    return m_state->ours.count(LockPathFor(file)) != 0;
  }

 private:
  struct State {
    std::map<std::string, LockHolder> others;
    std::set<std::string> ours;
  };
  class Lock : public FileLock {
   public:
    Lock(std::shared_ptr<State> state, std::string path)
        : m_state(std::move(state)), m_path(std::move(path)) {}
    ~Lock() override { Unlock(); }
    LockAttempt TryLock() override {
      if (m_taken) return {LockState::Taken, {}};
      if (auto other = m_state->others.find(m_path); other != m_state->others.end())
        return {LockState::HeldByOther, other->second};
      if (m_state->ours.count(m_path)) return {LockState::HeldByOther, {1, "self", "here"}};
      m_state->ours.insert(m_path);
      m_taken = true;
      return {LockState::Taken, {}};
    }
    void Unlock() override {
      if (m_taken) m_state->ours.erase(m_path);
      m_taken = false;
    }

   private:
    std::shared_ptr<State> m_state;
    std::string m_path;
    bool m_taken = false;
  };

  std::shared_ptr<State> m_state = std::make_shared<State>();
};

}  // namespace zirdan::test
