#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/number_conversions.h"
#include "app/numeric_value.h"

namespace quorex {
namespace {

struct TextCase {
  std::string text;
  double value;    // NumericValue
  int32_t whole;   // then rounded to a Long, halves to even
};

class NumericValueTable : public testing::TestWithParam<TextCase> {};

TEST_P(NumericValueTable, ReadsTheLeadingPlainDecimalNumber) {
  const TextCase& c = GetParam();
  EXPECT_DOUBLE_EQ(NumericValue(c.text), c.value) << '"' << c.text << '"';
  EXPECT_EQ(RoundToLong(NumericValue(c.text)), c.whole) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NumericValueTable,
    testing::Values(TextCase{"2.5", 2.5, 2}, TextCase{"3.5", 3.5, 4}, TextCase{"-0.5", -0.5, 0},
                    TextCase{"-2.5", -2.5, -2}, TextCase{"12abc", 12, 12}, TextCase{" 7", 7, 7},
                    TextCase{"\t 7", 7, 7}, TextCase{"abc", 0, 0}, TextCase{"", 0, 0},
                    TextCase{"+4", 4, 4}, TextCase{"-3.5", -3.5, -4}, TextCase{"1.2.3", 1.2, 1},
                    TextCase{"1e400", 1, 1}, TextCase{".5", 0.5, 0}, TextCase{"-.75", -0.75, -1},
                    TextCase{"5.", 5, 5}, TextCase{".", 0, 0}, TextCase{"-", 0, 0},
                    TextCase{"+-3", 0, 0}, TextCase{"7 8", 7, 7}, TextCase{"0x1F", 0, 0},
                    TextCase{"1,5", 1, 1}, TextCase{"2147483647", 2147483647.0, 2147483647},
                    TextCase{"2147483648", 2147483648.0, 2147483647},
                    TextCase{"-2147483649", -2147483649.0, INT32_MIN},
                    TextCase{"0.1", 0.1, 0}, TextCase{"1000.5", 1000.5, 1000}));

TEST(NumericValue, NumbersBeyondADoubleSaturateAndTinyOnesAreZero) {
  const std::string huge(400, '9');
  EXPECT_EQ(NumericValue(huge), std::numeric_limits<double>::max());
  EXPECT_EQ(NumericValue("-" + huge), -std::numeric_limits<double>::max());
  EXPECT_EQ(RoundToLong(NumericValue(huge)), INT32_MAX);
  EXPECT_EQ(NumericValue("0." + std::string(400, '0') + "1"), 0.0);
  EXPECT_EQ(NumericValue(std::string(100000, '0') + "42xyz"), 42.0);
}

TEST(NumberConversions, RoundHalvesToEvenAndSaturate) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(RoundToLong(0.5), 0);
  EXPECT_EQ(RoundToLong(1.5), 2);
  EXPECT_EQ(RoundToLong(-1.5), -2);
  EXPECT_EQ(RoundToLong(2147483646.5), 2147483646);
  EXPECT_EQ(RoundToLong(inf), INT32_MAX);
  EXPECT_EQ(RoundToLong(-inf), INT32_MIN);
  EXPECT_EQ(RoundToLong(nan), 0);
  EXPECT_EQ(RoundToInteger(32767.5), 32767);
  EXPECT_EQ(RoundToInteger(-32768.5), -32768);
  EXPECT_EQ(RoundToInteger(40000.0), 32767);
  EXPECT_EQ(RoundToInteger(255.5f), 256);
  EXPECT_EQ(RoundToInteger(254.5f), 254);
  EXPECT_EQ(RoundToInteger(std::numeric_limits<float>::infinity()), 32767);
  EXPECT_EQ(ToInteger(70000), 32767);
  EXPECT_EQ(ToInteger(-70000), -32768);
  EXPECT_EQ(ToInteger(-5), -5);
}

// The library's nearbyint, clamped, is the reference: the frame loop's own rounding must agree
// with it everywhere, at halves of every size and at both edges of the Long range.
TEST(NumberConversions, RoundToLongAgreesWithTheLibraryAtHalvesAndEdges) {
  const auto reference = [](double value) {
    const double rounded = std::nearbyint(value);
    if (rounded >= 2147483647.0) return INT32_MAX;
    if (rounded <= -2147483648.0) return INT32_MIN;
    return static_cast<int32_t>(rounded);
  };
  std::vector<double> values{2147483647.4, 2147483647.5, 2147483647.6, 2147483648.0,
                             -2147483648.4, -2147483648.5, -2147483648.6, -2147483649.5,
                             -0.5, -0.0, 1e-300, 4503599627370495.5, 1e300};
  for (double magnitude = 1; magnitude < 3e9; magnitude *= 3) {
    values.insert(values.end(),
                  {magnitude + 0.5, magnitude - 0.5, magnitude + 0.49999999, -magnitude - 0.5});
  }
  for (double value : values) EXPECT_EQ(RoundToLong(value), reference(value)) << value;
}

}  // namespace
}  // namespace quorex
