#pragma once

// For window tests only (header-only, so the logic-only build never sees Qt): one
// application object for the whole test program, created before the first test and
// destroyed after the last, not among the program's static objects (Qt must be gone
// before its own statics are).

#include <gtest/gtest.h>

#include <memory>

namespace zirdan::test {

template <typename Application>
class QtApplicationEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { m_app = std::make_unique<Application>(m_argc, m_argv); }
  void TearDown() override { m_app.reset(); }

 private:
  int m_argc = 1;
  char m_name[16] = "zirdan_gui_test";
  char* m_argv[2] = {m_name, nullptr};
  std::unique_ptr<Application> m_app;
};

// Registers the environment; use as `static const bool kApp = UseQtApplication<QApplication>();`
// at namespace scope of the test file.
template <typename Application>
bool UseQtApplication() {
  ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment<Application>);
  return true;
}

}  // namespace zirdan::test
