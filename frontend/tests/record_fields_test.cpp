// The record as a whole: field lookup by name and exact comparison.
#include "record_fields.h"

#include <gtest/gtest.h>

#include <cmath>

namespace fe {
namespace {

TEST(FloatField, FindsTheFloatFieldsOfTheWindowByName) {
  InputRecord r;
  EXPECT_EQ(FloatField(r, "RHOC"), &r.RHOC);
  EXPECT_EQ(FloatField(r, "PILEVEQ"), &r.PILEVEQ);
  EXPECT_EQ(FloatField(r, "NLC"), nullptr);   // a count, not a float
  EXPECT_EQ(FloatField(r, "FD"), nullptr);    // an array
  EXPECT_EQ(FloatField(r, "rhoc"), nullptr);  // names are exact
}

TEST(RecordEquality, ComparesEveryFieldExactly) {
  InputRecord a, b;
  EXPECT_EQ(a, b);
  b.FC = std::nextafter(0.0f, 1.0f);  // the smallest difference counts
  EXPECT_NE(a, b);
  b = a;
  b.LSEG = {0.0f};  // an array of one unused element is not an absent array
  EXPECT_NE(a, b);
  b = a;
  b.TITLE = " ";  // blank-padded texts compare with their blanks
  EXPECT_EQ(a, b);
  b.TITLE = "x";
  EXPECT_NE(a, b);
  EXPECT_NE(Describe(b).find("TITLE=\"x" + std::string(79, ' ') + "\"\n"), std::string::npos);
}

}  // namespace
}  // namespace fe
