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

}  // namespace

const CriticalWedges& LastCriticalWedges() { return last; }

void TrialWedge() {
  const bool print = S.IPRINT == 1;
  if (print) {
    S.report.blank();
    S.report.line(" TRIAL WEDGE ANALYSIS:");
  }

  // Base point of the back plane: the stem's back face at the top of the
  // footing, or the heel end at the underside of the footing.
  float XBP, YBP;
  if (S.ILOC == 1) {
    const float batter = S.IMODE == 1 ? S.BWMIN : S.BW;
    XBP = S.H * std::tan(batter);
    YBP = -S.H;
  } else {
    XBP = S.WF - S.WT - S.TWMIN;
    YBP = -(S.H + S.TF);
  }

  const int nseg = Available(S.NSEG, {&S.ASEG, &S.XGBEG, &S.YGBEG, &S.XGEND, &S.YGEND});
  const int nsur = Available(S.NSUR, {&S.SURL, &S.XSBEG, &S.YSBEG, &S.XSEND, &S.YSEND});
  std::vector<float> slope(static_cast<std::size_t>(nseg) + 1, 0.0f);
  for (int i = 1; i <= nseg; ++i) slope[static_cast<std::size_t>(i)] = std::tan(S.ASEG(i));
  auto tanA = [&slope](int i) { return slope[static_cast<std::size_t>(i)]; };

  // Ground level over the back plane; the last segment covering it wins.
  // Ground that does not cover it is taken at the nearer end of the profile.
  bool groundShort = true;
  float groundAtBack = 0.0f;
  for (int i = 1; i <= nseg; ++i) {
    if (S.XGBEG(i) <= XBP && XBP <= S.XGEND(i)) {
      groundAtBack = S.YGBEG(i) + tanA(i) * (XBP - S.XGBEG(i));
      groundShort = false;
    }
  }
  if (groundShort && nseg > 0) groundAtBack = XBP < S.XGBEG(1) ? S.YGBEG(1) : S.YGEND(nseg);

  const float delta = std::atan(S.SS);
  const float deltaEq = std::atan(S.SSEQ);
  const bool seismic = S.AH != 0.0f || S.AV != 0.0f;

  CriticalWedges found;
  bool anyWeight = false;

  // The trials: from 1.5608 down to the first angle at or below PHI. A plane
  // that no longer rises is no failure wedge, so the fan ends at the
  // horizontal whatever PHI is.
  float theta = 1.5708f;
  while (theta > S.PHI && theta > 0.0f) {
    theta -= 0.01f;
    const float t = std::tan(theta);

    // Where the plane meets the ground ahead of the back plane; the last
    // segment in order wins. A segment parallel to the plane is passed over.
    bool meets = false;
    float XI = 0.0f, YI = 0.0f;
    for (int i = 1; i <= nseg; ++i) {
      const float den = tanA(i) - t;
      if (den == 0.0f) continue;
      const float x = (tanA(i) * S.XGBEG(i) - t * XBP + YBP - S.YGBEG(i)) / den;
      if (x > XBP && S.XGBEG(i) < x && x <= S.XGEND(i)) {
        XI = x;
        YI = S.YGBEG(i) + tanA(i) * (x - S.XGBEG(i));
        meets = true;
      }
    }
    // A profile too short for this plane closes the wedge at its last point,
    // and the wedge then holds only soil that lies above the plane.
    if (!meets) {
      groundShort = true;
      if (nseg == 0) continue;
      XI = S.XGEND(nseg);
      YI = S.YGEND(nseg);
    }

    // Wedge weight and its moments, 10 strips per part of a segment over it.
    float W = 0.0f, MX = 0.0f, MY = 0.0f;
    for (int i = 1; i <= nseg; ++i) {
      float xa, ya;
      if (S.XGBEG(i) < XBP && XBP < S.XGEND(i)) {
        xa = XBP;
        ya = S.YGBEG(i) + tanA(i) * (XBP - S.XGBEG(i));
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
        const float depth = meets ? std::fabs(ym - yplane) : std::max(ym - yplane, 0.0f);
        const float dW = depth * width * S.RHOS;
        W += dW;
        MX += (xm + S.TWMIN + S.WT) * dW;
        MY += 0.5f * (ym + yplane) * dW;
        xm += width;
        ym += rise;
      }
    }

    // Surcharge lines, each taken from left to right; a vertical line or one
    // parallel to the plane carries nothing onto it.
    float PSUR = 0.0f, MXS = 0.0f, MYS = 0.0f;
    for (int j = 1; j <= nsur; ++j) {
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
      PSUR += PS;
      MXS += (S.WT + S.TWMIN + 0.5f * (x1 + x2)) * PS;
      MYS += 0.5f * (y1 + y2) * PS;
    }

    // Force polygon; a trial without soil weight gives no force.
    if (!(W > 0.0f) || !std::isfinite(W) || !std::isfinite(MX) || !std::isfinite(MY)) continue;
    anyWeight = true;
    const float num = std::sin(theta - S.PHI);
    const float den = std::sin(3.1416f - (1.5708f - delta) - (theta - S.PHI));
    const float PE = W * num / den;
    if (Closes(den, PE)) Keep(found.earth, PE, theta, W, MX, MY, YBP);

    const float WS = W + PSUR;
    const float PES = WS * num / den;
    if (std::isfinite(PSUR) && Closes(den, PES))
      Keep(found.withSurcharge, PES, theta, WS, MX + MXS, MY + MYS, YBP);

    if (seismic) {
      const float ah = S.AH * W;
      const float av = (1.0f - S.AV) * W;
      // With no vertical resultant the seismic resultant lies horizontal.
      float psi = 0.0f;
      if (av != 0.0f)
        psi = std::atan(ah / av);
      else if (ah != 0.0f)
        psi = std::copysign(std::atan(std::numeric_limits<float>::infinity()), ah);
      const float R = std::sqrt(ah * ah + av * av);
      const float A1 = 1.5708f - deltaEq - psi;
      const float A2 = theta - S.PHI + psi;
      const float denEq = std::sin(3.1416f - A1 - A2);
      const float PEQ = R * std::sin(A2) / denEq;
      if (Closes(denEq, PEQ)) Keep(found.seismic, PEQ, theta, W, MX, MY, YBP);
    } else {
      Keep(found.seismic, 0.0f, theta, W, MX, MY, YBP);
    }
  }
  last = found;

  // Results: the points of application are where the line through each
  // centroid, parallel to its failure plane, meets the back plane.
  if (anyWeight) {
    S.XAPP = Finite(S.WT + S.TWMIN + XBP);
    S.HBACK = Finite(groundAtBack - YBP);
    auto yapp = [](const CriticalWedge& w) {
      return Finite(w.ycg - std::tan(w.theta) * (w.xcg - S.XAPP));
    };
    S.PEH = Finite(found.earth.force * std::cos(delta));
    S.PESH = Finite(found.withSurcharge.force * std::cos(delta));
    S.PEQH = Finite(found.seismic.force * std::cos(deltaEq));
    S.YAPPE = std::max(yapp(found.earth), Finite(S.YE * S.HBACK));
    S.YAPPES = std::max(yapp(found.withSurcharge), Finite(S.YE * S.HBACK));
    S.YAPPEQ = std::max(yapp(found.seismic), Finite(S.YEQ * S.HBACK));
  } else {
    S.PEH = S.PESH = S.PEQH = 0.0f;
    S.YAPPE = S.YAPPES = S.YAPPEQ = 0.0f;
    S.XAPP = S.HBACK = 0.0f;
  }

  if (!print) return;
  if (groundShort) {
    S.report.blank();
    S.report.line(kGroundShort);
  }
  ForceBlock("   EARTH FORCE   = ", found.earth, delta, S.YAPPE, "   Ka (equiv)    = ");
  if (found.withSurcharge.force != found.earth.force)
    ForceBlock("   E + SUR FORCE = ", found.withSurcharge, delta, S.YAPPES, "   Ka (equiv)    = ");
  if (found.seismic.force > 0.0f)
    ForceBlock("   SEISMIC FORCE = ", found.seismic, deltaEq, S.YAPPEQ, "   Kaeq (equiv)  = ");
}

}  // namespace keldor
