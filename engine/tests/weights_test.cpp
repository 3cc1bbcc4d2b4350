// Weights and righting moments: hand-calculated walls, the strip integration
// of an irregular backfill, the surcharge shares and the soil left for the
// footing heel. The section itself is the golden files' (the reference wall
// among them, checked against its hand calculation).
#include "weights.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "keldor.h"
#include "report_capture.h"
#include "state.h"

namespace keldor {
namespace {

using testing_support::FreshState;
using testing_support::SameValues;

// The six results of the section, to the four digits the report prints.
::testing::AssertionResult Weights(std::vector<float> expected) {
  return SameValues({S.WDEAD, S.MDEAD, S.WLIVE, S.MLIVE, S.WSURV, S.MSURV}, expected, 5e-4f);
}

// Sets an irregular backfill through the set operations (angles in degrees).
void SetGround(const std::vector<float>& lengths, const std::vector<float>& angles) {
  const float z = 0.0f;
  const int32_t nseg = static_cast<int32_t>(lengths.size()), nsur = S.NSUR;
  SETSCON(&S.H, &S.HT, &z, &S.SUR, &nseg, &nsur);
  SETIRR(lengths.data(), angles.data());
}

// A fresh 10 ft stem, 12 in at the top, on an 18 in footing 96 in wide, toe
// 30 in, with the backfill of `soil`.
void SetWall(float bwDegrees, int soil) {
  FreshState();
  S.IPRINT = 1, S.ISOIL = soil;
  S.H = 120.0f, S.TF = 18.0f, S.WF = 96.0f, S.WT = 30.0f, S.TWMIN = 12.0f;
  S.BW = Radians(bwDegrees);
  S.RHOC = 0.0868f, S.RHOS = 0.0694f;
}

// Battered stem (2 degrees), soil over the toe, backfill sloping at 10
// degrees, loads at the top. Hand calculation by parts, the soil over the
// heel confirmed as one polygon (450.10 lb/in at 70.349 in from the toe):
//   footing 18 x 96 x .0868 = 149.99 @ 48; stem 12 x 120 x .0868 = 124.99 @ 36;
//   stem batter .5 x .0868 x 120 x 4.1905 = 21.824 @ 43.397;
//   toe soil 24 x 30 x .0694 = 49.968 @ 15; soil over the batter 17.449 @ 44.794;
//   rectangle 49.810 x 120 x .0694 = 414.81 @ 71.095;
//   sloping triangle .5 x .0694 x tan 10 x 54^2 = 17.842 @ 78; PD 100 @ 36.
TEST(WeightsAndMoments, BatteredWallWithSlopingBackfillAndTopLoads) {
  SetWall(2.0f, 1);
  S.HT = 24.0f, S.BETA = Radians(10.0f);
  S.PD = 100.0f, S.PDX = 6.0f, S.PL = 50.0f, S.PLX = 6.0f, S.SUR = 1.5f;
  WeightsAndMoments();
  EXPECT_TRUE(Weights({896.9f, 48660.0f, 50.0f, 1800.0f, 81.0f, 5589.0f}));
  // What is left for the heel: rectangle and sloping triangle only.
  EXPECT_TRUE(SameValues({S.WSOIL, S.MSOIL}, {432.655f, 30882.9f}, 2e-5f));
  // PD with PDX = 0 acts at the front face of the stem: its arm is WT.
  const float withPDX = S.MDEAD;
  S.PDX = 0.0f;
  WeightsAndMoments();
  EXPECT_NEAR(withPDX - S.MDEAD, 6.0f * 100.0f, 0.01f);
}

// Strips of ten along a ground segment take the soil weight of a straight
// ground line exactly, so a straight rising profile must give the
// constant-slope wedge. Over a battered stem the strips rest on the back
// face; a strip that straddles the foot of the batter is weighed on the face
// at its mid-point, so the check splits the ground there: the first segment
// ends at x = BOFF. What remains is the back face taken as tan(BW + 4.7124) x.
TEST(WeightsAndMoments, IrregularGroundOverABatteredStem) {
  SetWall(2.0f, 1);
  S.BETA = Radians(15.0f);
  WeightsAndMoments();
  const float dead = S.WDEAD, moment = S.MDEAD, soil = S.WSOIL;

  S.ISOIL = 2;
  S.IPRINT = 0;
  const float boff = S.H * std::tan(S.BW);
  SetGround({boff / std::cos(Radians(15.0f)), 300.0f}, {15.0f, 15.0f});
  WeightsAndMoments();
  EXPECT_TRUE(SameValues({S.WDEAD, S.WSOIL, S.MDEAD}, {dead, soil, moment}, 2e-4f));
}

// Level for 24 in, then rising at 30 degrees past the heel end (LH = 54).
// Hand integral of the soil: .0694 x (120 x 54 + .5 x tan 30 x 30^2) = 467.74
// lb/in; its moment by the midpoint rule of the ten strips per part
// 32579.9 (exact integral 32580.8). Irregular surcharges, LH = 54:
//   5 on 10..20 counts whole at 57; 6 on 40..70 counts 14/30 = 2.8 at 89;
//   7 starting at 54 counts nothing; 4 on -10..10 counts its half behind the
//   back face, 2.0 at 47; 3 entered from 20 back to 10 counts whole at 57.
TEST(WeightsAndMoments, IrregularGroundAndSurchargeLinesByHand) {
  SetWall(0.0f, 2);
  S.NSUR = 5;
  SetGround({24.0f, 60.0f}, {0.0f, 30.0f});
  const float t30 = std::tan(Radians(30.0f));
  const auto y = [t30](float x) { return x <= 24.0f ? 0.0f : t30 * (x - 24.0f); };
  const float load[] = {5.0f, 6.0f, 7.0f, 4.0f, 3.0f};
  const float xb[] = {10.0f, 40.0f, 54.0f, -10.0f, 20.0f};
  const float xe[] = {20.0f, 70.0f, 80.0f, 10.0f, 10.0f};
  const float yb[] = {0.0f, y(40.0f), y(54.0f), 0.0f, 0.0f};
  const float ye[] = {0.0f, y(70.0f), y(80.0f), 0.0f, 0.0f};
  SETSUR(load, xb, yb, xe, ye);

  WeightsAndMoments();
  EXPECT_TRUE(Weights({742.7f, 44280.0f, 0.0f, 0.0f, 12.80f, 799.2f}));
  EXPECT_TRUE(SameValues({S.WSOIL, S.MSOIL}, {467.743f, 32579.9f}, 2e-5f));
}

// A surcharge line ending exactly at the heel end counts whole; one starting
// there counts nothing.
TEST(WeightsAndMoments, SurchargeAtTheHeelEnd) {
  SetWall(0.0f, 2);
  S.NSUR = 2;
  SetGround({200.0f}, {0.0f});
  const float load[] = {10.0f, 20.0f}, xb[] = {44.0f, 54.0f}, xe[] = {54.0f, 64.0f};
  const float level[] = {0.0f, 0.0f};
  SETSUR(load, xb, level, xe, level);
  S.IPRINT = 0;
  WeightsAndMoments();
  EXPECT_TRUE(SameValues({S.WSURV, S.MSURV}, {10.0f, 10.0f * (49.0f + 12.0f + 30.0f)}));
}

// A profile turned back in front of the stem (180 degrees, then level)
// must not add the ground over the stem top or take soil away: only x from 0
// to LH counts, as for a level profile from the origin.
TEST(WeightsAndMoments, GroundInFrontOfTheBackFaceCountsNothing) {
  SetWall(0.0f, 2);
  S.IPRINT = 0;
  SetGround({200.0f}, {0.0f});
  WeightsAndMoments();
  const float soil = S.WSOIL, moment = S.MSOIL;
  EXPECT_NEAR(soil, 54.0f * 120.0f * 0.0694f, 0.01f);
  SetGround({20.0f, 220.0f}, {180.0f, 0.0f});
  WeightsAndMoments();
  EXPECT_TRUE(SameValues({S.WSOIL, S.MSOIL}, {soil, moment}, 3e-5f));
}

}  // namespace
}  // namespace keldor
