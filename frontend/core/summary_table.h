// The summary of a study: one row per run with the numbers an engineer
// tabulates (the wall found or checked, its governing ratios, the number of
// failing checks), from the run's structured results, written as plain CSV.
#pragma once

#include <string>
#include <vector>

#include "run_results.h"

namespace fe {

// The column titles after the file column (and the varied value's column).
std::vector<std::string> SummaryColumns();

// The cells of one run under SummaryColumns(): `status` is the run's exit
// status (0 written, 1 not written or incomplete, 2 invalid input). Numbers
// as the shortest text that reads back as the same float, in the run's
// units; a cell the run has no value for is empty.
std::vector<std::string> SummaryCells(const RunResults& results, int status);

// One CSV line (RFC 4180): cells with a comma, a quote or a line break are
// quoted, their quotes doubled; the line ends in CR LF.
std::string CsvLine(const std::vector<std::string>& cells);

// One run of the table: its input file, the varied value (empty when none)
// and its SummaryCells.
struct SummaryRow {
  std::string file, value;
  std::vector<std::string> cells;
};

// Writes the table to `path` as a whole (a temporary file renamed when
// complete): the titles, "file" first and, when a value is varied, its name
// second; then one line per row. On failure `reason` says why.
bool WriteSummary(const std::string& path, const std::string& varied,
                  const std::vector<SummaryRow>& rows, std::string* reason);

}  // namespace fe
