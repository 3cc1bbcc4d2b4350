// The option buttons, the paired boxes, the count boxes and the units
// question.
#include "input_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "input_defaults.h"
#include "record_fields.h"

namespace fe {
namespace {

// Records what the window was asked to do, with FC at that moment.
class Window : public WindowHooks {
 public:
  explicit Window(const InputRecord& r) : r_(r) {}
  void refreshWindow() override { calls.push_back("refresh"); }
  void applyTooltips() override { calls.push_back("tooltips FC=" + std::to_string(int(r_.FC))); }
  std::vector<std::string> calls;

 private:
  const InputRecord& r_;
};

using Calls = std::vector<std::string>;

class OptionRules : public ::testing::Test {
 protected:
  OptionRules() { InitialiseInput(r, 1); }
  InputRecord r;
  Window window{r};
};

TEST_F(OptionRules, ModesFillTheirMembersThatAreNotPositiveFromThePair) {
  r.WT = 0.0f;  // WTMAX is 500
  r.WF = 90.0f;
  r.TF = -1.0f;
  ChooseAnalysisMode(r, 2, window);
  EXPECT_EQ(r.IMODE, 2);
  EXPECT_EQ(r.WT, 500.0f);
  EXPECT_EQ(r.WF, 90.0f);  // positive: kept
  EXPECT_EQ(r.TF, 15.0f);
  r.WHMAX = 0.0f;
  r.BWMIN = -2.0f;
  r.BW = 3.0f;
  ChooseAnalysisMode(r, 1, window);
  EXPECT_EQ(r.WHMAX, 90.0f);
  EXPECT_EQ(r.BWMIN, 3.0f);
  EXPECT_EQ(r.TFMIN, 15.0f);
  EXPECT_EQ(window.calls, (Calls{"refresh", "refresh"}));
}

// Selecting a button during a refresh sets the field only.
TEST_F(OptionRules, DuringARefreshOnlyTheFieldIsSetAndRefreshingEnds) {
  r.Refreshing = true;
  r.WT = 0.0f;
  ChooseAnalysisMode(r, 2, window);
  EXPECT_EQ(r.WT, 0.0f);
  EXPECT_FALSE(r.Refreshing);
  r.Refreshing = true;
  r.PILEP = 0.0f;
  ChooseFoundation(r, 2, window);
  EXPECT_EQ(r.PILEP, 0.0f);
  EXPECT_FALSE(r.Refreshing);
  r.Refreshing = true;
  EXPECT_FALSE(ChooseUnits(r, 2));  // no question during a refresh
  EXPECT_EQ(r.IUNITS, 2);
  EXPECT_FALSE(r.Refreshing);
  r.Refreshing = true;
  ChooseOptimisation(r, 2);  // these two leave Refreshing alone
  ChooseSlidingOption(r, 1);
  EXPECT_TRUE(r.Refreshing);
  EXPECT_EQ(r.IOPTIM, 2);
  EXPECT_EQ(r.OPTSL, 1);
  EXPECT_TRUE(window.calls.empty());
}

TEST_F(OptionRules, FoundationsBringBackTheirDefaultsOnlyWithoutACapacity) {
  r.PILEP = 0.0f;
  r.PILEDIA = 5.0f;
  ChooseFoundation(r, 2, window);
  EXPECT_EQ(r.PILEP, 90000.0f);
  EXPECT_EQ(r.PILEDIA, 12.0f);
  r.PILEDIA = 5.0f;
  ChooseFoundation(r, 2, window);
  EXPECT_EQ(r.PILEDIA, 5.0f);
  r.Q = 0.0f;
  r.CS = 0.2f;
  ChooseFoundation(r, 1, window);
  EXPECT_EQ(r.Q, 20.83f);
  EXPECT_EQ(r.CS, 0.64f);
  // Soil and concrete choices reset nothing.
  r.KA = 0.45f;
  ChooseSoilConfiguration(r, 2, window);
  ChooseConcreteDesign(r, 2, window);
  EXPECT_EQ(r.KA, 0.45f);
  EXPECT_EQ(r.ISOIL, 2);
  EXPECT_EQ(r.IDESIGN, 2);
  EXPECT_EQ(window.calls, Calls(5, "refresh"));
}

TEST_F(OptionRules, AnsweringNoChangesOnlyUnitsAndTooltips) {
  EXPECT_EQ(UnitsQuestion(2),
            "Would you like to change to SI default parameters?\r"
            "This will overwrite any parameters you have specified.");
  EXPECT_EQ(UnitsQuestion(1).substr(0, 55), "Would you like to change to English default parameters?");
  InputRecord expected = r;
  expected.IUNITS = 2;
  ASSERT_TRUE(ChooseUnits(r, 2));
  AnswerUnitsQuestion(r, false, window);
  EXPECT_EQ(r, expected);
  EXPECT_EQ(window.calls, (Calls{"tooltips FC=4000"}));
}

TEST_F(OptionRules, AnsweringYesLoadsTheDefaultsButKeepsOptionsAndSoilParameters) {
  r.KA = 0.45f;
  r.IMODE = 2;
  r.NLC = 3;
  ASSERT_TRUE(ChooseUnits(r, 2));
  AnswerUnitsQuestion(r, true, window);
  EXPECT_EQ(r.FC, 25.0f);
  EXPECT_EQ(r.TWMIN, 300.0f);
  EXPECT_EQ(r.WHMAX, 10000.0f);
  EXPECT_EQ(r.Q, 0.1436f);
  EXPECT_EQ(r.NLC, 0);
  EXPECT_EQ(r.KA, 0.45f);
  EXPECT_EQ(r.IMODE, 2);
  // Tooltips first (the values still English), the refresh after the resets.
  EXPECT_EQ(window.calls, (Calls{"tooltips FC=4000", "refresh"}));
}

TEST_F(OptionRules, PairedBoxesStoreIntoBothMembersOrTheSelectedOne) {
  EXPECT_TRUE(StoreWallBatter(r, "3.5"));
  EXPECT_TRUE(StoreFootingThickness(r, "18"));
  EXPECT_TRUE(StoreKeyDepth(r, "6"));
  EXPECT_EQ(r.BWMIN, 3.5f);
  EXPECT_EQ(r.BW, 3.5f);
  EXPECT_EQ(r.TF, 18.0f);
  EXPECT_EQ(r.DKMAX, 6.0f);
  EXPECT_TRUE(StoreToeWidth(r, "40", ModeButton::Design));
  EXPECT_TRUE(StoreHeelWidth(r, "120", ModeButton::Review));
  EXPECT_TRUE(StoreToeWidth(r, "9", ModeButton::None));
  EXPECT_EQ(r.WTMAX, 40.0f);
  EXPECT_EQ(r.WT, 0.0f);
  EXPECT_EQ(r.WF, 120.0f);
  EXPECT_EQ(r.WHMAX, 500.0f);
  // A number too large for a float keeps the field.
  EXPECT_FALSE(StoreNumber(r.FC, "1e40"));
  EXPECT_FALSE(StoreWallBatter(r, "1e40"));
  EXPECT_EQ(r.FC, 4000.0f);
  EXPECT_EQ(r.BW, 3.5f);
}

TEST_F(OptionRules, ACountRecreatesItsArraysAllZero) {
  ASSERT_EQ(StoreCount(r, CountGroup::LoadCombinations, "3"), CountResult::Set);
  EXPECT_EQ(r.NLC, 3);
  for (const RecordArray* a : {&r.FD, &r.FL, &r.FE, &r.FSUR, &r.FW, &r.FEQ})
    EXPECT_EQ(*a, RecordArray(4, 0.0f));
  r.FD[2] = 1.4f;
  StoreCount(r, CountGroup::LoadCombinations, "");  // deleting the digit...
  StoreCount(r, CountGroup::LoadCombinations, "3");  // ...and typing it again discards
  EXPECT_EQ(r.FD, RecordArray(4, 0.0f));
  StoreCount(r, CountGroup::GroundSegments, "2.5");
  StoreCount(r, CountGroup::Surcharges, "3.5");
  StoreCount(r, CountGroup::PileRows, "rows");
  EXPECT_EQ(r.NSEG, 2);
  EXPECT_EQ(r.ASEG.size(), 3u);
  EXPECT_EQ(r.NSUR, 4);
  EXPECT_EQ(r.YSEND.size(), 5u);
  EXPECT_EQ(r.NROWS, 0);
  EXPECT_EQ(r.PILES.size(), 1u);
}

TEST_F(OptionRules, ACountIsIgnoredDuringARefreshOrRefusedOutsideItsRange) {
  StoreCount(r, CountGroup::Surcharges, "1");
  r.SURL[1] = 400.0f;
  r.Refreshing = true;
  EXPECT_EQ(StoreCount(r, CountGroup::Surcharges, "2"), CountResult::Ignored);
  EXPECT_FALSE(r.Refreshing);
  // A negative or huge count is refused without creating arrays.
  for (const char* text : {"-1", "32768", "1e9"})
    EXPECT_EQ(StoreCount(r, CountGroup::Surcharges, text), CountResult::Refused) << text;
  EXPECT_EQ(r.NSUR, 1);
  EXPECT_EQ(r.SURL, (RecordArray{0.0f, 400.0f}));
  EXPECT_EQ(CountRefusal(CountGroup::Surcharges),
            "Number of irregular surcharge loads must be a whole number from 0 to 32767");
  EXPECT_EQ(StoreCount(r, CountGroup::PileRows, "32767"), CountResult::Set);
  EXPECT_EQ(r.PILEX.size(), 32768u);
}

}  // namespace
}  // namespace fe
