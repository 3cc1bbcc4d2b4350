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
  setPlacedBesideParent(true);

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
    auto* unit = new QLabel(frame_);
    unit->setObjectName("unit" + QString(f.box).mid(3));
    unit->setMinimumWidth(unit->fontMetrics().horizontalAdvance("N-mm/mm  = 10.00 kN/m"));
    grid->addWidget(label, row, 0);
    grid->addWidget(box, row, 1);
    grid->addWidget(unit, row, 2);
    ++row;
    boxes_.push_back(box);
    units_.push_back(unit);
    ConnectNumberBox(
        box, ui_, this, [this, i](std::string_view text) { return store(i, text); },
        [this, i] { return (r_.*(layout_.fields[i].array)).at_or_zero(record_); });
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

// The boxes outlive the editor by a moment: losing the focus as they go must
// not store into it.
RecordEditor::~RecordEditor() {
  for (QLineEdit* b : boxes_) b->disconnect(this);
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
  if (!isVisible()) return;
  for (std::size_t i = 0; i < boxes_.size(); ++i) {
    const float value = (r_.*(layout_.fields[i].array)).at_or_zero(record_);
    float shown = 0.0f;
    if (!fe::ReadFloat(boxes_[i]->text().toStdString(), &shown) || shown != value)
      boxes_[i]->setText(Display(value));
    showUnit(i);
  }
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

bool RecordEditor::store(std::size_t field, std::string_view text) {
  fe::RecordArray& a = r_.*(layout_.fields[field].array);
  if (!a.has(record_)) return true;  // never past the end of an array
  const bool stored = fe::StoreNumber(a(record_), text);
  showUnit(field);
  emit this->stored();
  return stored;
}

// The unit beside a box, and the value in the unit engineers think in.
void RecordEditor::showUnit(std::size_t field) {
  const EditorField& f = layout_.fields[field];
  std::string text = fe::UnitName(f.unit, unitSystem_);
  float value = 0.0f;
  const std::string shown = boxes_[field]->text().trimmed().toStdString();
  if (!shown.empty() && fe::ReadFloat(shown, &value)) {
    const std::string engineer = fe::EngineerValue(f.unit, unitSystem_, value);
    if (!engineer.empty()) text += "  " + engineer;
  }
  units_[field]->setText(QString::fromStdString(text));
}

void RecordEditor::applyTooltips(bool english) {
  unitSystem_ = english ? KELDOR_ENGLISH : KELDOR_SI;
  close_->setToolTip("Return to input form");
  previous_->setToolTip(layout_.tipPrevious);
  next_->setToolTip(layout_.tipNext);
  for (std::size_t i = 0; i < boxes_.size(); ++i) {
    const EditorField& f = layout_.fields[i];
    boxes_[i]->setToolTip(english ? f.tipEnglish : f.tipSI);
    showUnit(i);
  }
}

}  // namespace gui
