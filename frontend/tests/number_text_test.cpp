// Reading the leading number of a text, count rounding, and the file and
// display forms of numbers.
#include "number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <locale>
#include <random>

namespace fe {
namespace {

TEST(ReadFloat, TakesTheLeadingNumberAndIgnoresTheRest) {
  const std::pair<const char*, float> cases[] = {
      {"4000", 4000.0f}, {"  .0868", 0.0868f}, {"-12.5", -12.5f}, {"+3", 3.0f},
      {"1 2 . 5", 12.5f}, {"- 7", -7.0f},  // blanks inside the number are skipped
      {"2.36E-05", 2.36E-05f}, {"2.36e-5", 2.36E-05f},
      {"1.5D3", 1500.0f},  // D is an exponent letter too
      {"1.2.3", 1.2f},     // reading stops at the second point
      {"12,5", 12.0f},     // a comma is not a decimal separator
      {"1e+", 1.0f},       // an exponent letter without digits is not read
      {"abc", 0.0f}, {"-", 0.0f}, {"-0", 0.0f},
      {"1e-60", 0.0f},  // too small for a float reads as zero
      {"3.4028235e38", 3.4028235e38f}, {"0.1e39", 1e38f},
  };
  for (const auto& c : cases) {
    float v = -999.0f;
    EXPECT_TRUE(ReadFloat(c.first, &v)) << c.first;
    EXPECT_EQ(v, c.second) << '"' << c.first << '"';
    EXPECT_FALSE(std::signbit(v) && v == 0.0f) << "shown as \" 0\", never \"-0\": " << c.first;
  }
  // Too large for a float: refused, and the field keeps its value.
  for (const char* text :
       {"1e39", "-3.5e38", "1e999999999999", "99999999999999999999999999999999999999999"}) {
    float v = 7.0f;
    EXPECT_FALSE(ReadFloat(text, &v)) << text;
    EXPECT_EQ(v, 7.0f) << text;
  }
}

// Integers round an exact half to the even neighbour; counts take only
// 0..32767. A value outside the range refused leaves the field alone.
TEST(ReadInteger, RoundsHalvesToEvenAndCountsStayWithin0To32767) {
  const struct {
    const char* text;
    std::int64_t value;
  } cases[] = {{"2.5", 2}, {"3.5", 4}, {"0.5", 0}, {"1.5", 2}, {"-2.5", -2}, {"-3.5", -4},
               {"2.4999", 2}, {"2.5001", 3}, {"letters", 0}, {"7 rows", 7}, {"-0.4", 0},
               {"32767", 32767}, {"32767.5", 32768}, {"-1", -1}, {"1e10", 10000000000},
               {"2147483647", 2147483647}, {"2147483648", 2147483648}, {"-1e12", -1000000000000}};
  for (const auto& c : cases) {
    const bool isInteger = c.value >= INT32_MIN && c.value <= INT32_MAX;
    const bool isCount = c.value >= 0 && c.value <= 32767;
    std::int32_t integer = -9, count = -9;
    EXPECT_EQ(ReadInteger(c.text, &integer), isInteger) << c.text;
    EXPECT_EQ(integer, isInteger ? c.value : -9) << c.text;
    EXPECT_EQ(ReadCount(c.text, &count), isCount) << c.text;
    EXPECT_EQ(count, isCount ? c.value : -9) << c.text;
  }
}

TEST(FileNumber, WritesAtMostSevenDigitsWithoutALeadingZero) {
  const std::pair<float, std::string> cases[] = {
      {-0.0f, "0"}, {0.0868f, ".0868"}, {-0.5f, "-.5"}, {60000.0f, "60000"}, {20.83f, "20.83"},
      {2.36E-05f, "2.36E-05"},
      {0.0001f, ".0001"},  // the smallest plain magnitude
      {0.00009999f, "9.999E-05"},
      {9999999.0f, "9999999"},  // the largest plain magnitude
      {10000000.0f, "1E+07"},
      {16777216.0f, "1.677722E+07"},  // eight digits are rounded to seven
      {1.0f / 3.0f, ".3333333"}, {-1234.5678f, "-1234.568"}, {3.4028235e38f, "3.402823E+38"},
      {1.4e-45f, "1E-45"},  // the shortest text that reads back exactly
  };
  for (const auto& [value, text] : cases) {
    EXPECT_EQ(FileNumber(value), text);
    // The window shows the same text with a blank for the sign.
    EXPECT_EQ(DisplayNumber(value), (text[0] == '-' ? "" : " ") + text);
  }
  EXPECT_EQ(DisplayNumber(std::int32_t{3}) + DisplayNumber(std::int32_t{-2}), " 3-2");
}

// Every value typed with up to 7 digits comes back exactly.
TEST(FileNumber, ReadsBackToTheSameValue) {
  std::mt19937 gen(12345);
  std::uniform_int_distribution<int> mantissa(1, 9999999), exponent(-12, 12);
  for (int i = 0; i < 100000; ++i) {
    const std::string typed = std::to_string(mantissa(gen)) + "e" + std::to_string(exponent(gen));
    float v = 0.0f, back = 0.0f;
    ASSERT_TRUE(ReadFloat(typed, &v));
    ASSERT_TRUE(ReadFloat(FileNumber(v), &back));
    ASSERT_EQ(v, back) << typed << " written as " << FileNumber(v);
  }
}

// Qt sets the process locale from the environment; a comma-decimal locale
// must change nothing in reading or writing numbers.
TEST(NumberText, IgnoresACommaDecimalLocale) {
  struct Comma : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
  };
  const std::locale before = std::locale::global(std::locale(std::locale::classic(), new Comma));
  bool cLocale = false;
  for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "de_DE"})
    if (!cLocale) cLocale = std::setlocale(LC_ALL, name) != nullptr;
  EXPECT_EQ(FileNumber(0.0868f) + DisplayNumber(1234.5f) + FileNumber(2.36E-05f), ".0868 1234.52.36E-05");
  float v = 0.0f, w = 0.0f;
  EXPECT_TRUE(ReadFloat("12.5", &v) && ReadFloat("12,5", &w));
  EXPECT_EQ(std::make_pair(v, w), std::make_pair(12.5f, 12.0f));
  std::setlocale(LC_ALL, "C");
  std::locale::global(before);
  if (!cLocale) GTEST_SKIP() << "no comma-decimal C locale installed; only the C++ locale was tried";
}

}  // namespace
}  // namespace fe

namespace fe {
namespace {

// What the leading-number rule leaves out of a typed text, so that the box
// can say so.
TEST(IgnoredText, IsWhatFollowsTheLeadingNumber) {
  const struct {
    const char* text;
    const char* ignored;
  } cases[] = {
      {"12ft", "ft"},    {"1,5", ",5"},     {" 12 ft ", "ft"}, {"abc", "abc"},
      {"", ""},          {"  ", ""},        {"1.5E3", ""},     {"1.5E", "E"},  // no exponent digits
      {"0e5", ""},       {"-.5", ""},       {"1 2", ""},       {"3.5 in", "in"},
      {"1e39", ""},      // too large, but all number: the refusal says so
  };
  for (const auto& c : cases) EXPECT_EQ(IgnoredText(c.text), c.ignored) << '"' << c.text << '"';
}

}  // namespace
}  // namespace fe
