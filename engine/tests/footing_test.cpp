// Footing design: the toe and heel loads for every shape of the soil pressure
// and for pile rows, the load reversal in the heel, the review checks of the
// reference wall on a spread footing and on piles, the two passes of a design,
// the combinations for which no footing design is possible, and the final
// analysis of a whole review run.
//
// Expected numbers are hand calculations (noted per case), confirmed by an
// independent float-by-float evaluation of the formulas.
#include "footing.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "driver.h"
#include "keldor.h"
#include "reference_wall.h"
#include "report_capture.h"
#include "stability.h"
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

// ---- The reference wall in review mode -------------------------------------------

// Toe (36 in, d = 18 - 3.5): w = 18 x .086806 = 1.5625; q1 = 7.870 - 1.678 x
// 36 / 96 = 7.241; V = 7.241 x 36 + .629 x 18 - 56.25 = 215.8, M = 7.241 x
// 648 + .629 x 432 - 1012.5 = 3952. Heel (48 in, d = 18 - 2.5): slab 75.0 and
// soil 400.0 lb/in, both 24 in from the heel face; q2 = 7.870 - 1.678 x 48 /
// 96 = 7.031; V = 475.0 - 6.192 x 48 - .839 x 24 = 157.6, M = 11400 - 6.192
// x 1152 - .839 x 384 = 3944. Checks: 1.7 sqrt(4000) d = 1559 and 1667; the
// moments are raised to 4/3 (1.2 Mcr = 30737 is above); the given 0.5 in2 is
// more than half the balanced steel, .014253 d.
const Lines kReferenceFooting = {
    "",
    " F O O T I N G   D E S I G N",
    " =====================================================",
    "",
    " LOAD COMBINATION   1:",
    "",
    "   Lateral force      =  220.4    ",
    "   Overturning moment = 0.1014E+05",
    "   Weight             =  675.0    ",
    "   Righting moment    = 0.4125E+05",
    "",
    "   SOIL PRESSURE:",
    "",
    "     Eccentricity  =  1.910    ",
    "     Toe pressure  =  7.870    ",
    "     Heel pressure =  6.192    ",
    "",
    "   FOOTING TOE:",
    "",
    "     Shear  =  215.8    ",
    "     Moment =  3952.    ",
    "",
    "     Shear capacity  =  1559.     > Design shear  =  215.8     OKAY",
    "     Moment capacity = 0.2720E+06 > Design moment =  5269.     OKAY",
    "     Steel area      = 0.5000     > Max stl area  = 0.2067     NG ***",
    "",
    "   FOOTING HEEL:",
    "",
    "     Shear  =  157.6    ",
    "     Moment =  3944.    ",
    "",
    "     Shear capacity  =  1667.     > Design shear  =  157.6     OKAY",
    "     Moment capacity = 0.2990E+06 > Design moment =  5259.     OKAY",
    "     Steel area      = 0.5000     > Max stl area  = 0.2209     NG ***"};

TEST(FootingDesign, ReferenceWallReview) {
  FreshState();
  SetReferenceWall(0.0f, 0.0f);
  WeightsAndMoments();
  ReportCapture report;
  FootingDesign();
  EXPECT_TRUE(SameLines(report.lines(), kReferenceFooting));
  EXPECT_EQ(S.IOK, 1);  // the checks only write their lines
}

// 250 psf over the 48 in heel: 83.33 lb/in at 72 in from the toe adds to
// the weight and, with the factor 1, to the heel: Vdown = 558.3, Mdown =
// 13400; q2 = 11.02 - 6.245 / 2 = 7.898; V = 558.3 - 4.775 x 48 - 3.122 x
// 24 = 254.2; M = 13400 - 4.775 x 1152 - 3.122 x 384 = 6700.
TEST(FootingDesign, ReferenceWallWithSurchargeReview) {
  FreshState();
  SetReferenceWall(1.7361f, 1.0f);
  WeightsAndMoments();
  ReportCapture report;
  FootingDesign();
  const Lines lines = report.lines();
  EXPECT_TRUE(SameLines(Lines(lines.begin() + 6, lines.begin() + 16),
                        {"   Lateral force      =  300.3    ",
                         "   Overturning moment = 0.1565E+05",
                         "   Weight             =  758.3    ",
                         "   Righting moment    = 0.4725E+05",
                         "",
                         "   SOIL PRESSURE:",
                         "",
                         "     Eccentricity  =  6.329    ",
                         "     Toe pressure  =  11.02    ",
                         "     Heel pressure =  4.775    "}));
  EXPECT_TRUE(SameLines(MemberBlocks(lines),
                        Join(Member("   FOOTING TOE:", " 298.4    ", " 5625.    "),
                             Member("   FOOTING HEEL:", " 254.2    ", " 6700.    "))));
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

Lines PressureCase(float resultantFromToe) {
  PressureCaseWall(resultantFromToe);
  return MemberBlocks(CaptureReport(FootingDesign));
}

// e = 10: qtoe 16, qheel 4. Toe: q1 = 16 - 12 x .3 = 12.4, V = 372 + 54 - 3,
// M = 5580 + 1080 - 45. Heel: q2 = 16 - 12 x .4 = 11.2, V = 306 - 240 - 216,
// M = 9180 - 7200 - 4320: the pressure outweighs the heel's load.
TEST(FootingLoads, FullCompression) {
  EXPECT_TRUE(SameLines(PressureCase(40.0f),
                        Join(Member("   FOOTING TOE:", " 423.0    ", " 6615.    "),
                             Member("   FOOTING HEEL:", "-150.0    ", "-2340.    ", kReversal))));
}

// e = 25: a triangle from the toe over L = 75, qtoe = 26.67. Toe (L > 30):
// q1 = 26.67 - 26.67 x 30 / 75 = 16, V = 480 + 160 - 3 = 637, M = 7200 + 3200
// - 45. Heel: q2 = 26.67 - 40 x 26.67 / 75 = 12.44 over x' = 35: V = 306 -
// 217.8, M = 9180 - 12.44 x 1225 / 6 = 6639.
TEST(FootingLoads, PartialCompressionAtTheToeReachingTheHeel) {
  EXPECT_TRUE(SameLines(PressureCase(25.0f),
                        Join(Member("   FOOTING TOE:", " 637.0    ", "0.1036E+05"),
                             Member("   FOOTING HEEL:", " 88.22    ", " 6639.    "))));
}

// e = 40: L = 30, no longer than the toe: V = 66.67 x 30 / 2 - 3 = 997,
// M = (30 - 10) x 1000 - 45 = 19955 (just below, in float). No pressure
// reaches the heel: it carries its whole load.
TEST(FootingLoads, PartialCompressionWithinTheToe) {
  EXPECT_TRUE(SameLines(PressureCase(10.0f),
                        Join(Member("   FOOTING TOE:", " 997.0    ", "0.1995E+05"),
                             Member("   FOOTING HEEL:", " 306.0    ", " 9180.    "))));
}

// e = -25: the triangle from the heel end over L = 75 reaches 5 into the toe:
// q1 = 26.67 x 5 / 75 = 1.778, V = 4.444 - 3, M = 7.407 - 45. Heel (L > 60):
// q2 = 26.67 x (1 - 60 / 75) = 5.333, V = 306 - 320 - 640, M = 9180 - 9600 -
// 25600.
TEST(FootingLoads, PartialCompressionAtTheHeelReachingTheToe) {
  EXPECT_TRUE(SameLines(PressureCase(75.0f),
                        Join(Member("   FOOTING TOE:", " 1.444    ", "-37.59    "),
                             Member("   FOOTING HEEL:", "-654.0    ", "-.2602E+05", kReversal))));
}

// e = -35: L = 45 from the heel end, 44.44 at the end; the toe only carries
// its own weight. Heel: R = 1000 at 60 - 15 from the face.
TEST(FootingLoads, PartialCompressionWithinTheHeel) {
  EXPECT_TRUE(SameLines(PressureCase(85.0f),
                        Join(Member("   FOOTING TOE:", "-3.000    ", "-45.00    "),
                             Member("   FOOTING HEEL:", "-694.0    ", "-.3582E+05", kReversal))));
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
  // The pile loads are those of the pile analysis, and the checks of the
  // reversed heel use the bottom cover.
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "     1       0.2625E+05"), 1);
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "     2       0.3161E+05"), 1);
  EXPECT_EQ(lines.back(), "     Steel area      = 0.5000     > Max stl area  = 0.2067     NG ***");
  EXPECT_EQ(lines[lines.size() - 3],
            "     Shear capacity  =  1559.     > Design shear  =  36.00     OKAY");
}

// ---- Factored loads of a combination ----------------------------------------------

// The reference wall with 250 psf, SS = 0.2 and OPTSL = 0, under 1.4 D +
// 1.7 E + 1.7 SC: the factors scale the loads (unlike in the stability
// checks), and the vertical components of earth and surcharge count whatever
// OPTSL says. E = 1.7 x 220.41 = 374.7, S = 1.7 x .33333 x 1.7361 x 138 =
// 135.8; Fh = 510.5; Mo = 374.7 x 46.0 + 135.8 x 69 = 26604; Ev = .2 x 510.5
// = 102.1; W = 1.7 x 83.33 + 1.4 x 675.0 + 102.1 = 1188.8; RM = 1.7 x 6000
// + 1.4 x 41250 + 96 x 102.1 = 77751.
TEST(FootingDesign, FactorsScaleTheLoadsAndTheEarthComponentsAlwaysCount) {
  FreshState();
  SetReferenceWall(1.7361f, 1.0f);
  S.SS = 0.2f;
  S.OPTSL = 0;
  OneCombination(1.4f, 1.7f, 1.7f);
  WeightsAndMoments();
  const Lines lines = CaptureReport(FootingDesign);
  EXPECT_TRUE(SameLines(Lines(lines.begin() + 6, lines.begin() + 10),
                        {"   Lateral force      =  510.5    ",
                         "   Overturning moment = 0.2660E+05",
                         "   Weight             =  1189.    ",
                         "   Righting moment    = 0.7775E+05"}));
}

// Seismic: PEQH is the seismic earth force over the height at the heel end,
// .5 x .1 x .069444 x 138^2 = 66.12, stored for the later sections. Its
// vertical share uses SSEQ (0.1) and the earth's the seismic friction too
// (SS = 0.3 would give another weight). Q = 5 + 66.12 at 138 x 5 + 66.12 x
// .6 x 138 + 100 = 6265; Fh = 220.4 + 71.12; Mo = 10139 + 6265 = 16404;
// W = 675.0 + .1 x 220.4 + .1 x 66.12 = 703.7.
TEST(FootingDesign, SeismicLoadsUseTheHeightAtTheHeelEnd) {
  FreshState();
  SetReferenceWall(0.0f, 0.0f);
  S.KAEQ = 0.1f;
  S.YEQ = 0.6f;
  S.VEQ = 5.0f;
  S.MEQ = 100.0f;
  S.SS = 0.3f;
  S.SSEQ = 0.1f;
  const float one = 1.0f, z = 0.0f;
  SETLF(&one, &z, &one, &z, &z, &one);
  WeightsAndMoments();
  const Lines lines = CaptureReport(FootingDesign);
  EXPECT_TRUE(SameLines(Lines(lines.begin() + 6, lines.begin() + 9),
                        {"   Lateral force      =  291.5    ",
                         "   Overturning moment = 0.1640E+05",
                         "   Weight             =  703.7    "}));
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
// pass needs 18 in (heel); the second designs the steel for an 18 in footing
// with its weights, and keeps the larger steel of the two combinations.
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

// The reference wall with a 6 in minimum, started at 18 in: the first pass
// needs only 9 in (toe and heel: 1.4 D + 1.7 E + 1.7 SC), so the footing
// comes out thinner than it started, and never below the minimum.
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

// A section that cannot be designed rejects the trial; the other
// combinations are still designed.
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

// Loads too large for 32-bit reals never reach the report as a number: the
// combination has no footing design, and every line is either text or a
// number.
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

// ---- The whole review run -------------------------------------------------------------

// Sets the model with `setup` (through the exported operations) and runs
// CONDLL in a folder of its own; returns the report lines.
Lines WholeRun(const std::function<void()>& setup) {
  setup();
  char cwd[4096];
  EXPECT_NE(getcwd(cwd, sizeof cwd), nullptr);
  const std::string dir =
      testing::TempDir() + "keldor_footing_run_" + std::to_string(getpid()) + "/";
  EXPECT_EQ(mkdir(dir.c_str(), 0700), 0);
  EXPECT_EQ(chdir(dir.c_str()), 0);
  const std::string out = dir + "run.out";
  const std::string outpath = out + std::string(132 - out.size(), ' ');
  const std::string name(80, ' '), title = "Footing run" + std::string(69, ' ');
  CONDLL(outpath.c_str(), name.c_str(), name.c_str(), title.c_str(), " 1.42");
  const Lines lines = SplitReport(ReadFile(out));
  std::remove(out.c_str());
  std::remove((dir + "KELDOR.DAT").c_str());
  EXPECT_EQ(chdir(cwd), 0);
  rmdir(dir.c_str());
  return lines;
}

Lines Headings(const Lines& report) {
  Lines headings;
  for (std::size_t k = 1; k < report.size(); ++k)
    if (report[k] == kRule) headings.push_back(report[k - 1]);
  return headings;
}

const Lines kEchoHeadings = {" P R O G R A M   O P T I O N S",
                             " M A T E R I A L   P R O P E R T I E S",
                             " S O I L   P A R A M E T E R S",
                             " L O A D S",
                             " S O I L   C O N F I G U R A T I O N",
                             " W A L L   C O N F I G U R A T I O N",
                             " R E B A R   C O N F I G U R A T I O N"};

// A review run ends with the weights, the stability and the footing
// sections, in that order, after the stem; the footing section is the last.
TEST(FinalAnalysis, ReviewRunWritesTheWholeReport) {
  const Lines report = WholeRun([] {
    FreshState();
    SetReferenceWall(0.0f, 0.0f);
  });
  EXPECT_EQ(Headings(report),
            Join(kEchoHeadings, {" S P R E A D   F O O T I N G", " W A L L   D E S I G N",
                                 " W A L L   L O A D   D I S T R I B U T I O N",
                                 " W E I G H T   A N D   R I G H T I N G   M O M E N T",
                                 " E X T E R N A L   S T A B I L I T Y   A N A L Y S I S",
                                 " F O O T I N G   D E S I G N"}));
  ASSERT_GE(report.size(), kReferenceFooting.size());
  EXPECT_TRUE(SameLines(Lines(report.end() - static_cast<long>(kReferenceFooting.size()),
                              report.end()),
                        kReferenceFooting));
  EXPECT_EQ(S.IOK, 1);
}

TEST(FinalAnalysis, PileReviewRunWritesThePileAnalysis) {
  const Lines report = WholeRun([] {
    FreshState();
    SetReferenceWall(0.0f, 0.0f);
    const int32_t opt[] = {1, 2, 1, 1, 2, 1};
    SETOPT(&opt[0], &opt[1], &opt[2], &opt[3], &opt[4], &opt[5]);
    const int32_t nrows = 2;
    const float pf[] = {12, 18, 36, 10, 30000, 40000, 50000, 6000, 6000, 6000};
    SETPF(&pf[0], &pf[1], &pf[2], &pf[3], &pf[4], &pf[5], &pf[6], &pf[7], &pf[8], &pf[9],
          &nrows);
    const float x[] = {18, 78}, b[] = {10, 0}, s[] = {72, 72};
    SETPI(x, b, s);
  });
  const Lines headings = Headings(report);
  EXPECT_TRUE(SameLines(Lines(headings.end() - 3, headings.end()),
                        {" W E I G H T   A N D   R I G H T I N G   M O M E N T",
                         " P I L E   A N A L Y S I S", " F O O T I N G   D E S I G N"}));
  EXPECT_EQ(report.back(), "     Steel area      = 0.5000     > Max stl area  = 0.2209     NG ***");
}

// Design mode keeps its own path after the stem: without a design search the
// final analysis is not run.
TEST(FinalAnalysis, DesignRunIsNotAnalysedAsGiven) {
  const Lines report = WholeRun([] {
    FreshState();
    SetReferenceWall(0.0f, 0.0f);
    const int32_t opt[] = {1, 1, 1, 1, 1, 1};
    SETOPT(&opt[0], &opt[1], &opt[2], &opt[3], &opt[4], &opt[5]);
  });
  const Lines headings = Headings(report);
  EXPECT_EQ(std::count(headings.begin(), headings.end(), " F O O T I N G   D E S I G N"), 0);
  EXPECT_EQ(std::count(headings.begin(), headings.end(),
                       " W E I G H T   A N D   R I G H T I N G   M O M E N T"),
            0);
}

}  // namespace
}  // namespace keldor
