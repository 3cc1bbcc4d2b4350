#include "record_table.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

#include "box_text.h"
#include "window_tabs.h"

namespace gui {

RecordTable::RecordTable(const EditorLayout& layout, fe::InputRecord& record, UserInterface& ui,
                         QWidget* parent)
    : ProgramWindow(parent), layout_(layout), r_(record), ui_(ui) {
  setObjectName(QString(layout.window) + "Table");
  setWindowTitle(QString(layout.caption) + " Table");
  setPlacedBesideParent(true);

  grid_ = new QTableWidget(0, static_cast<int>(layout.fields.size()), this);
  grid_->setObjectName("grdRecords");
  grid_->setSelectionMode(QAbstractItemView::SingleSelection);
  grid_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                         QAbstractItemView::AnyKeyPressed);
  grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  grid_->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
  for (int c = 0; c < grid_->columnCount(); ++c)
    grid_->setHorizontalHeaderItem(c, new QTableWidgetItem);
  connect(grid_, &QTableWidget::itemChanged, this, &RecordTable::store);

  close_ = new QPushButton("&Close", this);
  close_->setObjectName("cmdClose");
  close_->setToolTip("Return to input form");
  connect(close_, &QPushButton::clicked, this, &QWidget::close);
  auto* hint = new QLabel("Type over a cell to change it; the number of rows is set in the "
                          "main window.", this);
  hint->setWordWrap(true);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(close_);
  auto* outer = new QVBoxLayout(this);
  outer->addWidget(grid_, 1);
  outer->addWidget(hint);
  outer->addLayout(buttons);

  refresh();
  // Every column readable; room for eight records before the table scrolls.
  const int column = fontMetrics().horizontalAdvance("-00000.000") + 16;
  resize(std::max(grid_->verticalHeader()->sizeHint().width() + column * grid_->columnCount() + 48,
                  hint->fontMetrics().horizontalAdvance(hint->text()) / 2 + 32),
         grid_->horizontalHeader()->sizeHint().height() +
             8 * grid_->verticalHeader()->defaultSectionSize() + 3 * close_->sizeHint().height() + 48);
}

void RecordTable::open() {
  refresh();
  show();
  raise();
  activateWindow();
}

void RecordTable::refresh() {
  writing_ = true;
  const std::int32_t count = fe::Count(r_, layout_.group);
  grid_->setRowCount(count);
  for (int c = 0; c < grid_->columnCount(); ++c) {
    const EditorField& f = layout_.fields[static_cast<std::size_t>(c)];
    const QString unit = fe::UnitName(f.unit, r_.IUNITS);
    grid_->horizontalHeaderItem(c)->setText(unit.isEmpty() ? QString(f.column)
                                                           : QString("%1 (%2)").arg(f.column, unit));
    grid_->horizontalHeaderItem(c)->setToolTip(r_.IUNITS == KELDOR_SI ? f.tipSI : f.tipEnglish);
    const fe::RecordArray& a = r_.*(f.array);
    for (int row = 0; row < count; ++row) {
      QTableWidgetItem* cell = grid_->item(row, c);
      if (cell == nullptr) {
        cell = new QTableWidgetItem;
        cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid_->setItem(row, c, cell);
      }
      cell->setText(Display(a.at_or_zero(row + 1)).trimmed());
    }
  }
  writing_ = false;
}

// The cell's text is read as a box's is; the cell then shows the value taken
// (or, for a number too large to store, the value kept).
void RecordTable::store(QTableWidgetItem* cell) {
  if (writing_) return;
  const EditorField& f = layout_.fields[static_cast<std::size_t>(cell->column())];
  fe::RecordArray& a = r_.*(f.array);
  const int record = cell->row() + 1;
  if (!a.has(record)) return refresh();
  const QString typed = cell->text().trimmed();
  if (!fe::StoreNumber(a(record), typed.toStdString()))
    ui_.show(TooLargeMessage(typed, a(record)), true);
  writing_ = true;
  cell->setText(Display(a(record)).trimmed());
  writing_ = false;
  QString what = QString(f.caption).remove(':');
  emit edited(QString("%1 %2 (%3)").arg(what).arg(record).arg(windowTitle()));
}

}  // namespace gui
