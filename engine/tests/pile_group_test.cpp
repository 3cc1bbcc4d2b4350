// Pile group: the rigid-cap distribution over the rows, battered rows, the
// lateral capacity, the report blocks and the groups that cannot take moment.
#include "pile_group.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "report_capture.h"
#include "state.h"

namespace keldor {
namespace {

using testing_support::FreshState;
using testing_support::ReportCapture;
using testing_support::SameLines;

struct Row {
  float x, batterDegrees, spacing;
};

void SetRows(const std::vector<Row>& rows) {
  S.NROWS = static_cast<int>(rows.size());
  for (RealArray* a : {&S.PILEX, &S.PILEB, &S.PILES, &S.PLOAD}) a->resize(S.NROWS);
  for (int j = 1; j <= S.NROWS; ++j) {
    S.PILEX(j) = rows[static_cast<std::size_t>(j - 1)].x;
    S.PILEB(j) = Radians(rows[static_cast<std::size_t>(j - 1)].batterDegrees);
    S.PILES(j) = rows[static_cast<std::size_t>(j - 1)].spacing;
  }
}

struct Outcome {
  bool carried;
  float Hall, Pmax, Pmin;
};

Outcome Distribute(float W, float Mo, float RM, float Vp) {
  Outcome o{};
  o.carried = PileGroup(W, Mo, RM, Vp, o.Hall, o.Pmax, o.Pmin);
  return o;
}

std::vector<std::string> Properties(const char* n, const char* xcg, const char* inertia,
                                    const char* w, const char* xr, const char* mcg) {
  std::vector<std::string> lines = {"", "   PILE GROUP PROPERTIES:", ""};
  lines.push_back(std::string("     Number of piles            = ") + n);
  lines.push_back(std::string("     Distance to pile group CG  = ") + xcg);
  lines.push_back(std::string("     Moment of inertia          = ") + inertia);
  lines.push_back(std::string("     Resultant vertical load    = ") + w);
  if (xr != nullptr) lines.push_back(std::string("     Distance to resultant load = ") + xr);
  lines.push_back(std::string("     Moment about pile group CG = ") + mcg);
  return lines;
}

std::vector<std::string> Loads(const std::vector<const char*>& rows) {
  std::vector<std::string> lines = {"", "   PILE LOADS:", "", "   ROW       AXIAL LOAD",
                                    "   ---------------------", ""};
  int j = 0;
  for (const char* load : rows) lines.push_back("     " + std::to_string(++j) + "       " + load);
  return lines;
}

std::vector<std::string> Join(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// Two vertical rows 12 and 96 in from the toe, both spaced 48 in: 1/24 pile
// per inch, centroid 54 in, I = 195 - 121.5 = 73.5. W = 100 lb/in at 50 in:
// Mcg = 400, the toe row carries 2400 + 42 x 400 / 73.5 = 2628.6 lb per pile,
// the heel row 2171.4.
TEST(PileGroup, TwoRowsWorkedCase) {
  FreshState();
  S.IMODE = 2;
  S.IPRINT = 1;
  SetRows({{12.0f, 0.0f, 48.0f}, {96.0f, 0.0f, 48.0f}});
  ReportCapture report;
  const Outcome o = Distribute(100.0f, 1000.0f, 6000.0f, 1200.0f);
  EXPECT_TRUE(o.carried);
  EXPECT_TRUE(SameLines(report.lines(),
                        Join(Properties("0.4167E-01", " 54.00    ", " 73.50    ", " 100.0    ",
                                        " 50.00    ", " 400.0    "),
                             Loads({" 2629.    ", " 2171.    "}))));
  EXPECT_NEAR(S.NPILES, 1.0f / 24.0f, 1e-7f);
  EXPECT_NEAR(S.PLOAD(1), 2628.571f, 0.01f);
  EXPECT_NEAR(S.PLOAD(2), 2171.429f, 0.01f);
  EXPECT_EQ(o.Pmax, S.PLOAD(1));
  EXPECT_EQ(o.Pmin, S.PLOAD(2));
  EXPECT_NEAR(o.Hall, 2.0f * 1200.0f / 48.0f, 1e-4f);  // vertical piles: Vp per pile only
}

TEST(PileGroup, ResultantAtTheCentroidLoadsEveryPileAlike) {
  FreshState();
  S.IMODE = 2;
  SetRows({{12.0f, 0.0f, 48.0f}, {96.0f, 0.0f, 48.0f}});
  const Outcome o = Distribute(100.0f, 0.0f, 5400.0f, 0.0f);
  EXPECT_TRUE(o.carried);
  EXPECT_NEAR(o.Pmax, 2400.0f, 0.01f);
  EXPECT_NEAR(o.Pmin, 2400.0f, 0.01f);
  // Towards the toe: the toe row takes more, the heel row less.
  const Outcome toe = Distribute(100.0f, 0.0f, 4000.0f, 0.0f);
  EXPECT_GT(S.PLOAD(1), 2400.0f);
  EXPECT_LT(S.PLOAD(2), 2400.0f);
  EXPECT_EQ(toe.Pmax, S.PLOAD(1));
}

// A battered row carries its vertical share along the pile, 1 / cos(batter)
// more, and its horizontal component sin(batter) x PLOAD / spacing adds to
// the lateral capacity even with no lateral capacity per pile.
TEST(PileGroup, BatteredRowAddsItsHorizontalComponent) {
  FreshState();
  S.IMODE = 2;
  SetRows({{12.0f, 14.0f, 48.0f}, {96.0f, 0.0f, 48.0f}});
  const Outcome o = Distribute(100.0f, 0.0f, 5400.0f, 0.0f);
  const float batter = Radians(14.0f);
  EXPECT_NEAR(S.PLOAD(1), 2400.0f / std::cos(batter), 0.01f);
  EXPECT_NEAR(S.PLOAD(2), 2400.0f, 0.01f);
  EXPECT_NEAR(o.Hall, 50.0f * std::tan(batter), 1e-3f);  // 12.47 lb/in
  const Outcome withVp = Distribute(100.0f, 0.0f, 5400.0f, 960.0f);
  EXPECT_NEAR(withVp.Hall, 50.0f * std::tan(batter) + 40.0f, 1e-3f);
}

// One row has no moment of inertia: with the resultant off the row the group
// cannot take the moment, and says so; the load is shared equally.
TEST(PileGroup, SingleRowCannotResistMoment) {
  FreshState();
  S.IMODE = 2;
  S.IPRINT = 1;
  SetRows({{12.0f, 0.0f, 48.0f}});
  ReportCapture report;
  const Outcome o = Distribute(100.0f, 0.0f, 4000.0f, 0.0f);
  EXPECT_FALSE(o.carried);
  EXPECT_TRUE(SameLines(report.lines(),
                        Join(Properties("0.2083E-01", " 12.00    ", " 0.000    ", " 100.0    ",
                                        " 40.00    ", "-2800.    "),
                             {"", "   PILE GROUP CANNOT RESIST MOMENT ***"})));
  EXPECT_NEAR(o.Pmax, 4800.0f, 0.01f);
  EXPECT_EQ(o.Pmax, o.Pmin);

  // A design trial writes nothing, not even the failure.
  S.IMODE = 1;
  S.IPRINT = 0;
  ReportCapture silent;
  EXPECT_FALSE(Distribute(100.0f, 0.0f, 4000.0f, 0.0f).carried);
  EXPECT_TRUE(silent.lines().empty());
}


// Rows all at one distance are one row. Their sums leave a rounding residue
// (I = 2.4E-07 for two rows at 5.3 spaced 20 and 31) that would make the
// distribution divide by almost nothing.
TEST(PileGroup, RowsAtOneDistanceHaveNoMomentOfInertia) {
  FreshState();
  S.IMODE = 2;
  S.IPRINT = 0;
  SetRows({{5.3f, 0.0f, 20.0f}, {5.3f, 0.0f, 31.0f}});
  const Outcome off = Distribute(100.0f, 0.0f, 3000.0f, 0.0f);
  EXPECT_FALSE(off.carried);
  EXPECT_NEAR(off.Pmax, 100.0f / (1.0f / 20.0f + 1.0f / 31.0f), 0.01f);
  // Straight over the rows the equal share is the exact answer.
  const Outcome over = Distribute(100.0f, 0.0f, 530.0f, 0.0f);
  EXPECT_TRUE(over.carried);
  EXPECT_NEAR(over.Pmax, 100.0f / (1.0f / 20.0f + 1.0f / 31.0f), 0.01f);
  EXPECT_EQ(over.Pmax, over.Pmin);
}

// W = 0 leaves only a couple: no resultant position (its line is left out)
// and a group that cannot take the moment.
TEST(PileGroup, NoVerticalLoadUnderACouple) {
  FreshState();
  S.IMODE = 2;
  S.IPRINT = 1;
  SetRows({{12.0f, 0.0f, 48.0f}, {96.0f, 0.0f, 48.0f}});
  {
    ReportCapture report;
    const Outcome o = Distribute(0.0f, 500.0f, 0.0f, 0.0f);
    EXPECT_FALSE(o.carried);
    EXPECT_TRUE(SameLines(report.lines(),
                          Join(Properties("0.4167E-01", " 54.00    ", " 73.50    ", " 0.000    ",
                                          nullptr, " 500.0    "),
                               {"", "   PILE GROUP CANNOT RESIST MOMENT ***"})));
    EXPECT_EQ(o.Pmax, 0.0f);
  }
  // Nothing at all on the group: nothing to carry, nothing fails.
  EXPECT_TRUE(Distribute(0.0f, 0.0f, 0.0f, 0.0f).carried);
}

TEST(PileGroup, NoRowsOrNoSpacingCarryNothing) {
  FreshState();
  S.IMODE = 2;
  S.IPRINT = 1;
  SetRows({});
  {
    ReportCapture report;
    EXPECT_FALSE(Distribute(100.0f, 0.0f, 5000.0f, 0.0f).carried);
    EXPECT_TRUE(SameLines(report.lines(),
                          {"", "   PILE GROUP HAS NO ROWS WITH POSITIVE SPACING ***"}));
  }
  SetRows({{12.0f, 0.0f, 48.0f}, {96.0f, 0.0f, 0.0f}});
  const Outcome o = Distribute(100.0f, 0.0f, 5000.0f, 0.0f);
  EXPECT_FALSE(o.carried);
  EXPECT_EQ(S.NPILES, 0.0f);
  EXPECT_EQ(o.Hall, 0.0f);  // no infinity from the zero spacing
}

}  // namespace
}  // namespace keldor
