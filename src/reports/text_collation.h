#pragma once

#include <string>
#include <string_view>

namespace zirdan {

// Orders two Windows-1250 texts the way a sorted list shows them to the user: letters
// compare without regard to case or diacritics first ("Brno" < "čáslav" < "Dobšín"), then
// accented after plain letters, then by case; texts equal in every byte compare equal.
// Returns a negative number, 0 or a positive number.
int CollateText(std::string_view a, std::string_view b);

// A key whose plain comparison orders texts exactly as CollateText does: for sorting many
// texts, each reduced once rather than at every comparison.
std::string CollationKey(std::string_view text);

}  // namespace zirdan
