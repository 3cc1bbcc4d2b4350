// Design or check of the two cantilevers of the footing: the toe in front of
// the stem and the heel behind it. For every load combination the factored
// lateral loads and weights give the soil pressure under a spread footing or
// the pile loads under a pile footing, and from these the shear and moment at
// the two faces of the stem; each face is then designed (design mode, two
// passes) or checked (review mode).
//
// Distances x are measured from the toe. The toe face (front face of the
// stem) is at x = WT, the heel face (back face of the stem at its base) at
// xh = WF - Lh. Toe loads are positive when the upward reactions win (tension
// at the bottom), heel loads when the downward loads win (tension at the top).
// Every formula is evaluated in float in the order it is written.
#include "footing.h"

#include <cmath>
#include <string>

#include "concrete_section.h"
#include "format.h"
#include "geometry.h"
#include "load_combinations.h"
#include "pile_group.h"
#include "results.h"
#include "stability.h"
#include "state.h"
#include "weights.h"

namespace keldor {

namespace {

// The stem's base and the heel.
struct Geometry {
  float tb = 0.0f;  // stem thickness at its base
  float Lh = 0.0f;  // heel length
  float xh = 0.0f;  // heel face
};

Geometry FootingGeometry() {
  Geometry g;
  g.tb = StemBaseThickness();
  g.Lh = S.WF - S.WT - g.tb;
  g.xh = S.WF - g.Lh;
  return g;
}

// Factored loads of one combination on the whole wall, about the toe.
struct CombinationLoads {
  float E = 0.0f;   // lateral earth force
  float Sh = 0.0f;  // lateral force of the uniform surcharge
  float Fh = 0.0f;  // lateral force
  float Mo = 0.0f;  // overturning moment
  float Ev = 0.0f;  // vertical components of the lateral loads, at the heel end
  float W = 0.0f;   // weight
  float RM = 0.0f;  // righting moment
};

CombinationLoads LoadsOf(int i) {
  CombinationLoads c;
  const float topArm = S.H + S.TF;  // the shears at the top act this high
  float ME = 0.0f, MS = 0.0f, Q = 0.0f, MQ = 0.0f;
  if (S.ISOIL == KELDOR_IRREGULAR) {
    // The trial wedges at the footing, as the stability analysis left them;
    // with the surcharge lines on, the earth force that includes them takes
    // the earth factor.
    c.E = S.PEH * S.FE(i);
    ME = c.E * S.YAPPE;
    if (S.FE(i) > 0.0f && S.FSUR(i) > 0.0f) {
      c.E = S.PESH * S.FE(i);
      ME = c.E * S.YAPPES;
    }
    Q = (S.VEQ + S.PEQH) * S.FEQ(i);
    MQ = (S.VEQ * topArm + S.PEQH * S.YAPPEQ + S.MEQ) * S.FEQ(i);
  } else {
    // The backfill rises at BETA from the top of the stem's back face, so the
    // loaded height at the heel end is Hh.
    const float Hh = S.H + S.TF + HeelBehindStem() * std::tan(S.BETA);
    c.E = 0.5f * S.KA * S.FE(i) * S.RHOS * (Hh * Hh);
    ME = c.E * S.YE * Hh;
    c.Sh = S.KA * S.FSUR(i) * S.SUR * Hh;
    MS = c.Sh * Hh / 2.0f;
    S.PEQH = 0.5f * S.KAEQ * S.RHOS * (Hh * Hh);
    Q = (S.VEQ + S.PEQH) * S.FEQ(i);
    MQ = (S.VEQ * topArm + S.PEQH * S.YEQ * Hh + S.MEQ) * S.FEQ(i);
  }
  const float Wn = S.VW * S.FW(i);
  const float MWn = (S.VW * topArm + S.MW) * S.FW(i);
  c.Fh = c.E + c.Sh + Wn + Q;
  c.Mo = ME + MS + MWn + MQ;

  // The vertical components always count here, whatever the soil/soil
  // friction option says for sliding.
  const float f = WallFriction(i);
  if (S.FE(i) > 0.0f) c.Ev = c.Ev + c.E * f;
  if (S.FSUR(i) > 0.0f) c.Ev = c.Ev + c.Sh * f;
  if (S.FEQ(i) > 0.0f) c.Ev = c.Ev + S.PEQH * S.FEQ(i) * S.SSEQ;
  c.W = S.WSURV * S.FSUR(i) + S.WDEAD * S.FD(i) + S.WLIVE * S.FL(i);
  c.RM = S.MSURV * S.FSUR(i) + S.MDEAD * S.FD(i) + S.MLIVE * S.FL(i);
  c.W = c.W + c.Ev;
  c.RM = c.RM + S.WF * c.Ev;
  return c;
}

// The soil pressure under a spread footing: eccentricity and edge pressures.
struct Pressure {
  float e = 0.0f, qtoe = 0.0f, qheel = 0.0f;
  bool partial() const { return std::fabs(e) > S.WF / 6.0f; }
  // Compressed length in partial compression, from the loaded edge.
  float L() const { return 3.0f * (S.WF / 2.0f - std::fabs(e)); }
};

// Vertical reaction of pile row j per unit length of wall.
float PileReaction(int j) { return std::cos(S.PILEB(j)) * S.PLOAD(j) / S.PILES(j); }

struct SectionLoads {
  float V = 0.0f, M = 0.0f;
};

// Shear and moment at the toe face. w is the downward load on the toe per
// unit area: the soil over it and the footing itself.
SectionLoads ToeLoads(int i, const Pressure& p) {
  const float WT = S.WT;
  const float w = (S.HT * S.RHOS + S.TF * S.RHOC) * S.FD(i);
  SectionLoads t;
  // The toe under a trapezoid of pressure from qtoe at the toe to q1 at its face.
  const auto trapezoid = [&](float q1) {
    t.V = q1 * WT + (p.qtoe - q1) * WT / 2.0f - w * WT;
    t.M = q1 * (WT * WT) / 2.0f + (p.qtoe - q1) * (WT * WT) / 3.0f - w * (WT * WT) / 2.0f;
  };

  if (S.IFOOT == KELDOR_PILE_FOOTING) {
    t.V = -w * WT;
    t.M = -w * (WT * WT) / 2.0f;
    for (int j = 1; j <= S.NROWS; ++j) {
      if (!(S.PILEX(j) < WT)) continue;
      const float r = PileReaction(j);
      t.V = t.V + r;
      t.M = t.M + (WT - S.PILEX(j)) * r;
    }
    return t;
  }
  if (!p.partial()) {
    trapezoid(p.qtoe - (p.qtoe - p.qheel) * WT / S.WF);
    return t;
  }
  const float L = p.L();
  if (p.qtoe >= p.qheel) {
    // Pressure from the toe over L.
    if (L <= WT) {
      t.V = p.qtoe * L / 2.0f - w * WT;
      t.M = (WT - L / 3.0f) * p.qtoe * L / 2.0f - w * (WT * WT) / 2.0f;
    } else {
      trapezoid(p.qtoe - p.qtoe * WT / L);
    }
    return t;
  }
  // Pressure from the heel end over L; it may not reach the toe.
  if (S.WF - L >= WT) {
    t.V = -w * WT;
    t.M = -w * (WT * WT) / 2.0f;
  } else {
    const float xp = WT - (S.WF - L);
    const float q1 = p.qheel * xp / L;
    t.V = q1 * xp / 2.0f - w * WT;
    t.M = q1 * (xp * xp) / 6.0f - w * (WT * WT) / 2.0f;
  }
  return t;
}

// Shear and moment at the heel face: the heel slab, the soil and the
// surcharge over the heel and the vertical components of the lateral loads
// push down, the soil pressure or the piles behind the heel face push up.
SectionLoads HeelLoads(int i, const Geometry& g, const CombinationLoads& c, const Pressure& p) {
  const float Lh = g.Lh, xh = g.xh;
  const float Wh = Lh * S.TF * S.RHOC;
  const float xs = S.WSOIL > 0.0f ? S.MSOIL / S.WSOIL : 0.0f;
  // The uniform surcharge over the heel: WSURV without the part over the
  // battered back face of the stem. The surcharge lines of an irregular
  // backfill act through the wedge force.
  float Ws = 0.0f, xw = 0.0f;
  if (S.ISOIL != KELDOR_IRREGULAR) {
    Ws = S.WSURV - S.SUR * S.H * std::tan(S.BW);
    if (Ws > 0.0f) {
      xw = (S.MSURV - (S.WT + S.TWMIN + 0.5f * S.H * std::tan(S.BW)) * S.SUR * S.H *
                          std::tan(S.BW)) /
           Ws;
    }
  }
  const float Vdown = (Wh + S.WSOIL) * S.FD(i) + Ws * S.FSUR(i) + c.Ev;
  const float Mdown = Wh * S.FD(i) * Lh / 2.0f + S.WSOIL * S.FD(i) * (xs - xh) +
                      Ws * S.FSUR(i) * (xw - xh) + c.Ev * Lh;

  SectionLoads h{Vdown, Mdown};
  if (S.IFOOT == KELDOR_PILE_FOOTING) {
    // Rows under the stem (WT <= x <= xh) belong to neither cantilever.
    for (int j = 1; j <= S.NROWS; ++j) {
      if (!(S.PILEX(j) > xh)) continue;
      const float r = PileReaction(j);
      h.V = h.V - r;
      h.M = h.M - (S.PILEX(j) - xh) * r;
    }
    return h;
  }
  if (!p.partial()) {
    // A trapezoid from q2 at the heel face to qheel at the heel end.
    const float q2 = p.qtoe - (S.WF - Lh) * (p.qtoe - p.qheel) / S.WF;
    h.V = Vdown - p.qheel * Lh - (q2 - p.qheel) * Lh / 2.0f;
    h.M = Mdown - p.qheel * (Lh * Lh) / 2.0f - (q2 - p.qheel) * (Lh * Lh) / 6.0f;
    return h;
  }
  const float L = p.L();
  if (p.qtoe >= p.qheel) {
    // Pressure from the toe over L; it may not reach the heel.
    if (S.WF - Lh >= L) return h;
    const float q2 = p.qtoe - (S.WF - Lh) * p.qtoe / L;
    const float xp = Lh - (S.WF - L);
    h.V = Vdown - q2 * xp / 2.0f;
    h.M = Mdown - q2 * (xp * xp) / 6.0f;
    return h;
  }
  // Pressure from the heel end over L.
  if (L <= Lh) {
    const float R = p.qheel * L / 2.0f;  // acts Lh - L/3 from the heel face
    h.V = Vdown - R;
    h.M = Mdown - (Lh - L / 3.0f) * R;
  } else {
    const float q2 = p.qheel - p.qheel * Lh / L;
    h.V = Vdown - q2 * Lh - (p.qheel - q2) * Lh / 2.0f;
    h.M = Mdown - q2 * (Lh * Lh) / 2.0f - (p.qheel - q2) * (Lh * Lh) / 3.0f;
  }
  return h;
}

bool Finite(float a, float b) { return std::isfinite(a) && std::isfinite(b); }

// No footing design is possible: the foundation takes no load of this
// combination, or a load of it has no finite value. The trial is rejected;
// a review says so whatever IPRINT is.
void NoDesign() {
  S.IOK = 0;
  if (S.IMODE == KELDOR_DESIGN) return;
  S.report.blank();
  ReportFailure("     NO FOOTING DESIGN POSSIBLE ***", Unchecked(KELDOR_CHECK_FOOTING_LOADS));
}

void WriteLoads(const char* member, const SectionLoads& s) {
  TextFile& out = S.report;
  out.blank();
  out.line(member);
  out.blank();
  out.line("     Shear  = " + G(s.V));
  out.line("     Moment = " + G(s.M));
}

// The running maxima of one design pass.
struct PassMaxima {
  float toe = 0.0f, heel = 0.0f;  // required thicknesses
};

// Designs or checks one face with the loads in VDES and MDES. A review checks
// the footing's thickness with the face's given `steel`; a design keeps the
// largest thickness in `thickness` and the largest steel in `steel`, the
// first combination of a pass starting both afresh.
void DesignOrCheck(int i, float& thickness, float& steel) {
  if (S.IMODE != KELDOR_DESIGN) {
    S.TSEC = S.TF;
    S.ASEC = steel;
    SectionCheck();
    return;
  }
  SectionDesign();
  if (i == 1 || S.TSEC > thickness) thickness = S.TSEC;
  if (i == 1 || S.ASEC > steel) steel = S.ASEC;
}

// Makes the loads of a face the section's design loads, with the steel at
// `cover` from that face, and writes them when printing. Returns false, after
// saying that no footing design is possible, when they are not finite.
bool TakeSectionLoads(const char* label, const SectionLoads& loads, float cover, bool print) {
  if (!Finite(loads.V, loads.M)) {
    NoDesign();
    return false;
  }
  if (print) WriteLoads(label, loads);
  S.VDES = loads.V;
  S.MDES = loads.M;
  S.CSEC = S.DBAR / 2.0f + cover;
  return true;
}

// One load combination of a pass. Returns false when no footing design is
// possible; the routine then ends.
bool Combination(int i, const Geometry& g, PassMaxima& maxima) {
  TextFile& out = S.report;
  const bool print = S.IPRINT == 1;

  CheckPlace(KELDOR_AT_FOOTING, i);
  CombinationLoads c = LoadsOf(i);
  if (print) {
    out.blank();
    out.line(" LOAD COMBINATION " + I(i, 3) + ":");
    out.blank();
  }
  if (!Finite(c.Fh, c.Mo) || !Finite(c.W, c.RM)) {
    NoDesign();
    return false;
  }
  if (print) {
    out.line("   Lateral force      = " + G(c.Fh));
    out.line("   Overturning moment = " + G(c.Mo));
    out.line("   Weight             = " + G(c.W));
    out.line("   Righting moment    = " + G(c.RM));
  }

  Pressure p;
  if (S.IFOOT == KELDOR_PILE_FOOTING) {
    float Vp = 0.0f, Hall = 0.0f, Pmax = 0.0f, Pmin = 0.0f;
    if (!PileGroup(c.W, c.Mo, c.RM, Vp, Hall, Pmax, Pmin)) {
      NoDesign();  // the group cannot carry it; PileGroup has said why
      return false;
    }
  } else if (!SoilPressure(c.Mo, c.RM, c.W, p.e, p.qtoe, p.qheel)) {
    NoDesign();  // no pressure under the footing; SoilPressure has said why
    return false;
  }

  // Toe: tension at the bottom.
  if (!TakeSectionLoads("   FOOTING TOE:", ToeLoads(i, p), S.CFBOT, print)) return false;
  CheckPlace(KELDOR_AT_TOE, i);
  DesignOrCheck(i, maxima.toe, S.ASFBOT);
  CheckPlace(KELDOR_AT_FOOTING, i);

  // Heel: tension at the top, unless the upward pressure wins.
  const SectionLoads heel = HeelLoads(i, g, c, p);
  if (!TakeSectionLoads("   FOOTING HEEL:", heel, S.CFTOP, print)) return false;
  if (heel.M < 0.0f) {
    S.CSEC = S.DBAR / 2.0f + S.CFBOT;
    if (print) {
      out.blank();
      out.line("     NOTE: LOAD REVERSAL IN FOOTING HEEL PRODUCES");
      ReportMessage("           TENSION IN BOTTOM OF HEEL ***");
    }
  }
  CheckPlace(KELDOR_AT_HEEL, i);
  // The heel's steel is the top steel, even under a load reversal.
  DesignOrCheck(i, maxima.heel, S.ASFTOP);
  return true;
}

}  // namespace

void FootingDesign() {
  const bool design = S.IMODE == KELDOR_DESIGN;
  const Geometry g = FootingGeometry();
  S.TMIN = S.TFMIN;
  PassMaxima maxima{S.TFMIN, S.TFMIN};

  for (int pass = 1;; ++pass) {
    S.VDES = 0.0f;
    S.MDES = 0.0f;
    if (S.IPRINT == 1) Heading(S.report, " F O O T I N G   D E S I G N");
    for (int i = 1; i <= S.NLC; ++i) {
      if (!Combination(i, g, maxima)) return;
    }
    if (!design || pass == 2) return;

    // The first pass of a design fixes the thickness: the larger of the two
    // faces' (never below TFMIN, but possibly below the thickness the trial
    // started with). The second pass designs the steel for it, with the
    // weights of the new footing.
    S.TF = maxima.toe > maxima.heel ? maxima.toe : maxima.heel;
    S.TMIN = S.TF;
    S.ASFTOP = 0.0f;
    S.ASFBOT = 0.0f;
    WeightsAndMoments();
  }
}

}  // namespace keldor
