#include "summary_table.h"

#include <cmath>
#include <limits>

#include "atomic_file.h"

namespace fe {

namespace {

std::string Number(float v) { return std::isfinite(v) ? ShortestText(v) : std::string(); }

// The least actual / required safety factor of the checks of `kind`.
std::string LeastSafetyRatio(const RunResults& r, int kind) {
  float least = std::numeric_limits<float>::infinity();
  for (const CheckResult& c : r.checks)
    if (c.kind == kind && std::isfinite(c.demand) && c.limit > 0.0f)
      least = std::fmin(least, c.demand / c.limit);
  return Number(least);
}

std::string LargestRatio(const RunResults& r, int kind) {
  float largest = -std::numeric_limits<float>::infinity();
  for (const CheckResult& c : r.checks)
    if (c.kind == kind && std::isfinite(c.ratio)) largest = std::fmax(largest, c.ratio);
  return Number(largest);
}

const char* Outcome(int status) {
  switch (status) {
    case 0: return "written";
    case 2: return "invalid input";
    default: return "not written";
  }
}

}  // namespace

std::vector<std::string> SummaryColumns() {
  return {"outcome", "units", "mode", "converged", "toe width", "footing width",
          "footing thickness", "key depth", "piles per width", "steel area at wall",
          "steel area at footing top", "steel area at footing bottom",
          "least sliding SF / required", "least overturning SF / required",
          "largest bearing ratio", "NG checks", "governing check", "governing ratio"};
}

std::vector<std::string> SummaryCells(const RunResults& r, int status) {
  std::vector<std::string> cells(SummaryColumns().size());
  cells[0] = Outcome(status);
  if (!r.available()) return cells;
  const GeometryResult& g = r.geometry;
  cells[1] = UnitSystemName(r.units);
  cells[2] = ModeName(r.mode);
  if (r.design()) cells[3] = r.converged ? "yes" : "no";
  if (r.analysed) {
    cells[4] = Number(g.WT);
    cells[5] = Number(g.WF);
    cells[6] = Number(g.TF);
    cells[7] = Number(g.DK);
    if (r.foundation == KELDOR_PILE_FOOTING) cells[8] = Number(g.NPILES);
    cells[9] = Number(g.ASW);
    cells[10] = Number(g.ASFTOP);
    cells[11] = Number(g.ASFBOT);
  }
  cells[12] = LeastSafetyRatio(r, KELDOR_CHECK_SLIDING);
  cells[13] = LeastSafetyRatio(r, KELDOR_CHECK_OVERTURNING);
  cells[14] = LargestRatio(r, KELDOR_CHECK_BEARING);
  cells[15] = std::to_string(r.failures());
  if (const CheckResult* c = r.governing()) {
    cells[16] = std::string(CheckName(c->kind)) + " at " + PlaceName(c->place);
    if (c->combination > 0) cells[16] += ", load combination " + std::to_string(c->combination);
    cells[17] = Number(c->ratio);
  }
  return cells;
}

std::string CsvLine(const std::vector<std::string>& cells) {
  std::string line;
  for (std::size_t k = 0; k < cells.size(); ++k) {
    if (k > 0) line += ',';
    const std::string& c = cells[k];
    if (c.find_first_of(",\"\r\n") == std::string::npos) {
      line += c;
      continue;
    }
    line += '"';
    for (char ch : c) line += ch == '"' ? std::string("\"\"") : std::string(1, ch);
    line += '"';
  }
  return line + "\r\n";
}

bool WriteSummary(const std::string& path, const std::string& varied,
                  const std::vector<SummaryRow>& rows, std::string* reason) {
  std::vector<std::string> titles = {"file"};
  if (!varied.empty()) titles.push_back(varied);
  for (const std::string& t : SummaryColumns()) titles.push_back(t);
  std::string text = CsvLine(titles);
  for (const SummaryRow& row : rows) {
    std::vector<std::string> cells = {row.file};
    if (!varied.empty()) cells.push_back(row.value);
    cells.insert(cells.end(), row.cells.begin(), row.cells.end());
    text += CsvLine(cells);
  }
  return WriteFileAtomically(path, text, reason);
}

}  // namespace fe
