// The part of a UDDF document before the dives: who wrote it and what the dives link to.
#include <string_view>

#include "interchange/uddf_parts.h"
#include "interchange/uddf_values.h"
#include "interchange/xml_text.h"

namespace zirdan {

namespace {

constexpr std::string_view kProgramName = "Zirdan LOG Editor";
// Bytes gathered before they go out.
constexpr std::size_t kPieceBytes = 64 * 1024;

// Hands what is gathered to the output once it is a piece's worth.
void Spill(std::string& out, const UddfOutput& output) {
  if (out.size() < kPieceBytes) return;
  output(out);
  out.clear();
}

// UDDF's kinds of suit for the suit table's entries 2 (shorty) to 6 (dry suit); the
// semi-dry suit is a wet suit that lets little water in.
std::string_view SuitKind(uint8_t oblek) {
  return oblek == 6 ? "dry-suit" : "wet-suit";
}

// A person's name split for UDDF: the first word is the first name, the rest the last name.
void AppendPersonal(std::string& out, std::string_view name) {
  const std::size_t space = name.find(' ');
  out += "<personal>";
  AppendXmlElement(out, "firstname", name.substr(0, space));
  AppendXmlElement(out, "lastname",
                   space == std::string_view::npos ? std::string_view() : name.substr(space + 1));
  out += "</personal>";
}

void AppendGenerator(std::string& out) {
  out += "<generator>";
  AppendXmlElement(out, "name", kProgramName);
  out += "<type>logbook</type>";
  AppendXmlElement(out, "version", ZIRDAN_VERSION);
  out += "</generator>\n";
}

// A logbook stores no names: the owner is present because UDDF wants one, with empty
// names for the reading program to fill in. The suits worn are the owner's equipment.
void AppendDivers(std::string& out, const UddfOutput& output, const UddfCatalogue& catalogue,
                  const TCategoryTables& tables) {
  out += "<diver>\n<owner id=\"owner\">";
  AppendPersonal(out, {});
  if (!catalogue.Suits().empty()) {
    out += "<equipment>";
    for (const uint8_t suit : catalogue.Suits()) {
      out += "<suit id=\"" + UddfCatalogue::SuitIdOf(suit) + "\">";
      AppendXmlElement(out, "name", CategoryName(tables.Oblek, suit));
      out += "<suittype>";
      out += SuitKind(suit);
      out += "</suittype></suit>";
    }
    out += "</equipment>";
  }
  out += "</owner>\n";
  const auto& buddies = catalogue.Buddies();
  for (std::size_t i = 0; i < buddies.size(); ++i) {
    out += "<buddy id=\"" + UddfCatalogue::BuddyIdAt(i) + "\">";
    AppendPersonal(out, buddies[i]);
    out += "</buddy>\n";
    Spill(out, output);
  }
  out += "</diver>\n";
}

// A site is named by its site text, or by its locality when it has no site text; the
// locality is its geography's location.
void AppendSites(std::string& out, const UddfOutput& output, const UddfCatalogue& catalogue) {
  const auto& sites = catalogue.Sites();
  if (sites.empty()) return;
  out += "<divesite>\n";
  for (std::size_t i = 0; i < sites.size(); ++i) {
    const std::string& lokalita = sites[i]->Lokalita;
    const std::string& misto = sites[i]->Misto;
    out += "<site id=\"" + UddfCatalogue::SiteIdAt(i) + "\">";
    AppendXmlElement(out, "name", misto.empty() ? lokalita : misto);
    if (!lokalita.empty()) {
      out += "<geography>";
      AppendXmlElement(out, "location", lokalita);
      out += "</geography>";
    }
    out += "</site>\n";
    Spill(out, output);
  }
  out += "</divesite>\n";
}

// Air, nitrox of a known oxygen fraction ("EAN32"), or nitrox of an unknown one, named
// as the dive type that marks nitrox dives.
void AppendMixes(std::string& out, const UddfCatalogue& catalogue, const UddfTexts& texts,
                 const TCategoryTables& tables) {
  out += "<gasdefinitions>\n";
  for (const int oxygen : catalogue.Mixes()) {
    out += "<mix id=\"" + UddfCatalogue::MixIdOf(oxygen) + "\">";
    if (oxygen == 0) {
      AppendXmlElement(out, "name", tables.TypPonoru[8]);
    } else {
      AppendXmlElement(out, "name",
                       oxygen == kAirOxygenPercent ? texts.Messages.Text(kUddfAirKey)
                                                   : "EAN" + std::to_string(oxygen));
      out += "<o2>" + ScaledDecimal(oxygen, 2) + "</o2>";
      out += "<n2>" + ScaledDecimal(100 - oxygen, 2) + "</n2>";
    }
    out += "</mix>\n";
  }
  out += "</gasdefinitions>\n";
}

}  // namespace

void WriteUddfHead(const UddfOutput& output, const UddfCatalogue& catalogue, const UddfTexts& texts,
                   const TCategoryTables& tables) {
  std::string out =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<uddf xmlns=\"http://www.streit.cc/uddf/3.2/\" version=\"3.2.3\">\n";
  AppendGenerator(out);
  AppendDivers(out, output, catalogue, tables);
  AppendSites(out, output, catalogue);
  if (!catalogue.Mixes().empty()) AppendMixes(out, catalogue, texts, tables);
  output(out);
}

}  // namespace zirdan
