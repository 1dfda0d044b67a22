#include "app/numeric_value.h"

#include <charconv>
#include <limits>
#include <string>
#include <string_view>

namespace quorex {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

double NumericValue(std::string_view text) {
  size_t at = 0;
  while (at < text.size() && IsBlank(text[at])) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';

  const size_t start = at;
  bool seenPoint = false;
  bool seenDigit = false;
  for (; at < text.size(); ++at) {
    if (IsDigit(text[at])) {
      seenDigit = true;
    } else if (text[at] == '.' && !seenPoint) {
      seenPoint = true;
    } else {
      break;
    }
  }
  if (!seenDigit) return 0;

  // from_chars reads the plain decimal form exactly, independent of the C locale.
  std::string number = "0";
  number.append(text.substr(start, at - start));
  double value = 0;
  const auto error = std::from_chars(number.data(), number.data() + number.size(), value,
                                     std::chars_format::fixed).ec;
  if (error == std::errc::result_out_of_range) {
    // Too large if a non-zero digit stands before the point, otherwise too small to be seen.
    const std::string_view whole = std::string_view(number).substr(0, number.find('.'));
    const bool huge = whole.find_first_not_of('0') != std::string_view::npos;
    value = huge ? std::numeric_limits<double>::max() : 0;
  }
  return negative ? -value : value;
}

}  // namespace quorex
