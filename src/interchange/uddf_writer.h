#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "core/field_codec.h"
#include "core/logbook.h"
#include "core/message_table.h"

namespace zirdan {

// The texts a UDDF document takes from the language: message texts and the main window's
// field label captions Label1 .. Label20 (entry 0 unused), which head the dive notes.
struct UddfTexts {
  const TMessageTable& Messages;
  const std::array<std::string, 21>& Labels;
};

// Message key of the name of the air mix.
inline constexpr const char* kUddfAirKey = "StrUddfVzduch";

// A run of consecutive dives of a logbook, in list order.
struct DiveSpan {
  const pam* First = nullptr;
  std::size_t Count = 0;
};

DiveSpan AllDives(const TLogbook& logbook);
// The range the print commands take: from the dive numbered `from` (the first dive when
// none is) on in list order while the dive's number is not above `to`, ending at the last
// dive at the latest.
DiveSpan DivesInRange(const TLogbook& logbook, int from, int to);

// Receives the document in pieces, in order.
using UddfOutput = std::function<void(std::string_view bytes)>;
// Told how many dives of how many are written, every few hundred dives and at the end.
using UddfProgress = std::function<void(std::size_t written, std::size_t total)>;

// Writes the dives as one UDDF 3.2.3 document. The dives are read twice: once to gather
// the sites, buddies, gases and suits the document lists before the dives, then to write
// each dive, which goes out as soon as it is written, so the document is never held whole.
// Each dive is viewed through the record-to-view conversion with `codec`.
void WriteUddf(DiveSpan dives, const CodecContext& codec, const UddfTexts& texts,
               const UddfOutput& output, const UddfProgress& progress = {});

}  // namespace zirdan
