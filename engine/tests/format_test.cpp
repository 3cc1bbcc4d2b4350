// The field edits, pinned on a table of boundary values.
#include "format.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdint>
#include <cstring>
#include <limits>
#include <locale>
#include <random>
#include <string>

namespace keldor {
namespace {

struct RealCase {
  float value;
  int w, d;
  const char* g;            // the G edit, or nullptr for the F edit
  const char* f = nullptr;  // the F edit
};

class RealEdit : public ::testing::TestWithParam<RealCase> {};

TEST_P(RealEdit, WritesTheExpectedField) {
  const RealCase& c = GetParam();
  if (c.g != nullptr) {
    EXPECT_EQ(G(c.value, c.w, c.d), c.g) << "value " << c.value;
  } else {
    EXPECT_EQ(F(c.value, c.w, c.d), c.f) << "value " << c.value;
  }
}

const char* const kNone = nullptr;

INSTANTIATE_TEST_SUITE_P(
    Table, RealEdit,
    ::testing::Values(
        // The examples of the report conventions.
        RealCase{0.1234f, 10, 4, "0.1234    "}, RealCase{1.5f, 10, 4, " 1.500    "},
        RealCase{12.5f, 10, 4, " 12.50    "}, RealCase{1234.0f, 10, 4, " 1234.    "},
        // The float nearest 123.45 is 123.4499969..., so it rounds down.
        RealCase{123.45f, 10, 4, " 123.4    "},
        // Zero and negative zero: no sign.
        RealCase{0.0f, 10, 4, " 0.000    "}, RealCase{-0.0f, 10, 4, " 0.000    "},
        RealCase{0.0f, 12, 4, "   0.000    "},
        // Negatives: the zero before the point goes when there is no room.
        RealCase{-1.5f, 10, 4, "-1.500    "}, RealCase{-0.1234f, 10, 4, "-.1234    "},
        RealCase{-1234.0f, 10, 4, "-1234.    "},
        // Around 0.1: the magnitude after rounding to 4 digits decides.
        RealCase{0.1f, 10, 4, "0.1000    "}, RealCase{0.099996f, 10, 4, "0.1000    "},
        RealCase{0.09999f, 10, 4, "0.9999E-01"}, RealCase{-0.09999f, 10, 4, "-.9999E-01"},
        // Around 10^4: rounding that carries into a new digit changes the form.
        RealCase{9999.4f, 10, 4, " 9999.    "}, RealCase{9999.6f, 10, 4, "0.1000E+05"},
        RealCase{9.99996f, 10, 4, " 10.00    "}, RealCase{99.99996f, 10, 4, " 100.0    "},
        // Exact ties go to the even digit (12345 and 1.0625 are exact floats).
        RealCase{12345.0f, 10, 4, "0.1234E+05"}, RealCase{12355.0f, 10, 4, "0.1236E+05"},
        RealCase{1.0625f, 10, 4, " 1.062    "}, RealCase{0.15625f, 10, 4, "0.1562    "},
        // Huge and tiny magnitudes.
        RealCase{1.0e10f, 10, 4, "0.1000E+11"}, RealCase{-1.0e10f, 10, 4, "-.1000E+11"},
        RealCase{1.0e-10f, 10, 4, "0.1000E-09"}, RealCase{3.4e38f, 10, 4, "0.3400E+39"},
        RealCase{1.4e-45f, 10, 4, "0.1401E-44"},
        // Other widths and digit counts used by the report.
        RealCase{1.5f, 12, 4, "   1.500    "}, RealCase{1.53f, 10, 3, "  1.53    "},
        RealCase{4.07f, 10, 3, "  4.07    "}, RealCase{123.456f, 10, 3, "  123.    "},
        RealCase{1.0e10f, 9, 4, ".1000E+11"}, RealCase{-1.0e10f, 9, 4, "*********"},
        // Fixed: too wide for the field gives asterisks; without room the
        // zero before the point is dropped; a value that prints as zero
        // carries no sign.
        RealCase{1.0f, 6, 3, kNone, " 1.000"}, RealCase{0.333f, 6, 3, kNone, " 0.333"},
        RealCase{-0.5f, 6, 3, kNone, "-0.500"}, RealCase{12.345f, 6, 3, kNone, "12.345"},
        RealCase{123.4567f, 6, 3, kNone, "******"}, RealCase{-12.345f, 6, 3, kNone, "******"},
        RealCase{0.5f, 4, 3, kNone, ".500"}, RealCase{-0.5f, 5, 3, kNone, "-.500"},
        RealCase{-0.0f, 6, 3, kNone, " 0.000"}, RealCase{-0.0004f, 6, 3, kNone, " 0.000"},
        // Exact ties to even.
        RealCase{0.125f, 5, 2, kNone, " 0.12"}, RealCase{0.375f, 5, 2, kNone, " 0.38"},
        RealCase{2.5f, 10, 0, kNone, "        2."}, RealCase{3.5f, 10, 0, kNone, "        4."},
        // F10.0 and F10.3 of the load distribution table.
        RealCase{120.0f, 10, 0, kNone, "      120."}, RealCase{0.4f, 10, 0, kNone, "        0."},
        RealCase{-120.4f, 10, 0, kNone, "     -120."}, RealCase{123456.7f, 10, 0, kNone, "   123457."},
        RealCase{0.4f, 10, 3, kNone, "     0.400"}, RealCase{15.0f, 10, 3, kNone, "    15.000"},
        RealCase{1234567.0f, 10, 3, kNone, "**********"}));

TEST(RealEdit, NonFiniteValuesFillTheFieldWithAsterisks) {
  const float inf = std::numeric_limits<float>::infinity();
  EXPECT_EQ(G(inf) + G(-inf) + G(std::numeric_limits<float>::quiet_NaN()), std::string(30, '*'));
  EXPECT_EQ(F(std::numeric_limits<float>::quiet_NaN(), 6, 3), "******");
}

// The fixed form of G against the C library's correctly rounded conversions:
// the magnitude rounded to d significant digits decides the number of
// decimals, and the value rounded to those decimals gives the digits. Values
// at random over the fixed range, and exact ties and carries into a new digit.
TEST(RealEdit, FixedFormOfGMatchesTheLibrarysRounding) {
  auto expected = [](float v, int w, int d) -> std::string {
    char sci[64], fixed[64];
    std::snprintf(sci, sizeof sci, "%.*e", d - 1, std::fabs(double{v}));
    const int exp10 = std::atoi(std::strchr(sci, 'e') + 1);
    if (exp10 < -1 || exp10 > d - 1) return "";  // exponent form
    const int decimals = d - exp10 - 1;
    std::snprintf(fixed, sizeof fixed, "%.*f", decimals, std::fabs(double{v}));
    std::string digits = std::string(std::signbit(v) ? "-" : "") + fixed + (decimals ? "" : ".");
    if (static_cast<int>(digits.size()) > w - 4) {
      const std::size_t zero = digits[0] == '-' ? 1 : 0;
      if (digits.compare(zero, 2, "0.") == 0) digits.erase(zero, 1);
    }
    if (static_cast<int>(digits.size()) > w - 4) return std::string(static_cast<std::size_t>(w), '*');
    return std::string(static_cast<std::size_t>(w - 4) - digits.size(), ' ') + digits + "    ";
  };
  std::vector<float> values = {1.0625f,  0.10625f, 2.0625f, 9.9995f,  0.099995f, 999.95f,
                               9999.5f,  99.995f,  0.5f,    0.12345f, 1234.5f,   -0.1f,
                               -9.99951f, 0.0999949f};
  std::mt19937 rng(4);
  for (int k = 0; k < 20000; ++k) {
    const float magnitude = std::pow(10.0f, std::uniform_real_distribution<float>(-1.5f, 4.5f)(rng));
    values.push_back(k % 2 ? magnitude : -magnitude);
  }
  int checked = 0;
  for (float v : values)
    for (int d : {3, 4, 5}) {
      const std::string e = expected(v, 10, d);
      if (e.empty()) continue;
      ++checked;
      ASSERT_EQ(G(v, 10, d), e) << "value " << v << " d " << d;
    }
  EXPECT_GT(checked, 40000);
}

// Integers right-justify, overflow into asterisks and take leading zeros
// for a minimum number of digits (a day of 2 is "02").
TEST(OtherEdits, IntegersCharactersAndBlanks) {
  EXPECT_EQ(I(5, 2) + "|" + I(12, 2) + "|" + I(123, 2) + "|" + I(-5, 2) + "|" + I(-10, 2) + "|" +
                I(0, 3) + "|" + I(12, 4),
            " 5|12|**|-5|**|  0|  12");
  // the sign of -1 needs a third column
  EXPECT_EQ(I(2, 2, 2) + "|" + I(0, 2, 2) + "|" + I(7, 4, 4) + "|" + I(2007, 4, 4) + "|" + I(-1, 2, 2),
            "02|00|0007|2007|**");
  EXPECT_EQ(A("abc", 5) + "|" + A("abcdef", 3) + "|" + A("", 2) + "|" + X(3) + "|" + X(0),
            "abc  |abc|  |   |");
}

// A comma-decimal locale (as a desktop session may set) must not reach the
// report: the C++ global locale and, where installed, a C locale.
TEST(Locale, DecimalPointStaysAPeriod) {
  struct Comma : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
  };
  const std::locale before = std::locale::global(std::locale(std::locale::classic(), new Comma));
  std::string oldC = std::setlocale(LC_ALL, nullptr);
  for (const char* name : {"de_DE.UTF-8", "fr_FR.UTF-8", "de_DE", "fr_FR", "nl_NL.UTF-8"})
    if (std::setlocale(LC_ALL, name) != nullptr) break;
  EXPECT_EQ(G(1.5f), " 1.500    ");
  EXPECT_EQ(G(1.0e10f), "0.1000E+11");
  EXPECT_EQ(F(0.333f, 6, 3), " 0.333");
  std::setlocale(LC_ALL, oldC.c_str());
  std::locale::global(before);
}

}  // namespace
}  // namespace keldor
