// Load combination resultants: the lateral components, the switch rules of a
// combination and the load set. (The blocks the pile load combinations write
// are the golden files', the reference wall on piles among them.)
#include "load_combinations.h"

#include <gtest/gtest.h>

#include <cmath>

#include "keldor.h"
#include "reference_wall.h"
#include "report_capture.h"
#include "state.h"

namespace keldor {
namespace {

using testing_support::FreshState;
using testing_support::SameValues;
using testing_support::SetCombinations;

// Weights and friction coefficients with round numbers for hand sums.
void SetRoundWeights() {
  S.WDEAD = 1000.0f, S.MDEAD = 50000.0f, S.WLIVE = 100.0f, S.MLIVE = 4000.0f;
  S.WSURV = 80.0f, S.MSURV = 6000.0f, S.WF = 96.0f;
  S.SS = 0.1f, S.SSW = 0.2f, S.SSEQ = 0.3f;
}

LateralLoads RoundLateralLoads(bool irregular) {
  LateralLoads l;
  l.irregular = irregular;
  l.PE = 200.0f, l.ME = 10000.0f, l.PES = 260.0f, l.MES = 14000.0f;
  l.PSL = irregular ? 0.0f : 80.0f, l.MSL = irregular ? 0.0f : 5000.0f;
  l.VWL = 5.0f, l.MWL = 700.0f, l.PEQH = 60.0f, l.VEQL = 63.0f, l.MEQL = 6000.0f;
  return l;
}

void ExpectResultants(const Resultants& r, float HL, float MO, float V, float VT, float MR) {
  EXPECT_TRUE(SameValues({r.HL, r.MO, r.V, r.VT, r.MR}, {HL, MO, V, VT, MR}, 1e-6f));
}

// Hand values: HP = 120 + 18 = 138; PE = .5 x .3 x .07 x 138^2 = 199.962,
// ME = PE x .4 x 138 = 11037.90; PSL = .3 x 2 x 138 = 82.8, MSL = 5713.2;
// wind 5 and 5 x 138 + 100 = 790; PEQH = .5 x .1 x .07 x 138^2 = 66.654,
// seismic shear 69.654, moment 66.654 x .6 x 138 + 3 x 138 + 50 = 5982.95.
TEST(LateralComponents, ConstantSlopeFromTheCoefficients) {
  FreshState();
  S.ISOIL = 1, S.H = 120.0f, S.TF = 18.0f, S.WF = 96.0f, S.WT = 36.0f, S.TWMIN = 12.0f;
  S.KA = 0.3f, S.YE = 0.4f, S.RHOS = 0.07f, S.SUR = 2.0f, S.KAEQ = 0.1f, S.YEQ = 0.6f;
  S.VW = 5.0f, S.MW = 100.0f, S.VEQ = 3.0f, S.MEQ = 50.0f;
  const LateralLoads l = LateralComponents();
  EXPECT_FALSE(l.irregular);
  EXPECT_TRUE(SameValues(
      {l.PE, l.ME, l.PSL, l.MSL, l.VWL, l.MWL, l.PEQH, l.VEQL, l.MEQL},
      {199.962f, 11037.90f, 82.8f, 5713.2f, 5.0f, 790.0f, 66.654f, 69.654f, 5982.95f}, 2e-6f));
  EXPECT_EQ(l.PEQH, S.PEQH);  // stored for the callers

  // The backfill rises from the top of the back face: the loaded height at
  // the heel end is 138 + 48 tan(BETA).
  S.BETA = Radians(20.0f);
  const float HP = 138.0f + 48.0f * std::tan(S.BETA);
  EXPECT_NEAR(LateralComponents().PE, 0.5f * 0.3f * 0.07f * HP * HP, 1e-3f);
}

// Each row is summed by hand from the round weights (V 1000 at 50000, L 100
// at 4000, SC 80 at 6000), the round lateral loads and the vertical
// components c x P at the heel end, WF = 96.
TEST(CombinationResultants, SwitchRulesAddTheLoadsByHand) {
  FreshState();
  SetRoundWeights();
  SetCombinations({
      {1, 1, 0, 0, 0, 0},           // 1: dead and live only
      {1, 0, 1, 0, 0, 0},           // 2: earth, c = SS
      {1, 0, 1, 1, 0, 0},           // 3: earth and uniform surcharge
      {1, 0, 1, 0, 1, 1},           // 4: wind and seismic: c = SSW
      {1, 0, 0, 0, 0, 1},           // 5: seismic without earth
      {0, 0, 0, 0, 0, 0},           // 6: nothing on
      {1, 0, -1, 0, 0, 0},          // 7: a negative factor switches nothing on
      {0.5f, 0, 2.5f, 0, 0.1f, 3},  // 8: as 4; a factor's size does not scale its load
  });
  const LateralLoads l = RoundLateralLoads(false);
  ExpectResultants(CombinationResultants(l, 1), 0, 0, 1100, 1100, 54000);
  ExpectResultants(CombinationResultants(l, 2), 200, 10000, 1020, 1000, 51920);
  ExpectResultants(CombinationResultants(l, 3), 280, 15000, 1108, 1080, 58688);
  ExpectResultants(CombinationResultants(l, 4), 268, 16700, 1058, 1000, 55568);
  // The seismic vertical component SSEQ x PEQH is added without FE too.
  ExpectResultants(CombinationResultants(l, 5), 63, 6000, 1018, 1000, 51728);
  ExpectResultants(CombinationResultants(l, 6), 0, 0, 0, 0, 0);
  ExpectResultants(CombinationResultants(l, 7), 0, 0, 1000, 1000, 50000);
  ExpectResultants(CombinationResultants(l, 8), 268, 16700, 1058, 1000, 55568);
}

// With an irregular backfill a combination with earth and surcharge uses the
// wedge with the surcharge lines; the next one with earth alone goes back to
// the plain wedge, whatever came before.
TEST(CombinationResultants, IrregularSurchargeActsThroughTheWedge) {
  FreshState();
  SetRoundWeights();
  SetCombinations({{1, 0, 1, 0, 0, 0}, {1, 0, 1, 1, 0, 0}, {1, 0, 1, 0, 0, 0}});
  const LateralLoads l = RoundLateralLoads(true);
  ExpectResultants(CombinationResultants(l, 1), 200, 10000, 1020, 1000, 51920);
  ExpectResultants(CombinationResultants(l, 2), 260, 14000, 1106, 1080, 58496);
  ExpectResultants(CombinationResultants(l, 3), 200, 10000, 1020, 1000, 51920);
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

// Seismic values come from the seismic inputs, passive resistance included:
// 0.5 x KPEQ x .07 x (6 + 18 + 12)^2 = 45.36 x 2. Wind keeps the regular KP.
TEST(CombinationRules, SeismicSetValues) {
  FreshState();
  S.SFOTEQ = 1.2f, S.SFSLEQ = 1.1f, S.QEQ = 30.0f, S.CSEQ = 0.4f;
  S.PILEPEQ = 1600.0f, S.PILEVEQ = 160.0f;
  S.KP = 3.0f, S.KPEQ = 2.0f;
  S.RHOS = 0.07f, S.DK = 6.0f, S.TF = 18.0f, S.HT = 12.0f;
  const LoadSetValues q = ValuesOf(LoadSet::kSeismic);
  EXPECT_TRUE(SameValues({q.SFOT, q.SFSL, q.Q, q.CS, q.PILEP, q.PILEV, q.PP},
                         {1.2f, 1.1f, 30.0f, 0.4f, 1600.0f, 160.0f, 90.72f}, 1e-5f));
  EXPECT_NEAR(ValuesOf(LoadSet::kWind).PP, 136.08f, 1e-3f);
}

}  // namespace
}  // namespace keldor
