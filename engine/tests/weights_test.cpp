// Weights and righting moments of an irregular backfill: the strip
// integration and the surcharge shares by hand, and ground turned back in
// front of the stem. The constant-slope walls, the strips over a battered
// stem and the section itself are the golden files' (the reference wall
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
::testing::AssertionResult Weights(const std::vector<float>& expected) {
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
// 30 in, with an irregular backfill.
void SetWall() {
  FreshState();
  S.IPRINT = 1, S.ISOIL = 2;
  S.H = 120.0f, S.TF = 18.0f, S.WF = 96.0f, S.WT = 30.0f, S.TWMIN = 12.0f;
  S.RHOC = 0.0868f, S.RHOS = 0.0694f;
}

// Level for 24 in, then rising at 30 degrees past the heel end (LH = 54).
// Hand integral of the soil: .0694 x (120 x 54 + .5 x tan 30 x 30^2) = 467.74
// lb/in; its moment by the midpoint rule of the ten strips per part
// 32579.9 (exact integral 32580.8). Irregular surcharges, LH = 54:
//   5 on 10..20 counts whole at 57; 6 entered from 70 back to 40 counts
//   14/30 = 2.8 at 89;
//   7 starting at 54 counts nothing; 4 on -10..10 counts its half behind the
//   back face, 2.0 at 47; 3 entered from 20 back to 10 counts whole at 57.
TEST(WeightsAndMoments, IrregularGroundAndSurchargeLinesByHand) {
  SetWall();
  S.NSUR = 5;
  SetGround({24.0f, 60.0f}, {0.0f, 30.0f});
  const float t30 = std::tan(Radians(30.0f));
  const auto y = [t30](float x) { return x <= 24.0f ? 0.0f : t30 * (x - 24.0f); };
  const float load[] = {5.0f, 6.0f, 7.0f, 4.0f, 3.0f};
  const float xb[] = {10.0f, 70.0f, 54.0f, -10.0f, 20.0f};
  const float xe[] = {20.0f, 40.0f, 80.0f, 10.0f, 10.0f};
  const float yb[] = {0.0f, y(70.0f), y(54.0f), 0.0f, 0.0f};
  const float ye[] = {0.0f, y(40.0f), y(80.0f), 0.0f, 0.0f};
  SETSUR(load, xb, yb, xe, ye);

  WeightsAndMoments();
  EXPECT_TRUE(Weights({742.7f, 44280.0f, 0.0f, 0.0f, 12.80f, 799.2f}));
  EXPECT_TRUE(SameValues({S.WSOIL, S.MSOIL}, {467.743f, 32579.9f}, 2e-5f));
}

// A profile turned back in front of the stem (180 degrees, then level)
// must not add the ground over the stem top or take soil away: only x from 0
// to LH counts, as for a level profile from the origin.
TEST(WeightsAndMoments, GroundInFrontOfTheBackFaceCountsNothing) {
  SetWall();
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
