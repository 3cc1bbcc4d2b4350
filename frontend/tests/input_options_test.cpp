// The option buttons, the count boxes and the units question. (The window
// tests drive the paired boxes, the answer No and the refresh through the
// window.)
#include "input_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "record_fields.h"
#include "start_up.h"

namespace fe {
namespace {

// Records what the window was asked to do.
class Window : public WindowHooks {
 public:
  void refreshWindow() override { calls.push_back("refresh"); }
  void applyTooltips() override { calls.push_back("tooltips"); }
  std::vector<std::string> calls;
};

using Calls = std::vector<std::string>;

class OptionRules : public ::testing::Test {
 protected:
  InputRecord r = StartUp();
  Window window;
};

// Each mode fills its members that are not positive from the other member
// of the pair, and keeps the positive ones.
TEST_F(OptionRules, ModesFillTheirMembersThatAreNotPositiveFromThePair) {
  float InputRecord::*const design[] = {&InputRecord::BWMIN, &InputRecord::TFMIN,
                                        &InputRecord::DKMAX, &InputRecord::WTMAX, &InputRecord::WHMAX};
  float InputRecord::*const review[] = {&InputRecord::BW, &InputRecord::TF, &InputRecord::DK,
                                        &InputRecord::WT, &InputRecord::WF};
  for (int mode : {2, 1}) {
    float InputRecord::*const* mine = mode == 2 ? review : design;
    float InputRecord::*const* other = mode == 2 ? design : review;
    for (int i = 0; i < 5; ++i) {
      r.*mine[i] = i == 0 ? 3.0f : i == 1 ? 0.0f : -1.0f;
      r.*other[i] = 10.0f + float(i);
    }
    ChooseAnalysisMode(r, mode, window);
    EXPECT_EQ(r.IMODE, mode);
    EXPECT_EQ(r.*mine[0], 3.0f) << "positive: kept";
    for (int i = 1; i < 5; ++i) EXPECT_EQ(r.*mine[i], 10.0f + float(i)) << mode << i;
  }
  EXPECT_EQ(window.calls, Calls(2, "refresh"));
}

TEST_F(OptionRules, FoundationsBringBackTheirDefaultsOnlyWithoutACapacity) {
  r.PILEP = 0.0f;
  r.PILEDIA = 5.0f;
  ChooseFoundation(r, 2, window);
  EXPECT_EQ(std::vector<float>({r.PILEP, r.PILEDIA}), std::vector<float>({90000.0f, 12.0f}));
  r.PILEDIA = 5.0f;
  ChooseFoundation(r, 2, window);  // with a capacity nothing comes back
  EXPECT_EQ(r.PILEDIA, 5.0f);
  r.Q = 0.0f;
  r.CS = 0.2f;
  ChooseFoundation(r, 1, window);
  EXPECT_EQ(std::vector<float>({r.Q, r.CS}), std::vector<float>({20.83f, 0.64f}));
  // Soil and concrete choices reset nothing.
  const InputRecord before = r;
  ChooseSoilConfiguration(r, 2, window);
  ChooseConcreteDesign(r, 2, window);
  InputRecord expected = before;
  expected.ISOIL = expected.IDESIGN = 2;
  EXPECT_EQ(r, expected);
  EXPECT_EQ(window.calls, Calls(5, "refresh"));
}

// Yes: the new units' defaults everywhere but in the options and the soil
// parameters; counts go to 0, the title stays.
TEST_F(OptionRules, AnsweringYesLoadsTheDefaultsButKeepsOptionsAndSoilParameters) {
  r.KA = 0.45f;
  r.IMODE = 2;
  r.NLC = 3;
  r.TITLE = "Mine";
  InputRecord expected = StartUp(2);
  expected.KA = 0.45f;
  expected.IMODE = 2;
  expected.TITLE = "Mine";
  ASSERT_TRUE(ChooseUnits(r, 2));
  AnswerUnitsQuestion(r, true, window);
  EXPECT_EQ(r, expected) << Describe(r);
  EXPECT_EQ(window.calls, (Calls{"tooltips", "refresh"}));
}

// A count resizes its group's arrays: records up to the new count keep their
// values, new ones are zero; it is ignored during a refresh and refused
// outside 0..32767.
TEST_F(OptionRules, ACountKeepsTheRecordsItStillCounts) {
  const struct {
    CountGroup group;
    std::vector<RecordArray*> arrays;
  } groups[] = {{CountGroup::LoadCombinations, {&r.FD, &r.FL, &r.FE, &r.FSUR, &r.FW, &r.FEQ}},
                {CountGroup::GroundSegments, {&r.LSEG, &r.ASEG}},
                {CountGroup::Surcharges, {&r.SURL, &r.XSBEG, &r.YSBEG, &r.XSEND, &r.YSEND}},
                {CountGroup::PileRows, {&r.PILEX, &r.PILEB, &r.PILES}}};
  for (const auto& g : groups) {
    ASSERT_EQ(StoreCount(r, g.group, "3"), CountResult::Set);
    EXPECT_EQ(Count(r, g.group), 3);
    for (RecordArray* a : g.arrays) EXPECT_EQ(*a, (RecordArray{0.0f, 0.0f, 0.0f}));
    (*g.arrays.back())(3) = 1.4f;
    r.Refreshing = true;
    EXPECT_EQ(StoreCount(r, g.group, "2"), CountResult::Ignored);
    EXPECT_FALSE(r.Refreshing);
    for (const char* text : {"-1", "32768", "1e9"})
      EXPECT_EQ(StoreCount(r, g.group, text), CountResult::Refused) << text;
    EXPECT_EQ(Count(r, g.group), 3);
    EXPECT_EQ(*g.arrays.back(), (RecordArray{0.0f, 0.0f, 1.4f}));
    (*g.arrays.front())(1) = 2.5f;
    ASSERT_EQ(StoreCount(r, g.group, "4"), CountResult::Set);  // grows: every record kept
    EXPECT_EQ(*g.arrays.back(), (RecordArray{0.0f, 0.0f, 1.4f, 0.0f}));
    ASSERT_EQ(StoreCount(r, g.group, "1"), CountResult::Set);  // shrinks: only the first kept
    EXPECT_EQ(*g.arrays.front(), (RecordArray{2.5f}));
    EXPECT_EQ(*g.arrays.back(), (RecordArray{0.0f}));
  }
  EXPECT_EQ(CountRefusal(CountGroup::Surcharges),
            "Number of irregular surcharge loads must be a whole number from 0 to 32767");
  EXPECT_EQ(StoreCount(r, CountGroup::PileRows, "32767"), CountResult::Set);
  EXPECT_EQ(r.PILEX.size(), 32767);
}

}  // namespace
}  // namespace fe
