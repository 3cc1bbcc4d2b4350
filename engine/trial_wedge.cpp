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
  if (S.ILOC == 1) {
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
  std::vector<Segment> segments;
  std::vector<SurchargeLine> lines;
  const Segment& seg(int i) const { return segments[static_cast<std::size_t>(i)]; }
  float tanA(int i) const { return seg(i).tanA; }
};

Profile ReadProfile() {
  Profile g;
  g.nseg = Available(S.NSEG, {&S.ASEG, &S.XGBEG, &S.YGBEG, &S.XGEND, &S.YGEND});
  g.nsur = Available(S.NSUR, {&S.SURL, &S.XSBEG, &S.YSBEG, &S.XSEND, &S.YSEND});
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

bool FullSearchOnly() {
  static const bool full = std::getenv("KELDOR_FULL_WEDGE_SEARCH") != nullptr;
  return full;
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
std::string FanKey(const Profile& g, const BackPlane& bp) {
  std::vector<float> v = {bp.x, bp.y, S.PHI, S.SS, S.SSEQ, S.AH, S.AV, S.RHOS,
                          static_cast<float>(g.nseg), static_cast<float>(g.nsur)};
  for (int i = 1; i <= g.nseg; ++i)
    v.insert(v.end(), {S.ASEG(i), S.XGBEG(i), S.YGBEG(i), S.XGEND(i), S.YGEND(i)});
  for (int j = 1; j <= g.nsur; ++j)
    v.insert(v.end(), {S.SURL(j), S.XSBEG(j), S.YSBEG(j), S.XSEND(j), S.YSEND(j)});
  std::string key(v.size() * sizeof(float), '\0');
  std::memcpy(key.data(), v.data(), key.size());
  return key;
}

void Choose(Chosen& c, float force, float theta, float weight, float t, const GroundPoint& end) {
  if (c.found && !(force > c.force)) return;
  c = {true, force, theta, weight, t, end};
}

// The planes of every fan, steepest first, with their slopes: the same floats
// each fan computes, computed once.
struct Plane {
  float theta = 0.0f, t = 0.0f;
  PlaneSines sines;
};

const std::vector<Plane>& Planes() {
  static const std::vector<Plane> planes = [] {
    std::vector<Plane> v;
    float theta = 1.5708f;
    while (theta > 0.0f) {
      theta -= 0.01f;
      v.push_back({theta, std::tan(theta), {}});
    }
    return v;
  }();
  return planes;
}

// The planes with the sines of the current PHI and wall friction.
const std::vector<Plane>& PlanesWithSines(const Friction& f) {
  static std::vector<Plane> planes;
  static float phi = 0.0f, delta = 0.0f;
  if (planes.empty() || std::memcmp(&phi, &S.PHI, sizeof phi) != 0 ||
      std::memcmp(&delta, &f.delta, sizeof delta) != 0) {
    planes = Planes();
    for (Plane& p : planes) p.sines = SinesOf(p.theta, f);
    phi = S.PHI;
    delta = f.delta;
  }
  return planes;
}

// The fan of Fan on the weights alone, the strips past the intersection
// counted rather than reported.
ShortFan SearchOnWeights(const Profile& g, const BackPlane& bp, const Friction& f) {
  ShortFan r;
  const std::vector<Plane>& planes = PlanesWithSines(f);
  float above = 1.5708f;  // the plane before this one
  for (const Plane& plane : planes) {
    if (!(above > S.PHI && above > 0.0f)) break;
    above = plane.theta;
    const float theta = plane.theta, t = plane.t;
    GroundPoint end;
    if (!WedgeEnd(g, t, bp, end, r.groundShort)) continue;
    const float W = WedgeWeight(g, t, bp, end, false, &r.stripErrors).W;
    const float PSUR = SurchargeShare(g, t, bp, false).W;
    if (!(W > 0.0f) || !std::isfinite(W)) continue;
    if (!(W <= kWeightBound)) return r;
    r.anyWeight = true;
    const TrialForces p = ForcePolygon(theta, W, PSUR, f, plane.sines);
    if (p.earth) Choose(r.earth, p.PE, theta, W, t, end);
    if (p.withSurcharge) Choose(r.withSurcharge, p.PES, theta, W + PSUR, t, end);
    if (p.seismic) Choose(r.seismic, p.PEQ, theta, W, t, end);
  }
  r.holds = true;
  return r;
}

// The critical wedge of a chosen trial, its moments summed as Fan sums them.
CriticalWedge Moments(const Chosen& c, const Profile& g, const BackPlane& bp, bool surcharge) {
  CriticalWedge w;
  if (!c.found) return w;
  int counted = 0;  // reported by the search already
  const Weighed soil = WedgeWeight(g, c.t, bp, c.end, true, &counted);
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
  std::string key = FanKey(g, bp);
  auto it = fans.find(key);
  if (it == fans.end()) {
    if (fans.size() >= kMaxFans) fans.clear();
    it = fans.emplace(std::move(key), SearchOnWeights(g, bp, f)).first;
  }
  const ShortFan& fan = it->second;
  if (!fan.holds) return false;
  for (int k = 0; k < fan.stripErrors; ++k) {
    S.report.blank();
    ReportMessage(kStripError);
  }
  r.anyWeight = fan.anyWeight;
  r.groundShort = fan.groundShort;
  r.found.earth = Moments(fan.earth, g, bp, false);
  r.found.withSurcharge = Moments(fan.withSurcharge, g, bp, true);
  r.found.seismic = Moments(fan.seismic, g, bp, false);
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

  FanResult r;
  if (!ShortWay(g, bp, f, r)) r = Fan(g, bp, f);
  last = r.found;
  LeaveResults(r, bp, groundAtBack, f);
  if (print) WriteResults(r.found, groundShortAtBack || r.groundShort, f);
}

}  // namespace keldor
