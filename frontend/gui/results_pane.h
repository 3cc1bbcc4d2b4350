// The results of the last run beside the report: a banner with the verdict
// and a table of every check (place, combination, check, demand, limit,
// ratio, verdict) coloured by verdict, sortable, with the governing check of
// each kind marked. Double-clicking a check asks for its report line. The
// results are dropped as soon as the input differs from the input they
// belong to.
#pragma once

#include <QWidget>

#include "input_record.h"
#include "run_results.h"

class QLabel;
class QTableWidget;

namespace gui {

class ResultsPane : public QWidget {
  Q_OBJECT
 public:
  explicit ResultsPane(QWidget* parent = nullptr);

  // The results of the run just made of `ran`.
  void setResults(const fe::RunResults& results, const fe::InputRecord& ran);
  // The input is now `now`: results of another input are dropped.
  void inputChanged(const fe::InputRecord& now);

  bool hasResults() const { return shown_ && results_.available(); }
  const fe::RunResults& results() const { return results_; }
  QString bannerText() const;
  QTableWidget* table() const { return table_; }
  // The report line of the table's row `row` as it is now sorted; 0 for none.
  int lineOfRow(int row) const;

 signals:
  // A check was double-clicked: show the report at this line.
  void lineActivated(int line);

 private:
  void fill();
  void clear(const QString& banner);

  QLabel* banner_ = nullptr;
  QTableWidget* table_ = nullptr;
  fe::RunResults results_;
  fe::InputRecord ran_;
  bool shown_ = false;
};

}  // namespace gui
