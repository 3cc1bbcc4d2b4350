// Converting the whole input between English and SI units: the factors, every
// value with a unit converted and no other, and the round trip back.
#include "unit_conversion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <type_traits>

#include "input_file.h"
#include "keldor.h"
#include "record_fields.h"
#include "start_up.h"

namespace fe {
namespace {

InputRecord English() {
  InputRecord r = StartUp();
  r.NSEG = 2, r.LSEG = {120.0f, 60.0f}, r.ASEG = {30.0f, 0.0f};
  r.NSUR = 1, r.SURL = {250.0f}, r.XSBEG = {12.0f}, r.YSBEG = {3.0f}, r.XSEND = {48.0f},
  r.YSEND = {6.5f};
  r.NROWS = 2, r.PILEX = {18.0f, 66.0f}, r.PILEB = {0.0f, 14.0f}, r.PILES = {72.0f, 72.0f};
  r.NLC = 1, r.FD = {1.4f}, r.FL = {1.7f}, r.FE = {1.7f}, r.FSUR = {1.7f}, r.FW = {0.0f},
  r.FEQ = {0.0f};
  r.H = 120.0f, r.BW = r.BWMIN = 2.5f, r.WT = 30.0f, r.WF = 96.0f;
  return r;
}

// Every float of a record, array entries included, by name.
std::vector<std::pair<std::string, float>> Floats(const InputRecord& r) {
  std::vector<std::pair<std::string, float>> all;
  VisitFields(r, [&](const char* n, const auto& f) {
    using T = std::decay_t<decltype(f)>;
    if constexpr (std::is_same_v<T, float>) all.push_back({n, f});
    if constexpr (std::is_same_v<T, RecordArray>)
      for (int i = 1; i <= f.size(); ++i) all.push_back({n + ("(" + std::to_string(i) + ")"), f(i)});
  });
  return all;
}

// Within float rounding: equal, or the float next to it.
bool WithinRounding(float a, float b) {
  return a == b || std::nextafter(a, b) == b;
}

TEST(UnitConversion, FactorsFollowFromTheInchAndThePound) {
  EXPECT_DOUBLE_EQ(ToSIFactor(Unit::Length), 25.4);
  EXPECT_NEAR(ToSIFactor(Unit::Strength), 0.006894757293168361, 1e-17);  // MPa per psi
  EXPECT_NEAR(ToSIFactor(Unit::UnitWeight), 2.7144713752631344e-4, 1e-18);  // N/mm³ per lb/in³
  EXPECT_NEAR(ToSIFactor(Unit::LoadPerLength), 0.17512683524647638, 1e-15);  // N/mm per lbs/in
  EXPECT_DOUBLE_EQ(ToSIFactor(Unit::PileLoad), 4.4482216152605);
  EXPECT_DOUBLE_EQ(ToSIFactor(Unit::Angle), 1.0);
}

TEST(UnitConversion, EnglishToSIConvertsEachValueOnce) {
  InputRecord r = English();
  ASSERT_TRUE(ConvertUnits(r, KELDOR_SI));
  EXPECT_EQ(r.IUNITS, KELDOR_SI);
  EXPECT_EQ(r.H, 3048.0f);                                   // 120 in
  EXPECT_EQ(r.FC, static_cast<float>(4000 * 0.0068947572931683613));  // 27.58 MPa
  // Every list of lengths, entry by entry.
  const InputRecord e = English();
  for (RecordArray InputRecord::*a : {&InputRecord::LSEG, &InputRecord::XSBEG, &InputRecord::YSBEG,
                                      &InputRecord::XSEND, &InputRecord::YSEND, &InputRecord::PILEX,
                                      &InputRecord::PILES})
    for (int i = 1; i <= (e.*a).size(); ++i) EXPECT_EQ((r.*a)(i), static_cast<float>((e.*a)(i) * 25.4));
  EXPECT_EQ(r.ASEG, RecordArray({30.0f, 0.0f}));            // angles stay
  EXPECT_EQ(r.PILEB, RecordArray({0.0f, 14.0f}));
  EXPECT_EQ(r.FD, RecordArray({1.4f}));                      // factors stay
  EXPECT_EQ(r.BW, 2.5f);
  EXPECT_EQ(r.SURL(1), static_cast<float>(250 * 4.4482216152605 / 25.4));
}

// Every box of the window with a unit (and the review value of a pair) is
// converted by the factor of the unit the window shows beside it; every box
// without one keeps its value.
TEST(UnitConversion, EveryBoxIsConvertedByTheUnitBesideIt) {
  ForEachControl([](const TabControl& c) {
    if (c.kind != ControlKind::Box) return;
    for (const char* name : {c.field, c.reviewField}) {
      if (name == nullptr) continue;
      InputRecord r;
      r.IUNITS = KELDOR_ENGLISH;
      *FloatField(r, name) = 3.0f;
      ConvertUnits(r, KELDOR_SI);
      EXPECT_EQ(*FloatField(r, name), static_cast<float>(3.0 * ToSIFactor(c.unit))) << name;
    }
  });
}

TEST(UnitConversion, EnglishToSIAndBackReturnsEveryValueToWithinFloatRounding) {
  for (const char* file : {"/tests/golden/design-spread-english.in", ""}) {
    InputRecord original = English();
    if (*file != '\0') {
      std::string error;
      ASSERT_TRUE(LoadInputFile(original, std::string(KELDOR_SOURCE_DIR) + file, &error)) << error;
    }
    InputRecord r = original;
    ASSERT_TRUE(ConvertUnits(r, KELDOR_SI));
    ASSERT_TRUE(ConvertUnits(r, KELDOR_ENGLISH));
    const auto before = Floats(original), after = Floats(r);
    ASSERT_EQ(before.size(), after.size());
    for (std::size_t k = 0; k < before.size(); ++k)
      EXPECT_TRUE(WithinRounding(before[k].second, after[k].second))
          << before[k].first << ": " << before[k].second << " came back as " << after[k].second;
    EXPECT_GT(before.size(), 80u);
    EXPECT_EQ(r.IUNITS, KELDOR_ENGLISH);
  }
}

TEST(UnitConversion, NothingChangesWhenTheUnitsAreTheSameOrUnknown) {
  InputRecord r = English();
  const InputRecord before = r;
  EXPECT_FALSE(ConvertUnits(r, KELDOR_ENGLISH));
  EXPECT_FALSE(ConvertUnits(r, 3));
  r.IUNITS = 0;  // no units chosen: the values mean nothing yet
  EXPECT_FALSE(ConvertUnits(r, KELDOR_SI));
  r.IUNITS = before.IUNITS;
  EXPECT_EQ(r, before);
}

}  // namespace
}  // namespace fe
