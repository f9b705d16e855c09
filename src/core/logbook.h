#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/ponor.h"

namespace zirdan {

// The open logbook: a circular, doubly linked list of dives it owns, plus the values
// of the file header. Nodes are only created and released through these members, so
// the list always holds exactly PocetPonoru() dives.
class TLogbook {
 public:
  TLogbook() = default;
  ~TLogbook();
  TLogbook(const TLogbook&) = delete;
  TLogbook& operator=(const TLogbook&) = delete;
  TLogbook(TLogbook&& other) noexcept;
  TLogbook& operator=(TLogbook&& other) noexcept;

  pam* Prvni() const { return m_prvni; }
  uint16_t PocetPonoru() const { return m_pocetPonoru; }
  pam* Posledni() const { return m_prvni ? m_prvni->Predchozi : nullptr; }
  bool Full() const { return m_pocetPonoru >= kMaxDives; }

  // Appends a copy of the dive at the end of the list; nullptr when the list is full.
  pam* Append(const ponor& dive);
  // Inserts a copy of the dive right after `after` (at the end when `after` is null);
  // nullptr when the list is full.
  pam* InsertAfter(pam* after, const ponor& dive);
  // Unlinks and releases one dive of this list.
  void Remove(pam* dive);
  // Releases every dive.
  void Clear();

  // The dive with this number, or nullptr.
  pam* FindByNumber(uint16_t cislo) const;
  // The dives in list order (pointers stay valid until the list changes).
  std::vector<pam*> Dives() const;

  // Walks the list from Prvni along Dalsi, PocetPonoru times.
  template <typename Visit>
  void ForEach(Visit&& visit) const {
    pam* p = m_prvni;
    for (uint32_t i = 0; i < m_pocetPonoru; ++i, p = p->Dalsi) visit(*p);
  }

  // Numbers the dives PrvniCislo, PrvniCislo+1, ... in list order, updates PosledniCislo
  // and rebuilds Seznam.
  void Renumber();
  // Rebuilds Seznam from the dives as they are numbered now.
  void RebuildSeznam();
  // The dive list text of a dive: its number, followed by "•" when it has a profile.
  static std::string SeznamEntry(const ponor& dive);

  bool Nacteno = false;  // a logbook is open
  bool Zmeneno = false;  // there are unsaved changes
  uint16_t Verze = kLogbookVersion;
  uint32_t CisloPristroje = 0;   // low 24 bits: dive computer identification
  uint32_t RezervaHlavicky = 0;  // reserved, carried from the file read
  uint16_t PrvniCislo = 0;
  uint16_t PosledniCislo = 0;
  std::vector<std::string> Seznam;             // dive list texts, Windows-1250
  uint16_t VychoziFormatGrafu = kFormatBasic;  // default profile format from the settings
  uint16_t FormatGrafu = kFormatBasic;         // profile format of the dive last decoded

 private:
  pam* m_prvni = nullptr;
  uint32_t m_pocetPonoru = 0;
};

}  // namespace zirdan
