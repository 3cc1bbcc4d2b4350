#include "help_window.h"

#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QUrl>

namespace gui {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("HelpWindow");
  setWindowTitle("Keldor Help");
  pages_ = new QListWidget(this);
  pages_->setObjectName("lstHelpPages");
  const struct {
    const char *title, *url;
  } pages[] = {{"Introduction", kHelpPage}, {"How the analysis works", kAnalysisPage}};
  for (const auto& p : pages) {
    auto* item = new QListWidgetItem(p.title, pages_);
    item->setData(Qt::UserRole, QUrl(p.url));
  }
  pages_->setFixedWidth(pages_->sizeHintForColumn(0) + 24);
  browser_ = new QTextBrowser(this);
  browser_->setObjectName("txtHelp");
  browser_->setOpenExternalLinks(false);

  // The list opens its page; a link followed in the page marks its entry.
  connect(pages_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
    if (item != nullptr) browser_->setSource(item->data(Qt::UserRole).toUrl());
  });
  connect(browser_, &QTextBrowser::sourceChanged, this, [this](const QUrl& url) {
    const QUrl page = url.adjusted(QUrl::RemoveFragment);
    for (int i = 0; i < pages_->count(); ++i)
      if (pages_->item(i)->data(Qt::UserRole).toUrl() == page) {
        const QSignalBlocker block(pages_);
        pages_->setCurrentRow(i);
      }
  });
  pages_->setCurrentRow(0);

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(pages_);
  layout->addWidget(browser_);
  resize(900, 640);
}

}  // namespace gui
