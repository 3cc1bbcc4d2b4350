// Design and check of one reinforced-concrete section: the thickness
// rounding, the stress-block factor, the minimum-steel rule, the 1 %
// allowance and the failure branches, by ultimate strength and by working
// stress. Expected values are hand calculations, noted per case; the
// published beam example is the verification cases'.
#include "concrete_section.h"

#include <gtest/gtest.h>

#include <cmath>

#include "driver.h"
#include "report_capture.h"
#include "state.h"

namespace keldor {
namespace {

struct Materials {
  int units, method;
  float fc, fs, ratio;
};

const Materials kUltimate = {1, 1, 4000.0f, 60000.0f, 0.5f};
const Materials kWorking = {1, 2, 4000.0f, 60000.0f, 0.5f};

// Starts a run with these materials (ES, EC, clean section variables) and
// loads the section: shear, moment, thickness (the minimum for a design),
// distance to the steel and steel area.
void Section(const Materials& m, float v, float mdes, float t, float c, float as = 0.0f) {
  S.IUNITS = m.units, S.IDESIGN = m.method, S.FC = m.fc, S.FS = m.fs, S.RATIO = m.ratio;
  RunInit();
  S.IOK = 1;
  S.VDES = v, S.MDES = mdes, S.TMIN = S.TSEC = t, S.CSEC = c, S.ASEC = as;
}

// ---- Thickness ------------------------------------------------------------------

// With f'c = 3600 the unit shear strength is 1.7 x 60 = 102 exactly, and
// with 36 MPa 1.7 x 6 / 12: the shear depth plus the cover sets the thickness
// exactly. The step is always taken, and a minimum is kept unrounded.
TEST(SectionDesign, ThicknessRoundsUpAlwaysAndKeepsTheMinimum) {
  const struct {
    Materials m;
    float v, tmin, c, tsec;
  } cases[] = {
      {{1, 1, 3600.0f, 60000.0f, 0.5f}, 948.6f, 10.0f, 2.0f, 12.0f},     // needs 11.3 in
      {{1, 1, 3600.0f, 60000.0f, 0.5f}, 1020.0f, 10.0f, 2.0f, 13.0f},    // needs 12.0 in exactly
      {{1, 1, 3600.0f, 60000.0f, 0.5f}, 948.6f, 11.75f, 2.0f, 11.75f},   // below the minimum
      {{2, 1, 36.0f, 420.0f, 0.5f}, 204.85f, 200.0f, 50.0f, 300.0f},     // needs 291 mm
      {{2, 1, 36.0f, 420.0f, 0.5f}, 212.50002f, 200.0f, 50.0f, 310.0f},  // 300 mm in float
  };
  for (const auto& c : cases) {
    Section(c.m, c.v, 1.0f, c.tmin, c.c);
    SectionDesign();
    EXPECT_EQ(S.TSEC, c.tsec) << "shear " << c.v;
  }
}

// ---- Stress-block factor and balanced steel, through the steel limit ----------

TEST(SectionCheck, SteelLimitFollowsBeta1) {
  struct Case {
    Materials m;
    float tsec, csec;
    const char* limit;
  };
  // RATIO = 1 and d = 10 in or 100 mm: the limit is 10 or 100 rho_b.
  const Case cases[] = {
      // beta1 0.85 at 4000 psi: rho_b 0.028507 (the published value)
      {{1, 1, 4000.0f, 60000.0f, 1.0f}, 12.0f, 2.0f, "0.2851    "},
      // 5000 psi: beta1 0.80, rho_b 0.033537
      {{1, 1, 5000.0f, 60000.0f, 1.0f}, 12.0f, 2.0f, "0.3354    "},
      // 9000 psi: 0.60 is raised to the floor 0.65 (0.60 would give 0.4528)
      {{1, 1, 9000.0f, 60000.0f, 1.0f}, 12.0f, 2.0f, "0.4905    "},
      // SI 40 MPa: beta1 0.77 with 600 in place of 87000
      {{2, 1, 40.0f, 420.0f, 1.0f}, 300.0f, 200.0f, " 3.667    "},
      // SI 30 MPa is not above the threshold: beta1 0.85
      {{2, 1, 30.0f, 420.0f, 1.0f}, 300.0f, 200.0f, " 3.036    "},
  };
  for (const Case& c : cases) {
    Section(c.m, 1.0f, 1.0f, c.tsec, c.csec, 0.01f);
    const Lines lines = CaptureReport(SectionCheck);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[3], std::string("     Steel area      = 0.1000E-01 < Max stl area  = ") +
                            c.limit + " OKAY")
        << "f'c = " << c.m.fc;
  }
}

// ---- Design moment ----------------------------------------------------------------

TEST(SectionDesign, MinimumSteelRaisesTheMomentAtMostByAThird) {
  // 12 in thick: 1.2 Mcr = 9 sqrt(4000) x 144 / 6 = 13,661. Signs do not matter.
  const struct {
    float mu, designed;
  } cases[] = {
      {1000.0f, 4000.0f / 3.0f},  // far below: 4/3 Mu
      {12000.0f, 13661.039f},     // 1.2 Mcr <= 4/3 Mu
      {14000.0f, 14000.0f},       // above 1.2 Mcr: kept
  };
  for (const auto& c : cases) {
    Section(kUltimate, -50.0f, -c.mu, 12.0f, 2.0f);
    SectionDesign();
    EXPECT_EQ(S.MDES, c.designed) << c.mu;
    EXPECT_EQ(S.VDES, 50.0f);
    EXPECT_EQ(S.TSEC, 12.0f);
  }
  // The steel of the raised moment 4/3 x 1000 at d = 10 in (hand: 0.002475).
  Section(kUltimate, 0.0f, 1000.0f, 12.0f, 2.0f);
  EXPECT_EQ(CaptureReport(SectionDesign)[3], "     Steel area      = 0.2475E-02");
}

TEST(SectionDesign, WorkingStressKeepsTheMomentAndHasNoSteelLimit) {
  // n = 29e6 / (57000 sqrt 4000) = 8.044, k = 0.3491, j = 0.8836:
  // d2 = 2 x 100000 / (1600 k j) = 405.2, d = 20.13 + 2.5 rounds to 23 in;
  // As = 100000 / (24000 j 20.5) = 0.2300.
  Section(kWorking, 1000.0f, -100000.0f, 12.0f, 2.5f);
  EXPECT_EQ(CaptureReport(SectionDesign),
            (Lines{"", "     Design moment   = 0.1000E+06", "     Wall thickness  =  23.00    ",
                   "     Steel area      = 0.2300    "}));
  EXPECT_EQ(S.MDES, 100000.0f);
}

// ---- Designs that cannot be made ----------------------------------------------------

// Each design starts with 0.123 in2 of steel and writes no lines:
//   a zero moment keeps the minimum, without steel, whatever the shear;
//   at twice the balanced ratio the required depth sits at the peak of the
//   resistance curve, and rounding adds too little depth (353 in) for the
//   quadratic to have a root: IOK is cleared and the steel kept;
//   unvalidated input: a zero ratio makes the required depth infinite, a zero
//   steel strength an infinite working-stress steel area.
TEST(SectionDesign, DesignsThatCannotBeMade) {
  const struct {
    Materials m;
    float v, mdes, tmin, c;
    int iok;
    float tsec, asec;
  } cases[] = {
      {kUltimate, 5000.0f, 0.0f, 14.5f, 2.0f, 1, 14.5f, 0.0f},
      {{1, 1, 4000.0f, 60000.0f, 2.0f}, 0.0f, 1.9e8f, 12.0f, 0.5f, 0, 353.0f, 0.123f},
      {{1, 1, 4000.0f, 60000.0f, 0.0f}, 100.0f, 50000.0f, 12.0f, 2.0f, 0, 12.0f, 0.123f},
      {{1, 2, 4000.0f, 0.0f, 0.5f}, 100.0f, 50000.0f, 12.0f, 2.0f, 0, 12.0f, 0.123f},
  };
  for (const auto& c : cases) {
    Section(c.m, c.v, c.mdes, c.tmin, c.c, 0.123f);
    EXPECT_TRUE(CaptureReport(SectionDesign).empty()) << c.mdes;
    EXPECT_EQ(S.IOK, c.iok) << c.mdes;
    EXPECT_EQ(S.TSEC, c.tsec) << c.mdes;
    EXPECT_EQ(S.ASEC, c.asec) << c.mdes;
  }
  // The same ratio with a moment further from the peak is designed.
  Section({1, 1, 4000.0f, 60000.0f, 2.0f}, 0.0f, 3.0e8f, 12.0f, 0.5f);
  SectionDesign();
  EXPECT_EQ(S.IOK, 1);
  EXPECT_EQ(S.TSEC, 444.0f);
}

// ---- Checks -------------------------------------------------------------------------

TEST(SectionCheck, OverstressBelowOnePercentPassesAndOnePercentFails) {
  // f'c = 3600 and d = 1 in: shear capacity exactly 102.
  const Materials m = {1, 1, 3600.0f, 60000.0f, 0.5f};
  Section(m, 102.51f, 0.0f, 3.0f, 2.0f, 0.01f);  // 0.5 % over
  EXPECT_EQ(CaptureReport(SectionCheck)[1],
            "     Shear capacity  =  102.0     > Design shear  =  102.5     OKAY");
  Section(m, 103.02f, 0.0f, 3.0f, 2.0f, 0.01f);  // 1 % over: the ratio is 1.01 in float
  EXPECT_EQ(CaptureReport(SectionCheck)[1],
            "     Shear capacity  =  102.0     < Design shear  =  103.0     NG ***");
}

// The stresses by hand: d = 20.5; with 0.23 in2, rho n = 0.09025, k = 0.3441,
// j = 0.8853, fs = 100000 / (j 0.23 x 20.5) = 23,960, fc = 2 x 100000 /
// (d2 k j) = 1562; with 0.115 in2, rho n = 0.04513, k = 0.2587, j = 0.9138,
// fs = 46,420, fc = 2013.
TEST(SectionCheck, WorkingStressByHand) {
  const struct {
    float v, m, as;
    Lines lines;
  } cases[] = {
      {-1000.0f, -100000.0f, 0.23f,
       {"", "     Shear capacity     =  1232.     > Design shear     =  1000.     OKAY",
        "     Stress in steel    = 0.2396E+05 < Allowable stress = 0.2400E+05 OKAY",
        "     Stress in concrete =  1562.     < Allowable stress =  1600.     OKAY"}},
      {2000.0f, 100000.0f, 0.115f,
       {"", "     Shear capacity     =  1232.     < Design shear     =  2000.     NG ***",
        "     Stress in steel    = 0.4642E+05 > Allowable stress = 0.2400E+05 NG ***",
        "     Stress in concrete =  2013.     > Allowable stress =  1600.     NG ***"}},
      // no steel and no moment: both stresses 0
      {0.0f, 0.0f, 0.0f,
       {"", "     Shear capacity     =  1232.     > Design shear     =  0.000     OKAY",
        "     Stress in steel    =  0.000     < Allowable stress = 0.2400E+05 OKAY",
        "     Stress in concrete =  0.000     < Allowable stress =  1600.     OKAY"}},
  };
  for (const auto& c : cases) {
    Section(kWorking, c.v, c.m, 23.0f, 2.5f, c.as);
    EXPECT_EQ(CaptureReport(SectionCheck), c.lines) << c.as;
    EXPECT_EQ(S.MDES, std::fabs(c.m));  // not raised under working stress
  }
}

// Sections whose stresses have no value must not pass as if they were zero,
// nor write an infinity: a moment without steel, f'c = 0 (an infinite
// modular ratio), a cover deeper than the section. With d = 0 nothing has
// capacity, and 0.9 x 0.2 x 60000 x (0 - 1.77) is negative.
TEST(SectionCheck, UndefinedStressesAndNoDepthFail) {
  const std::string cannot = "     STRESSES CANNOT BE COMPUTED FOR THIS SECTION ***";
  const struct {
    Materials m;
    float v, mdes, c, as;
    Lines lines;
  } cases[] = {
      {kWorking, 0.0f, 5000.0f, 2.5f, 0.0f,
       {"", "     Shear capacity     =  1232.     > Design shear     =  0.000     OKAY", cannot}},
      {{1, 2, 0.0f, 60000.0f, 0.5f}, 10.0f, 5000.0f, 2.5f, 0.2f,
       {"", "     Shear capacity     =  0.000     < Design shear     =  10.00     NG ***", cannot}},
      {kWorking, 0.0f, 1000.0f, 24.0f, 0.2f,
       {"", "     Shear capacity     = -60.08     < Design shear     =  0.000     NG ***", cannot}},
      {kUltimate, 0.0f, 0.0f, 23.0f, 0.2f,
       {"", "     Shear capacity  =  0.000     < Design shear  =  0.000     NG ***",
        "     Moment capacity = -.1912E+05 < Design moment =  0.000     NG ***",
        "     Steel area      = 0.2000     > Max stl area  =  0.000     NG ***"}},
  };
  for (const auto& c : cases) {
    Section(c.m, c.v, c.mdes, 23.0f, c.c, c.as);
    EXPECT_EQ(CaptureReport(SectionCheck), c.lines) << c.lines[1];
  }
}

}  // namespace
}  // namespace keldor
