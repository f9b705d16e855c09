#include "core/field_codec.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <limits>

#include "core/profile.h"

namespace zirdan {
namespace {

// ---- numbers in text ------------------------------------------------------------------

// Writes n with at least two digits; returns the end of what was written (buffer >= 5).
char* PutTwoDigit(char* out, unsigned n) {
  if (n < 10) *out++ = '0';
  return std::to_chars(out, out + 5, n).ptr;
}

// Writes HH:MM for a minute count (buffer >= 8); the empty value writes nothing.
char* PutMinutes(char* out, uint16_t minutes) {
  if (minutes == kEmptyValue) return out;
  out = PutTwoDigit(out, minutes / 60u);
  *out++ = ':';
  return PutTwoDigit(out, minutes % 60u);
}

// Writes a hundredths value with two decimals and a point (buffer >= 8); the empty value
// writes nothing. Integer arithmetic, so no value is ever off by a rounding step.
char* PutHundredths(char* out, int16_t value) {
  if (value == kEmptyValue) return out;
  int magnitude = value;
  if (magnitude < 0) {
    *out++ = '-';
    magnitude = -magnitude;
  }
  out = std::to_chars(out, out + 6, magnitude / 100).ptr;
  *out++ = '.';
  *out++ = static_cast<char>('0' + magnitude / 10 % 10);
  *out++ = static_cast<char>('0' + magnitude % 10);
  return out;
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Whether the text is three to five hour digits, a colon, two minute digits and nothing
// else (the form of 100 hours and more).
bool IsLongHours(std::string_view text) {
  const std::size_t colon = text.find(':');
  if (colon < 3 || colon > 5 || text.size() != colon + 3) return false;
  return std::all_of(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(colon), IsDigit) &&
         IsDigit(text[colon + 1]) && IsDigit(text[colon + 2]);
}

// Reads a whole text as a decimal integer: leading blanks, an optional sign, then digits
// only. Values beyond the range of `int64_t` are refused.
bool ReadInteger(std::string_view text, int64_t& value) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i == text.size()) return false;
  uint64_t magnitude = 0;
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data() + i, end, magnitude);
  if (ec != std::errc() || ptr != end ||
      magnitude > static_cast<uint64_t>(std::numeric_limits<int64_t>::max())) {
    return false;
  }
  value = negative ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude);
  return true;
}

// Characters `first` .. `first + count - 1` of the text, counted from 1; whatever of them
// exists.
std::string_view Chars(std::string_view text, std::size_t first, std::size_t count) {
  if (first > text.size()) return {};
  return text.substr(first - 1, count);
}

// ---- calendar -------------------------------------------------------------------------

// Days from 1 March of year 0 in the proleptic Gregorian calendar.
constexpr int64_t DaysFromYearZero(int64_t year, unsigned month, unsigned day) {
  year -= month <= 2 ? 1 : 0;
  const int64_t era = (year >= 0 ? year : year - 399) / 400;
  const auto yearOfEra = static_cast<unsigned>(year - era * 400);
  const unsigned dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
  const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + static_cast<int64_t>(dayOfEra);
}

constexpr int64_t kDayZero = DaysFromYearZero(1600, 1, 1);

// The day number (days since 1 January 1600) of a Gregorian date.
constexpr int64_t DayNumber(int64_t year, unsigned month, unsigned day) {
  return DaysFromYearZero(year, month, day) - kDayZero;
}
static_assert(DayNumber(1980, 1, 1) == kDay1980);
static_assert(DayNumber(2067, 12, 31) == 170933);

struct CivilDate {
  int64_t year;
  unsigned month;
  unsigned day;
};

// The Gregorian date of a day number at or after 1 January 1600.
CivilDate DateOfDay(int64_t dayNumber) {
  const int64_t z = dayNumber + kDayZero;
  const int64_t era = z / 146097;
  const auto dayOfEra = static_cast<unsigned>(z - era * 146097);
  const unsigned yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const unsigned mp = (5 * dayOfYear + 2) / 153;
  const unsigned day = dayOfYear - (153 * mp + 2) / 5 + 1;
  const unsigned month = mp < 10 ? mp + 3 : mp - 9;
  return {static_cast<int64_t>(yearOfEra) + era * 400 + (month <= 2 ? 1 : 0), month, day};
}

unsigned DaysInMonth(int64_t year, unsigned month) {
  static constexpr unsigned kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

// The date text of a day number, written into `out` (its storage is reused).
void AssignDate(std::string& out, int32_t dayNumber, const std::array<std::string, 7>& weekdays) {
  // Days before 1 January 1980 show as that day.
  const int64_t day = std::max<int64_t>(dayNumber, kDay1980);
  const CivilDate date = DateOfDay(day);
  char buffer[32];
  char* end = PutTwoDigit(buffer, date.day);
  *end++ = '.';
  end = PutTwoDigit(end, date.month);
  *end++ = '.';
  end = std::to_chars(end, buffer + sizeof buffer - 1, date.year).ptr;  // room for the space
  *end++ = ' ';
  out.assign(buffer, end);
  // 1 January 1980 was a Tuesday; weekday 0 is Monday.
  out += weekdays[static_cast<std::size_t>((day - kDay1980 + 1) % 7)];
}

// ---- bit sets -------------------------------------------------------------------------

// The joined names and the flags of a bit set. With `skipUnnamed`, a set bit whose name is
// empty is left out of both.
void AssignBitSet(uint16_t bits, const std::array<std::string, 16>& names, bool skipUnnamed,
                  std::string& text, std::array<bool, 16>& flags) {
  text.clear();
  for (unsigned i = 0; i < 16; ++i) {
    flags[i] = false;
    if ((bits >> i & 1u) == 0 || (skipUnnamed && names[i].empty())) continue;
    if (!text.empty()) text += ", ";
    text += names[i];
    flags[i] = true;
  }
}

uint16_t BitsOf(const std::array<bool, 16>& flags) {
  uint16_t bits = 0;
  for (unsigned i = 0; i < 16; ++i) {
    if (flags[i]) bits = static_cast<uint16_t>(bits | 1u << i);
  }
  return bits;
}

void AssignCut(std::string& out, const std::string& text, std::size_t limit) {
  out.assign(text, 0, limit);
}

void AssignMinutes(std::string& out, uint16_t minutes) {
  char buffer[8];
  out.assign(buffer, PutMinutes(buffer, minutes));
}

void AssignHundredths(std::string& out, int16_t value) {
  char buffer[8];
  out.assign(buffer, PutHundredths(buffer, value));
}

// Resets the profile part of the view to "no profile".
void ResetProfile(ponorTxt& view) {
  view.Hloubky.fill(0);
  view.ZnakyVzorku.fill(SampleMarks{});
  view.MaxPO2.clear();
  view.EAN.clear();
  view.PocetVzorku = 0;
  view.DelkaGrafu.assign("00:00");
}

}  // namespace

// ---- text helpers ---------------------------------------------------------------------

std::string TwoDigit(uint16_t n) {
  char buffer[5];
  return std::string(buffer, PutTwoDigit(buffer, n));
}

std::string DateToText(int32_t day, const std::array<std::string, 7>& weekdays) {
  std::string text;
  AssignDate(text, day, weekdays);
  return text;
}

int32_t TextToDate(std::string_view text) {
  // DD.MM.YYYY: a part that is not a number, or lacks its following point, takes its
  // fallback; whatever follows the year (the weekday) is ignored.
  int64_t day = 1;
  int64_t month = 1;
  int64_t year = 1980;
  if (!ReadInteger(Chars(text, 1, 2), day) || Chars(text, 3, 1) != ".") day = 1;
  if (!ReadInteger(Chars(text, 4, 2), month) || Chars(text, 6, 1) != ".") month = 1;
  if (!ReadInteger(Chars(text, 7, 4), year)) year = 1980;
  if (year < 1980 || year > 2067) year = 1980;
  if (month < 1 || month > 12) month = 1;
  const auto m = static_cast<unsigned>(month);
  if (day < 1 || day > DaysInMonth(year, m)) day = 1;
  return static_cast<int32_t>(DayNumber(year, m, static_cast<unsigned>(day)));
}

std::string MinutesToText(uint16_t minutes) {
  char buffer[8];
  return std::string(buffer, PutMinutes(buffer, minutes));
}

uint16_t TextToMinutes(std::string_view text) {
  if (text.empty()) return kEmptyValue;
  int64_t hours = 0;
  int64_t minutes = 0;
  // Times of 100 hours or more are written with three or four hour digits ("100:00"); read
  // back by the two-character rule they would lose a digit each time a dive is stored.
  if (IsLongHours(text)) {
    const std::size_t colon = text.size() - 3;
    ReadInteger(text.substr(0, colon), hours);
    ReadInteger(text.substr(colon + 1), minutes);
    return static_cast<uint16_t>(hours * 60 + minutes);
  }
  if (!ReadInteger(Chars(text, 1, 2), hours)) hours = 0;
  if (!ReadInteger(Chars(text, 4, 2), minutes)) minutes = 0;
  // No range check: the sum is kept as a 16-bit value.
  return static_cast<uint16_t>(hours * 60 + minutes);
}

std::string HundredthsToText(int16_t value) {
  char buffer[8];
  return std::string(buffer, PutHundredths(buffer, value));
}

int16_t TextToHundredths(std::string_view text) {
  // Accepted: leading blanks, an optional sign, digits with at most one point, at least one
  // digit. The value is rounded exactly on the decimal digits (halves to even), so "1.005"
  // gives 100 and "1.015" gives 102, as the digits say.
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';

  int64_t hundredths = 0;  // |x| × 100, cut; capped once far beyond the 16-bit range
  int digitsAfterPoint = -1;
  int roundDigit = -1;         // the third decimal
  bool nonZeroBeyond = false;  // any nonzero decimal after the third
  bool anyDigit = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '.') {
      if (digitsAfterPoint >= 0) return kEmptyValue;
      digitsAfterPoint = 0;
      continue;
    }
    if (c < '0' || c > '9') return kEmptyValue;
    anyDigit = true;
    const int digit = c - '0';
    if (digitsAfterPoint < 0) {
      hundredths = std::min<int64_t>(hundredths * 10 + digit * 100, int64_t{1} << 40);
    } else {
      ++digitsAfterPoint;
      if (digitsAfterPoint == 1)
        hundredths += digit * 10;
      else if (digitsAfterPoint == 2)
        hundredths += digit;
      else if (digitsAfterPoint == 3)
        roundDigit = digit;
      else
        nonZeroBeyond = nonZeroBeyond || digit != 0;
    }
  }
  if (!anyDigit) return kEmptyValue;
  if (roundDigit > 5 || (roundDigit == 5 && (nonZeroBeyond || hundredths % 2 != 0))) {
    ++hundredths;
  }
  const int64_t value = negative ? -hundredths : hundredths;
  // A value that does not fit (or equals the empty value itself) is unreadable.
  if (value < std::numeric_limits<int16_t>::min() || value > kEmptyValue) return kEmptyValue;
  return static_cast<int16_t>(value);
}

// ---- the two conversions ----------------------------------------------------------------

void RecordToView(const ponor& dive, ponorTxt& view, const CodecContext& context) {
  const TCategoryTables& tables = context.Tables;
  view.Znacka = kRecordTag;
  AssignDate(view.Datum, dive.Datum, tables.DnyTydne);
  if (view.Datum.size() > kDateTextWidth) view.Datum.resize(kDateTextWidth);
  AssignMinutes(view.Cas, dive.Cas);
  AssignCut(view.Lokalita, dive.Lokalita, kPlaceTextWidth);
  AssignCut(view.Misto, dive.Misto, kPlaceTextWidth);

  // A code outside its table shows no name; the code itself is kept for the way back.
  view.NadmorskaVyska = CategoryName(tables.NadmorskaVyska, dive.NadmorskaVyska);
  view.NadmorskaVyskaKod = dive.NadmorskaVyska;
  AssignMinutes(view.PovrchovyInterval, static_cast<uint16_t>(dive.PovrchovyInterval));
  view.Pocasi = CategoryName(tables.Pocasi, dive.Pocasi);
  view.PocasiKod = dive.Pocasi;
  AssignHundredths(view.TeplotaVzduchu, dive.TeplotaVzduchu);
  view.Oblek = CategoryName(tables.Oblek, dive.Oblek);
  view.OblekKod = dive.Oblek;
  AssignHundredths(view.Lahev, dive.Lahev);
  AssignHundredths(view.Hloubka, dive.Hloubka);
  AssignMinutes(view.DelkaPonoru, static_cast<uint16_t>(dive.DelkaPonoru));
  AssignHundredths(view.TeplotaVody, dive.TeplotaVody);
  AssignHundredths(view.SpotrebaVzduchu, dive.SpotrebaVzduchu);

  AssignBitSet(dive.TypPonoru, tables.TypPonoru, false, view.TypPonoru, view.TypPonoruPriznaky);
  view.FormatGrafu = ProfileFormat(dive.TypPonoru, context.VychoziFormatGrafu);
  AssignBitSet(dive.TypAktivity, tables.TypAktivity, false, view.TypAktivity,
               view.TypAktivityPriznaky);
  AssignCut(view.Jiny, dive.Jiny, kPlaceTextWidth);
  AssignCut(view.Partner, dive.Partner, kPartnerTextWidth);
  AssignCut(view.Poznamka, dive.Poznamka, kNoteTextWidth);
  // Errors without a name get neither text nor flag, so they are dropped on the way back.
  AssignBitSet(dive.Chyby, tables.Chyby, true, view.Chyby, view.ChybyPriznaky);

  char number[8];
  view.Cislo.assign(number, std::to_chars(number, number + sizeof number, dive.Cislo).ptr);
  view.Rezerva = dive.Rezerva;
  view.GrafPocet = dive.GrafPocet;
  std::memcpy(view.Graf.data(), dive.Graf.data(), kViewGrafSize);

  ResetProfile(view);
  if (dive.GrafPocet != 0) DecodeProfile(dive, view.FormatGrafu, context.DecimalSeparator, view);
}

void ViewToRecord(const ponorTxt& view, ponor& dive) {
  dive.Znacka = kRecordTag;
  dive.Datum = TextToDate(view.Datum);
  dive.Cas = TextToMinutes(view.Cas);
  AssignCut(dive.Lokalita, view.Lokalita, kPlaceTextWidth);
  AssignCut(dive.Misto, view.Misto, kPlaceTextWidth);

  dive.NadmorskaVyska = view.NadmorskaVyskaKod;
  dive.PovrchovyInterval = static_cast<int16_t>(TextToMinutes(view.PovrchovyInterval));
  dive.Pocasi = view.PocasiKod;
  dive.TeplotaVzduchu = TextToHundredths(view.TeplotaVzduchu);
  dive.Oblek = view.OblekKod;
  dive.Lahev = TextToHundredths(view.Lahev);
  dive.Hloubka = TextToHundredths(view.Hloubka);
  dive.DelkaPonoru = static_cast<int16_t>(TextToMinutes(view.DelkaPonoru));
  dive.TeplotaVody = TextToHundredths(view.TeplotaVody);
  dive.SpotrebaVzduchu = TextToHundredths(view.SpotrebaVzduchu);

  dive.TypPonoru = BitsOf(view.TypPonoruPriznaky);
  dive.TypAktivity = BitsOf(view.TypAktivityPriznaky);
  AssignCut(dive.Jiny, view.Jiny, kPlaceTextWidth);
  AssignCut(dive.Partner, view.Partner, kPartnerTextWidth);
  AssignCut(dive.Poznamka, view.Poznamka, kNoteTextWidth);
  dive.Chyby = BitsOf(view.ChybyPriznaky);

  // The dive number is the key the dive list finds the dive by: a text that is not a
  // 16-bit number keeps the record's number rather than inventing one that may be taken.
  int64_t number = 0;
  if (ReadInteger(view.Cislo, number) && number >= 0 &&
      number <= std::numeric_limits<uint16_t>::max()) {
    dive.Cislo = static_cast<uint16_t>(number);
  }
  dive.Rezerva = view.Rezerva;
  dive.GrafPocet = view.GrafPocet;
  std::memcpy(dive.Graf.data(), view.Graf.data(), kViewGrafSize);
}

}  // namespace zirdan
