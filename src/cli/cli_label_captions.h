#pragma once

#include "cli/cli_language.h"
#include "core/label_captions.h"

namespace zirdan::cli {

// The main window's label captions after the language load: a label's caption comes from
// the language's FormMain<N> section when that section names the label, else it is the
// built-in caption.
TLabelCaptions LabelCaptionsFor(const CliLanguage& language);

}  // namespace zirdan::cli
