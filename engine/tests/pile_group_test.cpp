// Pile group: battered rows and the lateral capacity, and the groups that
// cannot take moment or have no rows. The rigid-cap distribution is the
// verification cases'; the report blocks are the golden files'.
#include "pile_group.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "reference_wall.h"
#include "report_capture.h"
#include "state.h"

namespace keldor {
namespace {

using testing_support::FreshState;
using testing_support::PileRow;
using testing_support::SameValues;
using testing_support::SetPileRows;

struct Outcome {
  bool carried;
  float Hall, Pmax, Pmin;
};

// Distributes W at (RM - Mo) / W from the toe over the rows, silently.
Outcome Distribute(const std::vector<PileRow>& rows, float W, float Mo, float RM, float Vp) {
  FreshState();
  S.IMODE = 1;
  SetPileRows(rows);
  Outcome o{};
  const Lines lines =
      CaptureReport([&] { o.carried = PileGroup(W, Mo, RM, Vp, o.Hall, o.Pmax, o.Pmin); });
  EXPECT_TRUE(lines.empty()) << "a design trial writes nothing, not even a failure";
  return o;
}

const std::vector<PileRow> kTwoRows = {{12.0f, 0.0f, 48.0f}, {96.0f, 0.0f, 48.0f}};

// A battered row carries its vertical share along the pile, 1 / cos(batter)
// more, and its horizontal component sin(batter) x PLOAD / spacing adds to
// the lateral capacity even with no lateral capacity per pile.
TEST(PileGroup, BatteredRowAddsItsHorizontalComponent) {
  const float batter = Radians(14.0f);
  for (const float vp : {0.0f, 960.0f}) {
    const Outcome o =
        Distribute({{12.0f, 14.0f, 48.0f}, {96.0f, 0.0f, 48.0f}}, 100.0f, 0.0f, 5400.0f, vp);
    // The battered row's horizontal share is 12.47 lb/in.
    EXPECT_TRUE(SameValues(
        {S.PLOAD(1), S.PLOAD(2), o.Hall},
        {2400.0f / std::cos(batter), 2400.0f, 50.0f * std::tan(batter) + vp / 24.0f}, 4e-6f));
  }
}

// A group without moment of inertia cannot take a moment about its centroid;
// the load is then shared equally. One row; two rows at one distance, whose
// sums leave a rounding residue (I = 2.4E-07 for rows at 5.3 spaced 20 and
// 31) that would make the distribution divide by almost nothing. Straight
// over the rows the equal share is exact.
TEST(PileGroup, GroupsWithoutMomentOfInertia) {
  const std::vector<PileRow> one = {{12.0f, 0.0f, 48.0f}};
  const std::vector<PileRow> same = {{5.3f, 0.0f, 20.0f}, {5.3f, 0.0f, 31.0f}};
  const float share = 100.0f / (1.0f / 20.0f + 1.0f / 31.0f);
  const struct {
    const std::vector<PileRow>& rows;
    float W, Mo, RM;
    bool carried;
    float Pmax;
  } cases[] = {
      {one, 100.0f, 0.0f, 4000.0f, false, 4800.0f}, {same, 100.0f, 0.0f, 3000.0f, false, share},
      {same, 100.0f, 0.0f, 530.0f, true, share},
      {kTwoRows, 0.0f, 0.0f, 0.0f, true, 0.0f},  // nothing on the group: nothing fails
  };
  for (const auto& c : cases) {
    const Outcome o = Distribute(c.rows, c.W, c.Mo, c.RM, 0.0f);
    EXPECT_EQ(o.carried, c.carried) << "W " << c.W << ", RM " << c.RM;
    EXPECT_NEAR(o.Pmax, c.Pmax, 0.01f) << "W " << c.W << ", RM " << c.RM;
    EXPECT_EQ(o.Pmax, o.Pmin);
  }
}

// Without vertical load a group of rows at different distances carries the
// couple RM - Mo as loads about its centroid: three rows at 12, 48 and 96 in
// spaced 48, 24 and 48 (1/12 pile per inch, centroid 51, I = 291 - 216.75 =
// 74.25) under a couple of 500 in-lb/in carry loads that sum to nothing and
// balance the couple; the toe row carries 39 x 500 / 74.25 = 262.6 lb.
TEST(PileGroup, PureCoupleIsCarriedAboutTheCentroid) {
  const std::vector<PileRow> rows = {
      {12.0f, 0.0f, 48.0f}, {48.0f, 0.0f, 24.0f}, {96.0f, 0.0f, 48.0f}};
  // The couple as an overturning moment, and the other way as a righting one.
  for (const float couple : {500.0f, -500.0f}) {
    const Outcome o = Distribute(rows, 0.0f, std::max(couple, 0.0f), std::max(-couple, 0.0f), 0.0f);
    EXPECT_TRUE(o.carried);
    float force = 0.0f, moment = 0.0f;
    for (int j = 1; j <= 3; ++j) {
      force += S.PLOAD(j) / S.PILES(j);
      moment += S.PLOAD(j) / S.PILES(j) * S.PILEX(j);
    }
    EXPECT_NEAR(force, 0.0f, 1e-4f);
    // Mo about the toe tips the wall forward: the toe row is pressed down.
    EXPECT_NEAR(moment, -couple, 0.01f);
    EXPECT_GT(couple * S.PLOAD(1), 0.0f);
    EXPECT_NEAR(S.PLOAD(1), 39.0f * couple / 74.25f, 0.01f);
  }
}

// No row with a positive spacing has no piles: nothing is carried, and the
// zero spacing gives no infinity. The review says why.
TEST(PileGroup, NoRowsOrNoSpacingCarryNothing) {
  const Outcome o =
      Distribute({{12.0f, 0.0f, 48.0f}, {96.0f, 0.0f, 0.0f}}, 100.0f, 0.0f, 5000.0f, 0.0f);
  EXPECT_FALSE(o.carried);
  EXPECT_EQ(S.NPILES, 0.0f);
  EXPECT_EQ(o.Hall, 0.0f);
  FreshState();
  S.IMODE = 2;
  S.IPRINT = 1;
  float w = 100.0f, mo = 0.0f, rm = 5000.0f, vp = 0.0f, hall, pmax, pmin;
  EXPECT_EQ(CaptureReport([&] { EXPECT_FALSE(PileGroup(w, mo, rm, vp, hall, pmax, pmin)); }),
            (Lines{"", "   PILE GROUP HAS NO ROWS WITH POSITIVE SPACING ***"}));
}

}  // namespace
}  // namespace keldor
