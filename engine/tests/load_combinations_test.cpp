// Load combinations: the switch rules for factors that no golden input has
// (none on, negative, of any size) and the load set a combination takes. The
// lateral components, the wall friction of each set, the irregular
// surcharge through the wedge and the blocks are the golden files'.
#include "load_combinations.h"

#include <gtest/gtest.h>

#include "reference_wall.h"
#include "report_capture.h"
#include "state.h"

namespace keldor {
namespace {

using testing_support::FreshState;
using testing_support::SameValues;
using testing_support::SetCombinations;

// Each row is summed by hand from round weights (V 1000 at 50000, L 100 at
// 4000), round lateral loads and the vertical components c x P at the heel
// end, WF = 96: a factor switches its load on when positive, whatever its
// size.
TEST(CombinationResultants, SwitchRulesAddTheLoadsByHand) {
  FreshState();
  S.WDEAD = 1000.0f, S.MDEAD = 50000.0f, S.WLIVE = 100.0f, S.MLIVE = 4000.0f, S.WF = 96.0f;
  S.SS = 0.1f, S.SSW = 0.2f, S.SSEQ = 0.3f;
  SetCombinations({
      {1, 1, 0, 0, 0, 0},           // dead and live only
      {0, 0, 0, 0, 0, 0},           // nothing on
      {1, -1, -1, -1, -1, -1},      // a negative factor switches nothing on
      {1, 0, 1, 0, 1, 1},           // wind and seismic: c = SSW
      {0.5f, 0, 2.5f, 0, 0.1f, 3},  // the same: a factor's size does not scale its load
  });
  LateralLoads l;
  l.PE = 200.0f, l.ME = 10000.0f, l.PSL = 80.0f, l.MSL = 5000.0f;
  l.VWL = 5.0f, l.MWL = 700.0f, l.PEQH = 60.0f, l.VEQL = 63.0f, l.MEQL = 6000.0f;
  const float expected[][5] = {{0, 0, 1100, 1100, 54000},
                               {0, 0, 0, 0, 0},
                               {0, 0, 1000, 1000, 50000},
                               {268, 16700, 1058, 1000, 55568},
                               {268, 16700, 1058, 1000, 55568}};
  for (int i = 1; i <= 5; ++i) {
    const Resultants r = CombinationResultants(l, i);
    const float* e = expected[i - 1];
    EXPECT_TRUE(SameValues({r.HL, r.MO, r.V, r.VT, r.MR}, {e[0], e[1], e[2], e[3], e[4]}, 1e-6f))
        << "combination " << i;
  }
}

// The load set: later rules override earlier ones; a combination with no
// earth, wind or seismic load takes the regular set, not the previous one's.
TEST(CombinationRules, LoadSetOfACombination) {
  FreshState();
  SetCombinations({{1, 0, 1, 0, 0, 0},
                   {1, 0, 1, 0, 1, 0},
                   {1, 0, 1, 0, 1, 1},
                   {1, 0, 0, 0, 0, 1},
                   {1, 1, 0, 1, 0, 0}});
  EXPECT_EQ(std::vector<LoadSet>({LoadSetOf(1), LoadSetOf(2), LoadSetOf(3), LoadSetOf(4), LoadSetOf(5)}),
            std::vector<LoadSet>({LoadSet::kRegular, LoadSet::kWind, LoadSet::kSeismic,
                                  LoadSet::kSeismic, LoadSet::kRegular}));
}

}  // namespace
}  // namespace keldor
