// The verification manual's tables: each case builds its table from the
// program's values and the reference values, and the table must stand in
// docs/verification.md between the lines "<!-- table NAME -->" and
// "<!-- end NAME -->" exactly as built. With --update the tables are written
// into the document instead.
#pragma once

#include <string>
#include <vector>

namespace verification {

// The allowed difference of the program's value from the reference, as a
// fraction of the reference: from -below to +above.
struct Tolerance {
  double below, above;
  std::string text() const;
};
Tolerance Within(double fraction);  // the same both ways

// A Markdown table.
class Table {
 public:
  explicit Table(std::vector<std::string> header) : header_(std::move(header)) {}
  // A row of `cells` followed by `more` (the cells of a comparison).
  void row(std::vector<std::string> cells, const std::vector<std::string>& more = {}) {
    cells.insert(cells.end(), more.begin(), more.end());
    rows_.push_back(std::move(cells));
  }
  std::string markdown() const;

 private:
  std::vector<std::string> header_;
  std::vector<std::vector<std::string>> rows_;
};

// `value` with `digits` significant digits, in fixed notation.
std::string Significant(double value, int digits);
// `value` with `decimals` digits after the point.
std::string Fixed(double value, int decimals);

// The cells "program, difference, tolerance, verdict" of one comparison; the
// running test fails when the difference lies outside the tolerance. A zero
// reference asks for exactly zero.
std::vector<std::string> Compared(const std::string& what, double reference, double program,
                                  int digits, const Tolerance& tolerance);

// Checks (or, when updating, replaces) the table NAME of the document.
void Publish(const std::string& name, const Table& table);

// Set up by main: the document's path and whether to rewrite it. Finish
// writes the updated document (through a temporary file) and returns false
// when it could not.
void OpenDocument(const std::string& path, bool update);
bool FinishDocument();

}  // namespace verification
