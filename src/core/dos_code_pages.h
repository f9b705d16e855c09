#pragma once

#include <cstdint>

#include "core/encoding.h"

namespace zirdan {

// The Unicode character a byte stands for in one of the single-byte encodings.
// Bytes below 128 are ASCII in all of them. Ascii answers with code page 437 as the
// IBM PC shows it, accented letters included (the conversions treat those as missing).
// An encoding code without a table answers with the byte's own value.
char32_t CodePointOf(Encoding encoding, uint8_t byte);

}  // namespace zirdan
