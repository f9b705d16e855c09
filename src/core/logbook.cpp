#include "core/logbook.h"

#include <utility>

namespace zirdan {

TLogbook::~TLogbook() {
  Clear();
}

TLogbook::TLogbook(TLogbook&& other) noexcept {
  *this = std::move(other);
}

TLogbook& TLogbook::operator=(TLogbook&& other) noexcept {
  if (this == &other) return *this;
  Clear();
  Nacteno = other.Nacteno;
  Zmeneno = other.Zmeneno;
  Verze = other.Verze;
  CisloPristroje = other.CisloPristroje;
  RezervaHlavicky = other.RezervaHlavicky;
  PrvniCislo = other.PrvniCislo;
  PosledniCislo = other.PosledniCislo;
  Seznam = std::move(other.Seznam);
  VychoziFormatGrafu = other.VychoziFormatGrafu;
  FormatGrafu = other.FormatGrafu;
  m_prvni = std::exchange(other.m_prvni, nullptr);
  m_pocetPonoru = std::exchange(other.m_pocetPonoru, 0);
  other.Seznam.clear();
  return *this;
}

pam* TLogbook::Append(const ponor& dive) {
  return InsertAfter(Posledni(), dive);
}

pam* TLogbook::InsertAfter(pam* after, const ponor& dive) {
  if (Full()) return nullptr;
  pam* node = new pam;
  static_cast<ponor&>(*node) = dive;
  if (!m_prvni) {
    node->Predchozi = node->Dalsi = node;
    m_prvni = node;
  } else {
    if (!after) after = Posledni();
    node->Predchozi = after;
    node->Dalsi = after->Dalsi;
    after->Dalsi->Predchozi = node;
    after->Dalsi = node;
  }
  ++m_pocetPonoru;
  return node;
}

void TLogbook::Remove(pam* dive) {
  if (!dive || m_pocetPonoru == 0) return;
  if (m_pocetPonoru == 1) {
    m_prvni = nullptr;
  } else {
    dive->Predchozi->Dalsi = dive->Dalsi;
    dive->Dalsi->Predchozi = dive->Predchozi;
    if (m_prvni == dive) m_prvni = dive->Dalsi;
  }
  --m_pocetPonoru;
  delete dive;
}

void TLogbook::Clear() {
  pam* p = m_prvni;
  for (uint32_t i = 0; i < m_pocetPonoru; ++i) {
    pam* next = p->Dalsi;
    delete p;
    p = next;
  }
  m_prvni = nullptr;
  m_pocetPonoru = 0;
}

pam* TLogbook::FindByNumber(uint16_t cislo) const {
  pam* p = m_prvni;
  for (uint32_t i = 0; i < m_pocetPonoru; ++i, p = p->Dalsi)
    if (p->Cislo == cislo) return p;
  return nullptr;
}

std::vector<pam*> TLogbook::Dives() const {
  std::vector<pam*> dives;
  dives.reserve(m_pocetPonoru);
  ForEach([&](pam& d) { dives.push_back(&d); });
  return dives;
}

void TLogbook::Renumber() {
  uint16_t number = PrvniCislo;
  ForEach([&](pam& d) { d.Cislo = number++; });
  if (m_prvni) PosledniCislo = Posledni()->Cislo;
  RebuildSeznam();
}

void TLogbook::RebuildSeznam() {
  Seznam.clear();
  Seznam.reserve(m_pocetPonoru);
  ForEach([&](const pam& d) { Seznam.push_back(SeznamEntry(d)); });
}

std::string TLogbook::SeznamEntry(const ponor& dive) {
  std::string text = std::to_string(dive.Cislo);
  if (dive.GrafPocet != 0) text += '\x95';  // "•" in Windows-1250
  return text;
}

}  // namespace zirdan
