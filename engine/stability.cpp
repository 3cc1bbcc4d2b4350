#include "stability.h"

#include <cmath>
#include <string>

#include "format.h"
#include "load_combinations.h"
#include "pile_group.h"
#include "results.h"
#include "state.h"

namespace keldor {

namespace {

// A failed check clears IOK. Returns true when the analysis must stop there
// (design mode: the trial is rejected at its first failure).
bool FailStops() {
  S.IOK = 0;
  return S.IMODE == KELDOR_DESIGN;
}

// A safety factor passes while required / actual is below 1.01. A factor that
// is not a positive finite number (a resistance that pushes, an overflow)
// never passes.
bool SafetyFactorPasses(float required, float actual) {
  return actual > 0.0f && std::isfinite(actual) && RatioPasses(required, actual);
}

std::string SafetyFactorLine(const char* label, float actual, const char* relation,
                             float required, const char* verdict) {
  return label + G(actual, 10, 3) + relation + G(required, 10, 3) + verdict;
}

// Sliding, overturning, resultant and bearing of one combination on a spread
// footing. Returns false when the analysis stops.
bool SpreadFootingChecks(int i, const Resultants& r, const LoadSetValues& set) {
  TextFile& out = S.report;
  const bool print = S.IPRINT == 1;

  if (print && S.OPTSL == 0 && r.VT != r.V) out.line("   Sliding weight     = " + G(r.VT));
  const float Vs = S.OPTSL != 0 ? r.V : r.VT;
  float RSL = Vs * set.CS + set.PP;
  RSL = RSL + S.COH * S.WF;
  if (print) out.line("   Sliding resistance = " + G(RSL));

  // Without a lateral force there is nothing to slide the wall, and without
  // an overturning moment nothing to turn it: those checks are not made. The
  // blank line goes before the first safety factor line that is written.
  const char* const kSliding = "   Sliding SF         = ";
  const char* const kOverturning = "   Overturning SF     = ";
  bool slidingChecked = false;
  if (r.HL > 0.0f) {
    slidingChecked = true;
    const float SF = RSL / r.HL;
    const CheckValues check = SafetyFactor(KELDOR_CHECK_SLIDING, SF, set.SFSL);
    if (SafetyFactorPasses(set.SFSL, SF)) {
      if (print) {
        out.blank();
        ReportCheck(SafetyFactorLine(kSliding, SF, " > ", set.SFSL, " OKAY"), check, true);
      }
    } else {
      if (FailStops()) return false;
      out.blank();
      ReportCheck(SafetyFactorLine(kSliding, SF, " < ", set.SFSL, " NG ***"), check, false);
    }
  }
  if (r.MO > 0.0f) {
    const float SF = r.MR / r.MO;
    const CheckValues check = SafetyFactor(KELDOR_CHECK_OVERTURNING, SF, set.SFOT);
    if (SafetyFactorPasses(set.SFOT, SF)) {
      if (print) {
        if (!slidingChecked) out.blank();
        ReportCheck(SafetyFactorLine(kOverturning, SF, " > ", set.SFOT, " OKAY"), check, true);
      }
    } else {
      if (FailStops()) return false;
      if (!slidingChecked) out.blank();
      ReportCheck(SafetyFactorLine(kOverturning, SF, " < ", set.SFOT, " NG ***"), check, false);
    }
  }

  float MO = r.MO, MR = r.MR, V = r.V, e = 0.0f, QTOE = 0.0f, QHEEL = 0.0f;
  if (!SoilPressure(MO, MR, V, e, QTOE, QHEEL)) {
    // No pressure under the footing; SoilPressure has said why. A resultant
    // off the base still has its eccentricity; no vertical load has none.
    if (print) RecordSoilPressure(std::fabs(e) >= S.WF / 2.0f ? e : kNoValue, QTOE, QHEEL);
    return !FailStops();
  }
  if (print) RecordSoilPressure(e, QTOE, QHEEL);

  // Regular loads must keep the resultant in the middle third; wind and
  // seismic combinations may leave it and go on to the bearing check.
  const bool windOrSeismic = S.FW(i) > 0.0f || S.FEQ(i) > 0.0f;
  if (std::fabs(e) > S.WF / 6.0f && !windOrSeismic) {
    if (FailStops()) return false;
    out.blank();
    ReportFailure("     RESULTANT PRESSURE IS OUTSIDE OF KERN ***",
                  Demand(KELDOR_CHECK_RESULTANT, std::fabs(e), S.WF / 6.0f));
    return true;
  }

  const float QMAX = QTOE > QHEEL ? QTOE : QHEEL;
  const CheckValues bearing = Demand(KELDOR_CHECK_BEARING, QMAX, set.Q);
  if (RatioPasses(QMAX, set.Q)) {
    if (print && QMAX != 0.0f) {
      out.blank();
      ReportCheck("     Max pressure  = " + G(QMAX) + " < " + G(set.Q) + " OKAY", bearing, true);
    }
  } else {
    if (FailStops()) return false;
    out.blank();
    ReportCheck("     Max pressure  = " + G(QMAX) + " > " + G(set.Q) + " NG ***", bearing, false);
  }
  return true;
}

// Pile axial loads and lateral capacity of one combination. Returns false
// when the analysis stops.
bool PileFootingChecks(int i, const Resultants& r, const LoadSetValues& set) {
  if (S.IMODE == KELDOR_DESIGN) {
    S.HCOMB(i) = r.HL;
    S.VCOMB(i) = r.V;
    S.MRCOMB(i) = r.MR;
    S.MOCOMB(i) = r.MO;
  }

  float W = r.V, Mo = r.MO, RM = r.MR, Vp = set.PILEV;
  float Hall = 0.0f, Pmax = 0.0f, Pmin = 0.0f;
  if (!PileGroup(W, Mo, RM, Vp, Hall, Pmax, Pmin)) {
    // The group cannot carry the combination; PileGroup has said why.
    return !FailStops();
  }
  if (S.IPRINT == 1) RecordPileLoads();

  // In design mode the first failure rejects the trial; in review mode every
  // failure is written and the analysis goes on.
  const bool design = S.IMODE == KELDOR_DESIGN;
  if (!PileTests(i, r.HL, Hall, Pmax, Pmin, set, PileTestRules::Stability(design))) {
    S.IOK = 0;
    if (design) return false;
  }
  return true;
}

}  // namespace

bool PileTests(int i, float HL, float Hall, float Pmax, float Pmin, const LoadSetValues& set,
               const PileTestRules& rules) {
  TextFile& out = S.report;
  const bool print = S.IPRINT == 1;
  bool passes = true;
  // A failed test: returns true when the tests end here.
  const auto fail = [&passes, &rules]() {
    passes = false;
    return rules.stopAtFailure;
  };

  const char* const kMaximum = "     Maximum axial load = ";
  const bool compression =
      rules.onePercent ? RatioPasses(Pmax, set.PILEP) : Pmax <= set.PILEP;
  const CheckValues axial = Demand(KELDOR_CHECK_PILE_COMPRESSION, Pmax, set.PILEP);
  if (compression) {
    if (print) {
      out.blank();
      ReportCheck(kMaximum + G(Pmax) + " < Allowable compression  = " + G(set.PILEP) + " OKAY",
                  axial, true);
    }
  } else {
    if (fail()) return false;
    if (rules.writeFailures) {
      out.blank();
      ReportCheck(kMaximum + G(Pmax) + " > Allowable compression  = " + G(set.PILEP) + " NG ***",
                  axial, false);
    }
  }

  const char* const kMinimum = "     Minimum axial load = ";
  if (Pmin < 0.0f) {
    if (!(S.FW(i) > 0.0f) && !(S.FEQ(i) > 0.0f)) {
      if (fail()) return false;
      if (rules.writeFailures)
        ReportCheck(kMinimum + G(Pmin) + " NG: PILE IS IN TENSION ***",
                    Demand(KELDOR_CHECK_PILE_TENSION, -Pmin, 0.0f), false);
    } else {
      const float tension = set.PILEP / 2.0f;
      const CheckValues uplift = Demand(KELDOR_CHECK_PILE_TENSION, -Pmin, tension);
      if (std::fabs(Pmin) <= tension) {
        if (print)
          ReportCheck(kMinimum + G(Pmin) + " < Allowable tension      = " + G(tension) + " OKAY",
                      uplift, true);
      } else {
        if (fail()) return false;
        if (rules.writeFailures)
          ReportCheck(kMinimum + G(Pmin) + " > Allowable tension      = " + G(tension) +
                          " NG ***",
                      uplift, false);
      }
    }
  }

  // The passive resistance in front of the footing adds to the piles'.
  Hall = Hall + set.PP;
  const char* const kLateral = "     Total lateral load = ";
  const CheckValues lateral = Demand(KELDOR_CHECK_PILE_LATERAL, HL, Hall);
  if (HL <= Hall) {
    if (print)
      ReportCheck(kLateral + G(HL) + " < Allowable lateral load = " + G(Hall) + " OKAY", lateral,
                  true);
  } else {
    if (fail()) return false;
    if (rules.writeFailures)
      ReportCheck(kLateral + G(HL) + " > Allowable lateral load = " + G(Hall) + " NG ***",
                  lateral, false);
  }

  if (print && set.PP > 0.0f) {
    out.blank();
    out.line("     Note: Allowable lateral load includes ");
    out.line("           passive resistance = " + G(set.PP));
  }
  return passes;
}

void ExternalStability() {
  const bool pile = S.IFOOT == KELDOR_PILE_FOOTING;
  if (S.IPRINT == 1) {
    Heading(S.report, pile ? " P I L E   A N A L Y S I S"
                           : " E X T E R N A L   S T A B I L I T Y   A N A L Y S I S");
  }
  const LateralLoads loads = LateralComponents();
  if (S.IPRINT == 1) RecordEarthForces(KELDOR_FOOTING_PLANE);
  for (int i = 1; i <= S.NLC; ++i) {
    CheckPlace(pile ? KELDOR_AT_PILES : KELDOR_AT_STABILITY, i);
    const Resultants r = CombinationResultants(loads, i);
    if (S.IPRINT == 1) WriteCombinationBlock(i, r);
    const LoadSetValues set = ValuesOf(LoadSetOf(i));
    const bool goOn = pile ? PileFootingChecks(i, r, set) : SpreadFootingChecks(i, r, set);
    if (!goOn) return;
  }
}

bool SoilPressure(float& MO, float& MR, float& V, float& E, float& QTOE, float& QHEEL) {
  TextFile& out = S.report;
  const bool print = S.IPRINT == 1;
  if (print) {
    out.blank();
    out.line("   SOIL PRESSURE:");
  }

  // The resultant lies at x from the toe; without vertical load it has no
  // position (a load too small for its moments counts as none).
  const float x = (MR - MO) / V;
  if (!(V > 0.0f) || !std::isfinite(x)) {
    E = 0.0f;
    QTOE = 0.0f;
    QHEEL = 0.0f;
    if (S.IMODE != KELDOR_DESIGN) {
      out.blank();
      ReportFailure("     NO VERTICAL LOAD ON FOOTING ***", Unchecked(KELDOR_CHECK_RESULTANT));
    }
    return false;
  }
  const float e = S.WF / 2.0f - x;
  E = e;
  const float ae = std::fabs(e);

  if (ae >= S.WF / 2.0f) {
    QTOE = 0.0f;
    QHEEL = 0.0f;
    if (print) {
      out.blank();
      out.line("     Eccentricity  = " + G(e));
      ReportFailure("     RESULTANT PRESSURE IS OUTSIDE OF FOOTING ***",
                    Demand(KELDOR_CHECK_RESULTANT, ae, S.WF / 2.0f));
    }
    return false;
  }

  if (ae > S.WF / 6.0f) {
    // Partial compression: a triangle of pressure over 3 (WF / 2 - |e|).
    const float qmax = 2.0f * V / (3.0f * (S.WF / 2.0f - ae));
    QTOE = e >= 0.0f ? qmax : 0.0f;
    QHEEL = e >= 0.0f ? 0.0f : qmax;
    if (print) {
      out.blank();
      out.line("     Eccentricity  = " + G(e));
      out.line("     Toe pressure  = " + G(QTOE));
      out.line("     Footing is in partial compression");
    }
    return true;
  }

  QTOE = V / S.WF + 6.0f * V * e / (S.WF * S.WF);
  QHEEL = V / S.WF - 6.0f * V * e / (S.WF * S.WF);
  if (print) {
    out.blank();
    out.line("     Eccentricity  = " + G(e));
    out.line("     Toe pressure  = " + G(QTOE));
    out.line("     Heel pressure = " + G(QHEEL));
  }
  return true;
}

}  // namespace keldor
