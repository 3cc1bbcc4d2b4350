// Weights and righting moments about the toe: the concrete, the soil over the
// toe and over the heel, the loads at the top of the wall and the surcharge
// over the heel. Horizontal distances are measured from the toe; ground
// heights of an irregular backfill are measured from the top of the stem's
// back face (y up, the top of the footing at y = -H).
#include "weights.h"

#include <cmath>
#include <utility>

#include "format.h"
#include "geometry.h"
#include "state.h"

namespace keldor {

namespace {

struct Load {
  float weight = 0.0f;
  float moment = 0.0f;
  void add(float w, float arm) {
    weight = weight + w;
    moment = moment + w * arm;
  }
};

// The part of ground segment i that lies over the heel, cut into ten strips:
// the start point of the part and the width and ground rise of one strip.
struct StripRun {
  bool used = false;
  float x = 0.0f, y = 0.0f, width = 0.0f, rise = 0.0f;
};

// Ground segments are used from the top of the back face (x = 0) to the heel
// end (x = LH): a segment ending at or before LH whole, one crossing LH up to
// LH, one starting at or beyond LH not at all. The ground lies behind the
// back face, so a part reaching in front of it (x < 0, possible only for a
// segment turned back past the vertical) is cut off at x = 0.
StripRun HeelStrips(int i, float LH) {
  StripRun run;
  const float xa = S.XGBEG(i), ya = S.YGBEG(i), xb = S.XGEND(i), yb = S.YGEND(i);
  float xEnd = 0.0f, yEnd = 0.0f;
  if (xb <= LH) {
    run.width = (xb - xa) / 10.0f;
    run.rise = (yb - ya) / 10.0f;
    xEnd = xb;
    yEnd = yb;
  } else if (xa < LH) {
    run.width = (LH - xa) / 10.0f;
    run.rise = std::tan(S.ASEG(i)) * (LH - xa) / 10.0f;
    xEnd = LH;
    yEnd = ya + run.rise * 10.0f;
  } else {
    return run;
  }
  run.used = true;
  run.x = xa;
  run.y = ya;
  if (xa >= 0.0f && xEnd >= 0.0f) return run;
  if (xa <= 0.0f && xEnd <= 0.0f) return StripRun{};

  // One end lies in front of the back face: move it to x = 0.
  float x0 = xa, y0 = ya, x1 = xEnd, y1 = yEnd;
  const float yAtFace = y0 + (y1 - y0) * (0.0f - x0) / (x1 - x0);
  if (x0 < 0.0f) {
    x0 = 0.0f;
    y0 = yAtFace;
  } else {
    x1 = 0.0f;
    y1 = yAtFace;
  }
  run.x = x0;
  run.y = y0;
  run.width = (x1 - x0) / 10.0f;
  run.rise = (y1 - y0) / 10.0f;
  return run;
}

// Soil over the heel of an irregular backfill, strip by strip. Each strip
// rests on the battered back face of the stem or on the top of the footing;
// its weight keeps its sign, so ground below the top of the footing takes
// soil away.
Load IrregularHeelSoil(float BOFF, float LH) {
  Load soil;
  float bottom = -S.H;
  for (int i = 1; i <= S.NSEG; ++i) {
    const StripRun run = HeelStrips(i, LH);
    if (!run.used) continue;
    float x = run.x + run.width / 2.0f;
    float y = run.y + run.rise / 2.0f;
    for (int k = 1; k <= 10; ++k) {
      if (S.BW > 0.0f && x < BOFF) {
        bottom = std::tan(S.BW + 4.7124f) * x;  // the back face, y = -x / tan(BW)
      } else if (BOFF <= x && x <= LH) {
        bottom = -S.H;
      } else {
        // Beyond the heel end: said, and summed on the last bottom found.
        S.report.blank();
        ReportMessage(" Error in calculating weight of soil over footing ***");
      }
      soil.add((y - bottom) * run.width * S.RHOS, x + S.TWMIN + S.WT);
      x = x + run.width;
      y = y + run.rise;
    }
  }
  return soil;
}

// The irregular surcharge lines over the heel. A line counts whole when it
// lies within 0..LH; a line reaching beyond LH or in front of the back face
// counts with the share of its length that lies within.
Load IrregularSurcharge(float LH) {
  Load sur;
  for (int j = 1; j <= S.NSUR; ++j) {
    float xa = S.XSBEG(j), ya = S.YSBEG(j), xb = S.XSEND(j), yb = S.YSEND(j);
    if (xb < xa) {  // a line entered from its far end is the same line
      std::swap(xa, xb);
      std::swap(ya, yb);
    }
    if (xb < 0.0f) continue;
    if (xa >= 0.0f && xb <= LH) {
      sur.add(S.SURL(j), (xa + xb) / 2.0f + S.TWMIN + S.WT);
      continue;
    }
    if (xa >= LH) continue;
    const float x0 = xa < 0.0f ? 0.0f : xa;
    const float x1 = xb > LH ? LH : xb;
    const float y0 = ya + (yb - ya) * (x0 - xa) / (xb - xa);
    const float y1 = ya + (yb - ya) * (x1 - xa) / (xb - xa);
    const float part = std::sqrt((x1 - x0) * (x1 - x0) + (y1 - y0) * (y1 - y0));
    const float whole = std::sqrt((xb - xa) * (xb - xa) + (yb - ya) * (yb - ya));
    sur.add(S.SURL(j) * part / whole, (x0 + x1) / 2.0f + S.TWMIN + S.WT);
  }
  return sur;
}

void WriteSection() {
  TextFile& r = S.report;
  Heading(r, " W E I G H T   A N D   R I G H T I N G   M O M E N T");
  r.blank();
  r.line(" DEAD LOAD       = " + G(S.WDEAD));
  r.line(" RIGHTING MOMENT = " + G(S.MDEAD));
  r.blank();
  r.line(" LIVE LOAD       = " + G(S.WLIVE));
  r.line(" RIGHTING MOMENT = " + G(S.MLIVE));
  r.blank();
  r.line(" SURCHARGE LOAD  = " + G(S.WSURV));
  r.line(" RIGHTING MOMENT = " + G(S.MSURV));
}

}  // namespace

void WeightsAndMoments() {
  const float BOFF = S.H * std::tan(S.BW);  // growth of the stem towards its base
  const float LH = HeelBehindStem();        // top of the back face to the heel end

  Load concrete;
  concrete.add(S.TF * S.WF * S.RHOC, S.WF / 2.0f);
  concrete.add(S.TWMIN * S.H * S.RHOC, S.WT + S.TWMIN / 2.0f);
  concrete.add(0.5f * S.RHOC * S.H * BOFF, S.WT + S.TWMIN + BOFF / 3.0f);

  const float toeSoil = S.HT * S.WT * S.RHOS;
  const float batterSoil = 0.5f * S.H * BOFF * S.RHOS;  // over the battered back face
  const float batterArm = S.WT + S.TWMIN + 2.0f * BOFF / 3.0f;

  Load soil;
  Load surcharge;
  if (S.ISOIL == KELDOR_IRREGULAR) {
    const Load heel = IrregularHeelSoil(BOFF, LH);
    soil.weight = heel.weight + toeSoil;
    soil.moment = heel.moment + toeSoil * (S.WT / 2.0f);
    surcharge = IrregularSurcharge(LH);
  } else {
    soil.add(toeSoil, S.WT / 2.0f);
    soil.add(batterSoil, batterArm);
    soil.add((LH - BOFF) * S.H * S.RHOS, S.WF - (LH - BOFF) / 2.0f);
    soil.add(0.5f * S.RHOS * std::tan(S.BETA) * (LH * LH), S.WF - LH / 3.0f);
    surcharge.weight = LH * S.SUR;
    surcharge.moment = (S.WF - LH / 2.0f) * surcharge.weight;
  }

  S.WDEAD = concrete.weight + soil.weight + S.PD;
  S.MDEAD = concrete.moment + soil.moment + (S.WT + S.PDX) * S.PD;
  S.WLIVE = S.PL;
  S.MLIVE = (S.WT + S.PLX) * S.PL;
  S.WSURV = surcharge.weight;
  S.MSURV = surcharge.moment;
  if (S.IPRINT == 1) WriteSection();

  // What the footing heel carries: the soil beyond the base of the stem only.
  S.WSOIL = soil.weight - toeSoil - batterSoil;
  S.MSOIL = soil.moment - 0.5f * (S.WT * S.WT) * S.HT * S.RHOS - batterSoil * batterArm;
}

}  // namespace keldor
