#include "interchange/uddf_catalogue.h"

#include <algorithm>
#include <charconv>

#include "core/record_layout.h"

namespace zirdan {

namespace {

constexpr uint8_t kFirstSuitCode = 2;  // 1 is "no suit"
constexpr uint8_t kLastSuitCode = 6;

bool HasSite(const ponor& dive) {
  return !dive.Lokalita.empty() || !dive.Misto.empty();
}

template <typename T>
void AddOnce(std::vector<T>& list, const T& value) {
  if (std::find(list.begin(), list.end(), value) == list.end()) list.push_back(value);
}

}  // namespace

std::vector<std::string> BuddyNames(const std::string& partner) {
  std::vector<std::string> names;
  std::size_t start = 0;
  while (start <= partner.size()) {
    std::size_t end = partner.find(',', start);
    if (end == std::string::npos) end = partner.size();
    std::size_t first = partner.find_first_not_of(' ', start);
    if (first != std::string::npos && first < end) {
      const std::size_t last = partner.find_last_not_of(' ', end - 1);
      names.push_back(partner.substr(first, last - first + 1));
    }
    start = end + 1;
  }
  return names;
}

int OxygenPercent(const ponorTxt& view) {
  if (view.FormatGrafu == kFormatBasic) return kAirOxygenPercent;
  int percent = 0;
  const char* end = view.EAN.data() + view.EAN.size();
  const auto [stop, error] = std::from_chars(view.EAN.data(), end, percent);
  const bool whole = error == std::errc() && stop == end;
  return whole && percent >= 1 && percent <= 100 ? percent : 0;
}

void UddfCatalogue::Add(const ponor& dive, const ponorTxt& view) {
  if (HasSite(dive)) {
    const auto key = std::make_pair(dive.Lokalita, dive.Misto);
    if (m_siteIndex.emplace(key, m_sites.size()).second) m_sites.push_back(key);
  }
  for (std::string& name : BuddyNames(dive.Partner))
    if (m_buddyIndex.emplace(name, m_buddies.size()).second) m_buddies.push_back(std::move(name));
  AddOnce(m_mixes, OxygenPercent(view));
  if (IsSuit(dive.Oblek)) AddOnce(m_suits, dive.Oblek);
}

std::string UddfCatalogue::SiteId(const ponor& dive) const {
  if (!HasSite(dive)) return {};
  const auto found = m_siteIndex.find(std::make_pair(dive.Lokalita, dive.Misto));
  return found == m_siteIndex.end() ? std::string() : SiteIdAt(found->second);
}

std::vector<std::string> UddfCatalogue::BuddyIds(const ponor& dive) const {
  std::vector<std::string> ids;
  for (const std::string& name : BuddyNames(dive.Partner)) {
    const auto found = m_buddyIndex.find(name);
    if (found != m_buddyIndex.end()) AddOnce(ids, BuddyIdAt(found->second));
  }
  return ids;
}

std::string UddfCatalogue::MixId(const ponorTxt& view) const {
  return MixIdOf(OxygenPercent(view));
}

std::string UddfCatalogue::SuitId(uint8_t oblek) const {
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
