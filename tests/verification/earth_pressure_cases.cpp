// Verification of the earth pressures: the trial wedge against Coulomb's
// closed form, against the published Mononobe-Okabe example, and against an
// independent fine search on broken ground profiles.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "document.h"
#include "hand_wedge.h"
#include "keldor.h"
#include "reference_wall.h"
#include "report_capture.h"
#include "state.h"
#include "trial_wedge.h"

namespace verification {
namespace {

using keldor::S;

const double kPi = std::acos(-1.0), kDeg = kPi / 180.0;

using keldor::testing_support::Segments;
using keldor::testing_support::SetGround;

// The back plane through the heel end of a wall H high on a footing TF thick,
// WF wide with a toe WT and a stem TWMIN at the top: it stands at
// x = WF - WT - TWMIN behind the top of the stem and reaches H + TF down.
void BackPlane(float H, float TF, float WF, float WT, float TWMIN, float rhos) {
  keldor::testing_support::FreshState();
  S.ISOIL = KELDOR_IRREGULAR, S.IMODE = KELDOR_REVIEW, S.ILOC = 2, S.IPRINT = 0;
  S.H = H, S.TF = TF, S.WF = WF, S.WT = WT, S.TWMIN = TWMIN, S.RHOS = rhos;
  S.YE = S.YEQ = 0.0f;  // the heights of the wedge construction itself
}

// The same profile as points, in double with exact degrees, for the search.
std::vector<Point> Profile(const Segments& segments) {
  std::vector<Point> points = {{0, 0}};
  for (const auto& s : segments) {
    const Point p = points.back();
    points.push_back({p.x + s.first * std::cos(s.second * kDeg),
                      p.y + s.first * std::sin(s.second * kDeg)});
  }
  return points;
}

// Twice the total force over gamma h^2: the force as a coefficient.
double Coefficient(double horizontal, double delta, double gamma, double h) {
  return 2.0 * horizontal / std::cos(delta) / (gamma * h * h);
}

double CoulombKa(double phi, double delta, double beta) {
  const double root =
      std::sqrt(std::sin(phi + delta) * std::sin(phi - beta) / (std::cos(delta) * std::cos(beta)));
  return std::cos(phi) * std::cos(phi) / (std::cos(delta) * (1.0 + root) * (1.0 + root));
}

// The closed form as evaluated here reproduces the published check value and
// the two hand values it is known by.
TEST(Coulomb, ClosedFormReproducesTheKnownValues) {
  EXPECT_NEAR(CoulombKa(20 * kDeg, 10 * kDeg, 0), 0.4467, 5e-5);
  EXPECT_NEAR(CoulombKa(30 * kDeg, 20 * kDeg, 0), 0.2973, 5e-5);
  EXPECT_NEAR(CoulombKa(30 * kDeg, 0, 0), 1.0 / 3.0, 1e-12);
}

// The best of planes 0.01 rad apart lies within 0.005 rad of the critical
// plane, so the program finds the closed form's thrust or a little less.
// With the slope at the friction angle the critical plane is the slope
// itself, the end of the fan, and the last trial may lie 0.01 rad short of it.
const Tolerance kStepLoss = {0.0005, 0.00005}, kEndOfFan = {0.002, 0.00005};

TEST(Coulomb, TrialWedgeOnStraightGroundMatchesTheClosedForm) {
  Table table({"φ", "β", "δ", "Ka, Coulomb", "Ka, program", "Difference", "Tolerance", "Verdict"});
  for (double beta : {0.0, 10.0, 20.0})
    for (double phi : {20.0, 25.0, 30.0, 35.0, 40.0})
      for (double delta : {0.0, phi / 2, phi * 2 / 3}) {
        // One straight ground line from the top of the stem; the back plane
        // (x = 48, 138 in down) meets it, so the wedge is Coulomb's.
        BackPlane(120.0f, 18.0f, 96.0f, 36.0f, 12.0f, 0.069444f);
        S.PHI = keldor::Radians(static_cast<float>(phi));
        S.SS = static_cast<float>(std::tan(delta * kDeg));
        SetGround({{100000.0f, static_cast<float>(beta)}});
        keldor::TrialWedge();
        const double h = 138.0 + 48.0 * std::tan(beta * kDeg);
        const double ka = CoulombKa(phi * kDeg, delta * kDeg, beta * kDeg);
        const double program = Coefficient(S.PEH, std::atan(S.SS), S.RHOS, h);
        EXPECT_NEAR(S.HBACK, h, 1e-4 * h);
        const std::string what = "phi " + Fixed(phi, 0) + " beta " + Fixed(beta, 0);
        const Tolerance& tolerance = beta == phi ? kEndOfFan : kStepLoss;
        table.row({Fixed(phi, 0), Fixed(beta, 0), Fixed(delta, 2), Fixed(ka, 5)},
                  Compared(what, ka, program, 5, tolerance));
      }
  Publish("coulomb", table);
}

// The published Mononobe-Okabe example as an irregular backfill of one level
// segment behind a back plane 6 m high, in N and mm (1 N/mm = 1 kN/m).
TEST(MononobeOkabe, TrialWedgeReproducesThePublishedExample) {
  BackPlane(5400.0f, 600.0f, 3000.0f, 900.0f, 300.0f, 18.0e-6f);
  S.PHI = keldor::Radians(35.0f);
  S.SS = S.SSEQ = static_cast<float>(std::tan(17.5 * kDeg));
  S.AH = 0.2f, S.AV = 0.0f;
  SetGround({{1.0e6f, 0.0f}});
  keldor::TrialWedge();
  const double delta = std::atan(S.SS), gamma = S.RHOS, h = S.HBACK;
  EXPECT_EQ(S.HBACK, 6000.0f);
  const double pa = S.PEH / std::cos(delta), pae = S.PEQH / std::cos(delta);
  const struct {
    const char *what, *published;
    double value, program;
    int digits;
  } rows[] = {
      {"Static thrust PA (kN/m)", "79.74", 79.74, pa, 5},
      {"Static coefficient Ka", "0.2461", 0.2461, Coefficient(S.PEH, delta, gamma, h), 5},
      {"Seismic thrust PAE, total (kN/m)", "123.04", 123.04, pae, 6},
      {"Seismic coefficient KAE", "0.3797", 0.3797, Coefficient(S.PEQH, delta, gamma, h), 5},
  };
  // The angle step, and the published values' own rounding to four digits.
  const Tolerance tolerance = Within(0.001);
  Table table({"Quantity", "Published", "Program", "Difference", "Tolerance", "Verdict"});
  for (const auto& r : rows)
    table.row({r.what, r.published}, Compared(r.what, r.value, r.program, r.digits, tolerance));
  Publish("mononobe-okabe", table);
}

// ---- Broken ground against the fine search ---------------------------------------

struct BrokenGround {
  const char* name;
  Segments segments;
  double phi, delta, deltaSeismic, kh, kv;  // degrees, and the coefficients
  LineLoad load;                            // a line load on the ground
};

void SetLineLoad(const LineLoad& l) {
  const float v[] = {static_cast<float>(l.load), static_cast<float>(l.a.x),
                     static_cast<float>(l.a.y), static_cast<float>(l.b.x),
                     static_cast<float>(l.b.y)};
  S.NSUR = 1;
  SETSUR(&v[0], &v[1], &v[2], &v[3], &v[4]);
}

const BrokenGround kBrokenGround[] = {
    // A 25 degree slope that the back plane cuts, then a level berm with a
    // line load on it.
    {"slope-berm",
     {{120.0f, 25.0f}, {3000.0f, 0.0f}},
     30, 20, 15, 0.15, 0.05,
     {600, {160, 120 * std::sin(25 * kDeg)}, {260, 120 * std::sin(25 * kDeg)}}},
    // A level bench, a 30 degree rise, a level crest with a line load, and
    // ground falling away at 8 degrees.
    {"bench-rise-crest-fall",
     {{60.0f, 0.0f}, {100.0f, 30.0f}, {80.0f, 0.0f}, {3000.0f, -8.0f}},
     34, 22, 22, 0.2, 0.0,
     {400, {160, 50}, {220, 50}}},
};

// The search's plane and the program's may differ by up to 0.005 rad: the
// thrust barely changes there, the line through the centroid does; and the
// program's strip centroids are not exact.
const Tolerance kForce = Within(0.001), kHeight = Within(0.01);

TEST(BrokenGround, TrialWedgeMatchesAFineSearch) {
  for (const BrokenGround& g : kBrokenGround) {
    SCOPED_TRACE(g.name);
    BackPlane(120.0f, 18.0f, 96.0f, 36.0f, 12.0f, 0.069444f);
    S.PHI = keldor::Radians(static_cast<float>(g.phi));
    S.SS = static_cast<float>(std::tan(g.delta * kDeg));
    S.SSEQ = static_cast<float>(std::tan(g.deltaSeismic * kDeg));
    S.AH = static_cast<float>(g.kh), S.AV = static_cast<float>(g.kv);
    SetGround(g.segments);
    SetLineLoad(g.load);
    keldor::TrialWedge();

    WedgeProblem p;
    p.ground = Profile(g.segments);
    p.base = {48, -138};
    p.gamma = 0.069444;
    p.phi = g.phi * kDeg, p.delta = g.delta * kDeg, p.deltaSeismic = g.deltaSeismic * kDeg;
    p.kh = g.kh, p.kv = g.kv;
    p.loads = {g.load};
    const WedgeResults hand = SearchWedges(p);
    const double cd = std::cos(p.delta), cq = std::cos(p.deltaSeismic);
    const struct {
      const char* what;
      double hand, program;
      const Tolerance& tolerance;
    } rows[] = {
        {"Earth force, horizontal (lb/in)", hand.earth.force * cd, S.PEH, kForce},
        {"its height above the base (in)", hand.earth.height, S.YAPPE, kHeight},
        {"Earth + line load, horizontal (lb/in)", hand.withLoads.force * cd, S.PESH, kForce},
        {"its height above the base (in)", hand.withLoads.height, S.YAPPES, kHeight},
        {"Seismic force, horizontal (lb/in)", hand.seismic.force * cq, S.PEQH, kForce},
        {"its height above the base (in)", hand.seismic.height, S.YAPPEQ, kHeight},
    };
    Table table({"Quantity", "Fine search", "Program", "Difference", "Tolerance", "Verdict"});
    for (const auto& r : rows)
      table.row({r.what, Significant(r.hand, 5)}, Compared(r.what, r.hand, r.program, 5, r.tolerance));
    Publish(std::string("broken-ground-") + g.name, table);
  }
}

}  // namespace
}  // namespace verification
