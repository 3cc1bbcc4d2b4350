#include "run_results.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace fe {

namespace {

std::string Trimmed(const char* field, std::size_t width) {
  std::string s(field, width);
  const auto first = s.find_first_not_of(' ');
  if (first == std::string::npos) return std::string();
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

EarthForceResult ForcesOf(const EngineLibrary& e, std::int32_t iloc) {
  EarthForceResult f;
  e.GETEF(&iloc, &f.earth, &f.earthHeight, &f.withSurcharge, &f.withSurchargeHeight, &f.seismic,
          &f.seismicHeight, f.angle, f.coefficient);
  return f;
}

// How strongly a check governs: its ratio; a failure without a ratio above
// every ratio, a pass without one below.
double Rank(const CheckResult& c) {
  if (std::isfinite(c.ratio)) return c.ratio;
  return c.passes ? -std::numeric_limits<double>::infinity()
                  : std::numeric_limits<double>::infinity();
}

std::string Ratio(float ratio) {
  if (!std::isfinite(ratio)) return "";
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.3f", static_cast<double>(ratio));
  return buf;
}

std::string Checks(const RunResults& r) {
  return std::to_string(r.failures()) + " of " + std::to_string(r.checks.size()) + " checks NG";
}

std::string Describe(const CheckResult& c) {
  std::string s = std::string(CheckName(c.kind)) + " at " + PlaceName(c.place);
  if (c.combination > 0) s += ", load combination " + std::to_string(c.combination);
  const std::string ratio = Ratio(c.ratio);
  return s + (ratio.empty() ? ", no ratio" : ", ratio " + ratio);
}

}  // namespace

int RunResults::failures() const {
  int n = 0;
  for (const CheckResult& c : checks)
    if (!c.passes) ++n;
  return n;
}

const CheckResult* RunResults::governing() const {
  const CheckResult* best = nullptr;
  for (const CheckResult& c : checks)
    if (best == nullptr || Rank(c) > Rank(*best)) best = &c;
  return best;
}

std::vector<std::size_t> RunResults::governingOfEachKind() const {
  std::vector<std::size_t> marked;
  for (std::size_t k = 0; k < checks.size(); ++k) {
    bool governs = true;
    for (std::size_t j = 0; j < checks.size() && governs; ++j) {
      if (checks[j].kind != checks[k].kind || j == k) continue;
      // The first of equal ratios governs.
      if (Rank(checks[j]) > Rank(checks[k]) || (j < k && Rank(checks[j]) == Rank(checks[k])))
        governs = false;
    }
    if (governs) marked.push_back(k);
  }
  return marked;
}

Verdict VerdictOf(const RunResults& r) {
  if (!r.available()) return Verdict::NoResults;
  if (r.status == KELDOR_STOPPED) return Verdict::Stopped;
  if (r.design() && !r.converged) return Verdict::NotConverged;
  return r.failures() > 0 ? Verdict::Fails : Verdict::Passes;
}

RunResults ReadRunResults(const EngineLibrary& e) {
  RunResults r;
  std::int32_t status = 0, units = 0, mode = 0, foot = 0, soil = 0, converged = 0, analysed = 0;
  std::int32_t nchk = 0, nmsg = 0, nrows = 0;
  e.GETRUN(&status, &units, &mode, &foot, &soil, &converged, &analysed, &nchk, &nmsg, &nrows);
  r.status = status;
  if (!r.available()) return r;
  r.units = units;
  r.mode = mode;
  r.foundation = foot;
  r.soil = soil;
  r.converged = converged == 1;
  r.analysed = analysed == 1;

  GeometryResult& g = r.geometry;
  e.GETGEO(&g.H, &g.HT, &g.TF, &g.WT, &g.WF, &g.DK, &g.TWMIN, &g.BW, &g.stemBase, &g.heel,
           &g.ASW, &g.ASFTOP, &g.ASFBOT, &g.NPILES);
  r.stemForces = ForcesOf(e, KELDOR_STEM_PLANE);
  r.footingForces = ForcesOf(e, KELDOR_FOOTING_PLANE);

  for (std::int32_t k = 1; k <= nchk; ++k) {
    CheckResult c;
    std::int32_t line = 0, place = 0, lc = 0, lset = 0, kind = 0;
    char verdict[4];
    e.GETCHK(&k, &line, &place, &lc, &lset, &kind, &c.demand, &c.limit, &c.ratio, verdict);
    c.line = line;
    c.place = place;
    c.combination = lc;
    c.loadSet = lset;
    c.kind = kind;
    c.passes = Trimmed(verdict, 4) == "OKAY";
    r.checks.push_back(c);
  }
  for (std::int32_t k = 1; k <= nmsg; ++k) {
    std::int32_t line = 0;
    char text[132];
    e.GETMSG(&k, &line, text);
    r.messages.push_back({line, Trimmed(text, 132)});
  }
  for (std::int32_t j = 1; j <= nrows; ++j) {
    PileRowResult p;
    e.GETPIL(&j, &p.x, &p.batter, &p.spacing, &p.maxLoad, &p.minLoad);
    r.piles.push_back(p);
  }
  std::int32_t nreact = 0;
  e.GETNRC(&nreact);
  for (std::int32_t k = 1; k <= nreact; ++k) {
    BaseReactionResult b;
    std::int32_t lc = 0, rows = 0;
    e.GETRCT(&k, &lc, &b.eccentricity, &b.toe, &b.heel, &rows);
    b.combination = lc;
    for (std::int32_t j = 1; j <= rows; ++j) {
      float load = 0;
      e.GETRPL(&k, &j, &load);
      b.pileLoads.push_back(load);
    }
    r.reactions.push_back(std::move(b));
  }
  return r;
}

const char* PlaceName(int place) {
  switch (place) {
    case KELDOR_AT_STEM_BASE: return "stem base";
    case KELDOR_AT_STABILITY: return "stability";
    case KELDOR_AT_PILES: return "piles";
    case KELDOR_AT_TOE: return "toe";
    case KELDOR_AT_HEEL: return "heel";
    case KELDOR_AT_FOOTING: return "footing";
    default: return "unknown";
  }
}

const char* CheckName(int kind) {
  switch (kind) {
    case KELDOR_CHECK_SLIDING: return "sliding";
    case KELDOR_CHECK_OVERTURNING: return "overturning";
    case KELDOR_CHECK_RESULTANT: return "resultant location";
    case KELDOR_CHECK_BEARING: return "bearing";
    case KELDOR_CHECK_PILE_COMPRESSION: return "pile compression";
    case KELDOR_CHECK_PILE_TENSION: return "pile tension";
    case KELDOR_CHECK_PILE_LATERAL: return "pile lateral";
    case KELDOR_CHECK_SHEAR: return "shear";
    case KELDOR_CHECK_MOMENT: return "moment";
    case KELDOR_CHECK_STEEL_AREA: return "steel area";
    case KELDOR_CHECK_STEEL_STRESS: return "steel stress";
    case KELDOR_CHECK_CONCRETE_STRESS: return "concrete stress";
    case KELDOR_CHECK_PILE_GROUP: return "pile group";
    case KELDOR_CHECK_FOOTING_LOADS: return "footing loads";
    default: return "unknown";
  }
}

const char* LoadSetName(int loadSet) {
  switch (loadSet) {
    case KELDOR_REGULAR_SET: return "regular";
    case KELDOR_WIND_SET: return "wind";
    case KELDOR_SEISMIC_SET: return "seismic";
    default: return "";
  }
}

const char* ModeName(int mode) { return mode == KELDOR_DESIGN ? "design" : "review"; }

const char* UnitSystemName(int units) { return units == KELDOR_SI ? "SI" : "English"; }

const char* UnitName(int units, Quantity q) {
  const bool si = units == KELDOR_SI;
  switch (q) {
    case Quantity::Length: return si ? "mm" : "in";
    case Quantity::Force: return si ? "N" : "lb";
    case Quantity::ForcePerLength: return si ? "N/mm" : "lb/in";
    case Quantity::MomentPerLength: return si ? "N-mm/mm" : "in-lb/in";
    case Quantity::Stress: return si ? "N/mm^2" : "lb/in^2";
    case Quantity::SteelArea: return si ? "mm^2/mm" : "in^2/in";
    case Quantity::PerLength: return si ? "1/mm" : "1/in";
    case Quantity::Angle: return "deg";
    case Quantity::Ratio: return "1";
  }
  return "";
}

Quantity CheckQuantity(int kind) {
  switch (kind) {
    case KELDOR_CHECK_RESULTANT: return Quantity::Length;
    case KELDOR_CHECK_BEARING:
    case KELDOR_CHECK_STEEL_STRESS:
    case KELDOR_CHECK_CONCRETE_STRESS: return Quantity::Stress;
    case KELDOR_CHECK_PILE_COMPRESSION:
    case KELDOR_CHECK_PILE_TENSION: return Quantity::Force;  // per pile
    case KELDOR_CHECK_PILE_LATERAL:
    case KELDOR_CHECK_SHEAR: return Quantity::ForcePerLength;
    case KELDOR_CHECK_MOMENT: return Quantity::MomentPerLength;
    case KELDOR_CHECK_STEEL_AREA: return Quantity::SteelArea;
    default: return Quantity::Ratio;  // safety factors; failures without figures
  }
}

std::string SummaryLine(const RunResults& r) {
  if (!r.available()) return "No results: the analysis did not finish";
  if (r.status == KELDOR_STOPPED) {
    std::string why = r.messages.empty() ? std::string() : ": " + r.messages.back().text;
    if (why.size() > 4 && why.compare(why.size() - 4, 4, " ***") == 0) why.resize(why.size() - 4);
    return "The analysis stopped" + why;
  }
  if (r.design()) {
    if (!r.converged) return "Design did not converge";
    const GeometryResult& g = r.geometry;
    return "Design converged: toe " + ShortestText(g.WT) + ", footing width " +
           ShortestText(g.WF) + ", footing thickness " + ShortestText(g.TF) + " (" +
           UnitName(r.units, Quantity::Length) + "); " + Checks(r);
  }
  std::string s = "Review finished: " + Checks(r);
  if (const CheckResult* c = r.governing()) s += "; governing: " + Describe(*c);
  return s;
}

namespace {

// The last message without its trailing " ***".
std::string LastMessage(const RunResults& r) {
  if (r.messages.empty()) return std::string();
  std::string m = r.messages.back().text;
  if (m.size() > 4 && m.compare(m.size() - 4, 4, " ***") == 0) m.resize(m.size() - 4);
  return m;
}

}  // namespace

std::string BannerText(const RunResults& r) {
  const std::string n = std::to_string(r.checks.size());
  switch (VerdictOf(r)) {
    case Verdict::NoResults: return "No results: the analysis did not finish";
    case Verdict::Stopped: return "The analysis stopped: " + LastMessage(r);
    case Verdict::NotConverged: return "No design found: the search did not converge";
    case Verdict::Fails: return std::to_string(r.failures()) + " of " + n + " checks fail";
    case Verdict::Passes: return r.checks.size() == 1 ? "The check passes" : "All " + n + " checks pass";
  }
  return std::string();
}

std::string VerdictText(const RunResults& r) {
  const std::string done = r.design() ? "Design converged \u2014 " : "Review finished \u2014 ";
  const int ng = r.failures();
  switch (VerdictOf(r)) {
    case Verdict::NoResults: return "No results: the analysis did not finish";
    case Verdict::Stopped: return "The analysis stopped \u2014 " + LastMessage(r);
    case Verdict::NotConverged: return "Design did not converge";
    case Verdict::Fails: return done + std::to_string(ng) + (ng == 1 ? " check NG" : " checks NG");
    case Verdict::Passes: return done + "all checks pass";
  }
  return std::string();
}

std::string EndOfRunMessage(const RunResults& r) {
  return VerdictOf(r) == Verdict::Passes ? "Program execution complete" : VerdictText(r);
}

std::string ShortestText(float v) {
  if (!std::isfinite(v)) return std::isnan(v) ? "nan" : (v < 0 ? "-inf" : "inf");
  char buf[32];
  const auto res = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, res.ptr);
}

}  // namespace fe
