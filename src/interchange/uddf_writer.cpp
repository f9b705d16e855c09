#include "interchange/uddf_writer.h"

#include <memory>

#include "core/record_layout.h"
#include "interchange/uddf_parts.h"

namespace zirdan {

namespace {

constexpr std::size_t kProgressEvery = 256;
// A dive continues its predecessor's repetition group when its surface interval is known
// and shorter than two days, after which a diver counts as fully desaturated.
constexpr int kRepetitionMinutes = 48 * 60;

bool ContinuesGroup(const ponor& dive) {
  return dive.PovrchovyInterval != kEmptyValue && dive.PovrchovyInterval >= 0 &&
         dive.PovrchovyInterval < kRepetitionMinutes;
}

}  // namespace

DiveSpan AllDives(const TLogbook& logbook) {
  return {logbook.Prvni(), logbook.PocetPonoru()};
}

DiveSpan DivesInRange(const TLogbook& logbook, int from, int to) {
  DiveSpan span{logbook.Prvni(), 0};
  if (!span.First) return span;
  const pam* p = logbook.Prvni();
  for (std::size_t i = 0; i < logbook.PocetPonoru(); ++i, p = p->Dalsi)
    if (p->Cislo == from) {
      span.First = p;
      break;
    }
  for (p = span.First; p->Cislo <= to; p = p->Dalsi) {
    ++span.Count;
    if (p == logbook.Posledni()) break;
  }
  return span;
}

void WriteUddf(DiveSpan dives, const CodecContext& codec, const UddfTexts& texts,
               const UddfOutput& output, const UddfProgress& progress) {
  UddfCatalogue catalogue(codec.VychoziFormatGrafu);
  const pam* dive = dives.First;
  for (std::size_t i = 0; i < dives.Count; ++i, dive = dive->Dalsi) catalogue.Add(*dive);

  WriteUddfHead(output, catalogue, texts, codec.Tables);
  std::string out;  // one dive at a time
  if (dives.Count > 0) out += "<profiledata>\n";
  std::size_t groups = 0;
  auto view = std::make_unique<ponorTxt>();  // large: the decoded profile
  dive = dives.First;
  for (std::size_t i = 0; i < dives.Count; ++i, dive = dive->Dalsi) {
    if (i == 0 || !ContinuesGroup(*dive)) {
      if (i > 0) out += "</repetitiongroup>\n";
      out += "<repetitiongroup id=\"group_" + std::to_string(++groups) + "\">\n";
    }
    RecordToView(*dive, *view, codec);
    AppendUddfDive(out, *dive, *view, i + 1, catalogue, texts, codec.Tables);
    output(out);
    out.clear();
    if (progress && (i + 1) % kProgressEvery == 0) progress(i + 1, dives.Count);
  }
  if (dives.Count > 0) out += "</repetitiongroup>\n</profiledata>\n";
  out += "</uddf>\n";
  output(out);
  if (progress) progress(dives.Count, dives.Count);
}

}  // namespace zirdan
