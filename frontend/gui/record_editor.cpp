#include "record_editor.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "box_text.h"

namespace gui {

RecordEditor::RecordEditor(const EditorLayout& layout, fe::InputRecord& record, UserInterface& ui,
                           QWidget* parent)
    : ProgramWindow(parent), layout_(layout), r_(record), ui_(ui) {
  setObjectName(layout.window);
  setWindowTitle(layout.caption);

  frame_ = new QGroupBox(QString(layout.headingPrefix) + "1", this);
  frame_->setObjectName(layout.frame);
  auto* grid = new QGridLayout(frame_);
  grid->setColumnStretch(2, 1);
  int row = 0;
  if (layout.columnLabel != nullptr) {
    auto* a = new QLabel(layout.columnLabel, frame_);
    auto* b = new QLabel(layout.columnBox, frame_);
    QFont bold = a->font();
    bold.setBold(true);
    a->setFont(bold);
    b->setFont(bold);
    grid->addWidget(a, row, 0);
    grid->addWidget(b, row, 1);
    ++row;
  }
  for (std::size_t i = 0; i < layout.fields.size(); ++i) {
    const EditorField& f = layout.fields[i];
    if (i == 1 && layout.subheading != nullptr) {
      auto* heading = new QLabel(layout.subheading, frame_);
      grid->addWidget(heading, row++, 0, 1, 3);
    }
    auto* label = new QLabel(f.caption, frame_);
    auto* box = new QLineEdit(frame_);
    box->setObjectName(f.box);
    box->setFixedWidth(110);
    label->setBuddy(box);
    grid->addWidget(label, row, 0);
    grid->addWidget(box, row, 1);
    ++row;
    boxes_.push_back(box);
    connect(box, &QLineEdit::textChanged, this, [this, i](const QString& text) { store(i, text); });
  }

  previous_ = new QToolButton(this);
  previous_->setObjectName("SScmdPrevious");
  previous_->setArrowType(Qt::LeftArrow);
  previous_->setAutoRepeat(false);
  next_ = new QToolButton(this);
  next_->setObjectName("SScmdNext");
  next_->setArrowType(Qt::RightArrow);
  close_ = new QPushButton("&Close", this);
  close_->setObjectName("cmdClose");
  connect(previous_, &QToolButton::clicked, this, &RecordEditor::previous);
  connect(next_, &QToolButton::clicked, this, &RecordEditor::next);
  connect(close_, &QPushButton::clicked, this, &RecordEditor::closeEditor);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(previous_);
  buttons->addWidget(next_);
  buttons->addStretch(1);
  buttons->addWidget(close_);
  auto* outer = new QVBoxLayout(this);
  outer->addWidget(frame_);
  outer->addLayout(buttons);
  setFixedSize(sizeHint().expandedTo(QSize(300, 0)));
}

void RecordEditor::openAtFirstRecord() {
  countWhenOpened_ = fe::Count(r_, layout_.group);
  show();
  raise();
  activateWindow();
  showRecord(1);
}

void RecordEditor::next() {
  if (record_ < fe::Count(r_, layout_.group)) showRecord(record_ + 1);
}

void RecordEditor::previous() {
  if (record_ > 1) showRecord(record_ - 1);
}

void RecordEditor::closeEditor() { hide(); }

void RecordEditor::closeIfStale() {
  const std::int32_t count = fe::Count(r_, layout_.group);
  if (isVisible() && (count != countWhenOpened_ || record_ > count)) hide();
}

void RecordEditor::refresh() {
  closeIfStale();
  if (isVisible()) showRecord(record_);
}

void RecordEditor::showRecord(int record) {
  record_ = record;
  r_.CurrentRecord = static_cast<std::int16_t>(record);
  frame_->setTitle(QString(layout_.headingPrefix) + Display(static_cast<std::int32_t>(record)));
  // Writing a box stores the shown value back into this same record.
  for (std::size_t i = 0; i < boxes_.size(); ++i) {
    const fe::RecordArray& a = r_.*(layout_.fields[i].array);
    boxes_[i]->setText(Display(a.at_or_zero(record)));
  }
}

void RecordEditor::store(std::size_t field, const QString& text) {
  fe::RecordArray& a = r_.*(layout_.fields[field].array);
  if (!a.has(record_)) return;  // never past the end of an array
  if (!fe::StoreNumber(a(record_), text.toStdString())) RefuseTooLarge(ui_, boxes_[field], a(record_));
  MarkIgnoredText(boxes_[field]);
}

void RecordEditor::applyTooltips(bool english) {
  close_->setToolTip("Return to input form");
  previous_->setToolTip(layout_.tipPrevious);
  next_->setToolTip(layout_.tipNext);
  for (std::size_t i = 0; i < boxes_.size(); ++i) {
    const EditorField& f = layout_.fields[i];
    boxes_[i]->setToolTip(english ? f.tipEnglish : f.tipSI);
  }
}

}  // namespace gui
