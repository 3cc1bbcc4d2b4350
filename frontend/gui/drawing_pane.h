// The drawing pane beside the main window's tabs: the wall section drawn
// from the input record as it is typed and, after a run, with its results;
// a combo box picks the load combination whose base reaction is drawn.
#pragma once

#include <QWidget>
#include <memory>

#include "input_record.h"
#include "wall_drawing.h"

class QComboBox;
class QLabel;

namespace gui {

class DrawingPane : public QWidget {
  Q_OBJECT
 public:
  explicit DrawingPane(const fe::InputRecord& record, QWidget* parent = nullptr);
  ~DrawingPane() override;

  // The input may have changed: the drawing follows at the next frame.
  // Results of a run whose input has since changed are dropped.
  void inputChanged();
  // The results of the run just made, for the input as it is now (nullptr:
  // none).
  void setResults(const fe::DrawingResults* results);
  bool hasResults() const { return results_ != nullptr; }

  // What the pane shows now.
  fe::WallDrawing drawing() const;

  QSize sizeHint() const override;

 private:
  class Canvas;
  void fillCombinations();

  const fe::InputRecord& r_;
  std::unique_ptr<fe::DrawingResults> results_;
  fe::InputRecord ran_;  // the input the results belong to
  QComboBox* combination_ = nullptr;
  QLabel* caption_ = nullptr;
  Canvas* canvas_ = nullptr;
};

}  // namespace gui
