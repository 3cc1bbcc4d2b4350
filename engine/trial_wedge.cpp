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
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <unordered_map>
#include <vector>

#include "format.h"
#include "geometry.h"
#include "results.h"
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
  if (S.ILOC == KELDOR_STEM_PLANE) {
    const float batter = S.IMODE == KELDOR_DESIGN ? S.BWMIN : S.BW;
    bp.x = S.H * std::tan(batter);
    bp.y = -S.H;
  } else {
    bp.x = HeelBehindStem();
    bp.y = -(S.H + S.TF);
  }
  return bp;
}

// A ground segment with its slope, and the product of the slope and the
// segment's start that every intersection with a plane begins with.
struct Segment {
  float xb = 0.0f, yb = 0.0f, xe = 0.0f, ye = 0.0f, tanA = 0.0f, tanAxb = 0.0f;
};

// A surcharge line taken from left to right, with its slope and length.
struct SurchargeLine {
  float xsb = 0.0f, ysb = 0.0f, xse = 0.0f, yse = 0.0f, m = 0.0f, full = 0.0f;
  float load = 0.0f;
  bool vertical = true;  // no horizontal extent: carries nothing onto a plane
};

// The ground segments and surcharge lines that the arrays really hold (entry
// i for segment i, entry j - 1 for line j).
struct Profile {
  int nseg = 0, nsur = 0;
  std::vector<float> inputs;  // the counts and arrays read, as read
  std::vector<Segment> segments;
  std::vector<SurchargeLine> lines;
  const Segment& seg(int i) const { return segments[static_cast<std::size_t>(i)]; }
  float tanA(int i) const { return seg(i).tanA; }
};

// The profile of the current inputs: the one read last while its inputs are
// bit for bit the same.
const Profile& ReadProfile() {
  static Profile g;
  static std::vector<float> inputs;
  const int nseg = Available(S.NSEG, {&S.ASEG, &S.XGBEG, &S.YGBEG, &S.XGEND, &S.YGEND});
  const int nsur = Available(S.NSUR, {&S.SURL, &S.XSBEG, &S.YSBEG, &S.XSEND, &S.YSEND});
  inputs.assign({static_cast<float>(nseg), static_cast<float>(nsur)});
  for (int i = 1; i <= nseg; ++i)
    inputs.insert(inputs.end(), {S.ASEG(i), S.XGBEG(i), S.YGBEG(i), S.XGEND(i), S.YGEND(i)});
  for (int j = 1; j <= nsur; ++j)
    inputs.insert(inputs.end(), {S.SURL(j), S.XSBEG(j), S.YSBEG(j), S.XSEND(j), S.YSEND(j)});
  if (!g.inputs.empty() && inputs.size() == g.inputs.size() &&
      std::memcmp(inputs.data(), g.inputs.data(), inputs.size() * sizeof(float)) == 0)
    return g;
  g = Profile{};
  g.inputs = inputs;
  g.nseg = nseg;
  g.nsur = nsur;
  g.segments.assign(static_cast<std::size_t>(g.nseg) + 1, Segment{});
  for (int i = 1; i <= g.nseg; ++i) {
    Segment& s = g.segments[static_cast<std::size_t>(i)];
    s = {S.XGBEG(i), S.YGBEG(i), S.XGEND(i), S.YGEND(i), std::tan(S.ASEG(i)), 0.0f};
    s.tanAxb = s.tanA * s.xb;
  }
  for (int j = 1; j <= g.nsur; ++j) {
    SurchargeLine l{S.XSBEG(j), S.YSBEG(j), S.XSEND(j), S.YSEND(j)};
    l.load = S.SURL(j);
    if (l.xse < l.xsb) {
      std::swap(l.xsb, l.xse);
      std::swap(l.ysb, l.yse);
    }
    l.vertical = !(l.xse > l.xsb);
    if (!l.vertical) {
      l.m = (l.yse - l.ysb) / (l.xse - l.xsb);
      l.full = std::sqrt((l.xse - l.xsb) * (l.xse - l.xsb) + (l.yse - l.ysb) * (l.yse - l.ysb));
    }
    g.lines.push_back(l);
  }
  return g;
}

// Ground level over the back plane; the last segment covering it wins.
// Ground that does not cover it is taken at the nearer end of the profile,
// and `groundShort` says so.
float GroundAtBack(const Profile& g, float XBP, bool& groundShort) {
  groundShort = true;
  float groundAtBack = 0.0f;
  for (int i = 1; i <= g.nseg; ++i) {
    const Segment& s = g.seg(i);
    if (s.xb <= XBP && XBP <= s.xe) {
      groundAtBack = s.yb + s.tanA * (XBP - s.xb);
      groundShort = false;
    }
  }
  if (groundShort && g.nseg > 0) groundAtBack = XBP < g.seg(1).xb ? g.seg(1).yb : g.seg(g.nseg).ye;
  return groundAtBack;
}

// Where a trial plane of slope t meets the ground ahead of the back plane.
struct GroundPoint {
  bool meets = false;  // false: the profile is too short for the plane
  float x = 0.0f, y = 0.0f;
};

// The last segment in order wins, so the segments are tried from the last.
// A segment parallel to the plane is passed over.
GroundPoint GroundIntersection(const Profile& g, float t, const BackPlane& bp) {
  GroundPoint p;
  for (int i = g.nseg; i >= 1; --i) {
    const Segment& s = g.seg(i);
    const float den = s.tanA - t;
    if (den == 0.0f) continue;
    const float x = (s.tanAxb - t * bp.x + bp.y - s.yb) / den;
    if (x > bp.x && s.xb < x && x <= s.xe) {
      p.x = x;
      p.y = s.yb + s.tanA * (x - s.xb);
      p.meets = true;
      break;
    }
  }
  return p;
}

// The end of the wedge on the ground. A profile too short for the plane closes
// the wedge at its last point, and `groundShort` is set; without ground there
// is no wedge (false).
bool WedgeEnd(const Profile& g, float t, const BackPlane& bp, GroundPoint& end,
              bool& groundShort) {
  end = GroundIntersection(g, t, bp);
  if (end.meets) return true;
  groundShort = true;
  if (g.nseg == 0) return false;
  end.x = g.seg(g.nseg).xe;
  end.y = g.seg(g.nseg).ye;
  return true;
}

// A weight with its moments: MX about the toe, MY about y = 0.
struct Weighed {
  float W = 0.0f, MX = 0.0f, MY = 0.0f;
};

// The parts of the ground segments over the wedge, in order from the back
// plane out to the ground point `end`: `part(xa, ya, xb, yb)` for each.
template <class Part>
void ForEachGroundPart(const Profile& g, const BackPlane& bp, const GroundPoint& end,
                       Part part) {
  const float XBP = bp.x, XI = end.x, YI = end.y;
  for (int i = 1; i <= g.nseg; ++i) {
    const Segment& s = g.seg(i);
    float xa, ya;
    if (s.xb < XBP && XBP < s.xe) {
      xa = XBP;
      ya = s.yb + s.tanA * (XBP - s.xb);
    } else if (XBP <= s.xb && s.xb <= XI) {
      xa = s.xb;
      ya = s.yb;
    } else {
      continue;
    }
    float xb = s.xe, yb = s.ye;
    if (xb > XI) {
      xb = XI;
      yb = YI;
    }
    part(xa, ya, xb, yb);
  }
}

// Wedge weight and its moments, 10 strips per part of a segment over it,
// between the back plane and the ground point `end`. Where the plane does not
// meet the ground the wedge holds only soil that lies above the plane.
// Without `moments` only W is summed, and the strips found past the
// intersection are counted in `stripErrors` instead of being reported.
Weighed WedgeWeight(const Profile& g, float t, const BackPlane& bp, const GroundPoint& end,
                    bool moments = true, int* stripErrors = nullptr) {
  const float XBP = bp.x, YBP = bp.y, XI = end.x;
  const float rho = S.RHOS, twmin = S.TWMIN, wt = S.WT;
  Weighed w;
  ForEachGroundPart(g, bp, end, [&](float xa, float ya, float xb, float yb) {
    const float width = (xb - xa) / 10.0f;
    const float rise = (yb - ya) / 10.0f;
    float xm = xa + 0.5f * width;
    float ym = ya + 0.5f * rise;
    for (int k = 0; k < 10; ++k) {
      if (xm > XI) {  // only through rounding; the strip still counts
        if (stripErrors != nullptr) {
          ++*stripErrors;
        } else {
          S.report.blank();
          ReportMessage(kStripError);
        }
      }
      const float yplane = YBP + t * (xm - XBP);
      const float depth = end.meets ? std::fabs(ym - yplane) : std::max(ym - yplane, 0.0f);
      const float dW = depth * width * rho;
      // Summed strip by strip from the back plane outward.
      w.W += dW;
      if (moments) {
        w.MX += (xm + twmin + wt) * dW;
        w.MY += 0.5f * (ym + yplane) * dW;
      }
      xm += width;
      ym += rise;
    }
  });
  return w;
}

// The surcharge lying on the wedge: surcharge lines, each taken from left to
// right; a vertical line or one parallel to the plane carries nothing onto it.
Weighed SurchargeShare(const Profile& g, float t, const BackPlane& bp, bool moments = true) {
  const float XBP = bp.x, YBP = bp.y;
  Weighed s;
  for (int j = 1; j <= g.nsur; ++j) {
    const SurchargeLine& l = g.lines[static_cast<std::size_t>(j - 1)];
    if (l.vertical) continue;
    const float xsb = l.xsb, ysb = l.ysb, xse = l.xse, yse = l.yse, m = l.m;
    const float den = m - t;
    if (den == 0.0f) continue;
    const float xs = (m * xsb - t * XBP + YBP - ysb) / den;
    if (xsb >= xs || xse <= XBP) continue;
    const float x1 = std::max(xsb, XBP);
    const float x2 = std::min(xse, xs);
    if (!(x2 > x1)) continue;  // the plane meets the line behind the back plane
    const float y1 = x1 == xsb ? ysb : ysb + m * (x1 - xsb);
    const float y2 = x2 == xse ? yse : ysb + m * (x2 - xsb);
    const float full = l.full;
    const float part = std::sqrt((x2 - x1) * (x2 - x1) + (y2 - y1) * (y2 - y1));
    if (!(full > 0.0f)) continue;
    const float PS = l.load * part / full;
    s.W += PS;
    if (!moments) continue;
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

// The forces of one trial's force polygon; a case whose polygon does not
// close has none.
struct TrialForces {
  bool earth = false, withSurcharge = false, seismic = false;
  float PE = 0.0f, PES = 0.0f, PEQ = 0.0f;
};

// The sines of the force polygon that depend on the plane alone: of the angle
// opposite the resultant and of the angle opposite the weight.
struct PlaneSines {
  float num = 0.0f, den = 0.0f;
};

PlaneSines SinesOf(float theta, const Friction& f) {
  return {std::sin(theta - S.PHI), std::sin(3.1416f - (1.5708f - f.delta) - (theta - S.PHI))};
}

TrialForces ForcePolygon(float theta, float W, float PSUR, const Friction& f,
                         const PlaneSines& sines) {
  TrialForces p;
  const float num = sines.num;
  const float den = sines.den;
  p.PE = W * num / den;
  p.earth = Closes(den, p.PE);

  const float WS = W + PSUR;
  p.PES = WS * num / den;
  p.withSurcharge = std::isfinite(PSUR) && Closes(den, p.PES);

  if (!f.seismic) {
    p.seismic = true;  // every trial gives the seismic case no force
    return p;
  }
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
  p.PEQ = R * std::sin(A2) / denEq;
  p.seismic = Closes(denEq, p.PEQ);
  return p;
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
    GroundPoint end;
    if (!WedgeEnd(g, t, bp, end, r.groundShort)) continue;
    const Weighed soil = WedgeWeight(g, t, bp, end);
    const Weighed sur = SurchargeShare(g, t, bp);
    // A trial without soil weight gives no force.
    if (!(soil.W > 0.0f) || !std::isfinite(soil.W) || !std::isfinite(soil.MX) ||
        !std::isfinite(soil.MY))
      continue;
    r.anyWeight = true;
    const TrialForces p = ForcePolygon(theta, soil.W, sur.W, f, SinesOf(theta, f));
    CriticalWedges& c = r.found;
    if (p.earth) Keep(c.earth, p.PE, theta, soil.W, soil.MX, soil.MY, bp.y);
    if (p.withSurcharge)
      Keep(c.withSurcharge, p.PES, theta, soil.W + sur.W, soil.MX + sur.MX, soil.MY + sur.MY,
           bp.y);
    if (p.seismic) Keep(c.seismic, p.PEQ, theta, soil.W, soil.MX, soil.MY, bp.y);
  }
  return r;
}

// ---- The short way ---------------------------------------------------------
// Only the trials a case keeps need their moments, and which trials the cases
// keep does not depend on the toe width or the stem thickness: those enter
// the moment arms alone. So the fan is searched on the weights only, its
// choice is kept for the inputs it read (bit for bit the same), and the
// moments are summed for the chosen trials only, in the order the full search
// sums them. That gives the full search's floats wherever no moment can leave
// the float range: bounded coordinates and arms, strips that all add weight
// (ground segments running forward and reaching the back plane, no negative
// surcharge), and weights far below the range. Elsewhere the full search runs.
constexpr float kCoordinateBound = 1.0e12f;
constexpr float kWeightBound = 1.0e20f;

// The trial a case keeps, with what its moments need.
struct Chosen {
  bool found = false;
  float force = 0.0f, theta = 0.0f, weight = 0.0f, t = 0.0f;
  GroundPoint end;
};

// The fan searched on the weights: its choices and what it reports.
struct ShortFan {
  bool holds = false;  // false: a weight left the bound; the full search runs
  Chosen earth, withSurcharge, seismic;
  bool anyWeight = false, groundShort = false;
  int stripErrors = 0;
};

// The searched fans of the run, by the inputs they read.
std::unordered_map<std::string, ShortFan> fans;
constexpr std::size_t kMaxFans = 4096;

int fullSearch = -1;  // -1: as the environment says

bool FullSearchOnly() {
  static const bool full = std::getenv("KELDOR_FULL_WEDGE_SEARCH") != nullptr;
  return fullSearch < 0 ? full : fullSearch == 1;
}

bool Bounded(float v) { return std::fabs(v) <= kCoordinateBound; }  // false for NaN

// Whether the current inputs keep every moment of the fan within the range.
bool ShortWayHolds(const Profile& g, const BackPlane& bp) {
  if (!Bounded(bp.x) || !Bounded(bp.y) || !Bounded(S.WT) || !Bounded(S.TWMIN)) return false;
  if (!(S.RHOS >= 0.0f && S.RHOS <= 1.0e6f)) return false;
  for (int i = 1; i <= g.nseg; ++i) {
    if (!Bounded(S.XGBEG(i)) || !Bounded(S.YGBEG(i)) || !Bounded(S.XGEND(i)) ||
        !Bounded(S.YGEND(i)) || !(S.XGEND(i) >= S.XGBEG(i)))
      return false;
  }
  if (g.nseg > 0 && !(S.XGEND(g.nseg) >= bp.x)) return false;
  float load = 0.0f;
  for (int j = 1; j <= g.nsur; ++j) {
    if (!Bounded(S.XSBEG(j)) || !Bounded(S.YSBEG(j)) || !Bounded(S.XSEND(j)) ||
        !Bounded(S.YSEND(j)) || !(S.SURL(j) >= 0.0f))
      return false;
    load += S.SURL(j);
  }
  return load <= kWeightBound;
}

// The bits of every input the weights-only fan reads.
const std::string& FanKey(const Profile& g, const BackPlane& bp) {
  static std::string key;
  const float v[] = {bp.x, bp.y, S.PHI, S.SS, S.SSEQ, S.AH, S.AV, S.RHOS};
  key.assign(reinterpret_cast<const char*>(v), sizeof v);
  key.append(reinterpret_cast<const char*>(g.inputs.data()), g.inputs.size() * sizeof(float));
  return key;
}

// The planes of every fan, steepest first, with their slopes and the sines of
// the current PHI and wall friction: the same floats each fan computes,
// computed once. For the seismic case each plane also holds bounds on the
// sines its force polygon rounds to (see SeismicBound).
struct SeismicSines {
  bool known = false;  // false: the force of every trial is summed exactly
  double sLo = 0.0, sHi = 0.0;  // sin(A2)
  double dLo = 0.0, dHi = 0.0;  // sin(pi - A1 - A2)
};

struct Plane {
  float theta = 0.0f, t = 0.0f;
  PlaneSines sines;
  SeismicSines seismic;
};

const std::vector<Plane>& Planes() {
  static const std::vector<Plane> planes = [] {
    std::vector<Plane> v;
    float theta = 1.5708f;
    while (theta > 0.0f) {
      theta -= 0.01f;
      v.push_back({theta, std::tan(theta), {}, {}});
    }
    return v;
  }();
  return planes;
}

// tan(theta), taken from the planes when theta is one of them.
float TanOf(float theta) {
  const std::vector<Plane>& planes = Planes();
  const auto p = std::lower_bound(planes.begin(), planes.end(), theta,
                                  [](const Plane& a, float v) { return a.theta > v; });
  if (p != planes.end() && p->theta == theta) return p->t;
  return std::tan(theta);
}

// Unit roundoff of a float: every float operation below, correctly rounded,
// is off by at most this times its result.
constexpr double kU = 0x1p-24;

// The accelerations as the force polygon reads them, and the range in which
// every product of them with a weight stays a normal float.
struct Accelerations {
  float ah = 0.0f, av = 0.0f;  // AH and 1 - AV
  bool bounded = false;
  double rk = 0.0;             // sqrt(AH^2 + (1 - AV)^2)
  double smallest = 0.0, largest = 0.0;
};

Accelerations AccelerationsOf() {
  Accelerations a;
  a.ah = S.AH;
  a.av = 1.0f - S.AV;
  const double ah = std::fabs(double{a.ah}), av = std::fabs(double{a.av});
  a.bounded = av >= 1e-6 && av <= 1e6 && (ah == 0.0 || (ah >= 1e-6 && ah <= 1e6));
  a.rk = std::sqrt(ah * ah + av * av);
  a.smallest = ah == 0.0 ? av : std::min(ah, av);
  a.largest = std::max(ah, av);
  return a;
}

// Bounds on the sines of the seismic polygon of the plane theta whatever the
// weight. The polygon's angle psi = atan(AH W / ((1 - AV) W)) rounds to within
// 8 u of atan(AH / (1 - AV)) (a 3 u ratio, an arctangent within 2 ulp); A1, A2
// and the angle opposite the weight each add the rounding of their result, so
// every angle lies within 8 u (10 + the sum of the magnitudes) of its value
// in real arithmetic, and each sine (within 2 ulp) within that and 4 u more.
SeismicSines SeismicSinesOf(float theta, const Friction& f, const Accelerations& acc) {
  SeismicSines s;
  if (!f.seismic || !acc.bounded) return s;
  const double psi = std::atan(double{acc.ah} / double{acc.av});
  const double aF = 1.5708f - f.deltaEq, bF = theta - S.PHI, cF = 3.1416f;
  const double A1 = aF - psi, A2 = bF + psi, arg = cF - A1 - A2;
  const double alpha = 8.0 * kU *
                           (10.0 + std::fabs(aF) + std::fabs(bF) + std::fabs(cF) +
                            std::fabs(A1) + std::fabs(A2) + std::fabs(arg)) +
                       4.0 * kU + 1e-12;
  if (!std::isfinite(alpha)) return s;
  s.known = true;
  s.sLo = std::sin(A2) - alpha;
  s.sHi = std::sin(A2) + alpha;
  s.dLo = std::sin(arg) - alpha;
  s.dHi = std::sin(arg) + alpha;
  return s;
}

// The planes with the sines of the current PHI, wall friction and
// accelerations.
const std::vector<Plane>& PlanesWithSines(const Friction& f, const Accelerations& acc) {
  static std::vector<Plane> planes;
  static float key[5] = {};
  const float now[5] = {S.PHI, f.delta, f.deltaEq, S.AH, S.AV};
  if (planes.empty() || std::memcmp(key, now, sizeof key) != 0) {
    planes = Planes();
    for (Plane& p : planes) {
      p.sines = SinesOf(p.theta, f);
      p.seismic = SeismicSinesOf(p.theta, f, acc);
    }
    std::memcpy(key, now, sizeof key);
  }
  return planes;
}

// ---- Trials that cannot be kept --------------------------------------------
// A case keeps the first trial of the greatest force, and most trials of a fan
// lie far from it. For each trial the search bounds the float weight its
// strips would sum, and from that the greatest force each case could get from
// it; the strips are summed only for trials whose bound reaches the greatest
// force summed so far, from the greatest bound down. Every other trial has a
// force strictly below the one kept (or equal to it and later), so the cases
// keep the trials the plane-by-plane search keeps, with the same floats.

// The float weight of a trial lies in [lo, hi]; with `known` false the
// bound does not hold or is not tight enough to use, and the strips are summed.
struct WeightRange {
  bool known = false;
  double lo = 0.0, hi = 0.0;
};

// The bound on the weight WedgeWeight sums. Its strips, in real arithmetic
// from the same part ends, have midpoint depths linear along a part, so their
// sum D is exact from the depths of the first and the last strip wherever the
// depth keeps its sign over the part (and is summed strip by strip in double
// elsewhere). Against D, with X a bound on every |x| of the wedge's parts and
// back plane, Y the largest |y| of a part's ends and of the back plane's base,
// and T = |t|: each strip midpoint rounds to within 14 u X (14 u Y for its
// height), so the depth to within d = 18 u Y + 23 u T X; a strip's weight to
// within rho w (d + 4.03 u depth); the sum of n non-negative strips to within
// 1.001 n u of itself. The bound taken is four times that. No strip midpoint
// passes the end of the wedge (which the search would report) where the last
// lies more than 56 u X before it: half a strip before its part's end, and
// 14 u X at most from where it lies in real arithmetic; elsewhere the strips
// are summed.

// X: every |x| a part of a wedge can have. The ends of the parts are the back
// plane's base, the segments' ends and points found between them.
double ReachOf(const Profile& g, const BackPlane& bp) {
  double X = std::fabs(double{bp.x});
  for (int i = 1; i <= g.nseg; ++i)
    X = std::max({X, std::fabs(double{g.seg(i).xb}), std::fabs(double{g.seg(i).xe})});
  return X;
}

WeightRange BoundWeight(const Profile& g, float t, const BackPlane& bp, const GroundPoint& end,
                        double X) {
  WeightRange r;
  const double T = std::fabs(double{t}), tt = t, XBP = bp.x, YBP = bp.y, XI = end.x;
  const double past = 56.0 * kU * X;  // the margin before the end of the wedge
  double D2 = 0.0, span = 0.0, spanY = 0.0;  // twice D / rho; the width; its sum of Y
  int n = 0;
  bool holds = true;
  ForEachGroundPart(g, bp, end, [&](float xaf, float yaf, float xbf, float ybf) {
    const double xa = xaf, ya = yaf, xb = xbf, yb = ybf;
    const double width = xb - xa;
    if (!(width >= 0.0) || !((XI - xa) - 0.95 * width > past)) holds = false;
    // Depths at the part's ends, then at the first and the last strip.
    const double da = ya - (YBP + tt * (xa - XBP)), db = yb - (YBP + tt * (xb - XBP));
    const double d0 = da + 0.05 * (db - da), d9 = da + 0.95 * (db - da);
    if (d0 >= 0.0 && d9 >= 0.0) {
      D2 += width * (d0 + d9);
    } else if (d0 <= 0.0 && d9 <= 0.0) {
      if (end.meets) D2 -= width * (d0 + d9);
    } else {
      double sum = 0.0;
      for (int k = 0; k < 10; ++k) {
        const double d = da + (k + 0.5) * 0.1 * (db - da);
        sum += end.meets ? std::fabs(d) : std::max(d, 0.0);
      }
      D2 += 0.2 * width * sum;
    }
    span += width;
    spanY += width * std::max({std::fabs(ya), std::fabs(yb), std::fabs(YBP)});
    n += 10;
  });
  if (!holds) return r;
  const double rho = S.RHOS, D = 0.5 * rho * D2;
  const double A = 1.0001 * rho * (18.0 * kU * spanY + 23.0 * kU * T * X * span) +
                   4.03 * kU * D;
  const double E = 4.0 * (A + 1.001 * n * kU * (D + A)) + 1e-12 * D;
  r.lo = D - E;
  r.hi = D + E;
  // Weights near zero or near the bound, or bounds that are not finite, are
  // summed.
  r.known = r.lo >= 1e-15 && r.hi <= 0.1 * double{kWeightBound};
  return r;
}

// The greatest force a trial can give a case, or kNone when it gives the case
// no force whatever its weight in the range, or kAny when that cannot be told.
constexpr double kNone = -std::numeric_limits<double>::infinity();
constexpr double kAny = std::numeric_limits<double>::infinity();

// The earth case (add 0) and the earth-plus-surcharge case (add PSUR):
// F = ((W + add) num) / den in floats, which does not decrease with W when
// num >= 0 and den > 0 and is off by at most 3 u; with num < 0 it is negative
// (no force) unless it rounds to zero.
double StaticBound(const WeightRange& w, float add, const PlaneSines& s) {
  if (!(s.den > 0.0f) || !std::isfinite(add)) return kNone;
  if (!(add >= 0.0f)) return kAny;
  const double num = s.num, den = s.den, a = add;
  if (num >= 0.0) return (w.hi + a) * num / den * (1.0 + 8.0 * kU);
  if ((w.lo + a) * -num / den > 1e-30) return kNone;
  return kAny;
}

// The seismic case: R sin(A2) / sin(pi - A1 - A2) with R = W sqrt(AH^2 +
// (1 - AV)^2) within 3 u, and the sines within their bounds.
double SeismicBound(const WeightRange& w, const SeismicSines& s, const Accelerations& acc) {
  if (!s.known || !(w.lo * acc.smallest >= 1e-15) || !(w.hi * acc.largest <= 1e15)) return kAny;
  if (s.dHi < 0.0) return kNone;  // the polygon does not close
  if (!(s.dLo > 0.0)) return kAny;
  if (s.sHi < 0.0 && w.lo * acc.rk * -s.sHi / s.dHi > 1e-30) return kNone;  // a pull
  if (!(s.sLo > 0.0)) return kAny;
  return w.hi * acc.rk * s.sHi / s.dLo * (1.0 + 16.0 * kU);
}

// The surcharge any trial can carry: each line's share is its load times the
// part's length over the line's, and the part lies on the line, so its float
// length exceeds the line's by the rounding of the part's ends (within
// 10 u of the line's extent and height) and of the lengths (3 u each); the
// shares summed add 1.001 n u. Twice that is taken.
double SurchargeCap(const Profile& g) {
  double cap = 0.0;
  for (const SurchargeLine& l : g.lines) {
    if (l.vertical || !(l.full > 0.0f)) continue;
    const double xsb = l.xsb, ysb = l.ysb, xse = l.xse, yse = l.yse, full = l.full;
    const double extent = std::fabs(ysb) + std::fabs(yse) + std::fabs(yse - ysb) + (xse - xsb);
    cap += double{l.load} * (1.0 + 2.0 * (8.0 * kU + 10.0 * kU * extent / full));
  }
  return cap * (1.0 + 2.002 * static_cast<double>(g.lines.size()) * kU);
}

// One trial of a fan, with what the search knows of it.
struct Trial {
  const Plane* plane = nullptr;
  GroundPoint end;
  WeightRange range;
  bool shared = false;  // PSUR is the trial's own; otherwise the cap bounds it
  float PSUR = 0.0f;
  double bound[3] = {kAny, kAny, kAny};  // earth, with surcharge, seismic
  bool summed = false;                   // W and the forces below are exact
  float W = 0.0f;
  bool weighs = false;  // a weight that gives forces
  bool closes[3] = {false, false, false};
  float force[3] = {0.0f, 0.0f, 0.0f};
};

// The surcharge share of a trial, and the earth-plus-surcharge bound with it.
void Share(Trial& tr, const Profile& g, const BackPlane& bp) {
  if (tr.shared) return;
  tr.shared = true;
  tr.PSUR = SurchargeShare(g, tr.plane->t, bp, false).W;
  if (tr.range.known) tr.bound[1] = StaticBound(tr.range, tr.PSUR, tr.plane->sines);
}

// Sums the strips of a trial and closes its force polygon as the
// plane-by-plane search does. Returns false when the weight leaves the bound.
bool Sum(Trial& tr, const Profile& g, const BackPlane& bp, const Friction& f, int& stripErrors) {
  Share(tr, g, bp);
  tr.summed = true;
  const float t = tr.plane->t;
  tr.W = WedgeWeight(g, t, bp, tr.end, false, &stripErrors).W;
  if (!(tr.W > 0.0f) || !std::isfinite(tr.W)) return true;
  if (!(tr.W <= kWeightBound)) return false;
  tr.weighs = true;
  const TrialForces p = ForcePolygon(tr.plane->theta, tr.W, tr.PSUR, f, tr.plane->sines);
  tr.closes[0] = p.earth, tr.closes[1] = p.withSurcharge, tr.closes[2] = p.seismic;
  tr.force[0] = p.PE, tr.force[1] = p.PES, tr.force[2] = p.PEQ;
  return true;
}

// The fan searched on the weights alone, the strips past the intersection
// counted rather than reported.
ShortFan SearchOnWeights(const Profile& g, const BackPlane& bp, const Friction& f) {
  ShortFan r;
  const Accelerations acc = AccelerationsOf();
  const std::vector<Plane>& planes = PlanesWithSines(f, acc);
  const double reach = ReachOf(g, bp);
  const double cap = SurchargeCap(g);
  static std::vector<Trial> trials;
  trials.clear();
  auto at = [&](int i) -> Trial& { return trials[static_cast<std::size_t>(i)]; };

  // Each case keeps the first summed trial of the greatest force (`best`).
  int best[3] = {-1, -1, -1};
  auto count = [&](int i) {
    const Trial& tr = at(i);
    for (int c = 0; c < 3; ++c) {
      if (!tr.closes[c]) continue;
      int& b = best[c];
      if (b < 0 || tr.force[c] > at(b).force[c] || (tr.force[c] == at(b).force[c] && i < b))
        b = i;
    }
  };
  // The greatest bound of each case among the trials not summed, and the
  // next greatest.
  int top[3] = {-1, -1, -1};
  double second[3] = {kNone, kNone, kNone};

  float above = 1.5708f;  // the plane before this one
  for (const Plane& plane : planes) {
    if (!(above > S.PHI && above > 0.0f)) break;
    above = plane.theta;
    Trial tr;
    tr.plane = &plane;
    if (!WedgeEnd(g, plane.t, bp, tr.end, r.groundShort)) continue;
    tr.range = BoundWeight(g, plane.t, bp, tr.end, reach);
    if (tr.range.known) {
      tr.bound[0] = StaticBound(tr.range, 0.0f, plane.sines);
      tr.bound[1] = StaticBound(tr.range, 0.0f, plane.sines);
      if (tr.bound[1] != kNone && tr.bound[1] != kAny) {
        const double num = plane.sines.num, den = plane.sines.den;
        tr.bound[1] = num >= 0.0 ? (tr.range.hi + cap) * num / den * (1.0 + 8.0 * kU) : kAny;
      }
      tr.bound[2] = f.seismic ? SeismicBound(tr.range, plane.seismic, acc) : 0.0;
    }
    const int i = static_cast<int>(trials.size());
    trials.push_back(tr);
    Trial& t = at(i);
    if (!t.range.known || t.bound[0] == kAny || t.bound[1] == kAny || t.bound[2] == kAny) {
      if (!Sum(t, g, bp, f, r.stripErrors)) return r;
      count(i);
      r.anyWeight = r.anyWeight || t.weighs;
      continue;
    }
    r.anyWeight = true;  // a weight of at least its lower bound
    for (int c = 0; c < 3; ++c) {
      const double b = t.bound[c];
      if (b == kNone) continue;
      if (top[c] < 0 || b > at(top[c]).bound[c]) {
        if (top[c] >= 0) second[c] = std::max(second[c], at(top[c]).bound[c]);
        top[c] = i;
      } else {
        second[c] = std::max(second[c], b);
      }
    }
  }

  // Whether a trial not summed could still be kept by case c.
  auto couldWin = [&](int c, int i) {
    const Trial& tr = at(i);
    if (tr.summed || tr.bound[c] == kNone) return false;
    if (best[c] < 0) return true;
    const double kept = at(best[c]).force[c];
    return tr.bound[c] > kept || (tr.bound[c] == kept && i < best[c]);
  };
  // A trial that could be kept by case c is summed, the earth-plus-surcharge
  // case first taking its own surcharge share into its bound.
  auto settle = [&](int c, int i) {
    if (!couldWin(c, i)) return true;
    if (c == 1 && !at(i).shared) {
      Share(at(i), g, bp);
      if (!couldWin(c, i)) return true;
    }
    if (!Sum(at(i), g, bp, f, r.stripErrors)) return false;
    count(i);
    return true;
  };
  for (int c = 0; c < 3; ++c)
    if (top[c] >= 0 && !settle(c, top[c])) return r;
  // The rest from the greatest bound down, unless no other bound reaches the
  // force kept.
  const int n = static_cast<int>(trials.size());
  static std::vector<int> queue;
  for (int c = 0; c < 3; ++c) {
    if (best[c] >= 0 && second[c] < double{at(best[c]).force[c]}) continue;
    queue.clear();
    for (int i = 0; i < n; ++i)
      if (couldWin(c, i)) queue.push_back(i);
    std::sort(queue.begin(), queue.end(), [&](int i, int j) {
      return at(i).bound[c] > at(j).bound[c] || (at(i).bound[c] == at(j).bound[c] && i < j);
    });
    for (int i : queue)
      if (!settle(c, i)) return r;
  }

  Chosen* chosen[3] = {&r.earth, &r.withSurcharge, &r.seismic};
  for (int c = 0; c < 3; ++c) {
    if (best[c] < 0) continue;
    const Trial& tr = at(best[c]);
    const float weight = c == 1 ? tr.W + tr.PSUR : tr.W;
    *chosen[c] = {true, tr.force[c], tr.plane->theta, weight, tr.plane->t, tr.end};
  }
  r.holds = true;
  return r;
}

// The critical wedge of a chosen trial, its moments summed as Fan sums them
// from the soil's.
CriticalWedge Moments(const Chosen& c, const Weighed& soil, const Profile& g, const BackPlane& bp,
                      bool surcharge) {
  CriticalWedge w;
  if (!c.found) return w;
  float mx = soil.MX, my = soil.MY;
  if (surcharge) {
    const Weighed sur = SurchargeShare(g, c.t, bp);
    mx = soil.MX + sur.MX;
    my = soil.MY + sur.MY;
  }
  Keep(w, c.force, c.theta, c.weight, mx, my, bp.y);
  return w;
}

// Fan's result the short way. Returns false when it does not hold for these
// inputs (nothing has been written then).
bool ShortWay(const Profile& g, const BackPlane& bp, const Friction& f, FanResult& r) {
  if (FullSearchOnly() || !ShortWayHolds(g, bp)) return false;
  const std::string& key = FanKey(g, bp);
  auto it = fans.find(key);
  if (it == fans.end()) {
    if (fans.size() >= kMaxFans) fans.clear();
    it = fans.emplace(key, SearchOnWeights(g, bp, f)).first;
  }
  const ShortFan& fan = it->second;
  if (!fan.holds) return false;
  for (int k = 0; k < fan.stripErrors; ++k) {
    S.report.blank();
    ReportMessage(kStripError);
  }
  r.anyWeight = fan.anyWeight;
  r.groundShort = fan.groundShort;
  // The soil's moments of each chosen trial, once for a trial two cases keep.
  const Chosen* chosen[3] = {&fan.earth, &fan.withSurcharge, &fan.seismic};
  Weighed soil[3];
  for (int k = 0; k < 3; ++k) {
    const Chosen& c = *chosen[k];
    if (!c.found) continue;
    int same = -1;
    for (int j = 0; j < k; ++j)
      if (chosen[j]->found && chosen[j]->theta == c.theta) same = j;
    int counted = 0;  // reported by the search already
    soil[k] = same >= 0 ? soil[same] : WedgeWeight(g, c.t, bp, c.end, true, &counted);
  }
  r.found.earth = Moments(fan.earth, soil[0], g, bp, false);
  r.found.withSurcharge = Moments(fan.withSurcharge, soil[1], g, bp, true);
  r.found.seismic = Moments(fan.seismic, soil[2], g, bp, false);
  return true;
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
    return Finite(w.ycg - TanOf(w.theta) * (w.xcg - S.XAPP));
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
    ReportMessage(kGroundShort);
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

float EquivalentCoefficient(float force) {
  const float den = S.RHOS * (S.HBACK * S.HBACK);
  if (den == 0.0f) return 0.0f;
  return Finite(2.0f * force / den);
}

void ForgetWedgeSearches() { fans.clear(); }

void SetFullWedgeSearch(bool full) {
  fullSearch = full ? 1 : 0;
  fans.clear();
}

void TrialWedge() {
  const bool print = S.IPRINT == 1;
  if (print) {
    S.report.blank();
    S.report.line(" TRIAL WEDGE ANALYSIS:");
  }
  const BackPlane bp = BackPlaneBase();
  const Profile& g = ReadProfile();
  bool groundShortAtBack = true;
  const float groundAtBack = GroundAtBack(g, bp.x, groundShortAtBack);
  Friction f;
  f.delta = std::atan(S.SS);
  f.deltaEq = std::atan(S.SSEQ);
  f.seismic = S.AH != 0.0f || S.AV != 0.0f;

  FanResult r;
  if (!ShortWay(g, bp, f, r)) r = Fan(g, bp, f);
  last = r.found;
  LeaveResults(r, bp, groundAtBack, f);
  if (print) WriteResults(r.found, groundShortAtBack || r.groundShort, f);
}

}  // namespace keldor
