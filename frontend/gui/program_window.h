// A secondary window of the program (record editors, the title and About
// windows): it has no Close command in its title bar and refuses to be
// closed from outside, so it is put away only with its own button; it is
// centred on the screen the first time it opens in normal state.
#pragma once

#include <QWidget>

namespace gui {

// Removes the Close command from a window's title bar.
void RemoveCloseCommand(QWidget* window);

// Centres a window on the screen it is on, when it is in normal state.
void CentreOnScreen(QWidget* window);

class ProgramWindow : public QWidget {
  Q_OBJECT
 public:
  explicit ProgramWindow(QWidget* parent);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  bool shownBefore_ = false;
};

}  // namespace gui
