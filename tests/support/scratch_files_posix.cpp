// The scratch helpers that need POSIX calls: process ids, O_TMPFILE and fork.
#include <fcntl.h>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/scratch_files.h"

namespace zirdan::test {
namespace fs = std::filesystem;

long ProcessId() {
  return static_cast<long>(getpid());
}

bool UnnamedFilesWorkIn(const fs::path& folder) {
#ifdef O_TMPFILE
  const int fd = open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  const bool named = access(("/proc/self/fd/" + std::to_string(fd)).c_str(), F_OK) == 0;
  close(fd);
  return named;
#else
  (void)folder;
  return false;
#endif
}

std::string RunInChild(const std::function<std::string()>& check, bool unprivileged) {
  int fds[2];
  if (pipe(fds) != 0) return "SKIP: no pipe";
  const pid_t pid = fork();
  if (pid < 0) return "SKIP: cannot fork";
  if (pid == 0) {
    close(fds[0]);
    std::string answer;
    constexpr uid_t kNobody = 65534;
    if (unprivileged && geteuid() == 0 &&
        (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0))
      answer = "SKIP: cannot give up root rights";
    else
      answer = check();
    if (write(fds[1], answer.data(), answer.size()) < 0) _exit(2);
    _exit(0);  // skips the test framework's and the leak checker's exit work
  }
  close(fds[1]);
  std::string answer;
  char buffer[512];
  ssize_t n;
  while ((n = read(fds[0], buffer, sizeof buffer)) > 0) answer.append(buffer, n);
  close(fds[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
    return "the child process ended abnormally (status " + std::to_string(status) + ") " + answer;
  return answer;
}

}  // namespace zirdan::test
