#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/ponor.h"

namespace zirdan {

// Percent of oxygen in air.
inline constexpr int kAirOxygenPercent = 21;

// The buddies named in a buddy text: split at commas, spaces around each name dropped,
// empty names left out ("Petr Novák, Eva" gives "Petr Novák" and "Eva"). The names are
// views into the text.
std::vector<std::string_view> BuddyNames(std::string_view partner);

// The oxygen percentage of the dive's gas: 21 (air) in the basic profile format, else the
// EAN the profile header records (as the record-to-view conversion reads it), 0 when that is
// not known (a nitrox dive without profile, or a header value that is no percentage).
int OxygenPercent(const ponor& dive, uint16_t vychoziFormatGrafu);

// What the dives refer to: dive sites (one per distinct locality and site), buddies, gas
// mixes and suits, each listed once, in the order the dives first use them. The document
// lists them before the dives, which link to them by the ids given here. The catalogue
// refers to the texts of the dives it was given, which must stay as they are while it is
// used; it holds no copies, so that a logbook of distinct sites costs little memory.
class UddfCatalogue {
 public:
  explicit UddfCatalogue(uint16_t vychoziFormatGrafu) : m_defaultFormat(vychoziFormatGrafu) {}

  // Takes note of what one dive refers to.
  void Add(const ponor& dive);

  // The ids a dive links to; empty when it refers to nothing of the kind.
  std::string SiteId(const ponor& dive) const;
  std::vector<std::string> BuddyIds(const ponor& dive) const;
  std::string MixId(const ponor& dive) const;
  static std::string SuitId(uint8_t oblek);

  // The dives that first named each site (their locality and site texts), in order; site
  // i has the id SiteIdAt(i).
  const std::vector<const ponor*>& Sites() const { return m_sites; }
  const std::vector<std::string_view>& Buddies() const { return m_buddies; }
  const std::vector<int>& Mixes() const { return m_mixes; }      // oxygen percentages
  const std::vector<uint8_t>& Suits() const { return m_suits; }  // suit codes
  static std::string SiteIdAt(std::size_t i) { return "site_" + std::to_string(i + 1); }
  static std::string BuddyIdAt(std::size_t i) { return "buddy_" + std::to_string(i + 1); }
  static std::string MixIdOf(int oxygenPercent);
  static std::string SuitIdOf(uint8_t oblek) { return "suit_" + std::to_string(oblek); }

  // Whether a suit code is worn as a piece of equipment (1 is "no suit", 0 nothing chosen).
  static bool IsSuit(uint8_t oblek);

 private:
  // Dives count as the same site when their locality and site texts are equal.
  struct SiteHash {
    std::size_t operator()(const ponor* dive) const;
  };
  struct SameSite {
    bool operator()(const ponor* a, const ponor* b) const;
  };

  uint16_t m_defaultFormat;
  std::vector<const ponor*> m_sites;
  std::unordered_map<const ponor*, std::size_t, SiteHash, SameSite> m_siteIndex;
  std::vector<std::string_view> m_buddies;
  std::unordered_map<std::string_view, std::size_t> m_buddyIndex;
  std::vector<int> m_mixes;
  std::vector<uint8_t> m_suits;
};

}  // namespace zirdan
