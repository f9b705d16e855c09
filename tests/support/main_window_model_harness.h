#pragma once

// The main window's model with a small message table, for the tests of its rules.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/logbook_samples.h"
#include "editor/main_window_model.h"

namespace zirdan::test {

// The messages the status line and the measure labels use, in English.
inline TMessageTable StatusMessages() {
  TMessageTable messages;
  messages.Set("StrPonoru", "dives");
  messages.Set("StrZmeneno", "changed");
  messages.Set("StrSpotreba1", "Air:");
  messages.Set("StrSpotreba2", "l/min");
  messages.Set("StrSpotreba3", "approx.");
  messages.Set("StrObdelnik", "Fullness:");
  messages.Set("StrObdelnik2", "approx.");
  return messages;
}

// An open logbook of these dives, numbered from `first`.
inline TLogbook LogbookOf(const std::vector<ponor>& dives, uint16_t first = 1) {
  TLogbook logbook;
  for (const ponor& dive : dives) logbook.Append(dive);
  logbook.PrvniCislo = first;
  logbook.Renumber();
  logbook.Nacteno = true;
  return logbook;
}

// A model over default settings and the built-in category names.
class MainWindowModelTest : public ::testing::Test {
 protected:
  void Open(TLogbook logbook) { m_model.OpenLogbook(std::move(logbook), "/logs/a.LOG"); }
  void OpenSample(uint32_t count, uint16_t first = 1) { Open(SampleLogbook(count, 0, first)); }
  void Show(int index) {
    m_model.Select(index);
    m_model.ShowCurrentDive();
  }
  const pam& Dive(int index) const {
    return *m_model.Logbook().Dives().at(static_cast<std::size_t>(index));
  }
  std::vector<uint16_t> Numbers() const {
    std::vector<uint16_t> numbers;
    m_model.Logbook().ForEach([&](const pam& d) { numbers.push_back(d.Cislo); });
    return numbers;
  }
  const std::string& Shown(TextField field) const {
    return m_model.Display().Fields[static_cast<std::size_t>(field)];
  }
  bool Changed() const { return m_model.Logbook().Zmeneno; }

  TAppSettings m_settings;
  TCategoryTables m_tables = TCategoryTables::BuiltIn();
  TMessageTable m_messages = StatusMessages();
  MainWindowModel m_model{m_settings, m_tables, m_messages, '.'};
};

}  // namespace zirdan::test
