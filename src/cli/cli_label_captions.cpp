#include "cli/cli_label_captions.h"

namespace zirdan::cli {

TLabelCaptions LabelCaptionsFor(const CliLanguage& language) {
  (void)language;
  return TLabelCaptions::BuiltIn();
}

}  // namespace zirdan::cli
