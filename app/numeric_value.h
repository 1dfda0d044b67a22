// The program's one text-to-number conversion, shared by the show and the setup dialog.
#pragma once

#include <string_view>

namespace quorex {

// The value of the plain decimal number the text begins with: leading blanks skipped, an
// optional sign, digits with at most one full stop. Reading stops at the first character that
// cannot continue the number; a text without a leading number gives 0. Exponents are not read
// ("1e400" is 1). A number beyond the range of a double gives the largest finite double.
double NumericValue(std::string_view text);

}  // namespace quorex
