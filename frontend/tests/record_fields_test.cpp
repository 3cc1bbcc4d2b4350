// Exact comparison of whole records, on which every "the record is
// unchanged" check of the other tests rests.
#include "record_fields.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

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
    if (c.name != nullptr) EXPECT_TRUE(names.insert(c.name).second) << c.name;
    if (c.kind != ControlKind::Box) return;
    EXPECT_NE(FloatField(r, c.field), nullptr) << c.name;
    EXPECT_EQ(c.pairing == Pairing::None, c.reviewField == nullptr) << c.name;
    if (c.reviewField != nullptr) EXPECT_NE(FloatField(r, c.reviewField), nullptr) << c.name;
    EXPECT_NE(c.english, nullptr) << c.name;
  });
  EXPECT_EQ(names.count("txtWHMAX"), 1u);  // the walk reached the last tabs
}

}  // namespace
}  // namespace fe
