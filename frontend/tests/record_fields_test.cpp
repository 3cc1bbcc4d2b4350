// Exact comparison of whole records, on which every "the record is
// unchanged" check of the other tests rests.
#include "record_fields.h"

#include <gtest/gtest.h>

#include <cmath>

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

}  // namespace
}  // namespace fe
