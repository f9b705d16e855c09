#pragma once

// A serial line without hardware: pseudo-terminals and a relay that plays the cable.

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <atomic>
#include <cstddef>
#include <string>
#include <thread>

namespace zirdan::test {

// One pseudo-terminal: a program opens the slave device by its path; the test keeps both
// ends open so that the line never hangs up between the program's opens and closes.
class PseudoTerminal {
 public:
  PseudoTerminal() {
    char name[256] = {};
    if (openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0) return;
    m_path = name;
    termios raw{};
    tcgetattr(m_slave, &raw);
    cfmakeraw(&raw);
    tcsetattr(m_slave, TCSANOW, &raw);
  }
  ~PseudoTerminal() {
    if (m_master >= 0) close(m_master);
    if (m_slave >= 0) close(m_slave);
  }
  PseudoTerminal(const PseudoTerminal&) = delete;
  PseudoTerminal& operator=(const PseudoTerminal&) = delete;

  bool Ok() const { return !m_path.empty(); }
  const std::string& Path() const { return m_path; }
  int Master() const { return m_master; }

 private:
  int m_master = -1;
  int m_slave = -1;
  std::string m_path;
};

// Copies every byte that comes out of `from` into `to` until destroyed: the cable between
// the dive computer's line and the program's line.
class Relay {
 public:
  Relay(int from, int to) : m_thread([this, from, to] { Run(from, to); }) {}
  ~Relay() {
    m_stop = true;
    m_thread.join();
  }
  Relay(const Relay&) = delete;
  Relay& operator=(const Relay&) = delete;
  std::size_t Carried() const { return m_carried; }

 private:
  void Run(int from, int to) {
    char buffer[512];
    while (!m_stop) {
      pollfd p{from, POLLIN, 0};
      if (poll(&p, 1, 20) <= 0 || !(p.revents & POLLIN)) continue;
      const ssize_t n = read(from, buffer, sizeof buffer);
      if (n <= 0) continue;
      for (ssize_t done = 0; done < n;) {
        const ssize_t w = write(to, buffer + done, static_cast<std::size_t>(n - done));
        if (w > 0) done += w;
      }
      m_carried += static_cast<std::size_t>(n);
    }
  }

  std::atomic<bool> m_stop = false;
  std::atomic<std::size_t> m_carried = 0;
  std::thread m_thread;
};

}  // namespace zirdan::test
