// Footing design: the toe and heel loads for every shape of the soil
// pressure (the toe's own triangle is in no golden file), and the trials for
// which no footing design is possible. The factored resultants, the pile rows
// at the stem faces, the two passes of a design and whole review sections
// (the reference wall, piles by hand, partial compression, heel reversal, no
// design possible) are the golden files'.
//
// Expected numbers are hand calculations (noted per case), confirmed by an
// independent float-by-float evaluation of the formulas.
#include "footing.h"

#include <gtest/gtest.h>

#include <string>

#include "reference_wall.h"
#include "report_capture.h"
#include "state.h"
#include "weights.h"

namespace keldor {
namespace {

using testing_support::FreshState;
using testing_support::SetCombinations;
using testing_support::SetReferenceWall;

// The toe and heel shears and moments of a report, each member as one line
// "shear|moment" of their G10.4 fields, the heel's ending in " R" under a load reversal note.
Lines MemberLoads(const Lines& report) {
  Lines loads;
  for (std::size_t k = 0; k + 3 < report.size(); ++k) {
    if (report[k] != "   FOOTING TOE:" && report[k] != "   FOOTING HEEL:") continue;
    std::string member = report[k + 2].substr(14) + "|" + report[k + 3].substr(14);
    if (k + 5 < report.size() && report[k + 5].find("NOTE: LOAD REVERSAL") != std::string::npos)
      member += " R";
    loads.push_back(member);
  }
  return loads;
}

// WF = 100, toe 30, stem 10 (no batter): heel 60, heel face at 40. 1000 lb/in
// of dead load only; the toe carries w = 10 x .01 = .1 of footing; the heel
// carries its slab (6.0 at 30 from the face) and 300 of soil 70 from the toe
// (30 from the face): Vdown = 306, Mdown = 9180.
void PressureCaseWall(float resultantFromToe) {
  FreshState();
  S.IUNITS = S.IDESIGN = S.ISOIL = S.IFOOT = S.IOPTIM = 1, S.IMODE = 2;
  SetCombinations({{1, 0, 0, 0, 0, 0}});
  RunInit();
  S.IOK = 1;
  S.WF = 100.0f, S.WT = 30.0f, S.TWMIN = 10.0f, S.H = 100.0f, S.TF = 10.0f;
  S.RHOC = 0.01f, S.FC = 4000.0f, S.FS = 60000.0f, S.RATIO = 0.5f;
  S.DBAR = 1.0f, S.CFTOP = 2.0f, S.CFBOT = 3.0f, S.ASFTOP = S.ASFBOT = 0.5f;
  S.WDEAD = 1000.0f, S.MDEAD = 1000.0f * resultantFromToe, S.WSOIL = 300.0f, S.MSOIL = 21000.0f;
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
    Lines loads;
  };
  const Case cases[] = {
      {40.0f, {" 423.0    | 6615.    ", "-150.0    |-2340.     R"}},
      {25.0f, {" 637.0    |0.1036E+05", " 88.22    | 6639.    "}},
      {10.0f, {" 997.0    |0.1995E+05", " 306.0    | 9180.    "}},
      {75.0f, {" 1.444    |-37.59    ", "-654.0    |-.2602E+05 R"}},
      {85.0f, {"-3.000    |-45.00    ", "-694.0    |-.3582E+05 R"}},
  };
  for (const Case& c : cases) {
    PressureCaseWall(c.resultantFromToe);
    EXPECT_EQ(MemberLoads(CaptureReport(FootingDesign)), c.loads)
        << "resultant " << c.resultantFromToe << " from the toe";
  }
}

// ---- No footing design possible -----------------------------------------------------

// The resultant at the toe edge (e = WF / 2) rejects a design trial silently,
// before any pass finishes. Without vertical load the resultant has no
// position (no valid input gets here, so no golden file shows it). Without
// a steel strength no section can be designed.
TEST(FootingDesign, ResultantOutsideTheFootingOrNoneMeansNoDesign) {
  PressureCaseWall(0.0f);
  S.IMODE = 1;
  S.IPRINT = 0;
  EXPECT_TRUE(CaptureReport(FootingDesign).empty());
  EXPECT_EQ(S.IOK, 0);
  EXPECT_EQ(S.TF, 10.0f);
  PressureCaseWall(0.0f);
  S.WDEAD = 0.0f;
  const Lines lines = CaptureReport(FootingDesign);
  EXPECT_EQ(Lines(lines.end() - 4, lines.end()),
            (Lines{"", "     NO VERTICAL LOAD ON FOOTING ***", "", "     NO FOOTING DESIGN POSSIBLE ***"}));
  EXPECT_EQ(S.IOK, 0);
  PressureCaseWall(40.0f);
  S.IMODE = 1, S.IPRINT = 0, S.FS = 0.0f;
  FootingDesign();
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
  EXPECT_EQ(Lines(lines.begin() + 3, lines.end()),
            (Lines{"", " LOAD COMBINATION   1:", "", "", "     NO FOOTING DESIGN POSSIBLE ***"}));
  EXPECT_EQ(S.IOK, 0);
}

}  // namespace
}  // namespace keldor
