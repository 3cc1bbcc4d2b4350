// Footing design: the toe and heel loads for every shape of the soil pressure
// and for pile rows, the load reversal in the heel, the factored loads of a
// combination, the two passes of a design and the combinations for which no
// footing design is possible. Whole review reports (the reference wall among
// them) are the golden files'.
//
// Expected numbers are hand calculations (noted per case), confirmed by an
// independent float-by-float evaluation of the formulas; the exact steel
// areas of the design cases come from that evaluation.
#include "footing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "driver.h"
#include "keldor.h"
#include "reference_wall.h"
#include "report_capture.h"
#include "state.h"
#include "weights.h"

namespace keldor {
namespace {

using testing_support::FreshState;
using testing_support::ReportCapture;
using testing_support::SameLines;
using testing_support::SetReferenceWall;

using Lines = std::vector<std::string>;

Lines Join(Lines a, const Lines& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// The toe and heel blocks of a report: each member heading, its shear and
// moment and, after the heel, the load reversal note when there is one.
Lines MemberBlocks(const Lines& report) {
  Lines blocks;
  for (std::size_t k = 0; k + 3 < report.size(); ++k) {
    if (report[k] != "   FOOTING TOE:" && report[k] != "   FOOTING HEEL:") continue;
    blocks.insert(blocks.end(), {report[k], report[k + 2], report[k + 3]});
    if (k + 6 < report.size() && report[k + 5].find("NOTE:") != std::string::npos)
      blocks.insert(blocks.end(), {report[k + 5], report[k + 6]});
  }
  return blocks;
}

const Lines kReversal = {"     NOTE: LOAD REVERSAL IN FOOTING HEEL PRODUCES",
                         "           TENSION IN BOTTOM OF HEEL ***"};

Lines Member(const char* heading, const char* shear, const char* moment,
             const Lines& note = {}) {
  return Join({heading, std::string("     Shear  = ") + shear, std::string("     Moment = ") + moment},
              note);
}

void OneCombination(float fd, float fe, float fsur) {
  const int32_t nlc = 1;
  const float z = 0.0f;
  SETLC(&z, &z, &z, &z, &z, &z, &z, &z, &z, &z, &nlc);
  SETLF(&fd, &z, &fe, &fsur, &z, &z);
}

// ---- Toe and heel loads for every shape of the soil pressure -------------------

// WF = 100, toe 30, stem 10 (no batter): heel 60, heel face at 40. 1000 lb/in
// of dead load only; the toe carries w = 10 x .01 = .1 of footing; the heel
// carries its slab (6.0 at 30 from the face) and 300 of soil 70 from the toe
// (30 from the face): Vdown = 306, Mdown = 9180.
void PressureCaseWall(float resultantFromToe) {
  FreshState();
  const int32_t opt[] = {1, 2, 1, 1, 1, 1};
  SETOPT(&opt[0], &opt[1], &opt[2], &opt[3], &opt[4], &opt[5]);
  OneCombination(1.0f, 0.0f, 0.0f);
  RunInit();
  S.IOK = 1;
  S.WF = 100.0f;
  S.WT = 30.0f;
  S.TWMIN = 10.0f;
  S.H = 100.0f;
  S.TF = 10.0f;
  S.RHOC = 0.01f;
  S.FC = 4000.0f;
  S.FS = 60000.0f;
  S.RATIO = 0.5f;
  S.DBAR = 1.0f;
  S.CFTOP = 2.0f;
  S.CFBOT = 3.0f;
  S.ASFTOP = S.ASFBOT = 0.5f;
  S.WDEAD = 1000.0f;
  S.MDEAD = 1000.0f * resultantFromToe;
  S.WSOIL = 300.0f;
  S.MSOIL = 21000.0f;
}

// For each position of the resultant, hand values of the toe and heel loads:
//   e = 10: qtoe 16, qheel 4. Toe: q1 = 16 - 12 x .3 = 12.4, V = 372 + 54 - 3,
//     M = 5580 + 1080 - 45. Heel: q2 = 16 - 12 x .4 = 11.2, V = 306 - 240 -
//     216, M = 9180 - 7200 - 4320: the pressure outweighs the heel's load.
//   e = 25: a triangle from the toe over L = 75, qtoe = 26.67. Toe (L > 30):
//     q1 = 16, V = 480 + 160 - 3, M = 7200 + 3200 - 45. Heel: q2 = 26.67 - 40
//     x 26.67 / 75 = 12.44 over x' = 35: V = 306 - 217.8, M = 9180 - 2541.
//   e = 40: L = 30, no longer than the toe: V = 66.67 x 15 - 3, M = 20 x 1000
//     - 45 (just below 19955 in float); no pressure reaches the heel.
//   e = -25: from the heel end over L = 75, reaching 5 into the toe: q1 =
//     1.778, V = 4.444 - 3, M = 7.407 - 45. Heel (L > 60): q2 = 5.333, V = 306
//     - 320 - 640, M = 9180 - 9600 - 25600.
//   e = -35: L = 45 from the heel end: the toe carries only itself; the heel
//     R = 1000 at 60 - 15 from its face.
TEST(FootingLoads, EveryShapeOfTheSoilPressure) {
  struct Case {
    float resultantFromToe;
    Lines blocks;
  };
  const Case cases[] = {
      {40.0f, Join(Member("   FOOTING TOE:", " 423.0    ", " 6615.    "),
                   Member("   FOOTING HEEL:", "-150.0    ", "-2340.    ", kReversal))},
      {25.0f, Join(Member("   FOOTING TOE:", " 637.0    ", "0.1036E+05"),
                   Member("   FOOTING HEEL:", " 88.22    ", " 6639.    "))},
      {10.0f, Join(Member("   FOOTING TOE:", " 997.0    ", "0.1995E+05"),
                   Member("   FOOTING HEEL:", " 306.0    ", " 9180.    "))},
      {75.0f, Join(Member("   FOOTING TOE:", " 1.444    ", "-37.59    "),
                   Member("   FOOTING HEEL:", "-654.0    ", "-.2602E+05", kReversal))},
      {85.0f, Join(Member("   FOOTING TOE:", "-3.000    ", "-45.00    "),
                   Member("   FOOTING HEEL:", "-694.0    ", "-.3582E+05", kReversal))},
  };
  for (const Case& c : cases) {
    PressureCaseWall(c.resultantFromToe);
    EXPECT_TRUE(SameLines(MemberBlocks(CaptureReport(FootingDesign)), c.blocks))
        << "resultant " << c.resultantFromToe << " from the toe";
  }
}

// Four vertical rows, 12, 36, 48 and 84 in from the toe, spaced 48 in, under
// 400 lb/in at their centroid (45 in): every row gives 100 lb/in. The toe
// (36 in) takes the row at 12, the heel (from 48 in) the row at 84; the rows
// exactly at the toe face and at the heel face lie under the stem.
TEST(FootingLoads, PileRowsAtTheStemFacesBelongToNeitherCantilever) {
  FreshState();
  SetReferenceWall(0.0f, 0.0f);
  S.IFOOT = 2;
  OneCombination(1.0f, 0.0f, 0.0f);
  S.RHOC = 0.0f;  // no footing weight: the rows alone load the cantilevers
  S.WDEAD = 400.0f;
  S.MDEAD = 18000.0f;
  S.WSOIL = S.MSOIL = 0.0f;
  S.NROWS = 4;
  for (RealArray* a : {&S.PILEX, &S.PILEB, &S.PILES, &S.PLOAD}) a->resize(4);
  const float x[] = {12.0f, 36.0f, 48.0f, 84.0f};
  for (int j = 1; j <= 4; ++j) {
    S.PILEX(j) = x[j - 1];
    S.PILES(j) = 48.0f;
  }
  EXPECT_TRUE(SameLines(MemberBlocks(CaptureReport(FootingDesign)),
                        Join(Member("   FOOTING TOE:", " 100.0    ", " 2400.    "),
                             Member("   FOOTING HEEL:", "-100.0    ", "-3600.    ", kReversal))));
}

// The reference wall on two rows 18 in (battered 10 degrees) and 78 in from
// the toe, both spaced 72 in. Hand calculation, with the pile loads of the
// pile analysis (26245 and 22753 lb under D + E; 17254 and 31608 under D + W,
// wind 20 lb/in at 138 in):
//   toe (row 1): p = cos 10 x 26245 / 72 = 359.0; V = 359.0 - 56.25 = 302.7,
//     M = 18 x 359.0 - 1012.5 = 5449. D + W: p = 236.0, V = 179.8, M = 3236.
//   heel (row 2, 30 in behind the heel face): p = 22753 / 72 = 316.0;
//     V = 475.0 - 316.0 = 159.0, M = 11400 - 30 x 316.0 = 1919.5 (1919 in
//     float). D + W: p = 439.0, V = 36.0, M = 11400 - 13170 = -1770: the
//     heel turns, the bottom cover gives d = 14.5 and the capacity 1559.
TEST(FootingDesign, PileFootingByHand) {
  FreshState();
  SetReferenceWall(0.0f, 0.0f);
  const int32_t opt[] = {1, 2, 1, 1, 2, 1};
  SETOPT(&opt[0], &opt[1], &opt[2], &opt[3], &opt[4], &opt[5]);
  const int32_t nlc = 2, nrows = 2;
  const float z = 0.0f, vw = 20.0f;
  SETLC(&z, &z, &z, &z, &vw, &z, &z, &z, &z, &z, &nlc);
  const float one[] = {1, 1}, fe[] = {1, 0}, fw[] = {0, 1}, none[] = {0, 0};
  SETLF(one, none, fe, none, fw, none);
  const float pf[] = {12, 18, 36, 10, 30000, 40000, 50000, 6000, 6000, 6000};
  SETPF(&pf[0], &pf[1], &pf[2], &pf[3], &pf[4], &pf[5], &pf[6], &pf[7], &pf[8], &pf[9], &nrows);
  const float x[] = {18, 78}, b[] = {10, 0}, s[] = {72, 72};
  SETPI(x, b, s);
  WeightsAndMoments();
  ReportCapture report;
  FootingDesign();
  const Lines lines = report.lines();
  EXPECT_TRUE(SameLines(MemberBlocks(lines),
                        Join(Join(Member("   FOOTING TOE:", " 302.7    ", " 5449.    "),
                                  Member("   FOOTING HEEL:", " 159.0    ", " 1919.    ")),
                             Join(Member("   FOOTING TOE:", " 179.8    ", " 3236.    "),
                                  Member("   FOOTING HEEL:", " 36.00    ", "-1770.    ",
                                         kReversal)))));
  // The checks of the reversed heel use the bottom cover.
  EXPECT_EQ(lines.back(), "     Steel area      = 0.5000     > Max stl area  = 0.2067     NG ***");
  EXPECT_EQ(lines[lines.size() - 3],
            "     Shear capacity  =  1559.     > Design shear  =  36.00     OKAY");
}

// ---- Factored loads of a combination ----------------------------------------------

// The resultants of the reference wall's combination (block lines 7 to 10),
// hand values:
//   250 psf, SS = 0.2, OPTSL = 0, 1.4 D + 1.7 E + 1.7 SC: the factors scale
//     the loads (unlike in the stability checks), and the vertical components
//     count whatever OPTSL says. E = 1.7 x 220.41 = 374.7, S = 1.7 x .33333 x
//     1.7361 x 138 = 135.8; Mo = 374.7 x 46.0 + 135.8 x 69 = 26604; Ev = .2 x
//     510.5 = 102.1; W = 141.7 + 945.0 + 102.1; RM = 10200 + 57750 + 96 Ev.
//   D + E + EQ with KAEQ = .1, YEQ = .6, VEQ = 5, MEQ = 100: PEQH over the
//     height at the heel end, .5 x .1 x .069444 x 138^2 = 66.12 (stored for
//     the later sections); Q = 71.12 at 690 + 66.12 x .6 x 138 + 100 = 6265;
//     both vertical shares use SSEQ = .1, not SS = .3: W = 675.0 + 22.04 +
//     6.61 = 703.7.
TEST(FootingDesign, FactoredResultantsOfACombination) {
  FreshState();
  SetReferenceWall(1.7361f, 1.0f);
  S.SS = 0.2f;
  S.OPTSL = 0;
  OneCombination(1.4f, 1.7f, 1.7f);
  WeightsAndMoments();
  Lines lines = CaptureReport(FootingDesign);
  EXPECT_TRUE(SameLines(Lines(lines.begin() + 6, lines.begin() + 10),
                        {"   Lateral force      =  510.5    ",
                         "   Overturning moment = 0.2660E+05",
                         "   Weight             =  1189.    ",
                         "   Righting moment    = 0.7775E+05"}));

  FreshState();
  SetReferenceWall(0.0f, 0.0f);
  S.KAEQ = 0.1f, S.YEQ = 0.6f, S.VEQ = 5.0f, S.MEQ = 100.0f;
  S.SS = 0.3f, S.SSEQ = 0.1f;
  const float one = 1.0f, z = 0.0f;
  SETLF(&one, &z, &one, &z, &z, &one);
  WeightsAndMoments();
  lines = CaptureReport(FootingDesign);
  EXPECT_TRUE(SameLines(Lines(lines.begin() + 6, lines.begin() + 10),
                        {"   Lateral force      =  291.5    ",
                         "   Overturning moment = 0.1640E+05",
                         "   Weight             =  703.7    ",
                         "   Righting moment    = 0.4400E+05"}));
  EXPECT_NEAR(S.PEQH, 66.12f, 0.005f);
}

// With an irregular backfill the lateral loads are the trial wedges at the
// footing as the stability analysis left them (the footing does not run
// them again): with the surcharge lines on, PESH with the earth factor. The
// surcharge lines load the heel only through that force, not as weight.
TEST(FootingDesign, IrregularBackfillUsesTheWedgesAtTheFooting) {
  FreshState();
  SetReferenceWall(0.0f, 0.0f);
  OneCombination(1.0f, 1.5f, 1.5f);
  WeightsAndMoments();  // the soil of the level backfill, 400 lb/in over the heel
  S.ISOIL = 2;
  S.PEH = 200.0f;
  S.YAPPE = 46.0f;
  S.PESH = 260.0f;
  S.YAPPES = 60.0f;
  S.WSURV = 100.0f;  // on the whole wall, 72 in from the toe
  S.MSURV = 7200.0f;
  const Lines lines = CaptureReport(FootingDesign);
  // Fh = 1.5 x 260 = 390 at 60; W = 1.5 x 100 + 675.0.
  EXPECT_TRUE(SameLines(Lines(lines.begin() + 6, lines.begin() + 10),
                        {"   Lateral force      =  390.0    ",
                         "   Overturning moment = 0.2340E+05",
                         "   Weight             =  825.0    ",
                         "   Righting moment    = 0.5205E+05"}));
  // Heel: Vdown = 475.0 alone. x = (52050 - 23400) / 825 = 34.73, e = 13.27,
  // qtoe = 8.594 + 6 x 825 x 13.27 / 9216 = 15.72, qheel = 1.467; q2 = 8.594;
  // V = 475.0 - 1.467 x 48 - 7.127 x 24 = 233.6.
  const Lines blocks = MemberBlocks(lines);
  ASSERT_EQ(blocks.size(), 6u);
  EXPECT_EQ(blocks[4], "     Shear  =  233.6    ");
}

// ---- Design: two passes -------------------------------------------------------------

// A 20 ft wall, batter 2 degrees, toe 60 in, footing 168 in, started at the
// minimum of 12 in, under 1.4 D + 1.7 E + 1.7 SC and 0.9 D + 1.7 E. The first
// pass needs 18 in (the toe under the first combination; the heel 15 in);
// the second designs the steel for an 18 in footing with its weights, and
// keeps the larger steel of the two combinations.
void DesignWall() {
  FreshState();
  SetReferenceWall(1.7361f, 1.0f);
  S.IMODE = 1;
  S.IPRINT = 0;
  S.H = 240.0f;
  S.BW = Radians(2.0f);
  S.WT = 60.0f;
  S.WF = 168.0f;
  S.TFMIN = 12.0f;
  S.TF = 12.0f;
  const int32_t nlc = 2;
  const float z = 0.0f;
  SETLC(&z, &z, &z, &z, &z, &z, &z, &z, &z, &z, &nlc);
  const float fd[] = {1.4f, 0.9f}, fe[] = {1.7f, 1.7f}, fsur[] = {1.7f, 0.0f}, none[] = {0, 0};
  SETLF(fd, none, fe, fsur, none, none);
  WeightsAndMoments();
}

TEST(FootingDesign, DesignFixesTheThicknessThenTheSteel) {
  DesignWall();
  ReportCapture report;
  FootingDesign();
  EXPECT_TRUE(report.lines().empty());  // design trials write nothing
  EXPECT_EQ(S.IOK, 1);
  EXPECT_EQ(S.TF, 18.0f);
  EXPECT_EQ(S.TMIN, 18.0f);
  EXPECT_EQ(S.ASFTOP, 0.0843313262f);
  EXPECT_EQ(S.ASFBOT, 0.0649629384f);
  EXPECT_EQ(S.WDEAD, 2129.95361f);  // the weights of the 18 in footing

  // The second pass alone, as a design started at 18 in: the same steel.
  const float top = S.ASFTOP, bottom = S.ASFBOT;
  S.TFMIN = 18.0f;
  S.ASFTOP = S.ASFBOT = 5.0f;
  FootingDesign();
  EXPECT_EQ(S.TF, 18.0f);
  EXPECT_EQ(S.ASFTOP, top);
  EXPECT_EQ(S.ASFBOT, bottom);
}

// The reference wall with a 6 in minimum, started at 18 in: under 1.4 D +
// 1.7 E + 1.7 SC the first pass needs only 9 in (toe; the heel 7 in), so the
// footing comes out thinner than it started, and never below the minimum.
TEST(FootingDesign, DesignMayEndThinnerThanItStarted) {
  FreshState();
  SetReferenceWall(1.7361f, 1.0f);
  S.IMODE = 1;
  S.IPRINT = 0;
  S.TFMIN = 6.0f;
  OneCombination(1.4f, 1.7f, 1.7f);
  WeightsAndMoments();
  FootingDesign();
  EXPECT_EQ(S.TF, 9.0f);
  EXPECT_EQ(S.ASFTOP, 0.0283207167f);
  EXPECT_EQ(S.ASFBOT, 0.0280916989f);
  EXPECT_EQ(S.IOK, 1);

  S.TFMIN = 12.0f;  // above what the sections need
  S.TF = 18.0f;
  WeightsAndMoments();
  FootingDesign();
  EXPECT_EQ(S.TF, 12.0f);
}

// A section that cannot be designed rejects the trial.
TEST(FootingDesign, SectionThatCannotBeDesignedClearsIok) {
  DesignWall();
  S.FS = 0.0f;  // no steel strength: no steel carries a moment
  FootingDesign();
  EXPECT_EQ(S.IOK, 0);
}

// ---- No footing design possible -----------------------------------------------------

// The resultant at the toe edge (e = WF / 2): no pressure under the footing.
// The review says so after the pressure block and ends the section; the
// second combination is not analysed. A design trial is only rejected.
TEST(FootingDesign, ResultantOutsideTheFootingEndsTheSection) {
  PressureCaseWall(0.0f);
  const int32_t nlc = 2;
  const float z = 0.0f;
  SETLC(&z, &z, &z, &z, &z, &z, &z, &z, &z, &z, &nlc);
  const float one[] = {1, 1}, none[] = {0, 0};
  SETLF(one, none, none, none, none, none);
  {
    ReportCapture report;
    FootingDesign();
    const Lines lines = report.lines();
    EXPECT_TRUE(SameLines(Lines(lines.begin() + 10, lines.end()),
                          {"",
                           "   SOIL PRESSURE:",
                           "",
                           "     Eccentricity  =  50.00    ",
                           "     RESULTANT PRESSURE IS OUTSIDE OF FOOTING ***",
                           "",
                           "     NO FOOTING DESIGN POSSIBLE ***"}));
    EXPECT_EQ(S.IOK, 0);
  }
  S.IMODE = 1;
  S.IPRINT = 0;
  S.IOK = 1;
  S.TF = 10.0f;
  ReportCapture report;
  FootingDesign();
  EXPECT_TRUE(report.lines().empty());
  EXPECT_EQ(S.IOK, 0);
  EXPECT_EQ(S.TF, 10.0f);  // no pass finished
}

// Without vertical load the resultant has no position; a pile group that
// cannot take the moment has no pile loads. Both leave no footing design, and
// the review says why before it says so.
TEST(FootingDesign, NoVerticalLoadOrNoPileLoadsMeansNoDesign) {
  PressureCaseWall(0.0f);
  S.WDEAD = 0.0f;
  Lines lines = CaptureReport(FootingDesign);
  EXPECT_TRUE(SameLines(Lines(lines.end() - 4, lines.end()),
                        {"", "     NO VERTICAL LOAD ON FOOTING ***", "",
                         "     NO FOOTING DESIGN POSSIBLE ***"}));
  EXPECT_EQ(S.IOK, 0);

  PressureCaseWall(40.0f);
  S.IFOOT = 2;
  S.NROWS = 2;
  for (RealArray* a : {&S.PILEX, &S.PILEB, &S.PILES, &S.PLOAD}) a->resize(2);
  S.PILEX(1) = S.PILEX(2) = 20.0f;  // one distance: no moment of inertia
  S.PILES(1) = S.PILES(2) = 48.0f;
  lines = CaptureReport(FootingDesign);
  EXPECT_TRUE(SameLines(Lines(lines.end() - 4, lines.end()),
                        {"", "   PILE GROUP CANNOT RESIST MOMENT ***", "",
                         "     NO FOOTING DESIGN POSSIBLE ***"}));
  EXPECT_EQ(S.IOK, 0);
}

// Loads too large for 32-bit reals never reach the report (as asterisks):
// the combination has no footing design.
TEST(FootingDesign, OverflowingLoadsAreNoDesignAndNoAsterisks) {
  FreshState();
  SetReferenceWall(0.0f, 0.0f);
  S.KA = 1.0e36f;
  WeightsAndMoments();
  const Lines lines = CaptureReport(FootingDesign);
  EXPECT_TRUE(SameLines(Lines(lines.begin() + 3, lines.end()),
                        {"", " LOAD COMBINATION   1:", "", "",
                         "     NO FOOTING DESIGN POSSIBLE ***"}));
  EXPECT_EQ(S.IOK, 0);
}

}  // namespace
}  // namespace keldor
