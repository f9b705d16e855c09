#include "reports/text_collation.h"

#include <array>
#include <cstdint>

namespace zirdan {
namespace {

// Windows-1250 bytes 0xC0..0xFF (upper case, then lower case) reduced to their plain lower
// case letter; '*' marks the two that are not letters (× and ÷), '@' marks ˙.
constexpr std::string_view kPlainLetters =
    "raaaalccceeeeiiddnnoooo*ruuuuyts"
    "raaaalccceeeeiiddnnoooo*ruuuuyt@";

struct Weights {
  std::array<uint8_t, 256> primary{};    // without case and diacritics
  std::array<uint8_t, 256> secondary{};  // without case
};

constexpr uint8_t Lower(uint8_t byte) {
  if (byte >= 'A' && byte <= 'Z') return static_cast<uint8_t>(byte + 32);
  return byte;
}

Weights MakeWeights() {
  Weights w;
  for (int b = 0; b < 256; ++b) {
    const auto byte = static_cast<uint8_t>(b);
    w.primary[b] = Lower(byte);
    w.secondary[b] = Lower(byte);
  }
  // Upper and lower case pairs above 0x7F: Š š, Ś ś, Ť ť, Ž ž, Ź ź, Ł ł, Ą ą, Ş ş, Ľ ľ, Ż ż
  // and the block 0xC0..0xDE with 0xE0..0xFE.
  const std::array<std::array<uint8_t, 2>, 10> pairs{{{0x8A, 0x9A},
                                                      {0x8C, 0x9C},
                                                      {0x8D, 0x9D},
                                                      {0x8E, 0x9E},
                                                      {0x8F, 0x9F},
                                                      {0xA3, 0xB3},
                                                      {0xA5, 0xB9},
                                                      {0xAA, 0xBA},
                                                      {0xBC, 0xBE},
                                                      {0xAF, 0xBF}}};
  const std::string_view plainOfPair = "sstzzlaslz";
  for (std::size_t i = 0; i < pairs.size(); ++i) {
    const auto plain = static_cast<uint8_t>(plainOfPair[i]);
    w.primary[pairs[i][0]] = w.primary[pairs[i][1]] = plain;
    w.secondary[pairs[i][0]] = pairs[i][1];
  }
  for (int b = 0xC0; b <= 0xFF; ++b) {
    const char plain = kPlainLetters[static_cast<std::size_t>(b - 0xC0)];
    if (plain == '*' || plain == '@') continue;
    w.primary[b] = static_cast<uint8_t>(plain);
    if (b < 0xE0 && b != 0xDF) w.secondary[b] = static_cast<uint8_t>(b + 0x20);
  }
  return w;
}

const Weights& TheWeights() {
  static const Weights weights = MakeWeights();
  return weights;
}

template <typename Weight>
int CompareBy(std::string_view a, std::string_view b, Weight weight) {
  const std::size_t n = a.size() < b.size() ? a.size() : b.size();
  for (std::size_t i = 0; i < n; ++i) {
    const int wa = weight(static_cast<uint8_t>(a[i]));
    const int wb = weight(static_cast<uint8_t>(b[i]));
    if (wa != wb) return wa < wb ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

}  // namespace

int CollateText(std::string_view a, std::string_view b) {
  const Weights& w = TheWeights();
  if (int c = CompareBy(a, b, [&](uint8_t x) { return w.primary[x]; })) return c;
  if (int c = CompareBy(a, b, [&](uint8_t x) { return w.secondary[x]; })) return c;
  // Upper case before lower case, as in the byte order of plain letters.
  return CompareBy(a, b, [](uint8_t x) { return int{x}; });
}

std::string CollationKey(std::string_view text) {
  // The three levels one after another, each weight raised by one and each level ended by
  // 0, so that a text that ends sooner at one level sorts first, as CompareBy has it. A
  // raised weight takes up to nine bits: two bytes each, the high one first, so that the
  // keys compare as plain bytes.
  const Weights& w = TheWeights();
  std::string key(6 * text.size() + 4, '\0');
  char* out = key.data();
  auto put = [&out](unsigned weight) {
    *out++ = static_cast<char>(weight >> 8);
    *out++ = static_cast<char>(weight & 0xFFu);
  };
  for (const std::array<uint8_t, 256>* level : {&w.primary, &w.secondary}) {
    for (char c : text) put((*level)[static_cast<uint8_t>(c)] + 1u);
    out += 2;  // the level's end, 0
  }
  for (char c : text) put(static_cast<uint8_t>(c) + 1u);
  return key;
}

}  // namespace zirdan
