#include "core/encoding.h"

#include <cstddef>
#include <initializer_list>
#include <string_view>
#include <utility>

#include "core/dos_code_pages.h"

namespace zirdan {
namespace {

using Table = std::array<uint8_t, 256>;

constexpr std::array<Encoding, 4> kEncodings = {Encoding::Ascii, Encoding::Kamenicky,
                                                Encoding::Latin2, Encoding::Windows1250};

// Position of an encoding in kEncodings, or -1 for a code that names none.
int IndexOf(Encoding encoding) {
  for (std::size_t i = 0; i < kEncodings.size(); ++i)
    if (kEncodings[i] == encoding) return static_cast<int>(i);
  return -1;
}

// Sets of encodings, one bit per code.
using EncodingSet = unsigned;
constexpr EncodingSet SetOf(Encoding e) {
  return 1u << static_cast<int>(e);
}
constexpr EncodingSet kAscii = SetOf(Encoding::Ascii);
constexpr EncodingSet kKamenicky = SetOf(Encoding::Kamenicky);
constexpr EncodingSet kLatin2 = SetOf(Encoding::Latin2);
constexpr EncodingSet kWindows = SetOf(Encoding::Windows1250);
constexpr EncodingSet kDos = kKamenicky | kLatin2;
constexpr EncodingSet kAll = kAscii | kDos | kWindows;

// The accented letters of the four encodings, by the letter they keep when their
// diacritic is dropped. The stroke of ł and đ counts as a diacritic.
struct PlainLetter {
  char plain;
  std::u16string_view accented;
};
constexpr PlainLetter kPlainLetters[] = {
    {'A', u"ÀÁÂÄÅĂĄ"}, {'a', u"àáâäåăą"}, {'C', u"ÇĆČ"},    {'c', u"çćč"},    {'D', u"ĎĐ"},
    {'d', u"ďđ"},      {'E', u"ÈÉÊËĘĚ"},  {'e', u"èéêëęě"}, {'I', u"ÌÍÎÏ"},   {'i', u"ìíîï"},
    {'L', u"ĹĽŁ"},     {'l', u"ĺľł"},     {'N', u"ÑŃŇ"},    {'n', u"ñńň"},    {'O', u"ÒÓÔÖŐ"},
    {'o', u"òóôöő"},   {'R', u"ŔŘ"},      {'r', u"ŕř"},     {'S', u"ŚŞŠ"},    {'s', u"śşš"},
    {'T', u"ŢŤ"},      {'t', u"ţť"},      {'U', u"ÙÚÛÜŮŰ"}, {'u', u"ùúûüůű"}, {'Y', u"Ý"},
    {'y', u"ýÿ"},      {'Z', u"ŹŻŽ"},     {'z', u"źżž"},
};

// The letter without its diacritic, or 0 when the character is no accented letter.
char PlainLetterOf(char32_t c) {
  if (c > 0xFFFF) return 0;
  for (const PlainLetter& letter : kPlainLetters)
    if (letter.accented.find(static_cast<char16_t>(c)) != std::u16string_view::npos)
      return letter.plain;
  return 0;
}

// A character shown by a look-alike the target has. Most apply only where the target
// lacks the character; `evenWhenHeld` ones replace it regardless.
struct Substitute {
  EncodingSet from;
  EncodingSet to;
  char32_t character;
  char32_t replacement;  // below 0x80: that byte
  bool evenWhenHeld = false;
};
constexpr Substitute kSubstitutes[] = {
    // Typographic marks of Windows-1250, written with their ASCII look-alikes.
    {kWindows, kAll, 0x201A, ','},   // single low-9 quotation mark
    {kWindows, kAll, 0x201E, '"'},   // double low-9 quotation mark
    {kWindows, kAll, 0x201C, '"'},   // left double quotation mark
    {kWindows, kAll, 0x201D, '"'},   // right double quotation mark
    {kWindows, kAll, 0x02DD, '"'},   // double acute accent
    {kWindows, kAll, 0x2039, '<'},   // single left-pointing angle quotation mark
    {kWindows, kAll, 0x203A, '>'},   // single right-pointing angle quotation mark
    {kWindows, kAll, 0x2018, '`'},   // left single quotation mark
    {kWindows, kAll, 0x2019, '\''},  // right single quotation mark
    {kWindows, kAll, 0x00B4, '\''},  // acute accent
    {kWindows, kAll, 0x2013, '-'},   // en dash
    {kWindows, kAll, 0x00AD, '-'},   // soft hyphen
    {kWindows, kAll, 0x00A6, '|'},   // broken bar
    {kWindows, kAll, 0x00D7, 'x'},   // multiplication sign
    // The IBM PC shows the control bytes 0x14 and 0x15 as the pilcrow and section sign.
    {kWindows, kAll, 0x00B6, 0x14},
    {kAll, kAscii, 0x00A7, 0x15},
    {kWindows, kAll, 0x2014, 0x2500},  // em dash -> horizontal box line
    // Both DOS centred dots (0xF9, 0xFA) read as one; text uses the first.
    {kWindows, kAscii | kKamenicky, 0x2022, 0x2219},        // bullet
    {kWindows, kAscii | kKamenicky, 0x00B7, 0x2219, true},  // middle dot
    {kKamenicky, kWindows, 0x2219, 0x00B7},
    // Kamenický has no double acute; the umlaut is the nearest Hungarian letter.
    {kWindows, kKamenicky, 0x0151, 0x00F6},  // ő -> ö
    {kWindows, kKamenicky, 0x0171, 0x00FC},  // ű -> ü
    {kWindows, kKamenicky, 0x0150, 0x00D6},  // Ő -> Ö
    {kWindows, kKamenicky, 0x0170, 0x00DC},  // Ű -> Ü
    // Box lines that stand alone in DOS text, as Windows-1250 characters.
    {kDos, kWindows, 0x2502, '|'},              // vertical box line
    {kDos, kWindows, 0x2500, 0x2014},           // horizontal box line -> em dash
    {kLatin2, kWindows, 0x00AD, 0x2013, true},  // soft hyphen -> en dash
};

// The byte that stands for the character in the target, or -1 when the target lacks
// it. Ascii lacks the accented letters that code page 437 has.
int ByteOf(Encoding target, char32_t c) {
  if (c < 0x80) return static_cast<int>(c);
  if (target == Encoding::Ascii && PlainLetterOf(c) != 0) return -1;
  for (int b = 0x80; b <= 0xFF; ++b)
    if (CodePointOf(target, static_cast<uint8_t>(b)) == c) return b;
  return -1;
}

// One entry of a conversion table: the same character where the target has it, else a
// look-alike, else the letter without its diacritic, else a space.
uint8_t ConvertByte(Encoding source, Encoding target, uint8_t byte) {
  if (byte < 0x80) return byte;
  const char32_t c = CodePointOf(source, byte);
  const int held = ByteOf(target, c);
  for (const Substitute& rule : kSubstitutes) {
    if (rule.character != c || !(rule.from & SetOf(source)) || !(rule.to & SetOf(target))) continue;
    if (held >= 0 && !rule.evenWhenHeld) continue;
    if (const int replacement = ByteOf(target, rule.replacement); replacement >= 0)
      return static_cast<uint8_t>(replacement);
  }
  if (held >= 0) return static_cast<uint8_t>(held);
  if (const char plain = PlainLetterOf(c)) return static_cast<uint8_t>(plain);
  return ' ';
}

struct AllTables {
  Table identity;
  std::array<std::array<Table, kEncodings.size()>, kEncodings.size()> bySourceAndTarget;
};

// The conversion tables of every pair, built on first use.
const AllTables& Tables() {
  static const AllTables tables = [] {
    AllTables all{};
    for (int b = 0; b < 256; ++b) all.identity[b] = static_cast<uint8_t>(b);
    for (std::size_t s = 0; s < kEncodings.size(); ++s) {
      for (std::size_t t = 0; t < kEncodings.size(); ++t) {
        Table& table = all.bySourceAndTarget[s][t];
        // Ascii is a target only: its reduced letters cannot be restored.
        if (s == t || kEncodings[s] == Encoding::Ascii) {
          table = all.identity;
          continue;
        }
        for (int b = 0; b < 256; ++b)
          table[b] = ConvertByte(kEncodings[s], kEncodings[t], static_cast<uint8_t>(b));
      }
    }
    return all;
  }();
  return tables;
}

void ConvertInPlace(std::string& text, const Table& table) {
  for (char& c : text) c = static_cast<char>(table[static_cast<uint8_t>(c)]);
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) {
      return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

}  // namespace

const std::array<uint8_t, 256>& ConversionTable(Encoding source, Encoding target) {
  const AllTables& all = Tables();
  const int s = IndexOf(source);
  const int t = IndexOf(target);
  if (s < 0 || t < 0) return all.identity;
  return all.bySourceAndTarget[s][t];
}

std::string ConvertText(std::string_view text, Encoding source, Encoding target) {
  std::string out(text);
  ConvertInPlace(out, ConversionTable(source, target));
  return out;
}

bool IsOfferedConversion(Encoding source, Encoding target) {
  return IndexOf(source) >= 0 && IndexOf(target) >= 0 && source != Encoding::Ascii &&
         source != target;
}

void ConvertLogbook(TLogbook& logbook, Encoding source, Encoding target) {
  const Table& table = ConversionTable(source, target);
  logbook.ForEach([&table](pam& dive) {
    for (std::string* text :
         {&dive.Lokalita, &dive.Misto, &dive.Partner, &dive.Poznamka, &dive.Jiny})
      ConvertInPlace(*text, table);
  });
  logbook.Zmeneno = true;
}

std::optional<Encoding> EncodingFromName(std::string_view name) {
  static constexpr std::pair<std::string_view, Encoding> kNames[] = {
      {"kamenicky", Encoding::Kamenicky},
      {"latin2", Encoding::Latin2},
      {"windows1250", Encoding::Windows1250},
      {"ascii", Encoding::Ascii},
  };
  for (const auto& [known, encoding] : kNames)
    if (EqualsIgnoringCase(name, known)) return encoding;
  return std::nullopt;
}

Encoding OutputEncoding(const OutputEncodingSettings& settings) {
  Encoding code = Encoding::Windows1250;
  if (settings.KodovaniWindows) code = Encoding::Windows1250;
  if (settings.KodovaniKamenicky) code = Encoding::Kamenicky;
  if (settings.KodovaniLatin2) code = Encoding::Latin2;
  if (settings.KodovaniAscii) code = Encoding::Ascii;
  return code;
}

}  // namespace zirdan
