// Trial wedges: plane failure surfaces are tried from the base of the back
// plane, from steep to flat in steps of 0.01 rad. Each trial weighs the soil
// above its plane in strips, adds the surcharge lying on the wedge, and closes
// the force polygon; the largest force of each case (earth, earth plus
// surcharge, seismic) is kept with its wedge.
//
// Geometry: x from the top of the stem's back face into the backfill, y up;
// arms are reported from the toe (x + WT + TWMIN), heights above the base
// point of the back plane.
#include "trial_wedge.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "format.h"
#include "state.h"

namespace keldor {

namespace {

CriticalWedges last;

const char* const kStripError = "   ERROR IN CALCULATING WEIGHT OF SOIL IN TRIAL WEDGE ***";
const char* const kGroundShort = "   GROUND PROFILE DOES NOT REACH THE FAILURE PLANE ***";

// Number of entries of a count that its arrays really hold.
int Available(int count, std::initializer_list<const RealArray*> arrays) {
  int n = std::max(count, 0);
  for (const RealArray* a : arrays) n = std::min(n, a->size());
  return n;
}

// A force polygon closes only when the angle opposite the weight lies
// strictly between 0 and pi, and soil in active failure pushes on the wall,
// never pulls: otherwise the trial gives that case no force.
bool Closes(float denominator, float force) {
  return denominator > 0.0f && std::isfinite(force) && force >= 0.0f;
}

// Keeps the trial when it is the first force of the case or a strictly
// greater one (among equal forces the steeper plane stays).
void Keep(CriticalWedge& w, float force, float theta, float weight, float mx, float my,
          float ybp) {
  if (w.found && !(force > w.force)) return;
  const float xcg = mx / weight;
  const float ycg = my / weight - ybp;
  if (!std::isfinite(xcg) || !std::isfinite(ycg)) return;
  w.found = true;
  w.force = force;
  w.theta = theta;
  w.weight = weight;
  w.xcg = xcg;
  w.ycg = ycg;
}

// Never let an overflow of absurd input reach the callers or the report.
float Finite(float v) { return std::isfinite(v) ? v : 0.0f; }

// 2 P / (RHOS HBACK^2); a back plane without height has no coefficient.
float EquivalentCoefficient(float force) {
  const float den = S.RHOS * (S.HBACK * S.HBACK);
  if (den == 0.0f) return 0.0f;
  return Finite(2.0f * force / den);
}

void ForceBlock(const char* title, const CriticalWedge& w, float frictionAngle, float yapp,
                const char* coefficientLabel) {
  TextFile& r = S.report;
  r.blank();
  r.line(title + G(w.force));
  r.line("     Angle       = " + G(Degrees(frictionAngle)));
  r.line("     Xapp        = " + G(S.XAPP));
  r.line("     Yapp        = " + G(yapp));
  r.line("   Failure angle = " + G(Degrees(w.theta)));
  r.line("   Soil wedge wt = " + G(w.weight));
  r.line("     Xcg         = " + G(w.xcg));
  r.line("     Ycg         = " + G(w.ycg));
  r.line(coefficientLabel + G(EquivalentCoefficient(w.force)));
  r.line("   Height        = " + G(S.HBACK));
}

// Base point of the back plane.
struct BackPlane {
  float x = 0.0f, y = 0.0f;
};

// The stem's back face at the top of the footing (ILOC 1), or the heel end at
// the underside of the footing.
BackPlane BackPlaneBase() {
  BackPlane bp;
  if (S.ILOC == 1) {
    const float batter = S.IMODE == 1 ? S.BWMIN : S.BW;
    bp.x = S.H * std::tan(batter);
    bp.y = -S.H;
  } else {
    bp.x = S.WF - S.WT - S.TWMIN;
    bp.y = -(S.H + S.TF);
  }
  return bp;
}

// The ground segments and surcharge lines that the arrays really hold, with
// the slope of every segment (entry i for segment i).
struct Profile {
  int nseg = 0, nsur = 0;
  std::vector<float> slope;
  float tanA(int i) const { return slope[static_cast<std::size_t>(i)]; }
};

Profile ReadProfile() {
  Profile g;
  g.nseg = Available(S.NSEG, {&S.ASEG, &S.XGBEG, &S.YGBEG, &S.XGEND, &S.YGEND});
  g.nsur = Available(S.NSUR, {&S.SURL, &S.XSBEG, &S.YSBEG, &S.XSEND, &S.YSEND});
  g.slope.assign(static_cast<std::size_t>(g.nseg) + 1, 0.0f);
  for (int i = 1; i <= g.nseg; ++i) g.slope[static_cast<std::size_t>(i)] = std::tan(S.ASEG(i));
  return g;
}

// Ground level over the back plane; the last segment covering it wins.
// Ground that does not cover it is taken at the nearer end of the profile,
// and `groundShort` says so.
float GroundAtBack(const Profile& g, float XBP, bool& groundShort) {
  groundShort = true;
  float groundAtBack = 0.0f;
  for (int i = 1; i <= g.nseg; ++i) {
    if (S.XGBEG(i) <= XBP && XBP <= S.XGEND(i)) {
      groundAtBack = S.YGBEG(i) + g.tanA(i) * (XBP - S.XGBEG(i));
      groundShort = false;
    }
  }
  if (groundShort && g.nseg > 0) groundAtBack = XBP < S.XGBEG(1) ? S.YGBEG(1) : S.YGEND(g.nseg);
  return groundAtBack;
}

// Where a trial plane of slope t meets the ground ahead of the back plane.
struct GroundPoint {
  bool meets = false;  // false: the profile is too short for the plane
  float x = 0.0f, y = 0.0f;
};

// The last segment in order wins. A segment parallel to the plane is passed
// over.
GroundPoint GroundIntersection(const Profile& g, float t, const BackPlane& bp) {
  GroundPoint p;
  for (int i = 1; i <= g.nseg; ++i) {
    const float den = g.tanA(i) - t;
    if (den == 0.0f) continue;
    const float x = (g.tanA(i) * S.XGBEG(i) - t * bp.x + bp.y - S.YGBEG(i)) / den;
    if (x > bp.x && S.XGBEG(i) < x && x <= S.XGEND(i)) {
      p.x = x;
      p.y = S.YGBEG(i) + g.tanA(i) * (x - S.XGBEG(i));
      p.meets = true;
    }
  }
  return p;
}

// A weight with its moments: MX about the toe, MY about y = 0.
struct Weighed {
  float W = 0.0f, MX = 0.0f, MY = 0.0f;
};

// Wedge weight and its moments, 10 strips per part of a segment over it,
// between the back plane and the ground point `end`. Where the plane does not
// meet the ground the wedge holds only soil that lies above the plane.
Weighed WedgeWeight(const Profile& g, float t, const BackPlane& bp, const GroundPoint& end) {
  const float XBP = bp.x, YBP = bp.y, XI = end.x, YI = end.y;
  Weighed w;
  for (int i = 1; i <= g.nseg; ++i) {
    float xa, ya;
    if (S.XGBEG(i) < XBP && XBP < S.XGEND(i)) {
      xa = XBP;
      ya = S.YGBEG(i) + g.tanA(i) * (XBP - S.XGBEG(i));
    } else if (XBP <= S.XGBEG(i) && S.XGBEG(i) <= XI) {
      xa = S.XGBEG(i);
      ya = S.YGBEG(i);
    } else {
      continue;
    }
    float xb = S.XGEND(i), yb = S.YGEND(i);
    if (xb > XI) {
      xb = XI;
      yb = YI;
    }
    const float width = (xb - xa) / 10.0f;
    const float rise = (yb - ya) / 10.0f;
    float xm = xa + 0.5f * width;
    float ym = ya + 0.5f * rise;
    for (int k = 0; k < 10; ++k) {
      if (xm > XI) {  // only through rounding; the strip still counts
        S.report.blank();
        S.report.line(kStripError);
      }
      const float yplane = YBP + t * (xm - XBP);
      const float depth = end.meets ? std::fabs(ym - yplane) : std::max(ym - yplane, 0.0f);
      const float dW = depth * width * S.RHOS;
      // Summed strip by strip from the back plane outward.
      w.W += dW;
      w.MX += (xm + S.TWMIN + S.WT) * dW;
      w.MY += 0.5f * (ym + yplane) * dW;
      xm += width;
      ym += rise;
    }
  }
  return w;
}

// The surcharge lying on the wedge: surcharge lines, each taken from left to
// right; a vertical line or one parallel to the plane carries nothing onto it.
Weighed SurchargeShare(const Profile& g, float t, const BackPlane& bp) {
  const float XBP = bp.x, YBP = bp.y;
  Weighed s;
  for (int j = 1; j <= g.nsur; ++j) {
    float xsb = S.XSBEG(j), ysb = S.YSBEG(j), xse = S.XSEND(j), yse = S.YSEND(j);
    if (xse < xsb) {
      std::swap(xsb, xse);
      std::swap(ysb, yse);
    }
    if (!(xse > xsb)) continue;
    const float m = (yse - ysb) / (xse - xsb);
    const float den = m - t;
    if (den == 0.0f) continue;
    const float xs = (m * xsb - t * XBP + YBP - ysb) / den;
    if (xsb >= xs || xse <= XBP) continue;
    const float x1 = std::max(xsb, XBP);
    const float x2 = std::min(xse, xs);
    if (!(x2 > x1)) continue;  // the plane meets the line behind the back plane
    const float y1 = x1 == xsb ? ysb : ysb + m * (x1 - xsb);
    const float y2 = x2 == xse ? yse : ysb + m * (x2 - xsb);
    const float full = std::sqrt((xse - xsb) * (xse - xsb) + (yse - ysb) * (yse - ysb));
    const float part = std::sqrt((x2 - x1) * (x2 - x1) + (y2 - y1) * (y2 - y1));
    if (!(full > 0.0f)) continue;
    const float PS = S.SURL(j) * part / full;
    s.W += PS;
    s.MX += (S.WT + S.TWMIN + 0.5f * (x1 + x2)) * PS;
    s.MY += 0.5f * (y1 + y2) * PS;
  }
  return s;
}

// The wall friction angles of the static and the seismic cases.
struct Friction {
  float delta = 0.0f, deltaEq = 0.0f;
  bool seismic = false;
};

// Force polygon of one trial: keeps the trial in every case where its force
// is the greatest so far.
void ForcePolygon(float theta, const Weighed& soil, const Weighed& sur, const Friction& f,
                  float YBP, CriticalWedges& found) {
  const float W = soil.W;
  const float num = std::sin(theta - S.PHI);
  const float den = std::sin(3.1416f - (1.5708f - f.delta) - (theta - S.PHI));
  const float PE = W * num / den;
  if (Closes(den, PE)) Keep(found.earth, PE, theta, W, soil.MX, soil.MY, YBP);

  const float WS = W + sur.W;
  const float PES = WS * num / den;
  if (std::isfinite(sur.W) && Closes(den, PES))
    Keep(found.withSurcharge, PES, theta, WS, soil.MX + sur.MX, soil.MY + sur.MY, YBP);

  if (f.seismic) {
    const float ah = S.AH * W;
    const float av = (1.0f - S.AV) * W;
    // With no vertical resultant the seismic resultant lies horizontal.
    float psi = 0.0f;
    if (av != 0.0f)
      psi = std::atan(ah / av);
    else if (ah != 0.0f)
      psi = std::copysign(std::atan(std::numeric_limits<float>::infinity()), ah);
    const float R = std::sqrt(ah * ah + av * av);
    const float A1 = 1.5708f - f.deltaEq - psi;
    const float A2 = theta - S.PHI + psi;
    const float denEq = std::sin(3.1416f - A1 - A2);
    const float PEQ = R * std::sin(A2) / denEq;
    if (Closes(denEq, PEQ)) Keep(found.seismic, PEQ, theta, W, soil.MX, soil.MY, YBP);
  } else {
    Keep(found.seismic, 0.0f, theta, W, soil.MX, soil.MY, YBP);
  }
}

// What the fan of trials found.
struct FanResult {
  CriticalWedges found;
  bool anyWeight = false;  // some trial had soil weight
  bool groundShort = false;
};

// The trials: from 1.5608 down to the first angle at or below PHI. A plane
// that no longer rises is no failure wedge, so the fan ends at the horizontal
// whatever PHI is.
FanResult Fan(const Profile& g, const BackPlane& bp, const Friction& f) {
  FanResult r;
  float theta = 1.5708f;
  while (theta > S.PHI && theta > 0.0f) {
    theta -= 0.01f;
    const float t = std::tan(theta);
    GroundPoint end = GroundIntersection(g, t, bp);
    // A profile too short for this plane closes the wedge at its last point.
    if (!end.meets) {
      r.groundShort = true;
      if (g.nseg == 0) continue;
      end.x = S.XGEND(g.nseg);
      end.y = S.YGEND(g.nseg);
    }
    const Weighed soil = WedgeWeight(g, t, bp, end);
    const Weighed sur = SurchargeShare(g, t, bp);
    // A trial without soil weight gives no force.
    if (!(soil.W > 0.0f) || !std::isfinite(soil.W) || !std::isfinite(soil.MX) ||
        !std::isfinite(soil.MY))
      continue;
    r.anyWeight = true;
    ForcePolygon(theta, soil, sur, f, bp.y, r.found);
  }
  return r;
}

// Results: the points of application are where the line through each
// centroid, parallel to its failure plane, meets the back plane.
void LeaveResults(const FanResult& r, const BackPlane& bp, float groundAtBack,
                  const Friction& f) {
  if (!r.anyWeight) {
    S.PEH = S.PESH = S.PEQH = 0.0f;
    S.YAPPE = S.YAPPES = S.YAPPEQ = 0.0f;
    S.XAPP = S.HBACK = 0.0f;
    return;
  }
  S.XAPP = Finite(S.WT + S.TWMIN + bp.x);
  S.HBACK = Finite(groundAtBack - bp.y);
  auto yapp = [](const CriticalWedge& w) {
    return Finite(w.ycg - std::tan(w.theta) * (w.xcg - S.XAPP));
  };
  const CriticalWedges& found = r.found;
  S.PEH = Finite(found.earth.force * std::cos(f.delta));
  S.PESH = Finite(found.withSurcharge.force * std::cos(f.delta));
  S.PEQH = Finite(found.seismic.force * std::cos(f.deltaEq));
  S.YAPPE = std::max(yapp(found.earth), Finite(S.YE * S.HBACK));
  S.YAPPES = std::max(yapp(found.withSurcharge), Finite(S.YE * S.HBACK));
  S.YAPPEQ = std::max(yapp(found.seismic), Finite(S.YEQ * S.HBACK));
}

void WriteResults(const CriticalWedges& found, bool groundShort, const Friction& f) {
  if (groundShort) {
    S.report.blank();
    S.report.line(kGroundShort);
  }
  ForceBlock("   EARTH FORCE   = ", found.earth, f.delta, S.YAPPE, "   Ka (equiv)    = ");
  if (found.withSurcharge.force != found.earth.force)
    ForceBlock("   E + SUR FORCE = ", found.withSurcharge, f.delta, S.YAPPES,
               "   Ka (equiv)    = ");
  if (found.seismic.force > 0.0f)
    ForceBlock("   SEISMIC FORCE = ", found.seismic, f.deltaEq, S.YAPPEQ,
               "   Kaeq (equiv)  = ");
}

}  // namespace

const CriticalWedges& LastCriticalWedges() { return last; }

void TrialWedge() {
  const bool print = S.IPRINT == 1;
  if (print) {
    S.report.blank();
    S.report.line(" TRIAL WEDGE ANALYSIS:");
  }
  const BackPlane bp = BackPlaneBase();
  const Profile g = ReadProfile();
  bool groundShortAtBack = true;
  const float groundAtBack = GroundAtBack(g, bp.x, groundShortAtBack);
  Friction f;
  f.delta = std::atan(S.SS);
  f.deltaEq = std::atan(S.SSEQ);
  f.seismic = S.AH != 0.0f || S.AV != 0.0f;

  const FanResult r = Fan(g, bp, f);
  last = r.found;
  LeaveResults(r, bp, groundAtBack, f);
  if (print) WriteResults(r.found, groundShortAtBack || r.groundShort, f);
}

}  // namespace keldor
