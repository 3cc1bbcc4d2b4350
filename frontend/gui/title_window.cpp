#include "title_window.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace gui {

frmTitle::frmTitle(fe::InputRecord& record, QWidget* parent) : ProgramWindow(parent), r_(record) {
  setObjectName("frmTitle");
  setWindowTitle("Output Title");
  txtTitle_ = new QLineEdit(this);
  txtTitle_->setObjectName("txtTitle");
  txtTitle_->setToolTip("Enter Output Title");
  // The title field holds 80 characters; the box takes no more, so that what
  // it shows is what the report prints.
  txtTitle_->setMaxLength(static_cast<int>(fe::InputRecord().TITLE.size()));
  txtTitle_->setMinimumWidth(480);
  auto* close = new QPushButton("&Close", this);
  close->setObjectName("Command1");
  close->setToolTip("Close form");
  connect(close, &QPushButton::clicked, this, &QWidget::hide);
  connect(txtTitle_, &QLineEdit::textChanged, this,
          [this](const QString& text) { r_.TITLE.set(text.toStdString()); });

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(close);
  auto* outer = new QVBoxLayout(this);
  outer->addWidget(txtTitle_);
  outer->addLayout(buttons);
  setFixedSize(sizeHint());
}

void frmTitle::showTitle() {
  txtTitle_->setText(QString::fromStdString(r_.TITLE.trimmedRight()));
}

}  // namespace gui
