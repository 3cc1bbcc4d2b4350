// The results of the last run as the engine recorded them: the outcome, the
// final geometry and steel, the earth forces, every check with its verdict
// and every message line, read from the engine right after the run and kept
// as plain values; with the names and units the documents and the window show.
#pragma once

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "engine_library.h"

namespace fe {

struct CheckResult {
  int line = 0;         // report line number, from 1
  int place = 0;        // KELDOR_AT_...
  int combination = 0;  // load combination; 0 for the maxima of all
  int loadSet = 0;      // KELDOR_REGULAR_SET ...; 0 without a combination
  int kind = 0;         // KELDOR_CHECK_...
  float demand = 0.0f;  // the demand, or the actual safety factor (NaN: none)
  float limit = 0.0f;   // capacity, allowable or required safety factor
  float ratio = 0.0f;   // demand / limit, or required / actual safety factor
  bool passes = false;  // the report's verdict: OKAY, else NG
};

struct MessageResult {
  int line = 0;
  std::string text;  // without leading and trailing blanks
};

// Horizontal earth forces and their heights above the back plane's base;
// failure angles (degrees) and equivalent coefficients of earth, earth with
// surcharge and seismic. NaN where the engine computed none.
struct EarthForceResult {
  float earth = 0, earthHeight = 0, withSurcharge = 0, withSurchargeHeight = 0;
  float seismic = 0, seismicHeight = 0;
  float angle[3] = {0, 0, 0}, coefficient[3] = {0, 0, 0};
  bool computed() const { return !std::isnan(earth); }
};

struct PileRowResult {
  float x = 0, batter = 0, spacing = 0, maxLoad = 0, minLoad = 0;
};

// The base reaction of one load combination of the final analysis: for a
// spread footing the eccentricity (positive towards the toe) and the toe and
// heel pressures; for a pile footing the axial load per pile of each row.
struct BaseReactionResult {
  int combination = 0;
  float eccentricity = 0, toe = 0, heel = 0;
  std::vector<float> pileLoads;
};

struct GeometryResult {
  float H = 0, HT = 0, TF = 0, WT = 0, WF = 0, DK = 0, TWMIN = 0, BW = 0;
  float stemBase = 0, heel = 0;  // stem thickness at its base, heel length behind it
  float ASW = 0, ASFTOP = 0, ASFBOT = 0, NPILES = 0;
};

struct RunResults {
  int status = KELDOR_NO_RESULTS;
  int units = 0, mode = 0, foundation = 0, soil = 0;
  bool converged = false;  // design mode: a design was found
  bool analysed = false;   // the final analysis ran: the geometry is its wall
  GeometryResult geometry;
  EarthForceResult stemForces, footingForces;
  std::vector<PileRowResult> piles;
  std::vector<BaseReactionResult> reactions;
  std::vector<CheckResult> checks;
  std::vector<MessageResult> messages;

  bool available() const { return status != KELDOR_NO_RESULTS; }
  bool design() const { return mode == KELDOR_DESIGN; }
  int failures() const;
  // The check with the highest ratio (a failing one without a ratio first);
  // nullptr without checks.
  const CheckResult* governing() const;
  // Every check of the given kind (KELDOR_CHECK_...) with the highest ratio
  // of its kind marked: the indices of those governing checks.
  std::vector<std::size_t> governingOfEachKind() const;
};

// The verdict of a run at a glance.
enum class Verdict {
  NoResults,     // the engine could not finish: no report
  Stopped,       // the report ends early on the message that says why
  NotConverged,  // a design whose search found no wall
  Fails,         // a check is NG
  Passes         // every check passes
};
Verdict VerdictOf(const RunResults& r);

// Reads the results of the engine's last run.
RunResults ReadRunResults(const EngineLibrary& engine);

// Names as documents and the window show them.
const char* PlaceName(int place);       // "stem base", "stability", ...
const char* CheckName(int kind);        // "sliding", "pile compression", ...
const char* LoadSetName(int loadSet);   // "regular", "wind", "seismic", ""
const char* ModeName(int mode);         // "design", "review"
const char* UnitSystemName(int units);  // "English", "SI"

// The units of a run's quantities (English or SI).
enum class Quantity { Length, Force, ForcePerLength, MomentPerLength, Stress, SteelArea,
                      PerLength, Angle, Ratio };
const char* UnitName(int units, Quantity q);
// The quantity a check's demand and limit are in.
Quantity CheckQuantity(int kind);

// The one line keldor-run prints after the report: for a design "Design
// converged: toe 24, footing width 90, footing thickness 15 (in); 0 of 27
// checks NG" or "Design did not converge"; for a review the number of NG
// checks and the governing check.
std::string SummaryLine(const RunResults& r);

// The window's words for the verdict. The banner over the table of checks:
// "All 27 checks pass", "2 of 27 checks fail", "No design found: the search
// did not converge". The status bar's: "Design converged — all checks pass",
// "Review finished — 2 checks NG", "Design did not converge". The message
// at the end of a run: the text's "Program execution complete" when nothing
// failed, else the status bar's words.
std::string BannerText(const RunResults& r);
std::string VerdictText(const RunResults& r);
std::string EndOfRunMessage(const RunResults& r);

// A float as the shortest decimal text that reads back as the same float.
std::string ShortestText(float v);

}  // namespace fe
