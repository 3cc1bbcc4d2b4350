#include "results_json.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <ostream>

#include "atomic_file.h"

namespace fe {

using json = nlohmann::ordered_json;

namespace {

const char* const kFormat = "keldor-results";

// A float as the number its shortest text reads (0.1f is 0.1, not
// 0.100000001); null when it is not finite.
json Number(float v) {
  if (!std::isfinite(v)) return nullptr;
  const std::string text = ShortestText(v);
  double d = 0.0;
  std::from_chars(text.data(), text.data() + text.size(), d);
  return d;
}

float FloatOf(const json& j) {
  if (j.is_null()) return std::numeric_limits<float>::quiet_NaN();
  return static_cast<float>(j.get<double>());
}

json Measure(float v, int units, fe::Quantity q) {
  return {{"value", Number(v)}, {"unit", UnitName(units, q)}};
}

float ValueOf(const json& j) { return FloatOf(j.at("value")); }

const char* VerdictName(Verdict o) {
  switch (o) {
    case Verdict::NoResults: return "no results";
    case Verdict::Stopped: return "stopped";
    case Verdict::NotConverged: return "not converged";
    case Verdict::Fails: return "fail";
    case Verdict::Passes: return "pass";
  }
  return "";
}

// The code whose name is `name` among first ... last, or 0.
int CodeOf(const std::string& name, const char* (*nameOf)(int), int first, int last) {
  for (int c = first; c <= last; ++c)
    if (name == nameOf(c)) return c;
  return 0;
}

json Forces(const EarthForceResult& f, int units) {
  if (!f.computed()) return nullptr;
  const auto one = [units](float force, float height, float angle, float k) {
    return json{{"force", Measure(force, units, fe::Quantity::ForcePerLength)},
                {"height", Measure(height, units, fe::Quantity::Length)},
                {"failure_angle", Measure(angle, units, fe::Quantity::Angle)},
                {"coefficient", Number(k)}};
  };
  return {{"earth", one(f.earth, f.earthHeight, f.angle[0], f.coefficient[0])},
          {"with_surcharge",
           one(f.withSurcharge, f.withSurchargeHeight, f.angle[1], f.coefficient[1])},
          {"seismic", one(f.seismic, f.seismicHeight, f.angle[2], f.coefficient[2])}};
}

EarthForceResult ForcesFrom(const json& j) {
  EarthForceResult f;
  const float nan = std::numeric_limits<float>::quiet_NaN();
  if (j.is_null()) {
    f.earth = f.earthHeight = f.withSurcharge = f.withSurchargeHeight = nan;
    f.seismic = f.seismicHeight = nan;
    for (int k = 0; k < 3; ++k) f.angle[k] = f.coefficient[k] = nan;
    return f;
  }
  const char* names[3] = {"earth", "with_surcharge", "seismic"};
  float* force[3] = {&f.earth, &f.withSurcharge, &f.seismic};
  float* height[3] = {&f.earthHeight, &f.withSurchargeHeight, &f.seismicHeight};
  for (int k = 0; k < 3; ++k) {
    const json& c = j.at(names[k]);
    *force[k] = ValueOf(c.at("force"));
    *height[k] = ValueOf(c.at("height"));
    f.angle[k] = ValueOf(c.at("failure_angle"));
    f.coefficient[k] = FloatOf(c.at("coefficient"));
  }
  return f;
}

struct GeometryField {
  const char* name;
  float GeometryResult::*member;
  fe::Quantity quantity;
};
const GeometryField kGeometry[] = {
    {"H", &GeometryResult::H, fe::Quantity::Length},
    {"HT", &GeometryResult::HT, fe::Quantity::Length},
    {"TF", &GeometryResult::TF, fe::Quantity::Length},
    {"WT", &GeometryResult::WT, fe::Quantity::Length},
    {"WF", &GeometryResult::WF, fe::Quantity::Length},
    {"DK", &GeometryResult::DK, fe::Quantity::Length},
    {"TWMIN", &GeometryResult::TWMIN, fe::Quantity::Length},
    {"BW", &GeometryResult::BW, fe::Quantity::Angle},
    {"stem_base_thickness", &GeometryResult::stemBase, fe::Quantity::Length},
    {"heel_length", &GeometryResult::heel, fe::Quantity::Length},
    {"ASW", &GeometryResult::ASW, fe::Quantity::SteelArea},
    {"ASFTOP", &GeometryResult::ASFTOP, fe::Quantity::SteelArea},
    {"ASFBOT", &GeometryResult::ASFBOT, fe::Quantity::SteelArea},
    {"NPILES", &GeometryResult::NPILES, fe::Quantity::PerLength},
};

}  // namespace

json ResultsJson(const RunResults& r, const std::string& report) {
  const int u = r.units;
  json doc;
  doc["format"] = kFormat;
  doc["version"] = kResultsFormatVersion;
  if (!report.empty()) doc["report"] = report;
  doc["outcome"] = VerdictName(VerdictOf(r));
  doc["summary"] = SummaryLine(r);
  if (!r.available()) return doc;

  doc["status"] = r.status == KELDOR_STOPPED ? "stopped" : "complete";
  doc["mode"] = ModeName(r.mode);
  doc["foundation"] = r.foundation == KELDOR_PILE_FOOTING ? "pile" : "spread";
  doc["soil"] = r.soil == KELDOR_IRREGULAR ? "irregular" : "constant slope";
  doc["units"] = {{"system", UnitSystemName(u)},
                  {"length", UnitName(u, fe::Quantity::Length)},
                  {"force", UnitName(u, fe::Quantity::Force)},
                  {"force_per_length", UnitName(u, fe::Quantity::ForcePerLength)},
                  {"moment_per_length", UnitName(u, fe::Quantity::MomentPerLength)},
                  {"stress", UnitName(u, fe::Quantity::Stress)},
                  {"steel_area", UnitName(u, fe::Quantity::SteelArea)},
                  {"per_length", UnitName(u, fe::Quantity::PerLength)},
                  {"angle", UnitName(u, fe::Quantity::Angle)}};
  doc["converged"] = r.design() ? json(r.converged) : json(nullptr);
  doc["analysed"] = r.analysed;
  doc["checks_total"] = r.checks.size();
  doc["checks_ng"] = r.failures();

  if (r.analysed) {
    json g = json::object();
    for (const GeometryField& f : kGeometry) {
      if (f.member == &GeometryResult::NPILES && r.foundation != KELDOR_PILE_FOOTING) continue;
      g[f.name] = Measure(r.geometry.*f.member, u, f.quantity);
    }
    doc["geometry"] = g;
  } else {
    doc["geometry"] = nullptr;
  }
  json piles = json::array();
  for (std::size_t j = 0; j < r.piles.size(); ++j) {
    const PileRowResult& p = r.piles[j];
    piles.push_back({{"row", j + 1},
                     {"distance", Measure(p.x, u, fe::Quantity::Length)},
                     {"batter", Measure(p.batter, u, fe::Quantity::Angle)},
                     {"spacing", Measure(p.spacing, u, fe::Quantity::Length)},
                     {"max_axial_load", Measure(p.maxLoad, u, fe::Quantity::Force)},
                     {"min_axial_load", Measure(p.minLoad, u, fe::Quantity::Force)}});
  }
  doc["piles"] = piles;
  doc["earth_forces"] = {{"stem", Forces(r.stemForces, u)},
                         {"footing", Forces(r.footingForces, u)}};

  std::vector<bool> governs(r.checks.size(), false);
  for (std::size_t k : r.governingOfEachKind()) governs[k] = true;
  const CheckResult* top = r.governing();
  json checks = json::array();
  for (std::size_t k = 0; k < r.checks.size(); ++k) {
    const CheckResult& c = r.checks[k];
    const fe::Quantity q = CheckQuantity(c.kind);
    checks.push_back({{"line", c.line},
                      {"place", PlaceName(c.place)},
                      {"combination", c.combination > 0 ? json(c.combination) : json(nullptr)},
                      {"load_set", c.loadSet > 0 ? json(LoadSetName(c.loadSet)) : json(nullptr)},
                      {"check", CheckName(c.kind)},
                      {"demand", Measure(c.demand, u, q)},
                      {"limit", Measure(c.limit, u, q)},
                      {"ratio", Number(c.ratio)},
                      {"verdict", c.passes ? "OKAY" : "NG"},
                      {"governing", governs[k]}});
  }
  doc["checks"] = checks;
  doc["governing_check"] = top == nullptr ? json(nullptr) : json(top - r.checks.data());
  json messages = json::array();
  for (const MessageResult& m : r.messages) messages.push_back({{"line", m.line}, {"text", m.text}});
  doc["messages"] = messages;
  return doc;
}

std::string ResultsJsonText(const RunResults& r, const std::string& report) {
  return ResultsJson(r, report).dump(2) + "\n";
}

bool ReadResultsJson(const std::string& text, RunResults* out, std::string* error) {
  try {
    const json doc = json::parse(text);
    if (!doc.is_object() || doc.value("format", "") != kFormat)
      throw std::runtime_error("not a results document");
    if (doc.at("version").get<int>() != kResultsFormatVersion)
      throw std::runtime_error("results format version " + doc.at("version").dump() +
                               " is not known");
    RunResults r;
    if (doc.at("outcome").get<std::string>() == VerdictName(Verdict::NoResults)) {
      *out = r;
      return true;
    }
    r.status = doc.at("status").get<std::string>() == "stopped" ? KELDOR_STOPPED : KELDOR_COMPLETE;
    r.mode = doc.at("mode").get<std::string>() == "design" ? KELDOR_DESIGN : KELDOR_REVIEW;
    r.foundation = doc.at("foundation").get<std::string>() == "pile" ? KELDOR_PILE_FOOTING
                                                                     : KELDOR_SPREAD_FOOTING;
    r.soil = doc.at("soil").get<std::string>() == "irregular" ? KELDOR_IRREGULAR
                                                             : KELDOR_CONSTANT_SLOPE;
    r.units = doc.at("units").at("system").get<std::string>() == "SI" ? KELDOR_SI : KELDOR_ENGLISH;
    r.converged = doc.at("converged").is_boolean() && doc.at("converged").get<bool>();
    r.analysed = doc.at("analysed").get<bool>();
    if (r.analysed) {
      const json& g = doc.at("geometry");
      for (const GeometryField& f : kGeometry)
        if (g.contains(f.name)) r.geometry.*f.member = ValueOf(g.at(f.name));
    }
    for (const json& p : doc.at("piles"))
      r.piles.push_back({ValueOf(p.at("distance")), ValueOf(p.at("batter")),
                         ValueOf(p.at("spacing")), ValueOf(p.at("max_axial_load")),
                         ValueOf(p.at("min_axial_load"))});
    r.stemForces = ForcesFrom(doc.at("earth_forces").at("stem"));
    r.footingForces = ForcesFrom(doc.at("earth_forces").at("footing"));
    for (const json& c : doc.at("checks")) {
      CheckResult row;
      row.line = c.at("line").get<int>();
      row.place = CodeOf(c.at("place").get<std::string>(), PlaceName, 1, 6);
      row.combination = c.at("combination").is_null() ? 0 : c.at("combination").get<int>();
      row.loadSet = c.at("load_set").is_null()
                        ? 0
                        : CodeOf(c.at("load_set").get<std::string>(), LoadSetName, 1, 3);
      row.kind = CodeOf(c.at("check").get<std::string>(), CheckName, 1, 14);
      row.demand = ValueOf(c.at("demand"));
      row.limit = ValueOf(c.at("limit"));
      row.ratio = FloatOf(c.at("ratio"));
      row.passes = c.at("verdict").get<std::string>() == "OKAY";
      if (row.place == 0 || row.kind == 0) throw std::runtime_error("unknown check " + c.dump());
      r.checks.push_back(row);
    }
    for (const json& m : doc.at("messages"))
      r.messages.push_back({m.at("line").get<int>(), m.at("text").get<std::string>()});
    *out = std::move(r);
    return true;
  } catch (const std::exception& e) {
    if (error) *error = e.what();
    return false;
  }
}

bool WriteResultsJson(const std::string& path, const RunResults& r, const std::string& report,
                      std::string* error) {
  std::string reason;
  if (WriteFileAtomically(path, ResultsJsonText(r, report), &reason)) return true;
  if (error) *error = "Cannot write the results " + path + ": " + reason;
  return false;
}

}  // namespace fe
