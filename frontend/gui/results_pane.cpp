#include "results_pane.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>
#include <limits>

#include "record_fields.h"

namespace gui {

namespace {

enum Column { kPlace, kCombination, kCheck, kDemand, kLimit, kRatio, kVerdict, kColumns };

const QColor kPassBack(0xe3, 0xf4, 0xe1), kFailBack(0xfb, 0xe0, 0xe0);
const char* const kPassBanner = "background:#2e7d32; color:white; font-weight:bold; padding:6px;";
const char* const kFailBanner = "background:#c62828; color:white; font-weight:bold; padding:6px;";
const char* const kIdleBanner = "background:palette(mid); color:palette(window-text); padding:6px;";

// A cell shown as text and sorted by a number (a value without one last).
class NumberItem : public QTableWidgetItem {
 public:
  NumberItem(const QString& text, double key) : QTableWidgetItem(text), key_(key) {}
  bool operator<(const QTableWidgetItem& other) const override {
    const auto* n = dynamic_cast<const NumberItem*>(&other);
    if (n == nullptr) return QTableWidgetItem::operator<(other);
    return key_ < n->key_;
  }

 private:
  double key_;
};

QString Figure(float v) {
  return std::isfinite(v) ? QString::number(static_cast<double>(v), 'g', 4) : QString();
}

double Key(float v) {
  return std::isfinite(v) ? static_cast<double>(v) : std::numeric_limits<double>::infinity();
}

}  // namespace

ResultsPane::ResultsPane(QWidget* parent) : QWidget(parent) {
  setObjectName("paneResults");
  banner_ = new QLabel(this);
  banner_->setObjectName("lblVerdict");
  table_ = new QTableWidget(0, kColumns, this);
  table_->setObjectName("tblChecks");
  table_->setHorizontalHeaderLabels(
      {"Place", "Combination", "Check", "Demand", "Limit", "Ratio", "Verdict"});
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->verticalHeader()->setVisible(false);
  table_->horizontalHeader()->setStretchLastSection(true);
  table_->setSortingEnabled(true);
  table_->setToolTip("Double-click a check to show its line of the report");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(banner_);
  layout->addWidget(table_, 1);
  connect(table_, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
    const int line = lineOfRow(row);
    if (line > 0) emit lineActivated(line);
  });
  clear("No results yet: run the analysis to see every check here");
}

void ResultsPane::setResults(const fe::RunResults& results, const fe::InputRecord& ran) {
  results_ = results;
  ran_ = ran;
  shown_ = true;
  fill();
}

void ResultsPane::inputChanged(const fe::InputRecord& now) {
  if (!shown_ || fe::SameInput(now, ran_)) return;
  clear("The input has changed since the run: run it again for its results");
}

QString ResultsPane::bannerText() const { return banner_->text(); }

int ResultsPane::lineOfRow(int row) const {
  const QTableWidgetItem* item = table_->item(row, kPlace);
  return item == nullptr ? 0 : item->data(Qt::UserRole).toInt();
}

void ResultsPane::clear(const QString& banner) {
  shown_ = false;
  results_ = fe::RunResults();
  table_->setRowCount(0);
  banner_->setText(banner);
  banner_->setStyleSheet(kIdleBanner);
}

void ResultsPane::fill() {
  const fe::Verdict verdict = fe::VerdictOf(results_);
  banner_->setText(QString::fromStdString(fe::BannerText(results_)));
  banner_->setStyleSheet(verdict == fe::Verdict::Passes ? kPassBanner : kFailBanner);

  std::vector<bool> governs(results_.checks.size(), false);
  for (std::size_t k : results_.governingOfEachKind()) governs[k] = true;
  table_->setSortingEnabled(false);
  table_->setRowCount(static_cast<int>(results_.checks.size()));
  for (std::size_t k = 0; k < results_.checks.size(); ++k) {
    const fe::CheckResult& c = results_.checks[k];
    const int row = static_cast<int>(k);
    const QString unit =
        QString::fromUtf8(fe::UnitName(results_.units, fe::CheckQuantity(c.kind)));
    const QString shownUnit = unit == "1" ? QString() : " " + unit;
    QString check = fe::CheckName(c.kind);
    if (governs[k]) check += "  \u25b2";  // the governing check of its kind
    QTableWidgetItem* cells[kColumns] = {
        new NumberItem(fe::PlaceName(c.place), static_cast<double>(c.line)),
        new NumberItem(c.combination > 0 ? QString::number(c.combination) : QString("all"),
                       c.combination),
        new QTableWidgetItem(check),
        new NumberItem(Figure(c.demand) + (Figure(c.demand).isEmpty() ? "" : shownUnit),
                       Key(c.demand)),
        new NumberItem(Figure(c.limit) + (Figure(c.limit).isEmpty() ? "" : shownUnit),
                       Key(c.limit)),
        new NumberItem(std::isfinite(c.ratio) ? QString::number(static_cast<double>(c.ratio), 'f', 3)
                                              : QString(),
                       c.passes || std::isfinite(c.ratio) ? Key(c.ratio)
                                                          : std::numeric_limits<double>::max()),
        new QTableWidgetItem(c.passes ? "OKAY" : "NG"),
    };
    cells[kPlace]->setData(Qt::UserRole, c.line);
    const QString tip = QString("Report line %1%2")
                            .arg(c.line)
                            .arg(governs[k] ? "; the highest ratio of its kind" : "");
    for (int col = 0; col < kColumns; ++col) {
      cells[col]->setBackground(c.passes ? kPassBack : kFailBack);
      cells[col]->setToolTip(tip);
      if (governs[k]) {
        QFont bold = cells[col]->font();
        bold.setBold(true);
        cells[col]->setFont(bold);
      }
      table_->setItem(row, col, cells[col]);
    }
  }
  table_->setSortingEnabled(true);
  table_->sortByColumn(kPlace, Qt::AscendingOrder);  // report order
  table_->resizeColumnsToContents();
}

}  // namespace gui
