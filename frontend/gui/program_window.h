// A secondary window of the program (record editors, the title and About
// windows): its own button, the Close command of its title bar and Escape
// put it away; it is centred on the screen the first time it opens in normal
// state.
#pragma once

#include <QWidget>

namespace gui {

// Centres a window on the screen it is on, when it is in normal state.
void CentreOnScreen(QWidget* window);

class ProgramWindow : public QWidget {
  Q_OBJECT
 public:
  explicit ProgramWindow(QWidget* parent);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  bool shownBefore_ = false;
};

}  // namespace gui
