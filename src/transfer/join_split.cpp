#include "transfer/join_split.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <span>

#include "core/ponor_txt.h"
#include "core/profile.h"

namespace zirdan {

namespace {

// The join's gap counts the bytes of a basic-format minute in every format.
constexpr int kJoinGapBytesPerMinute = static_cast<int>(ProfileBytesPerMinute(kFormatBasic));

// The deepest sample of the dive's profile in centimetres; nullopt when it has no sample.
std::optional<int16_t> DeepestSample(const ponor& dive, uint16_t vychoziFormatGrafu) {
  if (dive.GrafPocet == 0) return std::nullopt;
  auto view = std::make_unique<ponorTxt>();
  DecodeProfile(dive, ProfileFormat(dive.TypPonoru, vychoziFormatGrafu), '.', *view);
  if (view->PocetVzorku == 0) return std::nullopt;
  const auto samples = std::span(view->Hloubky).first(view->PocetVzorku);
  const int32_t deepest = std::max(0, *std::max_element(samples.begin(), samples.end()));
  return static_cast<int16_t>(std::min<int32_t>(deepest, INT16_MAX));
}

int BytesPerMinute(uint16_t format) {
  return static_cast<int>(ProfileBytesPerMinute(format));
}

// The profile being joined. Writes may run a few bytes past the end the join settles on
// (a sample or a filler is always written whole), so the buffer has room beyond Graf and
// every access is bounds-checked.
class JoinBuffer {
 public:
  explicit JoinBuffer(const ponor& dive) {
    std::copy(dive.Graf.begin(), dive.Graf.end(), m_bytes.begin());
  }
  uint8_t Get(int i) const { return i >= 0 && i < kSize ? m_bytes[i] : 0; }
  void Put(int i, uint8_t b) {
    if (i >= 0 && i < kSize) m_bytes[i] = b;
  }
  void CopyTo(ponor& dive) const { std::copy_n(m_bytes.begin(), kGrafSize, dive.Graf.begin()); }

 private:
  static constexpr int kSize = static_cast<int>(kGrafSize) + 8;
  std::array<uint8_t, kSize> m_bytes{};
};

// Clears the bytes past the profile's end, so that a dive in memory holds what it holds
// after a save and a load (the file keeps only GrafPocet bytes).
void ClearPastEnd(ponor& dive) {
  std::fill(dive.Graf.begin() + std::min<std::size_t>(dive.GrafPocet, kGrafSize), dive.Graf.end(),
            uint8_t{0});
}

// Reads a byte of a profile; 0 past its end.
uint8_t ProfileByte(const ponor& dive, int i) {
  return i >= 0 && i < static_cast<int>(kGrafSize) ? dive.Graf[i] : 0;
}

}  // namespace

JoinSplitResult JoinWithNext(TLogbook& logbook, pam& current, int minutesBetween) {
  JoinSplitResult result;
  const pam& next = *current.Dalsi;
  if (&current == logbook.Posledni() || next.GrafPocet == 0) {
    result.Status = OpResult::FailureKey("StrPripojitChyba1");
    return result;
  }
  if (current.GrafPocet + next.GrafPocet > kMaxJoinedProfiles) {
    result.Status = OpResult::FailureKey("StrPripojitChyba2");
    return result;
  }
  const int m = std::clamp(minutesBetween, 0, kMaxMinutesBetweenGraphs);
  const int h = ProfileFormat(current.TypPonoru, logbook.VychoziFormatGrafu);
  const bool oxygen = h == kFormatOxygen;
  JoinBuffer out(current);

  // j: where the next byte goes; g: samples in the current output group; filler: the value of
  // the current profile's last second filler byte (format 25), copied into the gap's groups.
  int j = h;
  int g = 0;
  uint8_t filler = 0;
  int currentLength = current.GrafPocet;
  if (current.GrafPocet != 0) {
    while (j < current.GrafPocet) {
      j += 2;
      if (++g < 3) continue;
      g = 0;
      if (oxygen) {
        filler = out.Get(j + 1);
        j += 2;
      } else {
        j += 1;
      }
    }
  } else {
    for (int i = 0; i < h; ++i) out.Put(i, 0);
    currentLength = h;
  }

  // The filler after a full output group; in format 25 its second byte is remembered as the
  // slot that the next dive's own second filler byte goes to.
  int secondFillerSlot = -1;
  auto closeGroup = [&](uint8_t secondFiller) {
    if (++g < 3) return;
    g = 0;
    out.Put(j++, 0);
    if (oxygen) {
      secondFillerSlot = j;
      out.Put(j++, secondFiller);
    }
  };

  int end = currentLength + kJoinGapBytesPerMinute * m;
  while (j < end) {  // surface samples
    out.Put(j++, 0);
    out.Put(j++, 0);
    closeGroup(filler);
  }

  // The next dive's samples. Its groups are counted apart from the output's, so a current
  // profile that ended inside a group shifts the grouping of the appended part.
  end += std::max(0, next.GrafPocet - h);
  int k = h;
  int i = 0;
  while (j < end) {
    out.Put(j++, ProfileByte(next, k));
    out.Put(j++, ProfileByte(next, k + 1));
    k += 2;
    closeGroup(0);
    if (++i < 3) continue;
    i = 0;
    if (oxygen) {
      if (secondFillerSlot >= 0) out.Put(secondFillerSlot, ProfileByte(next, k + 1));
      k += 2;
    } else {
      k += 1;
    }
  }
  if (end > static_cast<int>(kGrafSize)) {
    result.Status = OpResult::FailureKey("StrPripojitChyba2");
    return result;
  }

  out.CopyTo(current);
  current.GrafPocet = static_cast<uint16_t>(end);
  ClearPastEnd(current);
  current.Chyby |= next.Chyby;
  current.TypPonoru |= next.TypPonoru;
  current.TypAktivity |= next.TypAktivity;
  // The colder water wins; an empty temperature never does.
  if (next.TeplotaVody != kEmptyValue &&
      (current.TeplotaVody == kEmptyValue || next.TeplotaVody < current.TeplotaVody))
    current.TeplotaVody = next.TeplotaVody;
  current.Hloubka = DeepestSample(current, logbook.VychoziFormatGrafu).value_or(0);
  logbook.Zmeneno = true;
  result.Changed = true;
  result.Dive = &current;
  return result;
}

std::optional<int> LastSplitMinute(const ponor& dive) {
  if (dive.DelkaPonoru == kEmptyValue || dive.DelkaPonoru < 3) return std::nullopt;
  return dive.DelkaPonoru - 1;
}

JoinSplitResult SplitDive(TLogbook& logbook, pam& current, int minute, int minutesBetween) {
  JoinSplitResult result;
  const std::optional<int> last = LastSplitMinute(current);
  if (!last || minute < 2 || minute > *last) return result;
  const int m = std::clamp(minutesBetween, 0, kMaxMinutesBetweenGraphs);
  const int h = ProfileFormat(current.TypPonoru, logbook.VychoziFormatGrafu);
  const int perMinute = BytesPerMinute(static_cast<uint16_t>(h));
  const bool hasProfile = DeepestSample(current, logbook.VychoziFormatGrafu).has_value();

  const int firstLength = h + perMinute * minute;
  if (hasProfile && firstLength >= current.GrafPocet) {
    result.Status = OpResult::FailureKey("StrChRozdelitPonor");
    return result;
  }
  pam* second = logbook.InsertAfter(&current, current);
  if (!second) return result;  // the logbook holds 65535 dives already

  // First part: the first `minute` minutes.
  if (hasProfile) {
    current.GrafPocet = static_cast<uint16_t>(firstLength);
    ClearPastEnd(current);
  }
  current.DelkaPonoru = static_cast<int16_t>(minute);
  if (auto deepest = DeepestSample(current, logbook.VychoziFormatGrafu)) current.Hloubka = *deepest;

  // Second part: what follows the pause, its samples moved down behind the header.
  if (hasProfile) {
    const int cut = (minute + m) * perMinute;
    const int n = std::min<int>(second->GrafPocet, kGrafSize);
    if (h + cut < n) {
      std::copy(second->Graf.begin() + h + cut, second->Graf.begin() + n, second->Graf.begin() + h);
      second->GrafPocet = static_cast<uint16_t>(n - cut);
    } else {
      second->GrafPocet = 0;
    }
    ClearPastEnd(*second);
  }
  // A dive time shorter than the minute and the pause leaves nothing, never a negative time.
  second->DelkaPonoru = static_cast<int16_t>(std::max(0, second->DelkaPonoru - minute - m));
  if (second->Cas != kEmptyValue) {
    int cas = second->Cas + minute + m;
    if (cas > 1440) {
      cas -= 1440;
      if (second->Datum != kEmptyValue) ++second->Datum;
    }
    second->Cas = static_cast<uint16_t>(cas);
  }
  second->PovrchovyInterval = static_cast<int16_t>(m);
  if (auto deepest = DeepestSample(*second, logbook.VychoziFormatGrafu)) second->Hloubka = *deepest;

  logbook.Renumber();
  logbook.Zmeneno = true;
  result.Changed = true;
  result.Dive = second;
  return result;
}

}  // namespace zirdan
