#include "interchange/uddf_catalogue.h"

#include <algorithm>
#include <functional>

#include "core/profile.h"
#include "core/record_layout.h"

namespace zirdan {

namespace {

constexpr uint8_t kFirstSuitCode = 2;  // 1 is "no suit"
constexpr uint8_t kLastSuitCode = 6;
constexpr std::size_t kGasByte = 23;  // of the nitrox and oxygen headers

bool HasSite(const ponor& dive) {
  return !dive.Lokalita.empty() || !dive.Misto.empty();
}

template <typename T>
void AddOnce(std::vector<T>& list, const T& value) {
  if (std::find(list.begin(), list.end(), value) == list.end()) list.push_back(value);
}

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::vector<std::string_view> BuddyNames(std::string_view partner) {
  std::vector<std::string_view> names;
  while (!partner.empty()) {
    const std::size_t comma = partner.find(',');
    if (const std::string_view name = Trimmed(partner.substr(0, comma)); !name.empty())
      names.push_back(name);
    partner = comma == std::string_view::npos ? std::string_view() : partner.substr(comma + 1);
  }
  return names;
}

int OxygenPercent(const ponor& dive, uint16_t vychoziFormatGrafu) {
  const uint16_t format = ProfileFormat(dive.TypPonoru, vychoziFormatGrafu);
  if (format == kFormatBasic) return kAirOxygenPercent;
  if (dive.GrafPocet == 0) return 0;
  const unsigned gas = dive.Graf[kGasByte];
  if (format == kFormatNitrox) {
    const unsigned ean = 20 + 2 * (gas & 0x0Fu);
    return ean == 20 ? kAirOxygenPercent : static_cast<int>(ean);
  }
  return gas >= 1 && gas <= 100 ? static_cast<int>(gas) : 0;
}

std::size_t UddfCatalogue::SiteHash::operator()(const ponor* dive) const {
  const std::hash<std::string_view> hash;
  return hash(dive->Lokalita) * 31 + hash(dive->Misto);
}

bool UddfCatalogue::SameSite::operator()(const ponor* a, const ponor* b) const {
  return a->Lokalita == b->Lokalita && a->Misto == b->Misto;
}

void UddfCatalogue::Add(const ponor& dive) {
  if (HasSite(dive) && m_siteIndex.emplace(&dive, m_sites.size()).second) m_sites.push_back(&dive);
  for (const std::string_view name : BuddyNames(dive.Partner))
    if (m_buddyIndex.emplace(name, m_buddies.size()).second) m_buddies.push_back(name);
  AddOnce(m_mixes, OxygenPercent(dive, m_defaultFormat));
  if (IsSuit(dive.Oblek)) AddOnce(m_suits, dive.Oblek);
}

std::string UddfCatalogue::SiteId(const ponor& dive) const {
  if (!HasSite(dive)) return {};
  const auto found = m_siteIndex.find(&dive);
  return found == m_siteIndex.end() ? std::string() : SiteIdAt(found->second);
}

std::vector<std::string> UddfCatalogue::BuddyIds(const ponor& dive) const {
  std::vector<std::string> ids;
  for (const std::string_view name : BuddyNames(dive.Partner)) {
    const auto found = m_buddyIndex.find(name);
    if (found != m_buddyIndex.end()) AddOnce(ids, BuddyIdAt(found->second));
  }
  return ids;
}

std::string UddfCatalogue::MixId(const ponor& dive) const {
  return MixIdOf(OxygenPercent(dive, m_defaultFormat));
}

std::string UddfCatalogue::SuitId(uint8_t oblek) {
  return IsSuit(oblek) ? SuitIdOf(oblek) : std::string();
}

std::string UddfCatalogue::MixIdOf(int oxygenPercent) {
  if (oxygenPercent == kAirOxygenPercent) return "mix_air";
  if (oxygenPercent == 0) return "mix_nitrox";
  return "mix_ean" + std::to_string(oxygenPercent);
}

bool UddfCatalogue::IsSuit(uint8_t oblek) {
  return oblek >= kFirstSuitCode && oblek <= kLastSuitCode;
}

}  // namespace zirdan
