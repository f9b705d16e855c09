#include "cli/dive_json.h"

#include <algorithm>
#include <memory>

#include "cli/json_writer.h"
#include "core/profile.h"
#include "core/win1250.h"

namespace zirdan::cli {
namespace {

void WriteStoredFields(JsonWriter& json, const ponor& d) {
  auto text = [&](const char* name, const std::string& value) {
    json.Key(name).String(Win1250ToUtf8(value));
  };
  json.Key("Znacka").Number(int64_t{d.Znacka});
  json.Key("Datum").Number(int64_t{d.Datum});
  json.Key("Cas").Number(int64_t{d.Cas});
  text("Lokalita", d.Lokalita);
  text("Misto", d.Misto);
  json.Key("NadmorskaVyska").Number(int64_t{d.NadmorskaVyska});
  json.Key("PovrchovyInterval").Number(int64_t{d.PovrchovyInterval});
  json.Key("Pocasi").Number(int64_t{d.Pocasi});
  json.Key("TeplotaVzduchu").Number(int64_t{d.TeplotaVzduchu});
  json.Key("Oblek").Number(int64_t{d.Oblek});
  json.Key("Lahev").Number(int64_t{d.Lahev});
  json.Key("Hloubka").Number(int64_t{d.Hloubka});
  json.Key("DelkaPonoru").Number(int64_t{d.DelkaPonoru});
  json.Key("TeplotaVody").Number(int64_t{d.TeplotaVody});
  json.Key("SpotrebaVzduchu").Number(int64_t{d.SpotrebaVzduchu});
  json.Key("TypPonoru").Number(int64_t{d.TypPonoru});
  json.Key("TypAktivity").Number(int64_t{d.TypAktivity});
  text("Jiny", d.Jiny);
  text("Partner", d.Partner);
  text("Poznamka", d.Poznamka);
  json.Key("Chyby").Number(int64_t{d.Chyby});
  json.Key("Cislo").Number(int64_t{d.Cislo});
  json.Key("Rezerva").BeginArray();
  for (uint16_t word : d.Rezerva) json.Number(int64_t{word});
  json.EndArray();
  json.Key("GrafPocet").Number(int64_t{d.GrafPocet});

  static constexpr char kHex[] = "0123456789abcdef";
  const std::size_t used = std::min<std::size_t>(d.GrafPocet, d.Graf.size());
  std::string hex;
  hex.reserve(used * 2);
  for (std::size_t i = 0; i < used; ++i) {
    hex += kHex[d.Graf[i] >> 4];
    hex += kHex[d.Graf[i] & 15];
  }
  json.Key("Graf").String(hex);
}

std::string FlagString(const bool* flags, std::size_t count) {
  std::string s;
  for (std::size_t i = 0; i < count; ++i) s += flags[i] ? '1' : '0';
  return s;
}

void WriteView(JsonWriter& json, const ponorTxt& v) {
  auto text = [&](const char* name, const std::string& value) {
    json.Key(name).String(Win1250ToUtf8(value));
  };
  json.BeginObject();
  text("Datum", v.Datum);
  text("Cas", v.Cas);
  text("Lokalita", v.Lokalita);
  text("Misto", v.Misto);
  text("NadmorskaVyska", v.NadmorskaVyska);
  json.Key("NadmorskaVyskaKod").Number(int64_t{v.NadmorskaVyskaKod});
  text("PovrchovyInterval", v.PovrchovyInterval);
  text("Pocasi", v.Pocasi);
  json.Key("PocasiKod").Number(int64_t{v.PocasiKod});
  text("TeplotaVzduchu", v.TeplotaVzduchu);
  text("Oblek", v.Oblek);
  json.Key("OblekKod").Number(int64_t{v.OblekKod});
  text("Lahev", v.Lahev);
  text("Hloubka", v.Hloubka);
  text("DelkaPonoru", v.DelkaPonoru);
  text("TeplotaVody", v.TeplotaVody);
  text("SpotrebaVzduchu", v.SpotrebaVzduchu);
  text("TypPonoru", v.TypPonoru);
  json.Key("TypPonoruPriznaky").String(FlagString(v.TypPonoruPriznaky.data(), 16));
  text("TypAktivity", v.TypAktivity);
  json.Key("TypAktivityPriznaky").String(FlagString(v.TypAktivityPriznaky.data(), 16));
  text("Jiny", v.Jiny);
  text("Partner", v.Partner);
  text("Poznamka", v.Poznamka);
  text("Chyby", v.Chyby);
  json.Key("ChybyPriznaky").String(FlagString(v.ChybyPriznaky.data(), 16));
  text("Cislo", v.Cislo);
  text("DelkaGrafu", v.DelkaGrafu);
  text("MaxPO2", v.MaxPO2);
  text("EAN", v.EAN);
  json.Key("PocetVzorku").Number(int64_t{v.PocetVzorku});
  json.Key("Hloubky").BeginArray();
  for (std::size_t i = 0; i < v.PocetVzorku; ++i) json.Number(int64_t{v.Hloubky[i]});
  json.EndArray();
  json.Key("ZnakyVzorku").BeginArray();
  for (std::size_t i = 0; i < v.PocetVzorku; ++i)
    json.String(FlagString(v.ZnakyVzorku[i].data(), v.ZnakyVzorku[i].size()));
  json.EndArray();
  json.Key("FormatGrafu").Number(int64_t{v.FormatGrafu});
  json.EndObject();
}

void WriteMeasure(JsonWriter& json, const char* name, const Measure& m) {
  json.Key(name).BeginObject();
  json.Key("value").Number(m.value);
  json.Key("fromProfile").Bool(m.fromProfile);
  json.EndObject();
}

}  // namespace

std::string DiveJson(const ponor& dive, const CodecContext& context) {
  auto view = std::make_unique<ponorTxt>();  // large; keep it off the stack
  RecordToView(dive, *view, context);

  JsonWriter json;
  json.BeginObject();
  WriteStoredFields(json, dive);
  json.Key("view");
  WriteView(json, *view);
  json.Key("measures").BeginObject();
  WriteMeasure(json, "consumption", ConsumptionRate(dive, *view));
  WriteMeasure(json, "fullness", Fullness(dive, *view));
  WriteMeasure(json, "averageDepth", AverageDepth(dive, *view));
  json.EndObject();
  json.EndObject();
  return json.Text();
}

std::string DivesJsonArray(const std::vector<const ponor*>& dives, const CodecContext& context) {
  JsonWriter json;
  json.BeginArray();
  for (const ponor* dive : dives) json.Raw(DiveJson(*dive, context));
  json.EndArray();
  return json.Text();
}

}  // namespace zirdan::cli
