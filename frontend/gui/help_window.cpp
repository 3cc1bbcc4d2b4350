#include "help_window.h"

#include <QUrl>
#include <QVBoxLayout>

namespace gui {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("HelpWindow");
  setWindowTitle("Keldor Help");
  browser_ = new QTextBrowser(this);
  browser_->setObjectName("txtHelp");
  browser_->setOpenExternalLinks(false);
  browser_->setSource(QUrl(kHelpPage));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
  resize(760, 640);
}

}  // namespace gui
