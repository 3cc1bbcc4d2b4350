// Undo and redo: the Edit menu over the core's edit history. An edit is
// complete when its box is left (or Enter pressed), when an option has done
// its work, and when a reset or a conversion is done; undo and redo write the
// input of the step back and the window from it.
#include <QAction>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

#include "main_window.h"
#include "record_editor.h"
#include "record_table.h"
#include "title_window.h"
#include "unit_conversion.h"

namespace gui {

namespace {

const QKeySequence kUndoKey(Qt::ControlModifier | Qt::Key_Z);
const QKeySequence kRedoKeys[] = {QKeySequence(Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_Z),
                                  QKeySequence(Qt::ControlModifier | Qt::Key_Y)};

bool IsUndoOrRedoKey(const QKeyEvent* key) {
  const QKeySequence pressed(key->keyCombination());
  if (pressed == kUndoKey) return true;
  for (const QKeySequence& k : kRedoKeys)
    if (pressed == k) return true;
  return false;
}

QString Bare(QString caption) {
  caption.remove('&');
  caption = caption.trimmed();
  if (caption.endsWith(':')) caption.chop(1);
  return caption;
}

// "SOIL BEARING PRESSURE" as "soil bearing pressure".
QString Lower(const QString& heading) { return heading.toLower(); }

}  // namespace

void frmMain::buildEditMenu() {
  QMenu* edit = menuBar()->addMenu("&Edit");
  edit->setObjectName("mnuEdit");
  edit->menuAction()->setObjectName("mnuEdit");
  undo_ = action(edit, "&Undo", "mnuUndo");
  undo_->setShortcut(kUndoKey);
  redo_ = action(edit, "&Redo", "mnuRedo");
  redo_->setShortcuts({kRedoKeys[0], kRedoKeys[1]});
  connect(undo_, &QAction::triggered, this, &frmMain::undo);
  connect(redo_, &QAction::triggered, this, &frmMain::redo);
  edit->addSeparator();
  convert_ = action(edit, "&Convert Input to SI Units", "mnuConvertUnits");
  connect(convert_, &QAction::triggered, this, &frmMain::convertUnits);
}

// Every box of every window of the program commits its edit when it is left;
// its name in the Edit menu is its caption (with its frame's, where the
// caption alone is used more than once in the window).
void frmMain::connectEditHistory() {
  QHash<QLineEdit*, QString> names;
  QHash<QString, int> uses;
  const QList<QLabel*> labels = findChildren<QLabel*>();
  for (QLabel* l : labels) {
    auto* box = qobject_cast<QLineEdit*>(l->buddy());
    if (box == nullptr) continue;
    names.insert(box, Bare(l->text()));
    ++uses[box->window()->objectName() + "/" + Bare(l->text())];
  }
  for (QLineEdit* box : findChildren<QLineEdit*>()) {
    QString what = names.value(box, "Output title");
    if (uses.value(box->window()->objectName() + "/" + what) > 1) {
      if (auto* frame = qobject_cast<QGroupBox*>(box->parentWidget()))
        what += " (" + Lower(frame->title()) + ")";
    }
    if (box->window() != this) what += " (" + box->window()->windowTitle() + ")";
    connect(box, &QLineEdit::textEdited, this, [this, what] {
      pendingWhat_ = what;
      updateEditMenu();
    });
    connect(box, &QLineEdit::editingFinished, this, &frmMain::commitPending);
    // Ctrl+Z and Ctrl+Shift+Z in a box are the program's, not the box's own.
    box->installEventFilter(this);
  }
  // The keys (and Ctrl+S) work in the editors, the tables and the title
  // window as in this one.
  const QList<QAction*> keys = {undo_, redo_, findChild<QAction*>("mnuSaveInput")};
  for (auto& [group, e] : editors_) e->addActions(keys);
  for (auto& [group, t] : tables_) t->addActions(keys);
  title_->addActions(keys);
  updateEditMenu();
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride &&
      IsUndoOrRedoKey(static_cast<QKeyEvent*>(event))) {
    event->ignore();  // left to the shortcut of the Edit menu
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

void frmMain::startHistory() {
  countHeld_.reset();
  history_.start(r_);
  pendingWhat_.clear();
  updateEditMenu();
}

void frmMain::commitEdit(const QString& what) {
  if (busy_ > 0 || restoring_) return;
  countHeld_.reset();  // a count committed drops the records past it
  history_.commit(r_, what.toStdString());
  pendingWhat_.clear();
  updateEditMenu();
}

// The typing since the last edit becomes an edit of its own, so that a
// command that follows is undone on its own.
void frmMain::commitPending() {
  commitEdit(pendingWhat_.isEmpty() ? QString("Edit") : pendingWhat_);
}

void frmMain::undo() { restoreStep(&fe::EditHistory::undo); }
void frmMain::redo() { restoreStep(&fe::EditHistory::redo); }

void frmMain::restoreStep(bool (fe::EditHistory::*step)(fe::InputRecord&)) {
  if (busy_ > 0 || restoring_) return;
  commitPending();
  countHeld_.reset();
  if (!(history_.*step)(r_)) return;
  restoring_ = true;
  RefreshWindow();
  ApplyTooltips();  // the step may have changed the units
  for (auto& [group, e] : editors_) e->refresh();
  restoring_ = false;
  updateEditMenu();
  updateTitle();
}

// Unlike answering the units question, which keeps every number or loads the
// defaults, the conversion keeps the input and changes the numbers.
void frmMain::convertUnits() {
  if (busy_ > 0 || restoring_) return;
  commitPending();
  const std::int32_t to = r_.IUNITS == KELDOR_SI ? KELDOR_ENGLISH : KELDOR_SI;
  ++busy_;
  const bool converted = fe::ConvertUnits(r_, to);
  if (converted) {
    restoring_ = true;  // the units buttons follow the record without a question
    RefreshWindow();
    ApplyTooltips();
    for (auto& [group, e] : editors_) e->refresh();
    restoring_ = false;
  }
  --busy_;
  if (converted) commitEdit(to == KELDOR_SI ? "Convert to SI Units" : "Convert to English Units");
}

void frmMain::updateEditMenu() {
  if (undo_ == nullptr) return;
  // Typing not yet committed can be undone too.
  const bool typed = !pendingWhat_.isEmpty() && history_.pending(r_);
  const QString undoName = typed ? pendingWhat_ : QString::fromStdString(history_.undoName());
  undo_->setEnabled(typed || history_.canUndo());
  undo_->setText(undo_->isEnabled() ? "&Undo " + undoName : QString("&Undo"));
  redo_->setEnabled(!typed && history_.canRedo());
  convert_->setText(r_.IUNITS == KELDOR_SI ? "&Convert Input to English Units"
                                            : "&Convert Input to SI Units");
  convert_->setEnabled(r_.IUNITS == KELDOR_ENGLISH || r_.IUNITS == KELDOR_SI);
  redo_->setText(redo_->isEnabled() ? "&Redo " + QString::fromStdString(history_.redoName())
                                    : QString("&Redo"));
}

}  // namespace gui
