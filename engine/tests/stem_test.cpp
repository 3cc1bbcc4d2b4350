// The wall stem: the pressure diagrams of one earth force, the factored loads
// of a combination, and the wall design and load distribution sections of the
// report, for both design methods, both unit systems, design and review.
//
// Expected sections were computed independently (a float-by-float evaluation
// of the formulas and hand checks of the leading numbers, noted per case).
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <string>
#include <vector>

#include "driver.h"
#include "keldor.h"
#include "report_capture.h"
#include "state.h"
#include "stem.h"

namespace keldor {
namespace {

using Lines = std::vector<std::string>;

struct Combo {
  float fe, fsur, fw, feq;
};

// The inputs the stem reads; angles in degrees.
struct Wall {
  int units = 1, mode = 1, method = 1, soil = 1;
  float fc = 4000.0f, fs = 60000.0f, ratio = 0.5f;
  float rhos = 0.0f, ka = 0.0f, ye = 0.0f, kaeq = 0.0f, yeq = 0.0f, sur = 0.0f;
  float vw = 0.0f, mw = 0.0f, veq = 0.0f, meq = 0.0f;
  float h = 0.0f, twmin = 0.0f, bwmin = 0.0f, bw = 0.0f, cw = 0.0f, dbar = 0.0f, asw = 0.0f;
  std::vector<Combo> combos;
};

// Loads the model as the set operations would and starts the run.
void Load(const Wall& w) {
  S.IUNITS = w.units;
  S.IMODE = w.mode;
  S.IDESIGN = w.method;
  S.ISOIL = w.soil;
  S.FC = w.fc;
  S.FS = w.fs;
  S.RATIO = w.ratio;
  S.RHOS = w.rhos;
  S.KA = w.ka;
  S.YE = w.ye;
  S.KAEQ = w.kaeq;
  S.YEQ = w.yeq;
  S.SUR = w.sur;
  S.VW = w.vw;
  S.MW = w.mw;
  S.VEQ = w.veq;
  S.MEQ = w.meq;
  S.H = w.h;
  S.TWMIN = w.twmin;
  S.BWMIN = Radians(w.bwmin);
  S.BW = Radians(w.bw);
  S.CW = w.cw;
  S.DBAR = w.dbar;
  S.ASW = w.asw;
  S.NSEG = 0;
  S.NSUR = 0;
  S.NLC = static_cast<int>(w.combos.size());
  for (RealArray* a : {&S.FD, &S.FL, &S.FE, &S.FSUR, &S.FW, &S.FEQ}) a->resize(S.NLC);
  for (int i = 1; i <= S.NLC; ++i) {
    const Combo& c = w.combos[static_cast<std::size_t>(i - 1)];
    S.FD(i) = 1.0f;
    S.FE(i) = c.fe;
    S.FSUR(i) = c.fsur;
    S.FW(i) = c.fw;
    S.FEQ(i) = c.feq;
  }
  RunInit();
}

// English, 12 ft stem, 120 pcf soil, 250 psf surcharge, wind and seismic
// loads at the top; earth + surcharge, wind and seismic combinations.
Wall EnglishWall() {
  Wall w;
  w.rhos = 0.069444f;
  w.ka = 0.33333f;
  w.ye = 0.33333f;
  w.kaeq = 0.1f;
  w.yeq = 0.6f;
  w.sur = 1.7361f;
  w.vw = 2.0f;
  w.mw = 50.0f;
  w.veq = 5.0f;
  w.meq = 100.0f;
  w.h = 144.0f;
  w.twmin = 12.0f;
  w.bwmin = 1.0f;
  w.bw = 1.0f;
  w.cw = 2.0f;
  w.dbar = 1.0f;
  w.asw = 0.3f;
  w.combos = {{1.7f, 1.7f, 0.0f, 0.0f}, {1.3f, 0.0f, 1.3f, 0.0f}, {1.0f, 0.0f, 0.0f, 1.0f}};
  return w;
}

// The reference Rankine wall: 10 ft stem, 12 in, no batter, 0.5 in2 of steel.
Wall ReferenceWall() {
  Wall w;
  w.mode = 2;
  w.rhos = 0.069444f;
  w.ka = 0.33333f;
  w.ye = 0.33333f;
  w.yeq = 0.5f;
  w.h = 120.0f;
  w.twmin = 12.0f;
  w.asw = 0.5f;
  w.cw = 2.0f;
  w.dbar = 1.0f;
  w.combos = {{1.0f, 0.0f, 0.0f, 0.0f}};
  return w;
}

// SI, 3 m stem, 18.85 kN/m3 soil, earth resultant at 0.4 H (mixed diagram),
// seismic at 0.6 H; working stress with f'c 25 MPa, fy 400 MPa.
Wall MetricWall() {
  Wall w;
  w.units = 2;
  w.method = 2;
  w.fc = 25.0f;
  w.fs = 400.0f;
  w.rhos = 1.885e-5f;
  w.ka = 0.3f;
  w.ye = 0.4f;
  w.kaeq = 0.15f;
  w.yeq = 0.6f;
  w.sur = 0.012f;
  w.vw = 5.0f;
  w.h = 3000.0f;
  w.twmin = 250.0f;
  w.bwmin = 2.0f;
  w.bw = 2.0f;
  w.cw = 50.0f;
  w.dbar = 20.0f;
  w.asw = 1.2f;
  w.combos = {{1.0f, 1.0f, 0.0f, 0.0f}, {1.0f, 0.0f, 0.0f, 1.0f}};
  return w;
}

Lines StemSections() {
  return CaptureReport([] {
    WallDesign();
    StemLoadTable();
  });
}

const char* const kRule = " =====================================================";

// The loads block of the English wall (hand: E = 0.5 Ka g H2 x factor;
// 1: 408.0 + 141.7, M = 408.0 x 48 + 141.7 x 72 = 29,784;
// 2: 312.0 + 2.6, M = 14,976 + 338 x 1.3; 3: 240 + 72 + 5, M = 11,520 +
// 720 + 72 x 0.6 x 144 + 100 = 18,561).
const Lines kEnglishLoads = {
    "",
    " W A L L   D E S I G N",
    kRule,
    "",
    " LOAD COMBINATION   1:",
    "",
    "   Shear  =  549.7    ",
    "   Moment = 0.2978E+05",
    "",
    " LOAD COMBINATION   2:",
    "",
    "   Shear  =  314.6    ",
    "   Moment = 0.1542E+05",
    "",
    " LOAD COMBINATION   3:",
    "",
    "   Shear  =  317.0    ",
    "   Moment = 0.1856E+05",
    "",
    " MAXIMUM LOADS:",
    "",
    "   Shear  =  549.7    ",
    "   Moment = 0.2978E+05",
};

// The loads block of the metric wall (hand: E = 25.45, S = 10.8,
// M1 = 25.45 x 0.4 x 3000 + 10.8 x 1500; Q = 12.72, M2 = 30,537 + 22,903).
const Lines kMetricLoads = {
    "",
    " W A L L   D E S I G N",
    kRule,
    "",
    " LOAD COMBINATION   1:",
    "",
    "   Shear  =  36.25    ",
    "   Moment = 0.4674E+05",
    "",
    " LOAD COMBINATION   2:",
    "",
    "   Shear  =  38.17    ",
    "   Moment = 0.5344E+05",
    "",
    " MAXIMUM LOADS:",
    "",
    "   Shear  =  38.17    ",
    "   Moment = 0.5344E+05",
};

const Lines kTableHead = {
    "",
    " W A L L   L O A D   D I S T R I B U T I O N",
    kRule,
    "",
    "      DEPTH     SHEAR    MOMENT     THICK   AS REQD",
    "",
};

Lines Join(std::initializer_list<Lines> parts) {
  Lines all;
  for (const Lines& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

// The stem sections of the reference wall in review: earth on the stem
// 0.5 x 0.33333 x 0.069444 x 120^2 = 166.7 at H/3: 6666 (reference case).
// Checks at d = 9.5: phi Vc = 1.7 sqrt(4000) 9.5 = 1021; phi Mn =
// 27000 (9.5 - 4.425) = 137,025; the moment is raised to 4/3 x 6666 = 8889;
// 0.5 in2 exceeds 0.5 rho_b d = 0.1354. Table moments P y^3 / (3 H^2),
// raised by 4/3 (at 120: 8889).
Lines ReferenceReview() {
  return Join({
    {
      "",
      " W A L L   D E S I G N",
      kRule,
      "",
      " LOAD COMBINATION   1:",
      "",
      "   Shear  =  166.7    ",
      "   Moment =  6666.    ",
      "",
      "     Shear capacity  =  1021.     > Design shear  =  166.7     OKAY",
      "     Moment capacity = 0.1370E+06 > Design moment =  8889.     OKAY",
      "     Steel area      = 0.5000     > Max stl area  = 0.1354     NG ***",
    },
    kTableHead,
    {
      "        24.        7.       71.    12.000     0.000",
      "        48.       27.      569.    12.000     0.001",
      "        72.       60.     1920.    12.000     0.004",
      "        96.      107.     4551.    12.000     0.009",
      "       120.      167.     8889.    12.000     0.018",
    }});
}

// ---- DistributeEarthForce ---------------------------------------------------------

struct Shape {
  float r, y, v, m;
};

TEST(DistributeEarthForce, WorkedCasesOfAHundredOverAHundred) {
  S.H = 100.0f;
  const Shape cases[] = {
      {0.4f, 50.0f, 35.0f, 750.0f},    // a = 0.6, b = 0.4
      {0.4f, 100.0f, 100.0f, 4000.0f},
      {0.6f, 50.0f, 65.0f, 1750.0f},   // c = 0.6, b = 0.4
      {0.6f, 100.0f, 100.0f, 6000.0f},
      {0.33f, 100.0f, 100.0f, 100.0f * 100.0f / 3.0f},  // pure triangle: H/3 whatever r
      {0.5f, 50.0f, 50.0f, 1250.0f},                      // uniform
      {0.66f, 100.0f, 100.0f, 2.0f * 100.0f * 100.0f / 3.0f},  // inverted triangle
      {0.45f, 100.0f, 100.0f, 4500.0f},  // mixed ranges: P r H at the base
      {0.55f, 100.0f, 100.0f, 5500.0f},
  };
  for (const Shape& c : cases) {
    float p = 100.0f, y = c.y, r = c.r, v = 0.0f, m = 0.0f;
    const Lines lines = CaptureReport([&] { DistributeEarthForce(p, y, r, v, m); });
    EXPECT_TRUE(lines.empty());
    EXPECT_NEAR(v, c.v, 1e-3f) << "r = " << c.r << ", y = " << c.y;
    EXPECT_NEAR(m, c.m, 0.02f) << "r = " << c.r << ", y = " << c.y;
  }
}

TEST(DistributeEarthForce, RatioOutsideTheDiagramsWritesTheErrorAndNoMoment) {
  // 0.32 and 0.68 themselves are outside; so is any force on a wall
  // without height.
  for (const float ratio : {0.32f, 0.68f, 0.70f, 0.30f, 0.0f}) {
    S.H = 100.0f;
    float p = 100.0f, y = 50.0f, r = ratio, v = 7.0f, m = 9.0f;
    const Lines lines = CaptureReport([&] { DistributeEarthForce(p, y, r, v, m); });
    EXPECT_EQ(lines, (Lines{"", " *** LOAD DISTRIBUTION ERROR ***", ""})) << ratio;
    EXPECT_EQ(m, 0.0f);
    EXPECT_EQ(v, 7.0f);  // left as the caller set it
  }
  S.H = 0.0f;
  float p = 100.0f, y = 0.0f, r = 0.4f, v = 0.0f, m = 1.0f;
  const Lines lines = CaptureReport([&] { DistributeEarthForce(p, y, r, v, m); });
  EXPECT_EQ(lines.size(), 3u);
  EXPECT_EQ(m, 0.0f);
  EXPECT_EQ(v, 0.0f);
}

// ---- Loads of one combination --------------------------------------------------

TEST(StemLoads, TriangleAtTheBaseGivesTheBaseShearButMomentAtAThird) {
  // YE inside (0.32, 0.34): the table's moment at y = H is P H / 3, while
  // the base moment uses P YE H.
  Wall w = ReferenceWall();
  w.ye = 0.339f;
  Load(w);
  float vb = 0, mb = 0, vy = 0, my = 0;
  StemBaseLoads(1, vb, mb);
  StemLoadsAtDepth(1, 120.0f, vy, my);
  const float p = 0.5f * 0.33333f * 1.0f * 0.069444f * (120.0f * 120.0f);
  EXPECT_FLOAT_EQ(vb, p);
  EXPECT_FLOAT_EQ(vy, p);
  EXPECT_FLOAT_EQ(mb, p * 0.339f * 120.0f);
  EXPECT_FLOAT_EQ(my, p * 120.0f / 3.0f);
}

TEST(StemLoads, IrregularBackfillTakesTheSurchargedForceWithTheEarthFactor) {
  Wall w = EnglishWall();
  w.soil = 2;
  w.h = 120.0f;
  w.combos = {{1.7f, 1.7f, 0.0f, 0.0f}, {1.0f, 0.0f, 0.0f, 1.0f}, {0.0f, 1.7f, 1.3f, 0.0f}};
  Load(w);
  S.PEH = 800.0f;
  S.PESH = 950.0f;
  S.PEQH = 300.0f;
  S.YAPPE = 45.6f;
  S.YAPPES = 54.0f;
  S.YAPPEQ = 72.0f;
  float v = 0, m = 0;
  StemBaseLoads(1, v, m);  // PESH x FE at YAPPES; SUR and its factor play no part
  EXPECT_FLOAT_EQ(v, 950.0f * 1.7f);
  EXPECT_FLOAT_EQ(m, 950.0f * 1.7f * 54.0f);
  StemBaseLoads(2, v, m);  // earth at YAPPE plus the seismic force and top loads
  EXPECT_FLOAT_EQ(v, 800.0f + (5.0f + 300.0f));
  EXPECT_FLOAT_EQ(m, 800.0f * 45.6f + (5.0f * 120.0f + 300.0f * 72.0f + 100.0f));
  StemBaseLoads(3, v, m);  // no earth factor: the surcharge factor alone adds nothing
  EXPECT_FLOAT_EQ(v, 2.0f * 1.3f);
  EXPECT_FLOAT_EQ(m, (2.0f * 120.0f + 50.0f) * 1.3f);

  // Down the stem the same forces are distributed: at y = H they sum to the
  // base values, with moments P r H.
  StemLoadsAtDepth(2, 120.0f, v, m);
  EXPECT_FLOAT_EQ(v, 800.0f + 305.0f);
  EXPECT_NEAR(m, 36480.0f + 700.0f + 21600.0f, 0.01f);
}

TEST(StemLoads, NegativeMomentsDoNotLowerTheMaximumBelowZero) {
  // Wind the other way in the only combination: the maxima start at 0.
  Wall w = ReferenceWall();
  w.mode = 1;
  w.vw = -10.0f;
  w.mw = -500.0f;
  w.combos = {{0.0f, 0.0f, 1.0f, 0.0f}};
  Load(w);
  const Lines lines = CaptureReport(WallDesign);
  EXPECT_EQ(S.VDES, 0.0f);
  EXPECT_EQ(S.MDES, 0.0f);
  EXPECT_EQ(S.TSEC, 12.0f);  // nothing to design: the minimum thickness
  EXPECT_EQ(S.ASW, 0.0f);
  EXPECT_EQ(S.BW, 0.0f);
  ASSERT_EQ(lines.size(), 8u);  // heading, one combination, no design lines
  EXPECT_EQ(lines[6], "   Shear  = -10.00    ");
  EXPECT_EQ(lines[7], "   Moment = -1700.    ");
}

// ---- Wall design and load distribution sections ------------------------------------

TEST(StemSections, EnglishUltimateStrengthDesign) {
  // MDES 29,784 needs d = 6.65 in: the minimum 12 + 0.01745 x 144 = 14.51
  // governs, unrounded. 1.2 Mcr = 19,980 < MDES: not raised. As from the
  // quadratic at d = 12.01 (hand 0.04758); max 0.5 rho_b d = 0.1712.
  // The table's thickness is 12 + y BW with the designed batter; its moments
  // are the designed (raised) ones: at 24 in, 4/3 x 494 = 659.
  Load(EnglishWall());
  const Lines expected = Join({kEnglishLoads,
    {
      "",
      "     Design moment   = 0.2978E+05",
      "     Wall thickness  =  14.51    ",
      "     Steel area      = 0.4758E-01",
      "     Max steel area  = 0.1712    ",
    },
    kTableHead,
    {
      "        24.       35.      659.    12.419     0.001",
      "        48.       93.     2478.    12.838     0.004",
      "        72.      173.     6664.    13.257     0.012",
      "        96.      276.    13781.    13.675     0.023",
      "       120.      401.    18845.    14.094     0.031",
      "       144.      550.    29784.    14.513     0.048",
    }});
  EXPECT_EQ(StemSections(), expected);
  EXPECT_NEAR(S.BW, 0.0174516f, 1e-6f);  // atan(2.513 / 144)
  EXPECT_NEAR(S.ASW, 0.047579f, 1e-6f);
  EXPECT_EQ(S.IPRINT, 1);
}

TEST(StemSections, EnglishUltimateStrengthReviewOfTheReferenceWall) {
  Load(ReferenceWall());
  const Lines expected = ReferenceReview();
  EXPECT_EQ(StemSections(), expected);
  EXPECT_EQ(S.ASW, 0.5f);  // review keeps the given steel
}

TEST(StemSections, MetricWorkingStressDesign) {
  // n = 8, k = 1/3, j = 8/9: d2 = 2 x 53,440 / (10 k j) gives d = 190 mm;
  // the minimum 250 + 0.0349 x 3000 = 354.7 governs; As = 53,440 /
  // (160 j 294.7) = 1.275. Row 600: earth 733 + seismic 1160 = 1893.
  Load(MetricWall());
  const Lines expected = Join({kMetricLoads,
    {
      "",
      "     Design moment   = 0.5344E+05",
      "     Wall thickness  =  354.7    ",
      "     Steel area      =  1.275    ",
    },
    kTableHead,
    {
      "       600.        6.     1893.   270.935     0.063",
      "      1200.       13.     7817.   291.871     0.237",
      "      1800.       21.    18139.   312.806     0.504",
      "      2400.       29.    33224.   333.742     0.853",
      "      3000.       38.    53440.   354.677     1.275",
    }});
  EXPECT_EQ(StemSections(), expected);
  EXPECT_NEAR(S.BW, 0.0348925f, 1e-6f);
}

TEST(StemSections, MetricWorkingStressReview) {
  // d = 250 + tan(2 deg) 3000 - 60 = 294.8, As 1.2: k = 0.2247, j = 0.9251
  // (hand): fs = 163.3 above 0.4 x 400; fc = 5.917; v d = 0.95 x 5 d / 12.
  Wall w = MetricWall();
  w.mode = 2;
  Load(w);
  const Lines expected = Join({kMetricLoads,
    {
      "",
      "     Shear capacity     =  116.7     > Design shear     =  38.17     OKAY",
      "     Stress in steel    =  163.3     > Allowable stress =  160.0     NG ***",
      "     Stress in concrete =  5.917     < Allowable stress =  10.00     OKAY",
    },
    kTableHead,
    {
      "       600.        6.     1893.   270.944     0.063",
      "      1200.       13.     7817.   291.888     0.237",
      "      1800.       21.    18139.   312.832     0.504",
      "      2400.       29.    33224.   333.776     0.853",
      "      3000.       38.    53440.   354.720     1.275",
    }});
  EXPECT_EQ(StemSections(), expected);
}

TEST(StemSections, MetricUltimateStrengthDesign) {
  // f'c 30, fy 420: 1.2 Mcr of 354.7 mm = 9 sqrt(30) 20,971 / 12 = 86,150
  // lies above 4/3 x 53,440, so the moment is raised to 71,253.
  Wall w = MetricWall();
  w.method = 1;
  w.fc = 30.0f;
  w.fs = 420.0f;
  Load(w);
  const Lines expected = Join({kMetricLoads,
    {
      "",
      "     Design moment   = 0.7125E+05",
      "     Wall thickness  =  354.7    ",
      "     Steel area      = 0.6515    ",
      "     Max steel area  =  4.473    ",
    },
    kTableHead,
    {
      "       600.        6.     2524.   270.935     0.032",
      "      1200.       13.    10423.   291.871     0.119",
      "      1800.       21.    24185.   312.806     0.255",
      "      2400.       29.    44299.   333.742     0.434",
      "      3000.       38.    71253.   354.677     0.652",
    }});
  EXPECT_EQ(StemSections(), expected);
}

TEST(StemSections, IrregularBackfillTable) {
  // Trial wedge results as the stem's wedge leaves them. At y = H the
  // earth-plus-surcharge force 950 x 1.7 acts at 54 / 120 = 0.45 H:
  // V = 1615, M = 1615 x 54 = 87,210; shear needs 1615 / 107.5 + 2.5 =
  // 17.5 in, rounded to 18.
  Wall w = EnglishWall();
  w.soil = 2;
  w.h = 120.0f;
  w.bw = 0.0f;
  Load(w);
  S.PEH = 800.0f;
  S.PESH = 950.0f;
  S.PEQH = 300.0f;
  S.YAPPE = 45.6f;
  S.YAPPES = 54.0f;
  S.YAPPEQ = 72.0f;
  const Lines expected = Join({kTableHead,
    {
      "        24.      245.     3824.    12.000     0.008",
      "        48.      530.    13661.    12.000     0.027",
      "        72.      853.    28605.    12.000     0.059",
      "        96.     1214.    53334.    14.000     0.092",
      "       120.     1615.    87210.    18.000     0.111",
    }});
  EXPECT_EQ(CaptureReport(StemLoadTable), expected);
}

TEST(StemSections, IrregularBackfillDesignLoads) {
  // Only wind and seismic top loads: with no accelerations the seismic
  // earth force is 0, so the loads do not depend on the ground profile.
  // The trial wedge writes its own block after the heading.
  Wall w = EnglishWall();
  w.soil = 2;
  w.combos = {{0.0f, 0.0f, 1.3f, 0.0f}, {0.0f, 0.0f, 0.0f, 1.0f}};
  Load(w);
  S.PHI = Radians(30.0f);
  S.AH = 0.0f;
  S.AV = 0.0f;
  S.SS = 0.0f;
  S.SSEQ = 0.0f;
  const float len = 10000.0f, ang = 0.0f;
  S.NSEG = 1;
  for (RealArray* a : {&S.LSEG, &S.ASEG, &S.XGBEG, &S.YGBEG, &S.XGEND, &S.YGEND}) a->resize(1);
  S.LSEG(1) = len;
  S.ASEG(1) = ang;
  S.XGEND(1) = len;
  const Lines lines = CaptureReport(WallDesign);
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(Lines(lines.begin(), lines.begin() + 3), (Lines{"", " W A L L   D E S I G N", kRule}));
  std::size_t first = 0;
  while (first < lines.size() && lines[first] != " LOAD COMBINATION   1:") ++first;
  ASSERT_GT(first, 0u);
  // (2 x 144 + 50) x 1.3 = 439.4; 5 + 0, (5 x 144 + 100) = 820, raised to
  // 4/3 x 820 at the minimum 14.51 in (hand: As = 0.0016875; the float
  // quadratic gives 0.1687E-02).
  const Lines expected = {
      " LOAD COMBINATION   1:",
      "",
      "   Shear  =  2.600    ",
      "   Moment =  439.4    ",
      "",
      " LOAD COMBINATION   2:",
      "",
      "   Shear  =  5.000    ",
      "   Moment =  820.0    ",
      "",
      " MAXIMUM LOADS:",
      "",
      "   Shear  =  5.000    ",
      "   Moment =  820.0    ",
      "",
      "     Design moment   =  1093.    ",
      "     Wall thickness  =  14.51    ",
      "     Steel area      = 0.1687E-02",
      "     Max steel area  = 0.1712    ",
  };
  EXPECT_EQ(Lines(lines.begin() + static_cast<long>(first), lines.end()), expected);
}

TEST(StemSections, DistributionErrorAtEveryDepthLeavesZeroEarthMoments) {
  // YE = 0.70 lies outside every diagram: the error at each depth, and rows
  // without the earth load.
  Wall w = ReferenceWall();
  w.ye = 0.70f;
  w.h = 96.0f;
  Load(w);
  const Lines error = {"", " *** LOAD DISTRIBUTION ERROR ***", ""};
  const Lines expected = Join({kTableHead, error,
    {"        24.        0.        0.    12.000     0.000"}, error,
    {"        48.        0.        0.    12.000     0.000"}, error,
    {"        72.        0.        0.    12.000     0.000"}, error,
    {"        96.        0.        0.    12.000     0.000"}});
  EXPECT_EQ(CaptureReport(StemLoadTable), expected);
}

TEST(StemSections, TableRowsStopAtTheLastFullStep) {
  Wall w = ReferenceWall();
  w.h = 130.0f;  // rows at 24 ... 120; none at 130
  Load(w);
  Lines lines = CaptureReport(StemLoadTable);
  ASSERT_EQ(lines.size(), kTableHead.size() + 5);
  EXPECT_EQ(lines.back().substr(0, 11), "       120.");

  w.h = 23.0f;  // shorter than one step: the header alone
  Load(w);
  EXPECT_EQ(CaptureReport(StemLoadTable), kTableHead);

  w.h = 1000.0f;
  Load(w);
  S.STEP = 0.0f;  // no step (a unit code the run does not know): no rows, no endless loop
  EXPECT_EQ(CaptureReport(StemLoadTable), kTableHead);
}

TEST(StemSections, AbsurdHeightEndsTheTableInsteadOfRunningOn) {
  // 10^7 in would give 416,666 rows; the table stops after 10000 and says so.
  Wall w = ReferenceWall();
  w.h = 1.0e7f;
  Load(w);
  const Lines lines = CaptureReport(StemLoadTable);
  ASSERT_EQ(lines.size(), kTableHead.size() + 10001);
  EXPECT_EQ(lines[kTableHead.size() + 9999].substr(0, 11), "    240000.");
  EXPECT_EQ(lines.back(), "   THE TABLE ENDS AFTER 10000 ROWS ***");
}

TEST(StemSections, SingleCombinationHasNoMaximumLoadsBlock) {
  Load(ReferenceWall());
  for (const std::string& line : CaptureReport(WallDesign)) EXPECT_NE(line, " MAXIMUM LOADS:");
}

TEST(StemSections, DesignThatCannotBeMadeSaysSo) {
  // A zero balanced-steel ratio leaves no depth that carries the moment: the
  // section fails, IOK is cleared and the report says it.
  Wall w = EnglishWall();
  w.ratio = 0.0f;
  Load(w);
  S.IOK = 1;
  const Lines lines = CaptureReport(WallDesign);
  const Lines tail(lines.end() - 2, lines.end());
  EXPECT_EQ(tail, (Lines{"", "     NO WALL DESIGN POSSIBLE ***"}));
  EXPECT_EQ(lines.size(), kEnglishLoads.size() + 2);
  EXPECT_EQ(S.IOK, 0);
  EXPECT_EQ(S.ASW, 0.0f);
  // The minimum thickness, 12 + BWMIN x 144, sets the batter.
  EXPECT_NEAR(S.BW, std::atan(S.BWMIN), 1e-6f);
}


// ---- Whole runs: the stem sections follow the input echo -----------------------

// Sets the whole model through the exported operations (the reference
// Rankine wall of the shared reference cases, English review by default) and
// runs CONDLL in a temporary folder; returns the report lines.
struct WholeRun {
  int32_t units = 1, mode = 2, method = 1;
  float h = 120.0f;
  float twmin = 12.0f, bwmin = 0.0f, bw = 0.0f;
  float rhos = 0.069444f, ka = 0.33333f, ye = 0.33333f, sur = 0.0f;
  float fc = 4000.0f, fs = 60000.0f;
  float asw = 0.5f, cw = 2.0f, dbar = 1.0f;
  float fe = 1.0f, fsur = 0.0f;

  Lines report() const {
    const int32_t soil = 1, foot = 1, optim = 1, nlc = 1, zero_i = 0, one_i = 1;
    const float z = 0.0f, one = 1.0f;
    SETOPT(&units, &mode, &method, &soil, &foot, &optim);
    const float rhoc = 0.086806f;
    SETMAT(&rhoc, &fc, &fs, &rhos, &z, &z);
    const float yeq = 0.5f;
    SETSP(&ka, &ye, &z, &yeq, &z, &z, &z, &z, &z, &one_i);
    SETLC(&z, &z, &z, &z, &z, &z, &z, &z, &z, &z, &nlc);
    SETSCON(&h, &z, &z, &sur, &zero_i, &zero_i);
    const float tf = 18.0f, wt = 36.0f, wf = 96.0f;
    SETWCON(&twmin, &bwmin, &bw, &tf, &tf, &z, &z, &wt, &wt, &wf, &wf, &z);
    const float half = 0.5f, three = 3.0f;
    SETRCON(&asw, &half, &half, &cw, &cw, &three, &dbar, &half);
    const float q = 20.0f, cs = 0.5f, two = 2.0f, one5 = 1.5f, one2 = 1.2f;
    SETSF(&q, &q, &q, &cs, &cs, &cs, &two, &one5, &one5, &one5, &one2, &one2);
    SETLF(&one, &z, &fe, &fsur, &z, &z);

    char cwd[4096];
    EXPECT_NE(getcwd(cwd, sizeof cwd), nullptr);
    // A folder of its own: the side file goes to the current folder.
    const std::string dir = testing::TempDir() + "keldor_stem_run_" + std::to_string(getpid()) + "/";
    EXPECT_EQ(mkdir(dir.c_str(), 0700), 0);
    EXPECT_EQ(chdir(dir.c_str()), 0);
    const std::string out = dir + "keldor_stem_run.out";
    const std::string outpath = out + std::string(132 - out.size(), ' ');
    const std::string name(80, ' '), title = "Stem run" + std::string(72, ' ');
    CONDLL(outpath.c_str(), name.c_str(), name.c_str(), title.c_str(), " 1.42");
    const Lines lines = SplitReport(ReadFile(out));
    std::remove(out.c_str());
    std::remove((dir + "KELDOR.DAT").c_str());
    EXPECT_EQ(chdir(cwd), 0);
    rmdir(dir.c_str());
    return lines;
  }
};

// The lines after the output banner that closes the input echo.
Lines AfterEcho(const Lines& report) {
  const std::string banner = " *                   OUTPUT DATA                     *";
  for (std::size_t i = 0; i < report.size(); ++i)
    if (report[i] == banner && i + 3 <= report.size())
      return Lines(report.begin() + static_cast<long>(i + 3), report.end());
  ADD_FAILURE() << "no output banner";
  return {};
}

bool HasTable(const Lines& report) {
  for (const std::string& line : report)
    if (line == " W A L L   L O A D   D I S T R I B U T I O N") return true;
  return false;
}

TEST(StemReport, ReferenceWallReviewFollowsTheEcho) {
  // Same wall as the engine-level review above, set through the exported
  // operations: the stem sections open the output data.
  const Lines after = AfterEcho(WholeRun().report());
  const Lines expected = ReferenceReview();
  ASSERT_GE(after.size(), expected.size());
  EXPECT_EQ(Lines(after.begin(), after.begin() + static_cast<long>(expected.size())), expected);
}

TEST(StemReport, ReferenceWallWithSurchargeInDesignMode) {
  // 250 psf with FSUR = 1: S = 0.33333 x 1.7361 x 120 = 69.44 at H/2
  // (M = 166.7 x 40 + 69.44 x 60 = 10,833). Design: d = sqrt(10,833 /
  // 672.9) = 4.0 in, under the 12 in minimum; 1.2 Mcr = 13,661 lies between
  // Mu and 4/3 Mu, so the moment becomes 13,661; at d = 9.5 the quadratic
  // gives 0.02733 (hand), the limit 0.5 rho_b d = 0.1354.
  WholeRun run;
  run.mode = 1;
  run.sur = 1.7361f;
  run.fsur = 1.0f;
  const Lines after = AfterEcho(run.report());
  ASSERT_GE(after.size(), 14u);
  const Lines expected = {
      "",
      " W A L L   D E S I G N",
      kRule,
      "",
      " LOAD COMBINATION   1:",
      "",
      "   Shear  =  236.1    ",
      "   Moment = 0.1083E+05",
      "",
      "     Design moment   = 0.1366E+05",
      "     Wall thickness  =  12.00    ",
      "     Steel area      = 0.2733E-01",
      "     Max steel area  = 0.1354    ",
  };
  EXPECT_EQ(Lines(after.begin(), after.begin() + static_cast<long>(expected.size())), expected);
  EXPECT_EQ(after[expected.size() + 1], " W A L L   L O A D   D I S T R I B U T I O N");
}

TEST(StemReport, DistributionTableFromSixteenDesignSteps) {
  // 16 x 6 = 96 in, 16 x 150 = 2400 mm.
  WholeRun run;
  run.h = 96.0f;
  EXPECT_TRUE(HasTable(run.report()));
  run.h = 95.9f;
  const Lines low = run.report();
  EXPECT_FALSE(HasTable(low));
  EXPECT_FALSE(AfterEcho(low).empty());  // the wall design is still there

  run.units = 2;
  run.twmin = 300.0f;
  run.cw = 50.0f;
  run.dbar = 20.0f;
  run.fc = 30.0f;
  run.fs = 420.0f;
  run.rhos = 1.885e-5f;
  run.asw = 1.0f;
  run.h = 2400.0f;
  EXPECT_TRUE(HasTable(run.report()));
  run.h = 2399.0f;
  EXPECT_FALSE(HasTable(run.report()));
}

}  // namespace
}  // namespace keldor
