#include "core/category_tables.h"

#include <initializer_list>

#include "core/win1250.h"

namespace zirdan {
namespace {

template <std::size_t N>
std::array<std::string, N> Names(std::initializer_list<const char*> utf8) {
  std::array<std::string, N> table;
  std::size_t i = 0;
  for (const char* name : utf8) table[i++] = Utf8ToWin1250(name);
  return table;
}

}  // namespace

TCategoryTables TCategoryTables::BuiltIn() {
  TCategoryTables t;
  t.NadmorskaVyska = Names<5>(
      {"", "0 až 900 m.n.m", "900 až 1700 m.n.m", "1700 až 2700 m.n.m", "2700 až 4000 m.n.m"});
  t.Pocasi = Names<7>({"", "jasno", "oblačno", "mlhavo", "déšť", "bouřka", "sněžení"});
  t.Oblek = Names<7>(
      {"", "žádný", "krátký", "jednodílný mokrý", "dvoudílný mokrý", "polosuchý", "suchý"});
  t.TypPonoru = Names<16>({"", "", "bezdekompresní", "dekompresní", "obyčejný ponor", "jo-jo ponor",
                           "sladká voda", "mořská voda", "nitrox", "SCR"});
  t.TypAktivity = Names<16>({"vyhlídkový", "klubová akce", "výcvik", "instruktáž", "noční",
                             "speleologický", "pod ledem", "průzkum", "vrak lodi", "říční",
                             "v proudu", "foto", "z lodi", "ze člunu", "pracovní", "záchranný"});
  t.Chyby = Names<16>({"výstup", "", "", "dekomprese", "dýchání", "SOS"});
  t.DnyTydne = Names<7>({"pondělí", "úterý", "středa", "čtvrtek", "pátek", "sobota", "neděle"});
  return t;
}

}  // namespace zirdan
