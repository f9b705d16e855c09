#include "env/language_load.h"

#include <array>
#include <cstddef>
#include <initializer_list>

namespace zirdan {
namespace {

constexpr std::string_view kStrings = "Strings";

// Category keys are the fixed name followed by the entry's index.
std::string IndexedKey(std::string_view name, std::size_t index) {
  return std::string(name) + std::to_string(index);
}

constexpr std::array<std::string_view, 7> kWeekdayKeys = {
    "StrPondeli", "StrUtery", "StrStreda", "StrCtvrtek", "StrPatek", "StrSobota", "StrNedele"};

// The error entries that have names; the others stay empty.
constexpr std::array<std::size_t, 4> kNamedErrors = {0, 3, 4, 5};

// Reads `name` followed by each index of [first, N) into the entries of `table`.
template <std::size_t N>
void ReadIndexed(const TTranslationFile& file, const std::string& section, std::string_view name,
                 std::size_t first, std::array<std::string, N>& table) {
  for (std::size_t i = first; i < N; ++i) table[i] = file.Read(section, IndexedKey(name, i));
}

std::vector<std::string> BuildMessageKeys() {
  std::vector<std::string> keys;
  auto plain = [&](std::initializer_list<const char*> names) {
    keys.insert(keys.end(), names.begin(), names.end());
  };
  auto indexed = [&](std::string_view name, std::size_t first, std::size_t last) {
    for (std::size_t i = first; i <= last; ++i) keys.push_back(IndexedKey(name, i));
  };
  plain({"StrSpotreba1", "StrSpotreba2", "StrSpotreba3", "StrPrumHl", "StrHodiny", "StrMinuty"});
  plain(
      {"StrPonorC", "StrChSest", "StrChVyst", "StrChDech", "StrChRbt", "StrChDeko", "StrChTrans"});
  indexed("StrCvyska", 1, 4);
  indexed("StrCpocasi", 1, 6);
  indexed("StrCoblek", 1, 6);
  indexed("StrCtyp", 0, 15);
  indexed("StrCdruh", 0, 15);
  for (std::size_t i : kNamedErrors) keys.push_back(IndexedKey("StrCchyby", i));
  keys.insert(keys.end(), kWeekdayKeys.begin(), kWeekdayKeys.end());
  plain({"StrChybaInternal", "StrChybaDat", "StrPonoru", "StrZmeneno", "StrObdelnik",
         "StrObdelnik2", "StrUlozitZmeny"});
  plain({"StrMinGrf", "StrPocPon", "StrLevyOkraj", "StrPravyOkraj", "StrVsechnyOkraje", "StrPFont",
         "StrNPFont"});
  plain({"StrVymazatPonor", "StrPosledniPonor", "StrPrecislovat", "StrVlozit", "StrPripojit1",
         "StrPripojit2", "StrPripojitChyba1", "StrPripojitChyba2", "StrImport"});
  plain({"StrZadejteMinGrf", "StrZadejtePocPon", "StrTisknu", "StrChSoubor", "StrGraf", "StrDenik",
         "StrKeDni"});
  indexed("StrStat", 1, 8);
  plain({"StrPocetPon", "StrOpakovane", "StrMelke", "StrMelci", "StrStredni", "StrHlubsi",
         "StrHluboke", "StrExtrem"});
  plain({"StrCelDelka", "StrPrumDelka", "StrCelHloubka", "StrPrumHloubka", "StrPrumSpotreba",
         "StrPrumObdelnik", "StrDenVT", "StrPoPonoru", "StrMezisoucet"});
  plain({"StrPrehCislo", "StrPrehDatum", "StrPrehCas", "StrPrehLokalita", "StrPrehMisto",
         "StrPrehHloubka", "StrPrehDelka"});
  plain({"StrNenasel", "StrRegistLog1", "StrRegistLog2", "StrRegistLog3", "StrChRegistLog"});
  plain({"StrZadejteLevyOkraj", "StrZadejtePravyOkraj", "StrZadejteVsechnyOkraje"});
  plain({"StrRozdelitPonor1", "StrRozdelitPonor2", "StrRozdelitPonor3", "StrChRozdelitPonor"});
  plain({"StrCelkem", "StrPrazdna", "StrExportOk"});
  // Messages of this editor's own: the recovery of unsaved edits, a missing help page, a
  // printer that failed.
  plain({"StrObnovitZmeny", "StrChNapoveda", "StrChTisk"});
  // A logbook open in another editor, or changed on disk by another program.
  plain({"StrDenikOtevren", "StrZamekDrzi", "StrZmenenNaDisku", "StrZmenenNaDiskuNacist",
         "StrZmenenNaDiskuNeulozeno"});
  // The UDDF export: the name of air, the message when done and when it failed.
  plain({"StrUddfVzduch", "StrUddfHotovo", "StrChUddf"});
  // The failures of files, the serial port and the download, and the words of their
  // details: what failed and why, "%1", "%2", ... standing for the file, the dive, the byte.
  plain({"chybaCteni", "chybaZapisu", "StrChImportMisto", "StrChObraz", "StrChPlnyDenik",
         "StrChPort", "StrChLinka", "StrPortNepripojen"});
  plain({"StrDetNelzeOtevrit", "StrDetNelzeCist", "StrDetNelzeVytvorit", "StrDetNelzeZapsat",
         "StrDetNelzeVytvoritVedle", "StrDetNelzeUlozitNaDisk", "StrDetNelzeNahradit",
         "StrDetNelzeZaloha", "StrDetNelzePojmenovat", "StrDetNelzeUlozitSlozku",
         "StrDetNelzeVytvoritSlozku"});
  plain({"StrDetKonecSouboru", "StrDetCteniNaBajtu", "StrDetVHlavicce", "StrDetVZaznamu",
         "StrDetVProfilu", "StrDetDlouhyProfilNa", "StrDetZaKoncem", "StrDetPosun",
         "StrDetZadnyPonor", "StrDetPonorZ", "StrDetPonor", "StrDetPonorPresunut",
         "StrDetCislovani"});
  plain({"StrDetDlouhyText", "StrDetDlouhyProfil", "StrDetPrazdnyDenik", "StrDetZadnyDenik",
         "StrDetKratkyVypis"});
  plain({"StrDetSynchronizace", "StrDetKontrolniSoucet", "StrDetPocitacBezPonoru",
         "StrDetPoziceKruhu", "StrDetKonecKruhu", "StrDetNevejde"});
  plain({"StrDetPortNenalezen", "StrDetPortPristup", "StrDetPortSkupina", "StrDetPortObsazen",
         "StrDetPortVolba"});
  plain({"StrDetTiskStranka", "StrDetTiskStart", "StrDetTiskTisk", "StrDetTiskNa",
         "StrDetProgramSkoncil"});
  return keys;
}

}  // namespace

std::string SectionName(std::string_view name, int language) {
  return std::string(name) + std::to_string(language);
}

std::vector<std::string> LanguageNames(const TTranslationFile& file) {
  return file.Keys("Language");
}

const std::vector<std::string>& MessageKeys() {
  static const std::vector<std::string> keys = BuildMessageKeys();
  return keys;
}

void LoadMessageTable(const TTranslationFile& file, int language, TMessageTable& table) {
  const std::string section = SectionName(kStrings, language);
  TMessageTable fresh;
  for (const std::string& key : MessageKeys()) fresh.Set(key, file.Read(section, key));
  table = std::move(fresh);
}

void LoadCategoryNames(const TTranslationFile& file, int language, TCategoryTables& tables) {
  const std::string section = SectionName(kStrings, language);
  ReadIndexed(file, section, "StrCvyska", 1, tables.NadmorskaVyska);
  ReadIndexed(file, section, "StrCpocasi", 1, tables.Pocasi);
  ReadIndexed(file, section, "StrCoblek", 1, tables.Oblek);
  ReadIndexed(file, section, "StrCtyp", 0, tables.TypPonoru);
  ReadIndexed(file, section, "StrCdruh", 0, tables.TypAktivity);
  for (std::size_t i : kNamedErrors)
    tables.Chyby[i] = file.Read(section, IndexedKey("StrCchyby", i));
  for (std::size_t i = 0; i < kWeekdayKeys.size(); ++i)
    tables.DnyTydne[i] = file.Read(section, kWeekdayKeys[i]);
}

const std::vector<std::string>& MessageBoxKeys() {
  static const std::vector<std::string> keys = {"oOtazka", "oVystraha", "oChyba", "oInformace",
                                                "bNe",     "bAno",      "bOk"};
  return keys;
}

TMessageBoxTexts LoadMessageBoxTexts(const TTranslationFile& file, int language) {
  const std::string section = SectionName("FormHlaska", language);
  const std::vector<std::string>& keys = MessageBoxKeys();
  TMessageBoxTexts texts;
  const std::array<std::string*, 7> fields = {&texts.oOtazka,    &texts.oVystraha, &texts.oChyba,
                                              &texts.oInformace, &texts.bNe,       &texts.bAno,
                                              &texts.bOk};
  for (std::size_t i = 0; i < fields.size(); ++i) *fields[i] = file.Read(section, keys.at(i));
  return texts;
}

std::string QtTranslationCode(const TTranslationFile& file, int language) {
  std::string code = file.Read(SectionName(kStrings, language), kQtTranslationKey, "");
  if (!code.empty()) return code;
  return language == 2 ? "cs" : "en";
}

}  // namespace zirdan
