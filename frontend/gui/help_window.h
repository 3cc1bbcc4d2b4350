// The help window: the program's pages for engineers, shipped with the
// program as HTML, with a list of the pages beside the page shown.
#pragma once

#include <QListWidget>
#include <QTextBrowser>
#include <QWidget>

namespace gui {

// The pages, in the order of the list; Help > Contents opens the first.
inline constexpr const char* kHelpPage = "qrc:/help/Introduction.htm";
inline constexpr const char* kAnalysisPage = "qrc:/help/HowTheAnalysisWorks.htm";

class HelpWindow : public QWidget {
  Q_OBJECT
 public:
  explicit HelpWindow(QWidget* parent);
  QTextBrowser* browser() const { return browser_; }
  QListWidget* pages() const { return pages_; }

 private:
  QListWidget* pages_ = nullptr;
  QTextBrowser* browser_ = nullptr;
};

}  // namespace gui
