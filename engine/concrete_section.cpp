// Design and check of one rectangular reinforced-concrete section of unit
// width, by ultimate strength (IDESIGN = 1) or working stress (IDESIGN = 2).
//
// The caller loads VDES, MDES, TMIN, CSEC (and TSEC, ASEC for a check) and
// reads TSEC, ASEC, VDES and MDES back. Every formula is evaluated in float in
// the order it is written, so the digits match a 32-bit implementation.
#include "concrete_section.h"

#include <cmath>
#include <string>

#include "format.h"
#include "results.h"
#include "state.h"

namespace keldor {

namespace {

bool Metric() { return S.IUNITS == KELDOR_SI; }

// Stress-block factor: 0.85, reduced above 4000 psi (30 MPa), never below 0.65.
float Beta1() {
  float beta1 = 0.85f;
  if (Metric()) {
    if (S.FC > 30.0f) beta1 = 0.85f - 0.008f * (S.FC - 30.0f);
  } else {
    if (S.FC > 4000.0f) beta1 = 0.85f - 0.00005f * (S.FC - 4000.0f);
  }
  if (beta1 < 0.65f) beta1 = 0.65f;
  return beta1;
}

// Balanced steel ratio.
float BalancedRatio() {
  const float es = Metric() ? 600.0f : 87000.0f;
  return Beta1() * 0.85f * S.FC * es / ((S.FS + es) * S.FS);
}

// 1.2 times the cracking moment of a section `t` thick (modulus of rupture
// 7.5 sqrt(f'c) psi or 0.625 sqrt(f'c) MPa).
float CrackingMomentLimit(float t) {
  const float modulus = t * t / 6.0f;
  if (Metric()) return 9.0f * std::sqrt(S.FC) * modulus / 12.0f;
  return 9.0f * std::sqrt(S.FC) * modulus;
}

// Minimum steel: the moment is raised to 1.2 Mcr, but never above 4/3 of itself.
void RaiseToMinimumSteel(float t) {
  const float mu = S.MDES;
  const float mm = CrackingMomentLimit(t);
  if (mm <= mu) {
    S.MDES = mu;
  } else if (mm <= 4.0f * mu / 3.0f) {
    S.MDES = mm;
  } else {
    S.MDES = 4.0f * mu / 3.0f;
  }
}

// Unit shear strength of the concrete.
float ShearStrength() {
  const float v =
      S.IDESIGN == KELDOR_ULTIMATE_STRENGTH ? 1.7f * std::sqrt(S.FC) : 0.95f * std::sqrt(S.FC);
  return Metric() ? v / 12.0f : v;
}

// Working stress: n, the allowables and the balanced k, j of the design.
float ModularRatio() { return S.ES / S.EC; }
float AllowableConcrete() { return 0.4f * S.FC; }
float AllowableSteel() { return 0.4f * S.FS; }

// A section that cannot be designed: the trial is rejected and the steel area
// stays as it was.
void DesignFails() { S.IOK = 0; }

// A check passes while demand / capacity stays below 1.01; a capacity that is
// not a positive number (no effective depth, no steel, no strength) fails.
bool Passes(float demand, float capacity) {
  return capacity > 0.0f && RatioPasses(demand, capacity);
}

// A value that cannot be computed (a zero strength) is shown as 0: its check
// has already failed on it.
float Shown(float value) { return std::isfinite(value) ? value : 0.0f; }

// A capacity against its design value, the capacity written first:
// "<capacity label><capacity> > <design label><design> OKAY", or "<" and
// "NG ***" with a capacity that cannot be computed shown as 0.
void CapacityCheck(int check, const char* capacityLabel, float capacity, const char* designLabel,
                   float design) {
  const CheckValues values = Demand(check, design, Shown(capacity));
  if (Passes(design, capacity)) {
    ReportCheck(capacityLabel + G(capacity) + " > " + designLabel + G(design) + " OKAY", values,
                true);
  } else {
    ReportCheck(capacityLabel + G(Shown(capacity)) + " < " + designLabel + G(design) + " NG ***",
                values, false);
  }
}

// A value against its limit, the value written first: "<label><value> <
// <limit label><limit> OKAY", or ">" and "NG ***" with `failedLimit` (the
// limit as a failed check shows and records it).
void LimitCheck(int check, const char* label, float value, const char* limitLabel, float limit,
                float failedLimit) {
  const CheckValues values = Demand(check, value, failedLimit);
  if (Passes(value, limit)) {
    ReportCheck(label + G(value) + " < " + limitLabel + G(limit) + " OKAY", values, true);
  } else {
    ReportCheck(label + G(value) + " > " + limitLabel + G(failedLimit) + " NG ***", values, false);
  }
}

void UltimateStrengthChecks(float d) {
  const float rhomax = S.RATIO * BalancedRatio();
  RaiseToMinimumSteel(S.TSEC);

  float phivc = 1.7f * std::sqrt(S.FC) * d;
  if (Metric()) phivc = phivc / 12.0f;
  const float phimn = 0.9f * S.ASEC * S.FS * (d - 0.59f * S.ASEC * S.FS / S.FC);
  const float limit = rhomax * d;

  S.report.blank();
  CapacityCheck(KELDOR_CHECK_SHEAR, "     Shear capacity  = ", phivc, "Design shear  = ", S.VDES);
  CapacityCheck(KELDOR_CHECK_MOMENT, "     Moment capacity = ", phimn, "Design moment = ", S.MDES);
  LimitCheck(KELDOR_CHECK_STEEL_AREA, "     Steel area      = ", S.ASEC, "Max stl area  = ", limit,
             Shown(limit));
}

void WorkingStressChecks(float d) {
  float vd = 0.95f * std::sqrt(S.FC) * d;
  if (Metric()) vd = vd / 12.0f;

  // Neutral axis of the cracked section with the given steel.
  const float n = ModularRatio();
  const float rho = S.ASEC / d;
  const float k = std::sqrt(2.0f * rho * n + (rho * n) * (rho * n)) - rho * n;
  const float j = 1.0f - k / 3.0f;
  float fs = 0.0f, fc = 0.0f;
  if (S.ASEC > 0.0f) {
    fs = S.MDES / (j * S.ASEC * d);
    fc = 2.0f * S.MDES / ((d * d) * k * j);
  }
  const float fsa = AllowableSteel();
  const float fca = AllowableConcrete();

  S.report.blank();
  CapacityCheck(KELDOR_CHECK_SHEAR, "     Shear capacity     = ", vd, "Design shear     = ",
                S.VDES);
  // No effective depth, a moment without steel, or no concrete strength: the
  // stresses have no value, and the section fails.
  const bool defined = d > 0.0f && std::isfinite(fs) && std::isfinite(fc) &&
                       (S.ASEC > 0.0f || S.MDES == 0.0f);
  if (!defined) {
    ReportFailure("     STRESSES CANNOT BE COMPUTED FOR THIS SECTION ***",
                  Unchecked(KELDOR_CHECK_STEEL_STRESS));
    return;
  }
  LimitCheck(KELDOR_CHECK_STEEL_STRESS, "     Stress in steel    = ", fs, "Allowable stress = ", fsa,
             fsa);
  LimitCheck(KELDOR_CHECK_CONCRETE_STRESS, "     Stress in concrete = ", fc, "Allowable stress = ",
             fca, fca);
}

}  // namespace

void SectionDesign() {
  S.VDES = std::fabs(S.VDES);
  S.MDES = std::fabs(S.MDES);

  // Effective depth needed for bending at the chosen steel ratio.
  float rho = 0.0f, d2 = 0.0f, j = 0.0f;
  if (S.IDESIGN == KELDOR_ULTIMATE_STRENGTH) {
    rho = S.RATIO * BalancedRatio();
    d2 = S.MDES / (0.9f * rho * S.FS * (1.0f - 0.5f * rho * S.FS / (0.85f * S.FC)));
  } else {
    const float n = ModularRatio();
    const float fca = AllowableConcrete();
    const float k = n * fca / (n * fca + AllowableSteel());
    j = 1.0f - k / 3.0f;
    d2 = 2.0f * S.MDES / (fca * k * j);
  }

  // No moment: the member keeps its thickness and needs no steel.
  if (S.MDES == 0.0f) {
    S.TSEC = S.TMIN;
    S.ASEC = 0.0f;
    return;
  }
  // A moment that no depth carries (a zero or out-of-range strength or steel
  // ratio): the section cannot be designed.
  if (!(d2 > 0.0f) || !std::isfinite(d2)) {
    S.TSEC = S.TMIN;
    DesignFails();
    return;
  }

  float d = std::sqrt(d2);
  S.TSEC = d + S.CSEC;
  const float shear_depth = S.VDES / ShearStrength();
  if (shear_depth + S.CSEC > S.TSEC) S.TSEC = shear_depth + S.CSEC;
  if (!std::isfinite(S.TSEC)) {  // shear with no concrete strength
    S.TSEC = S.TMIN;
    DesignFails();
    return;
  }

  // Rounding: a thickness above the minimum always moves up to the next whole
  // inch (10 mm), so an exact 12.0 in becomes 13 in; the minimum itself is
  // kept unrounded.
  if (S.TSEC > S.TMIN) {
    if (Metric()) {
      S.TSEC = std::trunc(S.TSEC / 10.0f) * 10.0f + 10.0f;
    } else {
      S.TSEC = std::trunc(S.TSEC) + 1.0f;
    }
  } else {
    S.TSEC = S.TMIN;
  }
  d = S.TSEC - S.CSEC;

  float asec = 0.0f;
  if (S.IDESIGN == KELDOR_ULTIMATE_STRENGTH) {
    RaiseToMinimumSteel(S.TSEC);
    // Steel from MDES = 0.9 As fy (d - 0.59 As fy / f'c); 2.124 = 4 x 0.9 x
    // 0.59 and 1.062 = 2 x 0.9 x 0.59.
    const float rr = S.MDES / (d * d);
    const float disc = (0.9f * S.FC) * (0.9f * S.FC) - 2.124f * S.FC * rr;
    if (!(disc > 0.0f)) {
      DesignFails();
      return;
    }
    asec = ((0.9f * S.FC - std::sqrt(disc)) / (1.062f * S.FC)) * (S.FC / S.FS) * d;
  } else {
    asec = S.MDES / (AllowableSteel() * j * d);
  }
  if (!std::isfinite(asec)) {  // no steel strength
    DesignFails();
    return;
  }
  S.ASEC = asec;

  if (S.IPRINT != 1) return;
  TextFile& r = S.report;
  r.blank();
  r.line("     Design moment   = " + G(S.MDES));
  r.line("     Wall thickness  = " + G(S.TSEC));
  r.line("     Steel area      = " + G(S.ASEC));
  if (S.IDESIGN == KELDOR_ULTIMATE_STRENGTH) r.line("     Max steel area  = " + G(rho * d));
}

void SectionCheck() {
  S.VDES = std::fabs(S.VDES);
  S.MDES = std::fabs(S.MDES);
  const float d = S.TSEC - S.CSEC;
  if (S.IDESIGN == KELDOR_ULTIMATE_STRENGTH) {
    UltimateStrengthChecks(d);
  } else {
    WorkingStressChecks(d);
  }
}

}  // namespace keldor
