// The help window: the program's introduction for engineers, shipped with
// the program as HTML.
#pragma once

#include <QTextBrowser>
#include <QWidget>

namespace gui {

// The help page shown by Help > Contents.
inline constexpr const char* kHelpPage = "qrc:/help/Introduction.htm";

class HelpWindow : public QWidget {
  Q_OBJECT
 public:
  explicit HelpWindow(QWidget* parent);
  QTextBrowser* browser() const { return browser_; }

 private:
  QTextBrowser* browser_ = nullptr;
};

}  // namespace gui
