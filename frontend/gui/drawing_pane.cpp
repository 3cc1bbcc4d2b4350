#include "drawing_pane.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QVBoxLayout>
#include <algorithm>

#include "drawing_painter.h"
#include "record_fields.h"

namespace gui {

// The area the wall is painted on; it draws afresh from the record at every
// paint, so it can never show a stale wall.
class DrawingPane::Canvas : public QWidget {
 public:
  explicit Canvas(DrawingPane* pane) : QWidget(pane), pane_(pane) {
    setObjectName("picDrawing");
    setMinimumSize(260, 240);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAttribute(Qt::WA_OpaquePaintEvent);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    // Labels shrink a little in a narrow pane, never below a readable size.
    const qreal text = std::clamp(std::min(width(), height()) / 32.0, 9.0, 12.0);
    PaintDrawing(p, pane_->drawing(), QRectF(rect()), text);
  }

 private:
  DrawingPane* pane_;
};

DrawingPane::DrawingPane(const fe::InputRecord& record, QWidget* parent)
    : QWidget(parent), r_(record) {
  setObjectName("fraDrawing");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  auto* row = new QHBoxLayout();
  caption_ = new QLabel("Load combination:", this);
  caption_->setObjectName("lblCombination");
  combination_ = new QComboBox(this);
  combination_->setObjectName("cboCombination");
  caption_->setBuddy(combination_);
  row->addWidget(caption_);
  row->addWidget(combination_, 1);
  layout->addLayout(row);
  canvas_ = new Canvas(this);
  layout->addWidget(canvas_, 1);
  connect(combination_, &QComboBox::currentIndexChanged, canvas_,
          [this] { canvas_->update(); });
  fillCombinations();
}

DrawingPane::~DrawingPane() = default;

QSize DrawingPane::sizeHint() const { return QSize(460, 520); }

void DrawingPane::inputChanged() {
  if (results_ && !fe::SameInput(r_, ran_)) setResults(nullptr);
  canvas_->update();
}

void DrawingPane::setResults(const fe::DrawingResults* results) {
  results_.reset(results ? new fe::DrawingResults(*results) : nullptr);
  if (results_) ran_ = r_;
  fillCombinations();
  canvas_->update();
}

void DrawingPane::fillCombinations() {
  const QSignalBlocker quiet(combination_);
  combination_->clear();
  if (results_) {
    for (const fe::DrawnCombination& c : results_->combinations)
      combination_->addItem(QString::fromStdString(c.label));
    const int governing = results_->governing;
    if (governing >= 0 && governing < combination_->count()) {
      combination_->setItemText(governing, combination_->itemText(governing) + " (governing)");
      combination_->setCurrentIndex(governing);
    }
  }
  const bool any = combination_->count() > 0;
  combination_->setEnabled(any);
  caption_->setEnabled(any);
  if (!any) combination_->addItem("After a run");
}

fe::WallDrawing DrawingPane::drawing() const {
  return fe::DrawWall(r_, results_.get(), results_ ? combination_->currentIndex() : -1);
}

}  // namespace gui
