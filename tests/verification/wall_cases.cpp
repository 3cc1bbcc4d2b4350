// Verification of the wall: the hand-calculated reference wall through a
// whole run, the published flexure example, the published cantilever wall
// weights and the rigid-cap pile group formula.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "concrete_section.h"
#include "document.h"
#include "keldor.h"
#include "pile_group.h"
#include "reference_wall.h"
#include "report_capture.h"
#include "state.h"
#include "test_support.h"
#include "weights.h"

namespace verification {
namespace {

using keldor::Lines;
using keldor::S;

// ---- The reference wall ------------------------------------------------------------

std::string Field(const std::string& text, std::size_t width) {
  std::string f = text.substr(0, width);
  f.resize(width, ' ');
  return f;
}

// The report of a whole review run of the reference wall.
Lines RunReferenceWall(float sur, float fsur) {
  keldor::testing_support::FreshState();
  keldor::testing_support::SetReferenceWall(sur, fsur);
  keldor_test::TempFolder dir;
  keldor_test::InFolder in(dir.path());  // the side file goes here
  const std::string out = dir / "reference.out";
  CONDLL(Field(out, 132).c_str(), Field("reference.in", 80).c_str(),
         Field("reference.out", 80).c_str(), Field("Reference wall", 80).c_str(),
         Field("1.42", 5).c_str());
  return keldor::SplitReport(keldor_test::ReadFile(out));
}

const char* const kWeights = " W E I G H T   A N D   R I G H T I N G   M O M E N T";
const char* const kStability = " E X T E R N A L   S T A B I L I T Y   A N A L Y S I S";

// The line `offset` lines after the first line starting with `label` that
// follows the heading `section`.
std::string ReportLine(const Lines& lines, const std::string& section, const std::string& label,
                       int offset) {
  std::size_t i = 0;
  while (i < lines.size() && lines[i] != section) ++i;
  while (i < lines.size() && lines[i].rfind(label, 0) != 0) ++i;
  i += static_cast<std::size_t>(offset);
  if (i >= lines.size()) {
    ADD_FAILURE() << "no line " << label << " in" << section;
    return "";
  }
  return lines[i];
}

// The number after the line's first "=" (or its second), and the check's
// verdict when it has one.
double Number(const std::string& line, bool second = false) {
  std::size_t eq = line.find('=');
  if (second && eq != std::string::npos) eq = line.find('=', eq + 1);
  return eq == std::string::npos ? 0.0 : std::strtod(line.c_str() + eq + 1, nullptr);
}
std::string Verdict(const std::string& line) {
  if (line.size() >= 4 && line.compare(line.size() - 4, 4, "OKAY") == 0) return "OKAY";
  if (line.size() >= 6 && line.compare(line.size() - 6, 6, "NG ***") == 0) return "NG";
  return "";
}

struct HandValue {
  const char* what;
  const char* section;
  const char* label;
  int offset;
  double noSurcharge, withSurcharge;
  const char *verdictNoSurcharge, *verdictWithSurcharge;  // of a check line
};

// Reference cases, section 1.
const HandValue kReferenceWall[] = {
    {"Dead load (lb/in)", kWeights, " DEAD LOAD", 0, 675.0, 675.0, "", ""},
    {"Righting moment of the dead load (in-lb/in)", kWeights, " DEAD LOAD", 1, 41250, 41250, "",
     ""},
    {"Surcharge load (lb/in)", kWeights, " SURCHARGE LOAD", 0, 0, 83.33, "", ""},
    {"Righting moment of the surcharge (in-lb/in)", kWeights, " SURCHARGE LOAD", 1, 0, 6000, "",
     ""},
    {"Lateral force (lb/in)", kStability, "   Lateral force", 0, 220.4, 300.3, "", ""},
    {"Overturning moment (in-lb/in)", kStability, "   Overturning moment", 0, 10140, 15650, "", ""},
    {"Total weight (lb/in)", kStability, "   Total weight", 0, 675.0, 758.3, "", ""},
    {"Righting moment (in-lb/in)", kStability, "   Righting moment", 0, 41250, 47250, "", ""},
    {"Sliding resistance (lb/in)", kStability, "   Sliding resistance", 0, 337.5, 379.2, "", ""},
    {"Sliding SF (required 1.50)", kStability, "   Sliding SF", 0, 1.53, 1.26, "OKAY", "NG"},
    {"Overturning SF (required 2.00)", kStability, "   Overturning SF", 0, 4.07, 3.02, "OKAY",
     "OKAY"},
    {"Eccentricity (in)", kStability, "     Eccentricity", 0, 1.910, 6.329, "", ""},
    {"Toe pressure (psi)", kStability, "     Toe pressure", 0, 7.870, 11.02, "", ""},
    {"Heel pressure (psi)", kStability, "     Heel pressure", 0, 6.192, 4.775, "", ""},
};

// The report prints four significant digits (three for the safety factors),
// as the hand values are given.
const Tolerance kPrinted = Within(0.001);

std::string WithVerdict(const std::string& number, const std::string& verdict) {
  return verdict.empty() ? number : number + " " + verdict;
}

TEST(ReferenceWall, ReportMatchesTheHandCalculation) {
  for (const bool surcharge : {false, true}) {
    const Lines report = surcharge ? RunReferenceWall(1.7361f, 1.0f) : RunReferenceWall(0.0f, 0.0f);
    Table table({"Quantity", "Hand", "Program", "Difference", "Tolerance", "Verdict"});
    for (const HandValue& v : kReferenceWall) {
      const double hand = surcharge ? v.withSurcharge : v.noSurcharge;
      const std::string check = surcharge ? v.verdictWithSurcharge : v.verdictNoSurcharge;
      const std::string line = ReportLine(report, v.section, v.label, v.offset);
      const int digits = check.empty() ? 4 : 3;
      std::vector<std::string> c = Compared(v.what, hand, Number(line), digits, kPrinted);
      if (Verdict(line) != check) {
        ADD_FAILURE() << v.what << ": the check reads " << line;
        c[3] = "FAILS";
      }
      c[0] = WithVerdict(c[0], Verdict(line));
      table.row({v.what, WithVerdict(Significant(hand, digits), check)}, c);
    }
    Publish(surcharge ? "reference-wall-surcharge" : "reference-wall", table);
  }
}

// ---- The published flexure example -------------------------------------------------

// Ultimate strength, f'c 4000 psi, fy 60000 psi, half the balanced steel.
void Materials() {
  keldor::testing_support::FreshState();
  S.IUNITS = KELDOR_ENGLISH, S.IDESIGN = KELDOR_ULTIMATE_STRENGTH, S.IPRINT = 0, S.IOK = 1;
  S.FC = 4000.0f, S.FS = 60000.0f, S.RATIO = 0.5f;
}

// The smallest thickness that a design for `moment` keeps as it is, with the
// steel at the tension face: the effective depth the moment needs.
double RequiredDepth(float moment) {
  float lo = 1.0f, hi = 100.0f;
  for (int k = 0; k < 60; ++k) {
    const float mid = 0.5f * (lo + hi);
    Materials();
    S.VDES = 0.0f, S.MDES = moment, S.TMIN = mid, S.CSEC = 0.0f;
    keldor::SectionDesign();
    (S.TSEC == mid ? hi : lo) = mid;
  }
  return hi;
}

// A number of the line `index` that a check of this section writes.
double Checked(float tsec, float csec, float asec, float moment, std::size_t index, bool second) {
  Materials();
  S.VDES = 0.0f, S.MDES = moment, S.TSEC = tsec, S.CSEC = csec, S.ASEC = asec;
  const Lines lines = keldor::CaptureReport(keldor::SectionCheck);
  EXPECT_GT(lines.size(), index);
  return lines.size() > index ? Number(lines[index], second) : 0.0;
}

TEST(Flexure, PublishedBeamExample) {
  const float mu = 7251840.0f / 20.0f;  // the beam's moment per inch of its 20 in width
  const double d = RequiredDepth(mu);
  // The steel limit of a section 1 in deep is the allowed steel ratio itself.
  const double rho = Checked(1.0f, 0.0f, 0.0f, 1.0f, 3, true);
  const double capacity = Checked(26.0f, 3.5f, 0.35f, mu, 2, false);
  const struct {
    const char *what, *reference;
    double value, program;
    int digits;
  } rows[] = {
      {"Steel ratio ρ = 0.5 ρb", "0.01425 (published)", 0.01425, rho, 4},
      {"Required b·d² for b = 20 in (in³)", "10,779.45 (published)", 10779.45, 20 * d * d, 7},
      {"Moment capacity of 7 #9, d = 22.5 in, per inch (in-lb/in)", "366,944 (published)", 366944,
       capacity, 4},
      {"the same, hand with 0.59 in the lever arm", "366,707 (hand)", 366707, capacity, 4},
  };
  Table table({"Quantity", "Reference", "Program", "Difference", "Tolerance", "Verdict"});
  for (const auto& r : rows)
    table.row({r.what, r.reference}, Compared(r.what, r.value, r.program, r.digits, kPrinted));
  Publish("flexure", table);
}

// ---- The published cantilever wall weights -----------------------------------------

// The wall of reference cases section 5 in N and mm: 1 N/mm is 1 kN/m.
void CantileverWall() {
  keldor::testing_support::FreshState();
  S.ISOIL = KELDOR_CONSTANT_SLOPE, S.IPRINT = 0;
  S.H = 5000.0f, S.TF = 400.0f, S.WF = 3000.0f, S.WT = 950.0f, S.TWMIN = 300.0f;
  S.RHOC = 23.5e-6f, S.RHOS = 17.0e-6f, S.SUR = 0.01f;
}

TEST(Weights, PublishedCantileverWall) {
  CantileverWall();
  keldor::WeightsAndMoments();
  const float total = S.WDEAD, soil = S.WSOIL, surcharge = S.WSURV;
  CantileverWall();  // the stem alone: weightless soil, no footing
  S.RHOS = 0.0f, S.TF = 0.0f;
  keldor::WeightsAndMoments();
  const float stem = S.WDEAD;
  CantileverWall();  // the footing alone: weightless soil, no stem
  S.RHOS = 0.0f, S.H = 0.0f;
  keldor::WeightsAndMoments();
  const float base = S.WDEAD;
  const struct {
    const char *what, *reference;
    double value, program;
  } rows[] = {
      {"Stem (kN/m)", "35.25 (published)", 35.25, stem},
      {"Base (kN/m)", "28.20 (published)", 28.20, base},
      {"Soil over the heel (kN/m)", "148.75 (published)", 148.75, soil},
      {"Total vertical force (kN/m)", "212.2 (published)", 212.2, total},
      {"Surcharge over the heel, 10 kPa × 1.75 m (kN/m)", "17.5 (hand)", 17.5, surcharge},
  };
  Table table({"Quantity", "Reference", "Program", "Difference", "Tolerance", "Verdict"});
  for (const auto& r : rows)
    table.row({r.what, r.reference}, Compared(r.what, r.value, r.program, 6, Within(0.0005)));
  Publish("weights", table);
}

// ---- The rigid-cap pile group ------------------------------------------------------

struct PileRow {
  double x, batterDegrees, spacing;
};

struct PileCase {
  const char* name;
  std::vector<PileRow> rows;
  double W, Mo, RM, Vp;
};

// The rigid cap by hand: N = Σ 1/s piles per inch, centroid xcg, I = Σ x²/s
// - N xcg², the resultant at xR = (RM - Mo) / W, and per pile
// P = W / N + (xcg - x) (xcg - xR) W / I, along a battered pile P / cos b.
std::vector<double> HandPileLoads(const PileCase& c) {
  double n = 0, sx = 0, sxx = 0;
  for (const PileRow& r : c.rows) {
    n += 1 / r.spacing;
    sx += r.x / r.spacing;
    sxx += r.x * r.x / r.spacing;
  }
  const double xcg = sx / n, inertia = sxx - xcg * xcg * n, xr = (c.RM - c.Mo) / c.W;
  std::vector<double> loads;
  for (const PileRow& r : c.rows)
    loads.push_back((c.W / n + (xcg - r.x) * (xcg - xr) * c.W / inertia) /
                    std::cos(r.batterDegrees * std::acos(-1.0) / 180));
  return loads;
}

const PileCase kPileCases[] = {
    {"A: resultant at the centroid", {{12, 0, 48}, {96, 0, 48}}, 100, 0, 5400, 0},
    {"B: resultant 4 in toward the toe", {{12, 0, 48}, {96, 0, 48}}, 100, 0, 5000, 0},
    {"C: two battered rows and a wide one", {{18, 14.036, 36}, {54, 14.036, 36}, {150, 0, 72}},
     250, 4000, 20000, 2000},
};

TEST(PileGroup, RigidCapFormula) {
  Table table({"Case", "Row at (in)", "Batter (°)", "Spacing (in)", "Hand (lb per pile)",
               "Program", "Difference", "Tolerance", "Verdict"});
  for (const PileCase& c : kPileCases) {
    keldor::testing_support::FreshState();
    S.IMODE = KELDOR_REVIEW, S.IPRINT = 0;
    S.NROWS = static_cast<int>(c.rows.size());
    for (keldor::RealArray* a : {&S.PILEX, &S.PILEB, &S.PILES, &S.PLOAD}) a->resize(S.NROWS);
    for (int j = 1; j <= S.NROWS; ++j) {
      const PileRow& r = c.rows[static_cast<std::size_t>(j - 1)];
      S.PILEX(j) = static_cast<float>(r.x);
      S.PILEB(j) = keldor::Radians(static_cast<float>(r.batterDegrees));
      S.PILES(j) = static_cast<float>(r.spacing);
    }
    float W = static_cast<float>(c.W), Mo = static_cast<float>(c.Mo),
          RM = static_cast<float>(c.RM), Vp = static_cast<float>(c.Vp), hall, pmax, pmin;
    EXPECT_TRUE(keldor::PileGroup(W, Mo, RM, Vp, hall, pmax, pmin));
    const std::vector<double> hand = HandPileLoads(c);
    double handHall = 0;
    for (int j = 1; j <= S.NROWS; ++j) {
      const PileRow& r = c.rows[static_cast<std::size_t>(j - 1)];
      const double p = hand[static_cast<std::size_t>(j - 1)];
      handHall += (std::sin(r.batterDegrees * std::acos(-1.0) / 180) * p + c.Vp) / r.spacing;
      table.row({j == 1 ? c.name : "", Fixed(r.x, 0), Fixed(r.batterDegrees, 2),
                 Significant(r.spacing, 2), Significant(p, 6)},
                Compared(c.name, p, S.PLOAD(j), 6, Within(1e-5)));
    }
    if (c.Vp > 0)
      table.row({"", "allowable lateral load of the group (lb/in)", "", "",
                 Significant(handHall, 6)},
                Compared(c.name, handHall, hall, 6, Within(1e-5)));
  }
  Publish("pile-group", table);
}

}  // namespace
}  // namespace verification
