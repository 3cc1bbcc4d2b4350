// What a run found, recorded while its report is written: the outcome, the
// final geometry and steel, the earth forces, every check and every message
// line, each with the number of its report line. The analyses record their
// own values here as they write them; nothing is read back from the report.
// The record is cleared at the start of every run and read through the GET
// operations of keldor.h.
#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace keldor {

// A value the run did not compute (a check whose figures cannot be had).
inline constexpr float kNoValue = std::numeric_limits<float>::quiet_NaN();

// One check line of the report.
struct CheckRow {
  std::int32_t line = 0;         // report line number, from 1
  std::int32_t place = 0;        // KELDOR_AT_...
  std::int32_t combination = 0;  // load combination; 0 for the maxima of all
  std::int32_t loadSet = 0;      // KELDOR_REGULAR_SET ...; 0 without a combination
  std::int32_t kind = 0;         // KELDOR_CHECK_...
  float value = 0.0f;  // the demand, or the actual safety factor
  float limit = 0.0f;  // the capacity or allowable, or the required safety factor
  float ratio = 0.0f;  // value / limit, or required / actual for a safety factor
  bool passes = false; // the report's verdict: OKAY (true) or NG
};

// One message line of the report (a line ending in " ***" that is no check).
struct MessageRow {
  std::int32_t line = 0;
  std::string text;
};

// The lateral earth forces one analysis used: horizontal forces and their
// heights above the base of the back plane. For an irregular backfill the
// critical wedges' failure angles (degrees) and equivalent coefficients; for
// a constant slope the coefficients given and no angle.
struct EarthForces {
  bool computed = false;
  float earth = 0.0f, earthHeight = 0.0f;
  float withSurcharge = 0.0f, withSurchargeHeight = 0.0f;
  float seismic = 0.0f, seismicHeight = 0.0f;
  float angle[3] = {kNoValue, kNoValue, kNoValue};        // earth, with surcharge, seismic
  float coefficient[3] = {kNoValue, kNoValue, kNoValue};
};

// A pile row of the final analysis with the extremes of its axial load over
// the load combinations of the pile analysis.
struct PileRow {
  float x = 0.0f, batter = 0.0f, spacing = 0.0f;  // batter in degrees
  float maxLoad = kNoValue, minLoad = kNoValue;
};

// The base reaction of one load combination of the final analysis: for a
// spread footing the eccentricity (from the centre, positive towards the toe)
// and the toe and heel pressures; for a pile footing the axial load of one
// pile of each row.
struct BaseReaction {
  std::int32_t combination = 0;
  float eccentricity = kNoValue, toe = kNoValue, heel = kNoValue;
  std::vector<float> pileLoads;
};

struct RunResults {
  std::int32_t status = 0;  // KELDOR_NO_RESULTS, KELDOR_COMPLETE, KELDOR_STOPPED
  std::int32_t mode = 0;    // the mode asked for (a design ends in review mode)
  bool analysed = false;    // the final analysis ran: the geometry below is its
  bool converged = false;   // design mode: a design was found

  // The final geometry and steel (BW in degrees; tb the stem base thickness,
  // heel the heel length behind the stem).
  float H = 0, HT = 0, TF = 0, WT = 0, WF = 0, DK = 0, TWMIN = 0, BW = 0, tb = 0, heel = 0;
  float ASW = 0, ASFTOP = 0, ASFBOT = 0, NPILES = 0;
  std::vector<PileRow> piles;
  std::vector<BaseReaction> reactions;  // in the order the combinations were analysed

  EarthForces stem, footing;
  std::vector<CheckRow> checks;
  std::vector<MessageRow> messages;

  // Where the checks now being written are made.
  std::int32_t place = 0, combination = 0;
};

// The values of one check: the figures and the ratio the verdict rests on.
struct CheckValues {
  std::int32_t kind;
  float value, limit, ratio;
};
// A demand against its capacity or allowable.
inline CheckValues Demand(std::int32_t kind, float demand, float capacity) {
  return {kind, demand, capacity, demand / capacity};
}
// An actual safety factor against the required one.
inline CheckValues SafetyFactor(std::int32_t kind, float actual, float required) {
  return {kind, actual, required, required / actual};
}
// A failed check without figures.
inline CheckValues Unchecked(std::int32_t kind) { return {kind, kNoValue, kNoValue, kNoValue}; }

// Forgets everything recorded; the mode asked for is kept as given.
void ClearResults(std::int32_t mode);

// The checks that follow are made at `place` for load combination
// `combination` (0: the maxima of all combinations).
void CheckPlace(std::int32_t place, std::int32_t combination);

// Writes a check line on the report and records it with its verdict.
void ReportCheck(std::string_view line, const CheckValues& check, bool passes);
// Writes a message line (ending in " ***") on the report and records it.
void ReportMessage(std::string_view line);
// A message that stands for a failed check: written and recorded as both.
void ReportFailure(std::string_view line, const CheckValues& check);

// Records the earth forces of the stem (ILOC 1) or the footing analysis
// (ILOC 2) as they now stand in the state.
void RecordEarthForces(std::int32_t iloc);
// Records the axial loads the pile rows now carry (PLOAD) into the extremes
// and as the base reaction of the combination now checked.
void RecordPileLoads();
// Records the soil pressure of the combination now checked.
void RecordSoilPressure(float eccentricity, float toe, float heel);
// Records the geometry, the steel and the pile rows of the final analysis.
void RecordFinalGeometry();

}  // namespace keldor
