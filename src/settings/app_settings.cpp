#include "settings/app_settings.h"

#include <charconv>

namespace zirdan {
namespace {

constexpr const char* kEnvironment = "Environment";
constexpr const char* kZaklad = "zaklad";
constexpr const char* kTisk = "tisk";
constexpr const char* kFonty = "fonty";
constexpr const char* kKomunikace = "komunikace";
constexpr const char* kSoubory = "soubory";
constexpr const char* kHistorie = "Historie";

// Reads values with the store's rules: a missing or non-numeric integer gives the default,
// a boolean is an integer that is true when not 0.
class Reader {
 public:
  explicit Reader(const SettingsStore& store) : m_store(store) {}

  int Integer(const char* section, const std::string& name, int fallback) const {
    auto text = m_store.Get(section, name);
    if (!text || text->empty()) return fallback;
    int value = 0;
    const char* end = text->data() + text->size();
    auto [ptr, ec] = std::from_chars(text->data(), end, value);
    return ec == std::errc() && ptr == end ? value : fallback;
  }
  bool Boolean(const char* section, const std::string& name, bool fallback) const {
    return Integer(section, name, fallback ? 1 : 0) != 0;
  }
  std::string Text(const char* section, const std::string& name,
                   const std::string& fallback) const {
    return m_store.Get(section, name).value_or(fallback);
  }
  WindowGeometry Geometry(char prefix, const WindowGeometry& fallback) const {
    const std::string p(1, prefix);
    return {Integer(kEnvironment, p + "Top", fallback.Top),
            Integer(kEnvironment, p + "Left", fallback.Left),
            Integer(kEnvironment, p + "Width", fallback.Width),
            Integer(kEnvironment, p + "Height", fallback.Height)};
  }

 private:
  const SettingsStore& m_store;
};

class Writer {
 public:
  explicit Writer(SettingsStore& store) : m_store(store) {}

  void Text(const char* section, const std::string& name, const std::string& value) {
    m_ok = m_store.Set(section, name, value) && m_ok;
  }
  void Integer(const char* section, const std::string& name, int value) {
    Text(section, name, std::to_string(value));
  }
  void Boolean(const char* section, const std::string& name, bool value) {
    Text(section, name, value ? "1" : "0");
  }
  void Geometry(char prefix, const WindowGeometry& g) {
    const std::string p(1, prefix);
    Integer(kEnvironment, p + "Top", g.Top);
    Integer(kEnvironment, p + "Left", g.Left);
    Integer(kEnvironment, p + "Width", g.Width);
    Integer(kEnvironment, p + "Height", g.Height);
  }
  bool Ok() const { return m_ok; }

 private:
  SettingsStore& m_store;
  bool m_ok = true;
};

}  // namespace

TAppSettings ReadAppSettings(const SettingsStore& store) {
  const Reader r(store);
  TAppSettings s;
  const TAppSettings d;  // defaults
  s.MTop = r.Integer(kEnvironment, "MTop", d.MTop);
  s.MLeft = r.Integer(kEnvironment, "MLeft", d.MLeft);
  s.Jazyk = r.Text(kZaklad, "Jazyk", d.Jazyk);
  s.FontCharSet = r.Integer(kZaklad, "FontCharSet", d.FontCharSet);
  s.PocetMinutMeziGrafy = r.Integer(kZaklad, "PocetMinutMeziGrafy", d.PocetMinutMeziGrafy);
  s.PocetPonoruProSoucet = r.Integer(kZaklad, "PocetPonoruProSoucet", d.PocetPonoruProSoucet);
  s.CasZGrafu = r.Boolean(kZaklad, "CasZGrafu", d.CasZGrafu);
  s.KompatibilniAktivity = r.Boolean(kZaklad, "KompatibilniAktivity", d.KompatibilniAktivity);
  // The two models exclude each other; oxy is not even read when nitrox is on.
  s.ZirdanNitrox = r.Boolean(kZaklad, "ZirdanNitrox", false);
  s.ZirdanOxy = !s.ZirdanNitrox && r.Boolean(kZaklad, "ZirdanOxy", false);
  s.Oboustranne = r.Boolean(kTisk, "Oboustranne", d.Oboustranne);
  s.LevyOkraj = r.Integer(kTisk, "LevyOkraj", d.LevyOkraj);
  s.PravyOkraj = r.Integer(kTisk, "PravyOkraj", d.PravyOkraj);
  s.VsechnyOkraje = r.Integer(kTisk, "VsechnyOkraje", d.VsechnyOkraje);
  s.Barevne = r.Boolean(kTisk, "Barevne", d.Barevne);
  s.FontSerif = r.Text(kFonty, "FontSerif", d.FontSerif);
  s.FontCourier = r.Text(kFonty, "FontCourier", d.FontCourier);
  s.FontSerifSize = r.Integer(kFonty, "FontSerifSize", d.FontSerifSize);
  s.FontCourierSize = r.Integer(kFonty, "FontCourierSize", d.FontCourierSize);
  for (int n = 1; n <= kPortCount; ++n)
    if (r.Boolean(kKomunikace, "COM" + std::to_string(n), false)) s.PortChecked = n;
  // Written by this version only; older settings hold the number alone.
  s.PortDevice = r.Text(kKomunikace, "Port", "");
  if (!s.PortDevice.empty()) s.PortChecked = 0;
  s.JenNovePonory = r.Boolean(kKomunikace, "JenNovePonory", d.JenNovePonory);
  s.ZobrazovatInfo = r.Boolean(kKomunikace, "ZobrazovatInfo", d.ZobrazovatInfo);

  // Radio items: the last one on wins and is the only one checked.
  const bool windows = r.Boolean(kSoubory, "KodovaniWindows", false);
  const bool kamenicky = r.Boolean(kSoubory, "KodovaniKamenicky", true);
  const bool latin2 = r.Boolean(kSoubory, "KodovaniLatin2", false);
  const bool ascii = r.Boolean(kSoubory, "KodovaniAscii", false);
  s.Kodovani.KodovaniAscii = ascii;
  s.Kodovani.KodovaniLatin2 = latin2 && !ascii;
  s.Kodovani.KodovaniKamenicky = kamenicky && !latin2 && !ascii;
  s.Kodovani.KodovaniWindows = windows && !kamenicky && !latin2 && !ascii;

  for (int n = 0; n < kRecentFileCount; ++n)
    s.Historie[n] = r.Text(kHistorie, kHistorie + std::to_string(n), "");
  s.Graf = r.Geometry('G', d.Graf);
  s.Statistika = r.Geometry('S', d.Statistika);
  s.Prehled = r.Geometry('P', d.Prehled);
  s.StatusReportAddress = r.Text(kZaklad, "StatusReportAddress", d.StatusReportAddress);
  return s;
}

bool WriteAppSettings(const TAppSettings& s, SettingsStore& store) {
  Writer w(store);
  w.Integer(kEnvironment, "MTop", s.MTop);
  w.Integer(kEnvironment, "MLeft", s.MLeft);
  w.Geometry('G', s.Graf);
  w.Geometry('S', s.Statistika);
  w.Geometry('P', s.Prehled);
  w.Text(kZaklad, "Jazyk", s.Jazyk);
  w.Integer(kZaklad, "FontCharSet", s.FontCharSet);
  w.Boolean(kZaklad, "ZirdanNitrox", s.ZirdanNitrox);
  w.Boolean(kZaklad, "ZirdanOxy", s.ZirdanOxy);
  w.Boolean(kZaklad, "CasZGrafu", s.CasZGrafu);
  w.Boolean(kZaklad, "KompatibilniAktivity", s.KompatibilniAktivity);
  w.Integer(kZaklad, "PocetMinutMeziGrafy", s.PocetMinutMeziGrafy);
  w.Integer(kZaklad, "PocetPonoruProSoucet", s.PocetPonoruProSoucet);
  w.Boolean(kTisk, "Oboustranne", s.Oboustranne);
  w.Integer(kTisk, "LevyOkraj", s.LevyOkraj);
  w.Integer(kTisk, "PravyOkraj", s.PravyOkraj);
  w.Integer(kTisk, "VsechnyOkraje", s.VsechnyOkraje);
  w.Boolean(kTisk, "Barevne", s.Barevne);
  w.Text(kFonty, "FontSerif", s.FontSerif);
  w.Text(kFonty, "FontCourier", s.FontCourier);
  w.Integer(kFonty, "FontSerifSize", s.FontSerifSize);
  w.Integer(kFonty, "FontCourierSize", s.FontCourierSize);
  w.Boolean(kSoubory, "KodovaniWindows", s.Kodovani.KodovaniWindows);
  w.Boolean(kSoubory, "KodovaniKamenicky", s.Kodovani.KodovaniKamenicky);
  w.Boolean(kSoubory, "KodovaniLatin2", s.Kodovani.KodovaniLatin2);
  w.Boolean(kSoubory, "KodovaniAscii", s.Kodovani.KodovaniAscii);
  for (int n = 1; n <= kPortCount; ++n)
    w.Boolean(kKomunikace, "COM" + std::to_string(n), s.PortDevice.empty() && s.PortChecked == n);
  w.Text(kKomunikace, "Port", s.PortDevice);
  w.Boolean(kKomunikace, "JenNovePonory", s.JenNovePonory);
  w.Boolean(kKomunikace, "ZobrazovatInfo", s.ZobrazovatInfo);
  for (int n = 0; n < kRecentFileCount; ++n)
    w.Text(kHistorie, kHistorie + std::to_string(n), s.Historie[n]);
  return w.Ok();
}

bool SameFileNameIgnoringAsciiCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

void AddRecentFile(std::array<std::string, kRecentFileCount>& recent, const std::string& name,
                   const SameFileName& same) {
  if (name == kNewLogbookName) return;
  int found = kRecentFileCount - 1;  // not found: the oldest entry drops out
  for (int i = 0; i < kRecentFileCount; ++i) {
    if (!recent[i].empty() && same(recent[i], name)) {
      found = i;
      break;
    }
  }
  for (int i = found; i > 0; --i) recent[i] = recent[i - 1];
  recent[0] = name;
}

int TAppSettings::LanguageNumber() const {
  int number = 0;
  std::from_chars(Jazyk.data(), Jazyk.data() + Jazyk.size(), number);
  return number;
}

}  // namespace zirdan
