#include "load_combinations.h"

#include <cmath>

#include "format.h"
#include "geometry.h"
#include "state.h"
#include "trial_wedge.h"

namespace keldor {

LateralLoads LateralComponents() {
  LateralLoads l;
  const float topArm = S.H + S.TF;  // the shears at the top act this high
  l.VWL = S.VW;
  l.MWL = S.VW * topArm + S.MW;
  if (S.ISOIL == KELDOR_IRREGULAR) {
    l.irregular = true;
    S.ILOC = KELDOR_FOOTING_PLANE;
    TrialWedge();
    l.PE = S.PEH;
    l.ME = S.PEH * S.YAPPE;
    l.PES = S.PESH;
    l.MES = S.PESH * S.YAPPES;
    l.PEQH = S.PEQH;
    l.VEQL = S.VEQ + S.PEQH;
    l.MEQL = S.PEQH * S.YAPPEQ + S.VEQ * topArm + S.MEQ;
    return l;
  }
  // Constant slope: the backfill rises at BETA from the top of the back face,
  // so the loaded height at the heel end is HP.
  const float HP = S.H + S.TF + HeelBehindStem() * std::tan(S.BETA);
  l.PE = 0.5f * S.KA * S.RHOS * (HP * HP);
  l.ME = l.PE * S.YE * HP;
  l.PSL = S.KA * S.SUR * HP;
  l.MSL = 0.5f * l.PSL * HP;
  S.PEQH = 0.5f * S.KAEQ * S.RHOS * (HP * HP);
  l.PEQH = S.PEQH;
  l.VEQL = S.VEQ + S.PEQH;
  l.MEQL = S.PEQH * S.YEQ * HP + S.VEQ * topArm + S.MEQ;
  return l;
}

float WallFriction(int i) {
  if (S.FW(i) > 0.0f) return S.SSW;
  if (S.FEQ(i) > 0.0f) return S.SSEQ;
  return S.SS;
}

Resultants CombinationResultants(const LateralLoads& l, int i) {
  Resultants r;
  if (S.FD(i) > 0.0f) {
    r.V = S.WDEAD;
    r.VT = S.WDEAD;
    r.MR = S.MDEAD;
  }
  if (S.FL(i) > 0.0f) {
    r.V += S.WLIVE;
    r.VT += S.WLIVE;
    r.MR += S.MLIVE;
  }
  const float c = WallFriction(i);
  if (S.FE(i) > 0.0f) {
    // With an irregular backfill the surcharge lines act through the wedge.
    const bool withSurcharge = l.irregular && S.FSUR(i) > 0.0f;
    const float Pe = withSurcharge ? l.PES : l.PE;
    const float Me = withSurcharge ? l.MES : l.ME;
    r.HL = Pe;
    r.MO = Me;
    // The vertical earth component acts at the heel end.
    r.V += c * Pe;
    r.MR += S.WF * c * Pe;
  }
  if (S.FSUR(i) > 0.0f) {
    r.HL += l.PSL;
    r.MO += l.MSL;
    r.V += S.WSURV + c * l.PSL;
    r.VT += S.WSURV;
    r.MR += S.MSURV + S.WF * c * l.PSL;
  }
  if (S.FW(i) > 0.0f) {
    r.HL += l.VWL;
    r.MO += l.MWL;
  }
  if (S.FEQ(i) > 0.0f) {
    r.HL += l.VEQL;
    r.MO += l.MEQL;
    r.V += S.SSEQ * l.PEQH;
    r.MR += S.WF * S.SSEQ * l.PEQH;
  }
  return r;
}

void WriteCombinationBlock(int i, const Resultants& r) {
  TextFile& out = S.report;
  out.blank();
  out.line(" LOAD COMBINATION " + I(i, 3) + ":");
  out.blank();
  out.line("   Lateral force      = " + G(r.HL));
  out.line("   Overturning moment = " + G(r.MO));
  out.line("   Total weight       = " + G(r.V));
  out.line("   Righting moment    = " + G(r.MR));
}

LoadSet LoadSetOf(int i) {
  LoadSet set = LoadSet::kRegular;
  if (S.FW(i) > 0.0f) set = LoadSet::kWind;
  if (S.FEQ(i) > 0.0f) set = LoadSet::kSeismic;
  return set;
}

LoadSetValues ValuesOf(LoadSet set) {
  LoadSetValues v;
  switch (set) {
    case LoadSet::kRegular:
      v = {S.SFOT, S.SFSL, S.Q, S.CS, S.KP, S.PILEP, S.PILEV, 0.0f};
      break;
    case LoadSet::kWind:
      v = {S.SFOTW, S.SFSLW, S.QW, S.CSW, S.KP, S.PILEPW, S.PILEVW, 0.0f};
      break;
    case LoadSet::kSeismic:
      v = {S.SFOTEQ, S.SFSLEQ, S.QEQ, S.CSEQ, S.KPEQ, S.PILEPEQ, S.PILEVEQ, 0.0f};
      break;
  }
  v.PP = PassiveResistance(v.KP);
  return v;
}

void PileLoadCombinations() {
  const LateralLoads loads = LateralComponents();
  for (int i = 1; i <= S.NLC; ++i) {
    const Resultants r = CombinationResultants(loads, i);
    if (S.IPRINT == 1) WriteCombinationBlock(i, r);
    S.HCOMB(i) = r.HL;
    S.VCOMB(i) = r.V;
    S.MRCOMB(i) = r.MR;
    S.MOCOMB(i) = r.MO;
  }
}

}  // namespace keldor
