#include "reports/print_run.h"

#include <memory>
#include <string>

namespace zirdan {
namespace {

// The dive numbered `number`, looked for from the first dive once round the list; the
// first dive when there is none.
pam* StartDive(const TLogbook& logbook, int number) {
  pam* p = logbook.Prvni();
  for (uint32_t i = 0; i < logbook.PocetPonoru(); ++i, p = p->Dalsi)
    if (p->Cislo == number) return p;
  return logbook.Prvni();
}

// The output's reason for a failed sheet; an output that forgot to give one still fails.
OpResult SheetFailure(const SheetOutput& output, int diveNumber) {
  OpResult failure = output.Failure();
  if (failure.Ok())
    failure = OpResult::FailureKey("StrChTisk").With("StrDetPonor", {std::to_string(diveNumber)});
  return failure;
}

}  // namespace

PrintRunResult PrintDives(const TLogbook& logbook, PrintCommand command, PrintRange range,
                          const PrintSettings& settings, const PrintTexts& texts,
                          const CodecContext& codec, SheetOutput& output,
                          const std::function<void(int diveNumber)>& beforeDive) {
  PrintRunResult result;
  if (logbook.Prvni() == nullptr) return result;

  // The progress shows the start dive before anything is printed, then each dive that
  // gets a sheet; a dive already shown is not announced twice.
  const pam* announced = StartDive(logbook, range.From);
  if (beforeDive) beforeDive(announced->Cislo);

  auto view = std::make_unique<ponorTxt>();  // large: the decoded profile
  for (const pam* dive = announced; dive->Cislo <= range.To; dive = dive->Dalsi) {
    if (PrintsDive(command, dive->Cislo)) {
      *view = ponorTxt{};
      RecordToView(*dive, *view, codec);
      if (beforeDive && dive != announced) beforeDive(dive->Cislo);
      announced = dive;

      const PageSetUp page = SetUpPage(settings, output.Area());
      Canvas* canvas = output.BeginSheet(page);
      if (canvas == nullptr) {
        result.Outcome = SheetFailure(output, dive->Cislo);
        return result;
      }
      for (const PlacedBlock& block : SheetBlocks(command, dive->Cislo, settings)) {
        // The page's y axis points up from its top edge.
        canvas->SetOrigin(block.Left + page.Margin, -(block.Top + page.Margin));
        if (block.What == PlacedBlock::Kind::Text)
          DrawTextBlock(*canvas, *view, block.Footer, texts, settings);
        else
          DrawGraphBlock(*canvas, *dive, *view, block.Title, block.Footer, texts, settings);
      }
      canvas->SetOrigin(0, 0);
      if (!output.EndSheet()) {
        result.Outcome = SheetFailure(output, dive->Cislo);
        return result;
      }
      ++result.Sheets;
    }
    if (dive == logbook.Posledni()) break;
  }
  return result;
}

}  // namespace zirdan
