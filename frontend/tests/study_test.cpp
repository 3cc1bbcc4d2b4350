// The range of a study's varied value: what is accepted, what is refused
// before anything runs, and the values it gives.
#include "study.h"

#include <gtest/gtest.h>

namespace fe {
namespace {

TEST(Variation, RangesAndTheirValues) {
  struct Case {
    const char* text;
    std::vector<float> values;
  };
  const Case cases[] = {
      {"H=96:240:48", {96, 144, 192, 240}},
      {"h=96:250:48", {96, 144, 192, 240}},  // TO not reached by a step
      {"WT=0:1:0.25", {0, 0.25f, 0.5f, 0.75f, 1}},
      {"SUR=0:1:0.1", {0, 0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f, 0.7f, 0.8f, 0.9f, 1}},  // 1 is reached
      {"PHI=40:25:-5", {40, 35, 30, 25}},
      {"H=120:120:12", {120}},
      {"Q=-2:2:2", {-2, 0, 2}},
  };
  for (const Case& c : cases) {
    Variation v;
    std::string error;
    ASSERT_TRUE(ParseVariation(c.text, &v, &error)) << c.text << ": " << error;
    EXPECT_EQ(VariationValues(v), c.values) << c.text;
  }
  Variation v;
  std::string error;
  ASSERT_TRUE(ParseVariation("tf=12:24:6", &v, &error));
  EXPECT_EQ(v.name, "TF");
}

TEST(Variation, RefusedBeforeAnythingRuns) {
  const std::pair<const char*, const char*> cases[] = {
      {"H", "give the value's name and its range, as NAME=FROM:TO:STEP."},
      {"=1:2:1", "give the value's name and its range, as NAME=FROM:TO:STEP."},
      {"NLC=1:2:1", "the input has no single value named NLC."},  // a count
      {"FD=1:2:1", "the input has no single value named FD."},    // a list
      {"TITLE=1:2:1", "the input has no single value named TITLE."},
      {"H=1:2", "the range is FROM:TO:STEP."},
      {"H=1:2:1:4", "FROM, TO and STEP must be numbers."},
      {"H=a:2:1", "FROM, TO and STEP must be numbers."},
      {"H= 1:2:1", "FROM, TO and STEP must be numbers."},
      {"H=1:2:nan", "FROM, TO and STEP must be numbers."},
      {"H=1:1e999:1", "FROM, TO and STEP must be numbers."},
      {"H=1:2:0", "the step must not be zero."},
      {"H=2:1:1", "the step goes away from TO."},
      {"H=0:10000:1", "the range has 10001 values; a study runs at most 10000."},
  };
  for (const auto& [text, why] : cases) {
    Variation v;
    std::string error;
    EXPECT_FALSE(ParseVariation(text, &v, &error)) << text;
    EXPECT_EQ(error, std::string("--vary ") + text + ": " + why);
    EXPECT_FALSE(v.given());
  }
}

}  // namespace
}  // namespace fe
