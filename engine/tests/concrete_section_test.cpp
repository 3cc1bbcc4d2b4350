// Design and check of one reinforced-concrete section: required depth,
// thickness rounding, minimum steel, the failure branches and every report
// line, by ultimate strength and by working stress.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "concrete_section.h"
#include "driver.h"
#include "report_capture.h"
#include "state.h"

namespace keldor {
namespace {

using Lines = std::vector<std::string>;

// Materials of a run: sets the unit system, method and strengths, then the
// run start gives ES, EC and clean section variables.
void Materials(int units, int method, float fc, float fs, float ratio) {
  S.IUNITS = units;
  S.IDESIGN = method;
  S.FC = fc;
  S.FS = fs;
  S.RATIO = ratio;
  RunInit();
  S.IOK = 1;
}

void Demand(float vdes, float mdes, float tmin, float csec) {
  S.VDES = vdes;
  S.MDES = mdes;
  S.TMIN = tmin;
  S.CSEC = csec;
}

void Given(float vdes, float mdes, float tsec, float csec, float asec) {
  S.VDES = vdes;
  S.MDES = mdes;
  S.TSEC = tsec;
  S.CSEC = csec;
  S.ASEC = asec;
}

Lines Design() { return CaptureReport(SectionDesign); }
Lines Check() { return CaptureReport(SectionCheck); }

// ---- The published beam example (f'c 4000, fy 60000, rho = 0.5 rho_b) ------

TEST(SectionDesign, PublishedBeamNeedsAnEffectiveDepthOf23Point2Inches) {
  // d = sqrt(538.9) = 23.21 in: with 0.76 in to the steel the section ends
  // below 24 in, with 0.80 in at or above it, so d lies in [23.20, 23.24).
  Materials(1, 1, 4000.0f, 60000.0f, 0.5f);
  Demand(0.0f, 362592.0f, 12.0f, 0.76f);
  SectionDesign();
  EXPECT_EQ(S.TSEC, 24.0f);
  Materials(1, 1, 4000.0f, 60000.0f, 0.5f);
  Demand(0.0f, 362592.0f, 12.0f, 0.80f);
  SectionDesign();
  EXPECT_EQ(S.TSEC, 25.0f);
}

TEST(SectionDesign, PublishedBeamDesignBlock) {
  // d + c = 26.71 in rounds to 27 in; As from the quadratic at d = 23.5 in
  // (0.3257, hand: 0.9 As fy (d - 0.59 As fy / f'c) = 362,600); the moment is
  // far above 1.2 Mcr and is not raised; max steel 0.5 x 0.028507 x 23.5.
  Materials(1, 1, 4000.0f, 60000.0f, 0.5f);
  Demand(0.0f, 362592.0f, 12.0f, 3.5f);
  const Lines expected = {
      "",
      "     Design moment   = 0.3626E+06",
      "     Wall thickness  =  27.00    ",
      "     Steel area      = 0.3257    ",
      "     Max steel area  = 0.3350    ",
  };
  EXPECT_EQ(Design(), expected);
  EXPECT_EQ(S.IOK, 1);
}

TEST(SectionCheck, PublishedBeamMomentCapacity) {
  // 7 #9 over a 20 in beam: As = 0.35 in2/in at d = 22.5 in gives
  // 0.9 x 0.35 x 60000 x (22.5 - 0.59 x 0.35 x 60000 / 4000) = 366,707.
  // Its steel ratio 0.0156 exceeds 0.5 rho_b, so the steel line fails.
  Materials(1, 1, 4000.0f, 60000.0f, 0.5f);
  Given(0.0f, 362592.0f, 26.0f, 3.5f, 0.35f);
  const Lines expected = {
      "",
      "     Shear capacity  =  2419.     > Design shear  =  0.000     OKAY",
      "     Moment capacity = 0.3667E+06 > Design moment = 0.3626E+06 OKAY",
      "     Steel area      = 0.3500     > Max stl area  = 0.3207     NG ***",
  };
  EXPECT_EQ(Check(), expected);
}

// ---- Thickness rounding ------------------------------------------------------

// With f'c = 3600 the unit shear strength is 1.7 x 60 = 102 exactly, so the
// shear depth VDES / 102 plus 2 in of cover sets the thickness exactly.
TEST(SectionDesign, ThicknessRoundsUpToTheNextWholeInchAlways) {
  Materials(1, 1, 3600.0f, 60000.0f, 0.5f);
  Demand(948.6f, 1.0f, 10.0f, 2.0f);  // needs 11.3 in
  SectionDesign();
  EXPECT_EQ(S.TSEC, 12.0f);
  Materials(1, 1, 3600.0f, 60000.0f, 0.5f);
  Demand(1020.0f, 1.0f, 10.0f, 2.0f);  // needs exactly 12.0 in: still one more
  SectionDesign();
  EXPECT_EQ(S.TSEC, 13.0f);
}

TEST(SectionDesign, MetricThicknessRoundsUpToTheNext10MillimetresAlways) {
  // f'c = 36 MPa: unit shear strength 1.7 x 6 / 12; 50 mm to the steel.
  Materials(2, 1, 36.0f, 420.0f, 0.5f);
  Demand(204.85f, 1.0f, 200.0f, 50.0f);  // needs 291 mm
  SectionDesign();
  EXPECT_EQ(S.TSEC, 300.0f);
  Materials(2, 1, 36.0f, 420.0f, 0.5f);
  Demand(212.50002f, 1.0f, 200.0f, 50.0f);  // needs exactly 300 mm in float
  SectionDesign();
  EXPECT_EQ(S.TSEC, 310.0f);
}

TEST(SectionDesign, ThicknessBelowTheMinimumIsTheMinimumUnrounded) {
  Materials(1, 1, 3600.0f, 60000.0f, 0.5f);
  Demand(948.6f, 1.0f, 11.75f, 2.0f);  // needs 11.3 in
  SectionDesign();
  EXPECT_EQ(S.TSEC, 11.75f);
}

// ---- Stress-block factor and balanced steel, through the steel limit ----------

TEST(SectionCheck, SteelLimitFollowsBeta1) {
  struct Case {
    int units;
    float fc, fs, tsec, csec;
    const char* line;
  };
  // RATIO = 1 and d = 10 in or 100 mm: the limit is 10 or 100 rho_b.
  const Case cases[] = {
      // beta1 0.85 at 4000 psi: rho_b 0.028507 (the published value)
      {1, 4000.0f, 60000.0f, 12.0f, 2.0f,
       "     Steel area      = 0.1000E-01 < Max stl area  = 0.2851     OKAY"},
      // 5000 psi: beta1 0.80, rho_b 0.033537
      {1, 5000.0f, 60000.0f, 12.0f, 2.0f,
       "     Steel area      = 0.1000E-01 < Max stl area  = 0.3354     OKAY"},
      // 9000 psi: 0.60 is raised to the floor 0.65 (0.60 would give 0.4528)
      {1, 9000.0f, 60000.0f, 12.0f, 2.0f,
       "     Steel area      = 0.1000E-01 < Max stl area  = 0.4905     OKAY"},
      // SI 40 MPa: beta1 0.77 with 600 in place of 87000
      {2, 40.0f, 420.0f, 300.0f, 200.0f,
       "     Steel area      = 0.1000E-01 < Max stl area  =  3.667     OKAY"},
      // SI 30 MPa is not above the threshold: beta1 0.85
      {2, 30.0f, 420.0f, 300.0f, 200.0f,
       "     Steel area      = 0.1000E-01 < Max stl area  =  3.036     OKAY"},
  };
  for (const Case& c : cases) {
    Materials(c.units, 1, c.fc, c.fs, 1.0f);
    Given(1.0f, 1.0f, c.tsec, c.csec, 0.01f);
    const Lines lines = Check();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[3], c.line) << "f'c = " << c.fc;
  }
}

// ---- Minimum steel ----------------------------------------------------------------

TEST(SectionDesign, MinimumSteelRaisesTheMomentAtMostByAThird) {
  // 12 in thick: 1.2 Mcr = 9 sqrt(4000) x 144 / 6 = 13,661.
  struct Case {
    float mu, designed;
    const char* line;
  };
  const Case cases[] = {
      {1000.0f, 4000.0f / 3.0f, "     Design moment   =  1333.    "},  // far below: 4/3 Mu
      {12000.0f, 13661.039f, "     Design moment   = 0.1366E+05"},   // 1.2 Mcr <= 4/3 Mu
      {14000.0f, 14000.0f, "     Design moment   = 0.1400E+05"},   // above 1.2 Mcr: kept
  };
  for (const Case& c : cases) {
    Materials(1, 1, 4000.0f, 60000.0f, 0.5f);
    Demand(-50.0f, -c.mu, 12.0f, 2.0f);  // signs do not matter
    const Lines lines = Design();
    EXPECT_EQ(S.MDES, c.designed) << c.mu;
    EXPECT_EQ(S.VDES, 50.0f);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[1], c.line);
    EXPECT_EQ(lines[2], "     Wall thickness  =  12.00    ");
  }
  // The steel of the raised moment 4/3 x 1000 at d = 10 in (hand: 0.002475).
  Materials(1, 1, 4000.0f, 60000.0f, 0.5f);
  Demand(0.0f, 1000.0f, 12.0f, 2.0f);
  EXPECT_EQ(Design()[3], "     Steel area      = 0.2475E-02");
}

TEST(SectionDesign, WorkingStressKeepsTheMomentAndHasNoSteelLimit) {
  // n = 29e6 / (57000 sqrt 4000) = 8.044, k = 0.3491, j = 0.8836:
  // d2 = 2 x 100000 / (1600 k j) = 405.2, d = 20.13 + 2.5 rounds to 23 in;
  // As = 100000 / (24000 j 20.5) = 0.2300.
  Materials(1, 2, 4000.0f, 60000.0f, 0.5f);
  Demand(1000.0f, -100000.0f, 12.0f, 2.5f);
  const Lines expected = {
      "",
      "     Design moment   = 0.1000E+06",
      "     Wall thickness  =  23.00    ",
      "     Steel area      = 0.2300    ",
  };
  EXPECT_EQ(Design(), expected);
  EXPECT_EQ(S.MDES, 100000.0f);
}

// ---- Failures and silence ---------------------------------------------------------

TEST(SectionDesign, ZeroMomentKeepsTheMinimumWithoutSteelOrLines) {
  Materials(1, 1, 4000.0f, 60000.0f, 0.5f);
  Demand(5000.0f, 0.0f, 14.5f, 2.0f);  // even a large shear is not looked at
  S.ASEC = 0.7f;
  EXPECT_TRUE(Design().empty());
  EXPECT_EQ(S.TSEC, 14.5f);
  EXPECT_EQ(S.ASEC, 0.0f);
  EXPECT_EQ(S.IOK, 1);
}

TEST(SectionDesign, MomentBeyondTheRoundedSectionClearsIokAndKeepsTheSteel) {
  // At twice the balanced ratio the required depth sits at the peak of the
  // resistance curve; the rounding adds too little depth (353 in) for the
  // quadratic to have a root.
  Materials(1, 1, 4000.0f, 60000.0f, 2.0f);
  Demand(0.0f, 1.9e8f, 12.0f, 0.5f);
  S.ASEC = 0.123f;
  EXPECT_TRUE(Design().empty());
  EXPECT_EQ(S.IOK, 0);
  EXPECT_EQ(S.TSEC, 353.0f);
  EXPECT_EQ(S.ASEC, 0.123f);
  // The same ratio with a moment further from the peak is designed.
  Materials(1, 1, 4000.0f, 60000.0f, 2.0f);
  Demand(0.0f, 3.0e8f, 12.0f, 0.5f);
  SectionDesign();
  EXPECT_EQ(S.IOK, 1);
  EXPECT_EQ(S.TSEC, 444.0f);
}

TEST(SectionDesign, NoReportLinesWhenPrintingIsOff) {
  Materials(1, 1, 4000.0f, 60000.0f, 0.5f);
  S.IPRINT = 0;
  Demand(0.0f, 362592.0f, 12.0f, 3.5f);
  EXPECT_TRUE(Design().empty());
  EXPECT_EQ(S.TSEC, 27.0f);
}

TEST(SectionDesign, ZeroSteelRatioOrStrengthFailsInsteadOfGivingInfinity) {
  // Unvalidated input: a zero ratio makes the required depth infinite, a
  // zero steel strength an infinite working-stress steel area.
  Materials(1, 1, 4000.0f, 60000.0f, 0.0f);
  Demand(100.0f, 50000.0f, 12.0f, 2.0f);
  S.ASEC = 0.2f;
  EXPECT_TRUE(Design().empty());
  EXPECT_EQ(S.IOK, 0);
  EXPECT_EQ(S.TSEC, 12.0f);
  EXPECT_EQ(S.ASEC, 0.2f);

  Materials(1, 2, 4000.0f, 0.0f, 0.5f);
  Demand(100.0f, 50000.0f, 12.0f, 2.0f);
  S.ASEC = 0.2f;
  EXPECT_TRUE(Design().empty());
  EXPECT_EQ(S.IOK, 0);
  EXPECT_EQ(S.ASEC, 0.2f);
}

// ---- Checks -------------------------------------------------------------------------

TEST(SectionCheck, OverstressBelowOnePercentPassesAndOnePercentFails) {
  // f'c = 3600 and d = 1 in: shear capacity exactly 102.
  Materials(1, 1, 3600.0f, 60000.0f, 0.5f);
  Given(102.51f, 0.0f, 3.0f, 2.0f, 0.01f);  // 0.5 % over
  EXPECT_EQ(Check()[1], "     Shear capacity  =  102.0     > Design shear  =  102.5     OKAY");
  Given(103.02f, 0.0f, 3.0f, 2.0f, 0.01f);  // 1 % over: the ratio is 1.01 in float
  EXPECT_EQ(Check()[1], "     Shear capacity  =  102.0     < Design shear  =  103.0     NG ***");
}

TEST(SectionCheck, WorkingStressBlock) {
  // d = 20.5, rho n = 0.09025, k = 0.3441, j = 0.8853 (hand):
  // fs = 100000 / (j 0.23 x 20.5) = 23,960, fc = 2 x 100000 / (d2 k j) = 1562.
  Materials(1, 2, 4000.0f, 60000.0f, 0.5f);
  Given(-1000.0f, -100000.0f, 23.0f, 2.5f, 0.23f);
  const Lines expected = {
      "",
      "     Shear capacity     =  1232.     > Design shear     =  1000.     OKAY",
      "     Stress in steel    = 0.2396E+05 < Allowable stress = 0.2400E+05 OKAY",
      "     Stress in concrete =  1562.     < Allowable stress =  1600.     OKAY",
  };
  EXPECT_EQ(Check(), expected);
  EXPECT_EQ(S.MDES, 100000.0f);  // not raised under working stress
}

TEST(SectionCheck, WorkingStressFailingLines) {
  // Half the steel: fs and fc both above their allowables.
  Materials(1, 2, 4000.0f, 60000.0f, 0.5f);
  Given(2000.0f, 100000.0f, 23.0f, 2.5f, 0.115f);
  const Lines lines = Check();
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[1],
            "     Shear capacity     =  1232.     < Design shear     =  2000.     NG ***");
  // rho n = 0.04513, k = 0.2587, j = 0.9138 (hand): fs = 46,420, fc = 2013.
  EXPECT_EQ(lines[2],
            "     Stress in steel    = 0.4642E+05 > Allowable stress = 0.2400E+05 NG ***");
  EXPECT_EQ(lines[3],
            "     Stress in concrete =  2013.     > Allowable stress =  1600.     NG ***");
}

TEST(SectionCheck, WorkingStressWithoutSteelOrMomentShowsZeroStresses) {
  Materials(1, 2, 4000.0f, 60000.0f, 0.5f);
  Given(0.0f, 0.0f, 23.0f, 2.5f, 0.0f);
  const Lines expected = {
      "",
      "     Shear capacity     =  1232.     > Design shear     =  0.000     OKAY",
      "     Stress in steel    =  0.000     < Allowable stress = 0.2400E+05 OKAY",
      "     Stress in concrete =  0.000     < Allowable stress =  1600.     OKAY",
  };
  EXPECT_EQ(Check(), expected);
}

TEST(SectionCheck, WorkingStressMomentWithoutSteelFails) {
  // A moment on a section without steel has no stresses to compare; it must
  // not pass as if they were zero.
  Materials(1, 2, 4000.0f, 60000.0f, 0.5f);
  Given(0.0f, 5000.0f, 23.0f, 2.5f, 0.0f);
  const Lines expected = {
      "",
      "     Shear capacity     =  1232.     > Design shear     =  0.000     OKAY",
      "     STRESSES CANNOT BE COMPUTED FOR THIS SECTION ***",
  };
  EXPECT_EQ(Check(), expected);
}

TEST(SectionCheck, WorkingStressWithoutConcreteStrengthWritesNoInfinity) {
  // f'c = 0 gives EC = 0 and an infinite modular ratio.
  Materials(1, 2, 0.0f, 60000.0f, 0.5f);
  Given(10.0f, 5000.0f, 23.0f, 2.5f, 0.2f);
  const Lines expected = {
      "",
      "     Shear capacity     =  0.000     < Design shear     =  10.00     NG ***",
      "     STRESSES CANNOT BE COMPUTED FOR THIS SECTION ***",
  };
  EXPECT_EQ(Check(), expected);
}

TEST(SectionCheck, CoverAsThickAsTheSectionFailsEveryCheck) {
  // d = 0: no capacity at all; zero demands must not pass against it, and
  // the negative moment capacity 0.9 x 0.2 x 60000 x (0 - 1.77) fails.
  Materials(1, 1, 4000.0f, 60000.0f, 0.5f);
  Given(0.0f, 0.0f, 3.0f, 3.0f, 0.2f);
  const Lines expected = {
      "",
      "     Shear capacity  =  0.000     < Design shear  =  0.000     NG ***",
      "     Moment capacity = -.1912E+05 < Design moment =  0.000     NG ***",
      "     Steel area      = 0.2000     > Max stl area  =  0.000     NG ***",
  };
  EXPECT_EQ(Check(), expected);
  // Working stress with d < 0: stresses undefined.
  Materials(1, 2, 4000.0f, 60000.0f, 0.5f);
  Given(0.0f, 1000.0f, 3.0f, 4.0f, 0.2f);
  const Lines ws = Check();
  ASSERT_EQ(ws.size(), 3u);
  EXPECT_EQ(ws[1], "     Shear capacity     = -60.08     < Design shear     =  0.000     NG ***");
  EXPECT_EQ(ws[2], "     STRESSES CANNOT BE COMPUTED FOR THIS SECTION ***");
}

TEST(SectionCheck, UltimateStrengthRaisesTheCheckedMoment) {
  // 12 in, d = 9.5: 1.2 Mcr = 13,661 lies above 4/3 x 6667 = 8889.
  Materials(1, 1, 4000.0f, 60000.0f, 0.5f);
  Given(166.7f, 6666.7f, 12.0f, 2.5f, 0.5f);
  const Lines lines = Check();
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[2], "     Moment capacity = 0.1370E+06 > Design moment =  8889.     OKAY");
  EXPECT_FLOAT_EQ(S.MDES, 4.0f * 6666.7f / 3.0f);
}

}  // namespace
}  // namespace keldor
