// Feeds arbitrary texts to the readers of the typed fields. Whatever a reader accepts must
// survive a round trip through its stored value: written as text again and read back, the
// value is the same, and so is its text.
//
// Input: one byte choosing the field kind (date, time of day or minutes, hundredths), then
// the text as typed.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/field_codec.h"
#include "core/record_layout.h"

namespace {

using namespace zirdan;

void Require(bool condition) {
  if (!condition) std::abort();
}

const std::array<std::string, 7> kWeekdays = {"Po", "Út", "St", "Čt", "Pá", "So", "Ne"};

void CheckDate(std::string_view text) {
  const int32_t day = TextToDate(text);
  const std::string written = DateToText(day, kWeekdays);
  Require(TextToDate(written) == day);
  Require(DateToText(TextToDate(written), kWeekdays) == written);
}

void CheckMinutes(std::string_view text) {
  const uint16_t minutes = TextToMinutes(text);
  if (minutes == kEmptyValue) return;
  const std::string written = MinutesToText(minutes);
  Require(TextToMinutes(written) == minutes);
}

void CheckHundredths(std::string_view text) {
  const int16_t value = TextToHundredths(text);
  if (value == kEmptyValue) return;
  const std::string written = HundredthsToText(value);
  Require(TextToHundredths(written) == value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
  switch (data[0] % 3) {
    case 0:
      CheckDate(text);
      break;
    case 1:
      CheckMinutes(text);
      break;
    default:
      CheckHundredths(text);
      break;
  }
  return 0;
}
