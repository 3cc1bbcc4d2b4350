// A secondary window of the program (record editors and tables, the title
// and About windows): its own button, the Close command of its title bar and
// Escape put it away. The first time it opens in normal state it is centred
// on the screen, or placed beside its parent window; either way wholly on
// the screen.
#pragma once

#include <QWidget>

namespace gui {

// Centres a window on the screen it is on, when it is in normal state,
// first making it no larger than the screen's free area.
void CentreOnScreen(QWidget* window);

// Places a window beside `main` (right of it, else left of it), top edges
// level, wholly on the screen; where neither side has room, at the screen's
// right edge, over the right-hand side of `main` and away from its tabs.
void PlaceBeside(QWidget* window, const QWidget* main);

class ProgramWindow : public QWidget {
  Q_OBJECT
 public:
  explicit ProgramWindow(QWidget* parent);
  // Record editors and tables open beside the main window, which they stay
  // above.
  void setPlacedBesideParent(bool beside) { beside_ = beside; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  bool shownBefore_ = false;
  bool beside_ = false;
};

}  // namespace gui
