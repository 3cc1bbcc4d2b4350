// The wall stem: factored shear and moment from the lateral loads, at the base
// for every load combination and down the height; the design (design mode) or
// the checks (review mode) of the base section; the load distribution table.
//
// Depth y is measured downward from the top of the wall; the base of the stem
// is at y = H.
#include "stem.h"

#include <cmath>
#include <string>

#include "concrete_section.h"
#include "format.h"
#include "results.h"
#include "state.h"
#include "trial_wedge.h"

namespace keldor {

namespace {

// Rows of the distribution table: far more than any wall has (a wall of
// 10000 steps of 24 in is 20000 ft high); a larger height ends the table.
constexpr int kMaxTableRows = 10000;

// Wind at the top of the wall, factored.
void WindLoads(int i, float y, float& vw, float& mw) {
  vw = S.VW * S.FW(i);
  mw = (y * S.VW + S.MW) * S.FW(i);
}

// Fractions of the triangle (resultant at H/3), the uniform block (H/2) and
// the inverted triangle (2H/3) whose mix puts the resultant at r H. False for
// a height ratio outside 0.32 ... 0.68.
bool PressureShape(float r, float& a, float& b, float& c) {
  if (r > 0.32f && r < 0.34f) {
    a = 1.0f;
  } else if (r >= 0.34f && r <= 0.49f) {
    a = 6.0f * (0.5f - r);
    b = 1.0f - a;
  } else if (r > 0.49f && r < 0.51f) {
    b = 1.0f;
  } else if (r >= 0.51f && r <= 0.65f) {
    c = 6.0f * (r - 0.5f);
    b = 1.0f - c;
  } else if (r > 0.65f && r < 0.68f) {
    c = 1.0f;
  } else {
    return false;
  }
  return true;
}

}  // namespace

void StemBaseLoads(int i, float& V, float& M) {
  if (S.ISOIL == KELDOR_IRREGULAR) {
    float e = S.PEH * S.FE(i);
    float arm = S.YAPPE;
    if (S.FE(i) > 0.0f && S.FSUR(i) > 0.0f) {
      e = S.PESH * S.FE(i);
      arm = S.YAPPES;
    }
    V = e + S.VW * S.FW(i) + (S.VEQ + S.PEQH) * S.FEQ(i);
    M = e * arm + (S.VW * S.H + S.MW) * S.FW(i) +
        (S.VEQ * S.H + S.PEQH * S.YAPPEQ + S.MEQ) * S.FEQ(i);
    return;
  }
  // Constant slope: the distributed loads at y = H reduce to their resultants.
  const float e = 0.5f * S.KA * S.FE(i) * S.RHOS * (S.H * S.H);
  const float s = S.KA * S.FSUR(i) * S.SUR * S.H;
  const float q = 0.5f * S.KAEQ * S.RHOS * (S.H * S.H);
  V = e + s + S.VW * S.FW(i) + (q + S.VEQ) * S.FEQ(i);
  M = e * S.YE * S.H + s * S.H / 2.0f + (S.VW * S.H + S.MW) * S.FW(i) +
      (S.VEQ * S.H + q * S.YEQ * S.H + S.MEQ) * S.FEQ(i);
}

void StemLoadsAtDepth(int i, float y, float& V, float& M) {
  float ve = 0.0f, me = 0.0f, vq = 0.0f, mq = 0.0f;
  float vw = 0.0f, mw = 0.0f;
  WindLoads(i, y, vw, mw);
  if (S.ISOIL == KELDOR_IRREGULAR) {
    if (S.FE(i) > 0.0f) {
      float p = S.PEH * S.FE(i);
      float r = S.YAPPE / S.H;
      if (S.FSUR(i) > 0.0f) {
        // The earth-plus-surcharge force takes the earth factor.
        p = S.PESH * S.FE(i);
        r = S.YAPPES / S.H;
      }
      DistributeEarthForce(p, y, r, ve, me);
    }
    float veq = 0.0f, meq = 0.0f;
    if (S.FEQ(i) > 0.0f) {
      float p = S.PEQH * S.FEQ(i);
      float r = S.YAPPEQ / S.H;
      DistributeEarthForce(p, y, r, vq, mq);
      veq = S.VEQ * S.FEQ(i) + vq;
      meq = (y * S.VEQ + S.MEQ) * S.FEQ(i) + mq;
    }
    V = ve + vw + veq;
    M = me + mw + meq;
    return;
  }
  if (S.FE(i) > 0.0f) {
    float p = 0.5f * S.KA * S.FE(i) * S.RHOS * (S.H * S.H);
    DistributeEarthForce(p, y, S.YE, ve, me);
  }
  if (S.FEQ(i) > 0.0f) {
    float p = 0.5f * S.KAEQ * S.FEQ(i) * S.RHOS * (S.H * S.H);
    DistributeEarthForce(p, y, S.YEQ, vq, mq);
  }
  const float vs = S.KA * S.FSUR(i) * S.SUR * y;
  const float ms = vs * y / 2.0f;
  const float veq = S.VEQ * S.FEQ(i) + vq;
  const float meq = (y * S.VEQ + S.MEQ) * S.FEQ(i) + mq;
  V = ve + vs + vw + veq;
  M = me + ms + mw + meq;
}

void WallDesign() {
  TextFile& r = S.report;
  S.VDES = 0.0f;
  S.MDES = 0.0f;
  Heading(r, " W A L L   D E S I G N");
  if (S.ISOIL == KELDOR_IRREGULAR) {
    S.ILOC = KELDOR_STEM_PLANE;
    TrialWedge();
  }
  RecordEarthForces(KELDOR_STEM_PLANE);
  CheckPlace(KELDOR_AT_STEM_BASE, 0);

  for (int i = 1; i <= S.NLC; ++i) {
    float v = 0.0f, m = 0.0f;
    StemBaseLoads(i, v, m);
    r.blank();
    r.line(" LOAD COMBINATION " + I(i, 3) + ":");
    r.blank();
    r.line("   Shear  = " + G(v));
    r.line("   Moment = " + G(m));
    if (v > S.VDES) S.VDES = v;
    if (m > S.MDES) S.MDES = m;
  }

  // The minimum batter in radians serves directly as the slope here.
  S.TMIN = S.TWMIN + S.BWMIN * S.H;
  S.CSEC = S.DBAR / 2.0f + S.CW;

  if (S.NLC > 1) {
    r.blank();
    r.line(" MAXIMUM LOADS:");
    r.blank();
    r.line("   Shear  = " + G(S.VDES));
    r.line("   Moment = " + G(S.MDES));
  }

  if (S.IMODE == KELDOR_DESIGN) {
    // The section routine only ever clears IOK; watch it for this one call.
    const std::int32_t iok = S.IOK;
    S.IOK = 1;
    SectionDesign();
    const bool designed = S.IOK == 1;
    S.IOK = designed ? iok : 0;
    S.NOSTEM = !designed;
    if (!designed) {
      r.blank();
      ReportMessage("     NO WALL DESIGN POSSIBLE ***");
    }
    // A wall without height has no batter to find: it keeps the minimum.
    S.BW = S.H > 0.0f ? std::atan((S.TSEC - S.TWMIN) / S.H) : S.BWMIN;
    S.ASW = S.ASEC;
  } else {
    S.TSEC = S.TWMIN + std::tan(S.BW) * S.H;
    S.ASEC = S.ASW;
    SectionCheck();
  }
}

void StemLoadTable() {
  TextFile& r = S.report;
  Heading(r, " W A L L   L O A D   D I S T R I B U T I O N");
  r.blank();
  r.line("      DEPTH     SHEAR    MOMENT     THICK   AS REQD");
  r.blank();

  const float delta = 4.0f * S.STEP;
  if (!(delta > 0.0f) || S.H - delta < 0.0f) return;
  for (int k = 1;; ++k) {
    float y = static_cast<float>(k) * delta;
    if (!(y <= S.H)) break;
    if (k > kMaxTableRows) {
      ReportMessage("   THE TABLE ENDS AFTER " + std::to_string(kMaxTableRows) + " ROWS ***");
      break;
    }
    S.VDES = 0.0f;
    S.MDES = 0.0f;
    for (int i = 1; i <= S.NLC; ++i) {
      float v = 0.0f, m = 0.0f;
      StemLoadsAtDepth(i, y, v, m);
      if (v > S.VDES) S.VDES = v;
      if (m > S.MDES) S.MDES = m;
    }
    // The batter in radians serves directly as the slope here.
    S.TMIN = S.TWMIN + y * S.BW;
    S.CSEC = S.DBAR / 2.0f + S.CW;
    S.IPRINT = 0;
    SectionDesign();
    S.IPRINT = 1;
    r.line(" " + F(y, 10, 0) + F(S.VDES, 10, 0) + F(S.MDES, 10, 0) + F(S.TSEC, 10, 3) +
           F(S.ASEC, 10, 3));
  }
}

void DistributeEarthForce(float& P, float& y, float& r, float& V, float& M) {
  float a = 0.0f, b = 0.0f, c = 0.0f;
  // A wall without height carries no pressure diagram.
  if (!(S.H > 0.0f) || !PressureShape(r, a, b, c)) {
    M = 0.0f;
    S.report.blank();
    ReportMessage(" *** LOAD DISTRIBUTION ERROR ***");
    S.report.blank();
    return;
  }

  const float h = S.H;
  const float wu = b * P / h;
  const float kt = 2.0f * a * P / (h * h);
  const float kc = 2.0f * c * P / (h * h);
  V = wu * y + kt * (y * y) / 2.0f + kc * (h - y) * y + kc * (y * y) / 2.0f;
  M = wu * (y * y) / 2.0f + kt * (y * y * y) / 6.0f + kc * (h - y) * (y * y) / 2.0f +
      kc * (y * y * y) / 3.0f;
}

}  // namespace keldor
