// Exact comparison of whole records, on which every "the record is
// unchanged" check of the other tests rests.
#include "record_fields.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "keldor.h"
#include "window_tabs.h"

namespace fe {
namespace {

TEST(RecordEquality, ComparesEveryFieldExactly) {
  const InputRecord a;
  InputRecord b;
  EXPECT_EQ(a, b);
  b.FC = std::nextafter(0.0f, 1.0f);  // the smallest difference counts
  EXPECT_NE(a, b);
  b = a;
  b.LSEG = {0.0f};  // an array of one zero is not an absent array
  EXPECT_NE(a, b);
  b = a;
  b.VERSION = "x";  // the last field counts too
  EXPECT_NE(a, b);
  EXPECT_NE(Describe(b).find("VERSION=\"x    \"\n"), std::string::npos);
}

// The window's tables: every box edits a float field of the record (the
// window would dereference a null field otherwise), every paired box knows
// its review value, and no object name is used twice.
TEST(WindowTabs, EveryBoxNamesARecordFieldAndEveryNameIsUnique) {
  InputRecord r;
  std::set<std::string> names;
  ForEachControl([&](const TabControl& c) {
    if (c.name != nullptr) {
      EXPECT_TRUE(names.insert(c.name).second) << c.name;
    }
    if (c.kind != ControlKind::Box) return;
    EXPECT_NE(FloatField(r, c.field), nullptr) << c.name;
    EXPECT_EQ(c.pairing == Pairing::None, c.reviewField == nullptr) << c.name;
    if (c.reviewField != nullptr) {
      EXPECT_NE(FloatField(r, c.reviewField), nullptr) << c.name;
    }
    EXPECT_NE(c.english, nullptr) << c.name;
  });
  EXPECT_EQ(names.count("txtWHMAX"), 1u);  // the walk reached the last tabs
}

// The value beside a box in the unit engineers think in.
TEST(WindowTabs, ValuesInTheUnitsEngineersThinkIn) {
  const struct {
    Unit unit;
    std::int32_t units;
    float value;
    const char* shown;
  } cases[] = {
      {Unit::UnitWeight, KELDOR_ENGLISH, 0.0868f, "= 150 pcf"},
      {Unit::Stress, KELDOR_ENGLISH, 20.83f, "= 3000 psf"},
      {Unit::Strength, KELDOR_ENGLISH, 60000.0f, "= 60 ksi"},
      {Unit::Length, KELDOR_ENGLISH, 120.0f, "= 10 ft"},
      {Unit::LoadPerLength, KELDOR_ENGLISH, 100.0f, "= 1200 plf"},
      {Unit::PileLoad, KELDOR_ENGLISH, 180000.0f, "= 180 kips/pile"},
      {Unit::UnitWeight, KELDOR_SI, 2.36e-05f, "= 23.6 kN/m\u00b3"},
      {Unit::Stress, KELDOR_SI, 0.144f, "= 144 kPa"},
      {Unit::Length, KELDOR_SI, 3000.0f, "= 3 m"},
      {Unit::MomentPerLength, KELDOR_SI, 25000.0f, "= 25 kN-m/m"},
      {Unit::Strength, KELDOR_SI, 28.0f, ""},  // MPa already
      {Unit::Angle, KELDOR_ENGLISH, 30.0f, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(EngineerValue(c.unit, c.units, c.value), c.shown) << c.value;
}

}  // namespace
}  // namespace fe
