#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "core/ponor.h"
#include "core/ponor_txt.h"

namespace zirdan {

// Percent of oxygen in air.
inline constexpr int kAirOxygenPercent = 21;

// The buddies named in a buddy text: split at commas, spaces around each name dropped,
// empty names left out ("Petr Novák, Eva" gives "Petr Novák" and "Eva").
std::vector<std::string> BuddyNames(const std::string& partner);

// The oxygen percentage of the dive's gas: 21 (air) for the basic profile format, the
// profile header's EAN for the nitrox and oxygen formats, 0 when that is not known (a
// nitrox dive without profile).
int OxygenPercent(const ponorTxt& view);

// What the dives refer to: dive sites (one per distinct locality and site), buddies, gas
// mixes and suits, each listed once, in the order the dives first use them. The document
// lists them before the dives, which link to them by the ids given here.
class UddfCatalogue {
 public:
  // Takes note of what one dive refers to.
  void Add(const ponor& dive, const ponorTxt& view);

  // The ids a dive links to; empty when it refers to nothing of the kind.
  std::string SiteId(const ponor& dive) const;
  std::vector<std::string> BuddyIds(const ponor& dive) const;
  std::string MixId(const ponorTxt& view) const;
  std::string SuitId(uint8_t oblek) const;

  // Locality and site texts, in order; site i has the id SiteIdAt(i).
  const std::vector<std::pair<std::string, std::string>>& Sites() const { return m_sites; }
  const std::vector<std::string>& Buddies() const { return m_buddies; }
  const std::vector<int>& Mixes() const { return m_mixes; }      // oxygen percentages
  const std::vector<uint8_t>& Suits() const { return m_suits; }  // suit codes
  static std::string SiteIdAt(std::size_t i) { return "site_" + std::to_string(i + 1); }
  static std::string BuddyIdAt(std::size_t i) { return "buddy_" + std::to_string(i + 1); }
  static std::string MixIdOf(int oxygenPercent);
  static std::string SuitIdOf(uint8_t oblek) { return "suit_" + std::to_string(oblek); }

  // Whether a suit code is worn as a piece of equipment (1 is "no suit", 0 nothing chosen).
  static bool IsSuit(uint8_t oblek);

 private:
  std::vector<std::pair<std::string, std::string>> m_sites;
  std::map<std::pair<std::string, std::string>, std::size_t> m_siteIndex;
  std::vector<std::string> m_buddies;
  std::map<std::string, std::size_t> m_buddyIndex;
  std::vector<int> m_mixes;
  std::vector<uint8_t> m_suits;
};

}  // namespace zirdan
