// Trial wedges: the worked case and an independently computed surcharge and
// seismic case, the surcharge shares, the back planes, the pruned search
// against the plane-by-plane one, and the inputs that must neither crash,
// hang nor give a number that is not finite. The forces on straight ground
// against Coulomb and Mononobe-Okabe are the verification cases'; the report
// block is the golden files' (the worked case among them).
#include "trial_wedge.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "keldor.h"
#include "reference_wall.h"
#include "report_capture.h"
#include "state.h"

namespace keldor {
namespace {

using testing_support::Contains;
using testing_support::SameValues;
using testing_support::SetGround;

using testing_support::Segments;
using Surcharge = std::array<float, 5>;                 // SURL, XSBEG, YSBEG, XSEND, YSEND

// The k-th trial plane's angle, stepped down from the vertical as the search
// steps it, so that it has the search's float bits.
float PlaneAngle(int k) {
  float theta = 1.5708f;
  for (int i = 0; i < k; ++i) theta -= 0.01f;
  return theta;
}

const char* const kGroundShort = "   GROUND PROFILE DOES NOT REACH THE FAILURE PLANE ***";

class TrialWedgeTest : public ::testing::Test {
 protected:
  // A wall 120 in high on an 18 in footing, 96 in wide with a 36 in toe and a
  // 12 in stem: the back plane through the heel end stands at x = 48 and its
  // base at y = -138. Soil of 120 pcf, phi 30 degrees, level ground.
  void SetUp() override {
    testing_support::FreshState();
    S.ISOIL = 2, S.IMODE = 2, S.ILOC = 2, S.IPRINT = 0, S.RHOS = 0.069444f, S.PHI = Radians(30.0f);
    S.H = 120.0f, S.TF = 18.0f, S.WT = 36.0f, S.TWMIN = 12.0f, S.WF = 96.0f;
    SetGround({{100000.0f, 0.0f}});
  }

  static void Surcharges(const std::vector<Surcharge>& lines) {
    std::vector<float> v[5];
    for (const Surcharge& l : lines)
      for (std::size_t k = 0; k < 5; ++k) v[k].push_back(l[k]);
    S.NSUR = static_cast<int>(lines.size());
    SETSUR(v[0].data(), v[1].data(), v[2].data(), v[3].data(), v[4].data());
  }

  static std::vector<float> Results() {
    return {S.PEH, S.PESH, S.PEQH, S.YAPPE, S.YAPPES, S.YAPPEQ, S.XAPP, S.HBACK};
  }
  static void ExpectAllResultsFinite() {
    for (float v : Results()) EXPECT_TRUE(std::isfinite(v)) << v;
  }
};

// ---- Worked cases ------------------------------------------------------------------

// The worked case: phi = 30 degrees, level ground, no wall friction. By hand
// the critical plane is 1.0508 rad, W = 0.5 x 0.069444 x 138^2 / tan(1.0508)
// = 378.6, P = W tan(1.0508 - 0.5236) = 220.4. Ten midpoint strips put the
// centroid 3.35 of the 10 strip widths (7.901) from the back plane, and the
// parallel through it meets the back plane at 92.11 - 1.7466 x 26.47 = 45.88.
TEST_F(TrialWedgeTest, WorkedCase) {
  TrialWedge();
  const CriticalWedge& w = LastCriticalWedges().earth;
  EXPECT_FLOAT_EQ(w.theta, 1.0508f);  // 0.01 taken off 1.5708 fifty-two times
  EXPECT_TRUE(
      SameValues({w.weight, S.PEH, w.xcg, S.YAPPE}, {378.6f, 220.4f, 122.47f, 45.88f}, 2e-4f));
  EXPECT_EQ(S.PEQH, 0.0f);  // no acceleration, no seismic force
  EXPECT_EQ(S.PESH, S.PEH);
  // Every trial gives the seismic case the same zero force: among equal
  // forces the steepest plane, the first trial's, stays.
  EXPECT_EQ(LastCriticalWedges().seismic.theta, 1.5708f - 0.01f);
  S.YE = 0.5f;  // a lower limit above the construction's height replaces it
  TrialWedge();
  EXPECT_TRUE(SameValues({S.YAPPE, S.YAPPES}, {69.0f, 69.0f}));
}

// Two ground segments, a surcharge cut by the failure plane and an
// acceleration: every number was recomputed independently in double
// precision from the same construction and agrees to the digits printed.
TEST_F(TrialWedgeTest, SurchargeAndSeismicCaseComputedIndependently) {
  S.SS = 0.4f, S.SSEQ = 0.2f, S.AH = 0.15f, S.AV = 0.05f, S.YE = 0.33333f, S.YEQ = 0.5f;
  SetGround({{60.0f, 10.0f}, {2000.0f, 0.0f}});
  Surcharges({{500.0f, 70.0f, 10.42f, 190.0f, 10.42f}});
  TrialWedge();
  const CriticalWedges& w = LastCriticalWedges();
  // The surcharge wedge weighs its soil and the surcharge share.
  EXPECT_TRUE(SameValues({Degrees(w.earth.theta), w.withSurcharge.weight, w.seismic.ycg},
                         {55.62f, 916.1f, 98.99f}, 1e-4f));
  // The callers get the horizontal components and the limited heights.
  const float c04 = 1.0f / std::sqrt(1.16f), c02 = 1.0f / std::sqrt(1.04f);  // cos(atan(x))
  EXPECT_TRUE(SameValues(
      {S.PEH, S.PESH, S.PEQH, S.YAPPES, S.YAPPEQ, S.HBACK},
      {226.4605f * c04, 371.4727f * c04, 302.3128f * c02, 53.13f, 73.2319f, 146.4637f}, 1e-4f));
}

// ---- Surcharge shares ----------------------------------------------------------

// The flattest plane (0.5208 rad) meets the ground at x = 48 + 138 / 0.5719
// = 289: a line from 400 on lies beyond every wedge; one ending at the back
// plane lies in front of it; a vertical line would divide by zero.
TEST_F(TrialWedgeTest, SurchargeOffTheWedgeAddsNothing) {
  S.IPRINT = 1;
  Surcharges({{800.0f, 400.0f, 0.0f, 500.0f, 0.0f},
              {800.0f, -20.0f, 0.0f, 48.0f, 0.0f},
              {800.0f, 100.0f, 0.0f, 100.0f, 50.0f}});
  const Lines report = CaptureReport(TrialWedge);
  ExpectAllResultsFinite();
  EXPECT_EQ(S.PESH, S.PEH);
  EXPECT_EQ(report.size(), 13u) << "no earth-plus-surcharge block";
}

TEST_F(TrialWedgeTest, SurchargeCutByThePlaneCountsItsShareInsideTheWedge) {
  Surcharges({{1000.0f, 100.0f, 0.0f, 300.0f, 0.0f}});
  S.AH = 0.2f;
  EXPECT_TRUE(CaptureReport(TrialWedge).empty());  // a silent call writes no block
  const CriticalWedge& w = LastCriticalWedges().withSurcharge;
  const double t = std::tan(static_cast<double>(w.theta));
  const double xi = 48.0 + 138.0 / t;  // where this plane meets the ground
  ASSERT_TRUE(xi > 100.0 && xi < 300.0) << xi;
  const double soil = 0.5 * S.RHOS * 138.0 * 138.0 / t;
  EXPECT_NEAR(w.weight - soil, 1000.0 * (xi - 100.0) / 200.0, 1e-4 * w.weight);
  EXPECT_GT(S.PESH, S.PEH);
  // The same line entered from its far end: read from its start, the plane
  // at x ~ 150 would lie before the start at 300 and drop the whole load.
  const std::vector<float> forward = {S.PESH, S.YAPPES};
  Surcharges({{1000.0f, 300.0f, 0.0f, 100.0f, 0.0f}});
  TrialWedge();
  EXPECT_TRUE(SameValues({S.PESH, S.YAPPES}, forward));
}

// ---- Back planes and ground that does not reach ----------------------------------

// The stem's back plane stands on its own batter in review mode and on the
// least batter in design mode; the footing's at the heel end.
TEST_F(TrialWedgeTest, StemAndFootingUseTheirOwnBackPlanes) {
  TrialWedge();
  EXPECT_TRUE(SameValues({S.XAPP, S.HBACK}, {96.0f, 138.0f}));
  const float footing = S.PEH;
  S.ILOC = 1, S.BW = Radians(5.0f);
  TrialWedge();
  EXPECT_TRUE(SameValues({S.XAPP, S.HBACK}, {48.0f + 120.0f * std::tan(Radians(5.0f)), 120.0f}));
  EXPECT_LT(S.PEH, footing);
  S.IMODE = 1;
  TrialWedge();
  EXPECT_TRUE(SameValues({S.XAPP, S.HBACK}, {48.0f, 120.0f}));
}

// No ground (which no valid input has) gives zero results and one message;
// ground ending before the back plane (x = 48) gives no force; ground
// starting behind it (heel end at x = -8) is crossed by steep planes before
// it starts, and the space above them is no soil, so the force stays below
// the full wedge's.
TEST_F(TrialWedgeTest, GroundThatMissesTheBackPlane) {
  S.IPRINT = 1;
  S.PEH = S.YAPPE = S.XAPP = S.HBACK = 99.0f;  // a previous call's values must go
  SetGround({});
  const Lines report = CaptureReport(TrialWedge);
  EXPECT_EQ(std::count(report.begin(), report.end(), kGroundShort), 1);
  EXPECT_EQ(Results(), std::vector<float>(8, 0.0f));
  SetGround({{30.0f, 0.0f}});
  EXPECT_TRUE(Contains(CaptureReport(TrialWedge), kGroundShort));
  EXPECT_TRUE(SameValues({S.PEH, S.HBACK}, {0.0f, 0.0f}));
  SetGround({{100000.0f, 0.0f}});
  S.WF = 40.0f;
  EXPECT_TRUE(Contains(CaptureReport(TrialWedge), kGroundShort));
  EXPECT_EQ(S.HBACK, 138.0f);
  EXPECT_TRUE(S.PEH > 0.0f && S.PEH < 0.5 / 3.0 * S.RHOS * 138.0 * 138.0) << S.PEH;
}

// ---- Inputs that must not crash, hang or give infinities -------------------------

TEST_F(TrialWedgeTest, ExtremeInputsStayFinite) {
  for (float phi : {0.0f, -0.3f, -1.0e30f, Radians(89.8f)}) {
    S.PHI = phi;
    TrialWedge();  // a fan down to PHI = -1e30 would never end; none lies above 89.8
    ExpectAllResultsFinite();
    EXPECT_GE(S.PEH, 0.0f) << phi;
  }
  S.PHI = Radians(30.0f);
  S.SS = 1.0e30f, S.SSEQ = -3.0f, S.AH = 0.3f;
  S.AV = 1.0f;  // no vertical resultant left
  Surcharges({{500.0f, 70.0f, 0.0f, 190.0f, 0.0f}});
  TrialWedge();
  ExpectAllResultsFinite();
  // The force is all but vertical: cos(atan(1e30)) is -4.4e-8 in float.
  EXPECT_GT(LastCriticalWedges().earth.force, 0.0f);
  EXPECT_LT(std::fabs(S.PEH), 1e-6f * LastCriticalWedges().earth.force);
  EXPECT_GT(S.PEQH, 0.0f);
  S.AH = 0.0f;  // no resultant at all: no seismic force
  TrialWedge();
  ExpectAllResultsFinite();
  EXPECT_EQ(S.PEQH, 0.0f);
}

// ---- The pruned search against the plane-by-plane search -------------------------
// The search reuses fans and sums the strips only of the trials whose bounded
// force could be the one kept: every result, kept wedge and report line must
// be the plane-by-plane search's bit for bit.

// The bits of every result and kept wedge of one call; its report block goes
// to the report.
std::string Outcome(bool full) {
  SetFullWedgeSearch(full);
  S.IPRINT = 1;
  TrialWedge();
  S.report.line("----");
  std::vector<float> v = {S.PEH, S.PESH, S.PEQH, S.YAPPE, S.YAPPES, S.YAPPEQ, S.XAPP, S.HBACK};
  const CriticalWedges& w = LastCriticalWedges();
  for (const CriticalWedge* c : {&w.earth, &w.withSurcharge, &w.seismic})
    v.insert(v.end(), {c->found ? 1.0f : 0.0f, c->force, c->theta, c->weight, c->xcg, c->ycg});
  std::string out;
  for (float x : v) {
    std::uint32_t b;
    std::memcpy(&b, &x, sizeof b);
    out += std::to_string(b) + " ";
  }
  return out;
}

// The current inputs searched both ways, and again with the toe moved (a
// reused fan with other moment arms): the same results and report blocks.
void ExpectSameAsFullSearch(const std::string& what) {
  testing_support::Capture capture;
  const std::string full = Outcome(true), pruned = Outcome(false);
  S.WT += 7.5f;
  const std::string fullMoved = Outcome(true), prunedMoved = Outcome(false);
  S.WT -= 7.5f;
  SetFullWedgeSearch(false);
  EXPECT_EQ(pruned, full) << what;
  EXPECT_EQ(prunedMoved, fullMoved) << what << ", toe moved";
  std::vector<Lines> blocks(1);
  for (const std::string& line : capture.lines()) {
    if (line == "----")
      blocks.emplace_back();
    else
      blocks.back().push_back(line);
  }
  ASSERT_EQ(blocks.size(), 5u) << what;
  EXPECT_EQ(blocks[1], blocks[0]) << what;
  EXPECT_EQ(blocks[3], blocks[2]) << what << ", toe moved";
}

class PrunedWedgeSearch : public TrialWedgeTest {
 protected:
  void TearDown() override { SetFullWedgeSearch(false); }
};

// Walls, grounds of up to six segments (some a hair long, some falling below
// the back plane's base), up to four surcharge lines (some vertical, some
// given right to left) and soils with and without acceleration, at random.
TEST_F(PrunedWedgeSearch, RandomWallsGiveThePlaneByPlaneResults) {
  std::mt19937 rng(20261208);
  auto uniform = [&](float a, float b) { return std::uniform_real_distribution<float>(a, b)(rng); };
  auto chance = [&](float p) { return uniform(0.0f, 1.0f) < p; };
  for (int run = 0; run < 300; ++run) {
    S.ILOC = chance(0.3f) ? 1 : 2;
    S.IMODE = chance(0.5f) ? 1 : 2;
    S.H = uniform(24.0f, 400.0f), S.TF = uniform(6.0f, 60.0f);
    S.WT = uniform(0.0f, 200.0f), S.TWMIN = uniform(6.0f, 24.0f);
    S.WF = S.WT + S.TWMIN + uniform(0.0f, 300.0f);
    S.BW = S.BWMIN = uniform(0.0f, 0.1f);
    S.RHOS = uniform(0.03f, 0.08f);
    S.PHI = Radians(uniform(15.0f, 45.0f));
    S.SS = chance(0.5f) ? 0.0f : uniform(0.0f, 0.5f);
    S.SSEQ = uniform(0.0f, 0.5f);
    const bool seismic = chance(0.5f);
    S.AH = seismic ? uniform(0.0f, 0.4f) : 0.0f;
    S.AV = seismic && chance(0.7f) ? uniform(-0.2f, 0.3f) : 0.0f;
    S.YE = chance(0.2f) ? 0.4f : 0.0f;
    S.YEQ = chance(0.2f) ? 0.5f : 0.0f;
    Segments ground;
    const int nseg = 1 + static_cast<int>(uniform(0.0f, 6.0f));
    for (int i = 0; i < nseg; ++i)
      ground.push_back({chance(0.1f) ? uniform(1e-3f, 0.1f) : uniform(5.0f, 400.0f),
                        chance(0.15f) ? uniform(-40.0f, -5.0f) : uniform(-10.0f, 60.0f)});
    SetGround(ground);
    std::vector<Surcharge> lines;
    const int nsur = static_cast<int>(uniform(0.0f, 5.0f));
    for (int j = 0; j < nsur; ++j) {
      const float x1 = uniform(-50.0f, 600.0f), y1 = uniform(-20.0f, 150.0f);
      const float x2 = chance(0.1f) ? x1 : uniform(-50.0f, 600.0f);
      lines.push_back({uniform(0.0f, 200.0f), x1, y1, x2, chance(0.5f) ? y1 : uniform(-20.0f, 150.0f)});
    }
    Surcharges(lines);
    ExpectSameAsFullSearch("run " + std::to_string(run));
  }
}

// Where the bounds are tight or do not hold the strips are summed: no
// vertical resultant, accelerations too small or too large to bound, no
// soil weight, far coordinates, a strip past the intersection, a plane
// parallel to the ground (the 80th plane's slope equals the ground's
// exactly), and ground whose ends disagree with its angle.
TEST_F(PrunedWedgeSearch, InputsAtTheEdgesOfTheBoundsGiveThePlaneByPlaneResults) {
  SetGround({{60.0f, 20.0f}, {200.0f, -5.0f}, {1000.0f, 10.0f}});
  Surcharges({{80.0f, 60.0f, 20.0f, 160.0f, 11.0f}, {40.0f, 300.0f, 40.0f, 200.0f, 40.0f}});
  S.AH = 0.2f, S.SSEQ = 0.3f;
  for (float av : {1.0f, 0.999999f, -1.0e7f, 0.1f}) {
    S.AV = av;
    ExpectSameAsFullSearch("AV " + std::to_string(av));
  }
  for (float ah : {1.0e-8f, -0.2f, 2.0e6f, 0.0f}) {
    S.AH = ah;
    ExpectSameAsFullSearch("AH " + std::to_string(ah));
  }
  S.AH = 0.2f, S.AV = 0.1f;
  S.RHOS = 0.0f;
  ExpectSameAsFullSearch("no soil weight");
  S.RHOS = 0.069444f;
  S.H = 1.0e9f;
  ExpectSameAsFullSearch("far coordinates");
  S.H = 120.0f;

  const float theta = PlaneAngle(50);
  const float t = std::tan(theta);
  float split = (0.0f * 100.0f - t * 48.0f + -138.0f - 0.0f) / (0.0f - t);
  for (int k = 0; k < 6; ++k) split = std::nextafter(split, 0.0f);
  SetGround({{split, 0.0f}, {1000.0f, 0.0f}});
  ExpectSameAsFullSearch("a strip past the intersection");
  // That plane's last part is so narrow that adding up the strip widths
  // overshoots the intersection: said even in a silent call, and the strips
  // still count.
  S.IPRINT = 0;
  const Lines report = CaptureReport(TrialWedge);
  ASSERT_FALSE(report.empty());
  ASSERT_EQ(report.size() % 2, 0u);
  for (std::size_t i = 0; i < report.size(); i += 2)
    EXPECT_EQ(report[i] + report[i + 1],
              "   ERROR IN CALCULATING WEIGHT OF SOIL IN TRIAL WEDGE ***");
  EXPECT_NEAR(S.PEH, 220.4f, 0.05f);

  SetGround({{1000.0f, 0.0f}});
  const float parallel = PlaneAngle(80);  // the 80th plane
  S.ASEG(1) = parallel;
  S.XGEND(1) = 1000.0f * std::cos(parallel);
  S.YGEND(1) = 1000.0f * std::sin(parallel);
  ExpectSameAsFullSearch("ground parallel to a plane");
  ExpectAllResultsFinite();
  EXPECT_GT(S.PEH, 0.0f);
  S.YGEND(1) = -300.0f;
  ExpectSameAsFullSearch("ground ends below its angle");
}

}  // namespace
}  // namespace keldor
