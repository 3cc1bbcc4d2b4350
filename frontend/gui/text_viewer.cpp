#include "text_viewer.h"

#include <QAction>
#include <algorithm>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSpinBox>
#include <QSplitter>
#include <QTextBlock>
#include <QToolButton>
#include <QVBoxLayout>

#include "fixed_font.h"
#include "main_window.h"
#include "program_window.h"
#include "atomic_file.h"
#include "report_commands.h"
#include "report_highlighter.h"
#include "report_lines.h"
#include "user_interface.h"

namespace gui {

namespace {

// The colours of the find matches: every match, and the one found.
const QColor kMatchBackground(0xff, 0xf1, 0x76);
const QColor kFoundBackground(0xff, 0xa7, 0x26);
const QColor kCurrentLineBackground(0xe8, 0xf0, 0xfe);
// More matches than this are not all marked (the find still goes on).
constexpr int kMostMarkedMatches = 2000;

// The dialog filters for a copy of the file, by the kind of the file shown.
QString SaveFilters(const QString& path, int* selected) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  *selected = 1;
  if (suffix == "in") return kInputFilters;
  if (suffix == "out") return kOutputFilters;
  *selected = 0;
  return "All Files (*.*)|*.*|Text Files (*.txt)|*.txt";
}

}  // namespace

TextViewer::TextViewer(UserInterface& ui, QWidget* parent)
    : QMainWindow(parent, Qt::Window), ui_(ui) {
  setObjectName("TextViewer");
  text_ = new QPlainTextEdit(this);
  text_->setObjectName("txtView");
  text_->setReadOnly(true);
  // The cursor moves with the keys (Ctrl+Home, Ctrl+End, the arrows) and
  // shows where Go to Line and Find left it.
  text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  text_->setLineWrapMode(QPlainTextEdit::NoWrap);
  text_->setFont(FixedPitchFont());
  // The match found stays marked while the find box has the focus.
  QPalette palette = text_->palette();
  palette.setColor(QPalette::Inactive, QPalette::Highlight,
                   palette.color(QPalette::Active, QPalette::Highlight));
  palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                   palette.color(QPalette::Active, QPalette::HighlightedText));
  text_->setPalette(palette);
  highlighter_ = new ReportHighlighter(text_->document());

  sections_ = new QListWidget(this);
  sections_->setObjectName("lstSections");
  sections_->setToolTip("Sections of the report: click one to go to it");
  connect(sections_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    goToSection(sections_->row(item));
    text_->setFocus();
  });
  connect(sections_, &QListWidget::itemActivated, sections_, &QListWidget::itemClicked);
  connect(text_->verticalScrollBar(), &QScrollBar::valueChanged, this, &TextViewer::followSection);
  // The view also scrolls on its own, as when its height changes.
  connect(text_, &QPlainTextEdit::updateRequest, this, [this](const QRect&, int dy) {
    if (dy != 0) followSection();
  });
  connect(text_, &QPlainTextEdit::cursorPositionChanged, this, &TextViewer::showMatches);

  splitter_ = new QSplitter(this);
  splitter_->setObjectName("splViewer");
  splitter_->addWidget(sections_);
  splitter_->addWidget(text_);
  splitter_->setStretchFactor(1, 1);
  splitter_->setCollapsible(1, false);

  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(splitter_, 1);
  layout->addWidget(buildFindBar());
  layout->addWidget(buildGoToBar());
  setCentralWidget(central);
  buildMenus();

  watcher_ = new QFileSystemWatcher(this);
  connect(watcher_, &QFileSystemWatcher::fileChanged, this, &TextViewer::fileChanged);

  // Wide enough for the widest report line and the section list, within the
  // screen.
  const int listWidth = sections_->fontMetrics().horizontalAdvance(QString(24, 'n'));
  const int textWidth = text_->fontMetrics().horizontalAdvance(QString(100, 'M')) + 40;
  sections_->setMinimumWidth(listWidth / 2);
  splitter_->setSizes({listWidth, textWidth});
  QSize size(listWidth + textWidth, 700);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    size = size.boundedTo(screen->availableGeometry().size() * 0.9);
  resize(size);
}

void TextViewer::buildMenus() {
  QMenu* file = menuBar()->addMenu("&File");
  file->setObjectName("mnuViewerFile");
  QAction* saveAs = file->addAction("Save &As...", this, &TextViewer::saveAs);
  saveAs->setObjectName("mnuViewerSaveAs");
  saveAs->setShortcut(QKeySequence::SaveAs);
  QAction* pdf = file->addAction("Export as P&DF...", this, &TextViewer::exportPdf);
  pdf->setObjectName("mnuViewerExportPdf");
  QAction* print = file->addAction("&Print...", this, &TextViewer::print);
  print->setObjectName("mnuViewerPrint");
  print->setShortcut(QKeySequence::Print);
  file->addSeparator();
  QAction* close = file->addAction("&Close", this, &QWidget::close);
  close->setObjectName("mnuViewerClose");
  close->setShortcut(QKeySequence::Close);

  QMenu* edit = menuBar()->addMenu("&Edit");
  edit->setObjectName("mnuViewerEdit");
  QAction* copy = edit->addAction("&Copy", text_, &QPlainTextEdit::copy);
  copy->setObjectName("mnuViewerCopy");
  copy->setShortcut(QKeySequence::Copy);
  QAction* all = edit->addAction("Select &All", text_, &QPlainTextEdit::selectAll);
  all->setObjectName("mnuViewerSelectAll");
  all->setShortcut(QKeySequence::SelectAll);
  edit->addSeparator();
  QAction* find = edit->addAction("&Find...", this, &TextViewer::showFind);
  find->setObjectName("mnuViewerFind");
  find->setShortcut(QKeySequence::Find);
  QAction* next = edit->addAction("Find &Next", this, [this] { findNext(); });
  next->setObjectName("mnuViewerFindNext");
  next->setShortcut(QKeySequence(Qt::Key_F3));
  QAction* previous = edit->addAction("Find &Previous", this, [this] { findPrevious(); });
  previous->setObjectName("mnuViewerFindPrevious");
  previous->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F3));
  QAction* line = edit->addAction("&Go to Line...", this, &TextViewer::showGoToLine);
  line->setObjectName("mnuViewerGoToLine");
  line->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
  for (QAction* a : {copy, all, find, next, previous, line})
    a->setShortcutContext(Qt::WindowShortcut);
}

QWidget* TextViewer::buildFindBar() {
  findBar_ = new QWidget(this);
  findBar_->setObjectName("barFind");
  auto* row = new QHBoxLayout(findBar_);
  row->setContentsMargins(6, 3, 6, 3);
  auto* label = new QLabel("Find:", findBar_);
  findBox_ = new QLineEdit(findBar_);
  findBox_->setObjectName("txtFind");
  findBox_->setClearButtonEnabled(true);
  findBox_->setToolTip("Text to find: Enter for the next match, Shift+Enter for the previous");
  label->setBuddy(findBox_);
  auto* previous = new QToolButton(findBar_);
  previous->setObjectName("cmdFindPrevious");
  previous->setArrowType(Qt::UpArrow);
  previous->setToolTip("Previous match (Shift+F3)");
  auto* next = new QToolButton(findBar_);
  next->setObjectName("cmdFindNext");
  next->setArrowType(Qt::DownArrow);
  next->setToolTip("Next match (F3)");
  matchCase_ = new QCheckBox("Match &case", findBar_);
  matchCase_->setObjectName("chkMatchCase");
  findStatus_ = new QLabel(findBar_);
  findStatus_->setObjectName("lblFindStatus");
  auto* close = new QToolButton(findBar_);
  close->setObjectName("cmdFindClose");
  close->setText("\u00d7");
  close->setToolTip("Close the find bar (Escape)");
  row->addWidget(label);
  row->addWidget(findBox_, 1);
  row->addWidget(previous);
  row->addWidget(next);
  row->addWidget(matchCase_);
  row->addWidget(findStatus_, 1);
  row->addWidget(close);
  findBar_->hide();

  connect(previous, &QToolButton::clicked, this, [this] { findPrevious(); });
  connect(next, &QToolButton::clicked, this, [this] { findNext(); });
  connect(close, &QToolButton::clicked, this, [this] {
    findBar_->hide();
    showMatches();
    text_->setFocus();
  });
  connect(matchCase_, &QCheckBox::toggled, this, &TextViewer::showMatches);
  connect(findBox_, &QLineEdit::returnPressed, this, [this] {
    if (QGuiApplication::keyboardModifiers() & Qt::ShiftModifier) {
      findPrevious();
    } else {
      findNext();
    }
  });
  // Find as you type: the first match from where the search began.
  connect(findBox_, &QLineEdit::textEdited, this, [this] {
    QTextCursor c = text_->textCursor();
    c.setPosition(c.selectionStart());
    text_->setTextCursor(c);
    if (findBox_->text().isEmpty()) {
      findStatus_->clear();
      showMatches();
    } else {
      findNext();
    }
  });
  return findBar_;
}

QWidget* TextViewer::buildGoToBar() {
  goToBar_ = new QWidget(this);
  goToBar_->setObjectName("barGoTo");
  auto* row = new QHBoxLayout(goToBar_);
  row->setContentsMargins(6, 3, 6, 3);
  auto* label = new QLabel("Go to line:", goToBar_);
  lineBox_ = new QSpinBox(goToBar_);
  lineBox_->setObjectName("spnLine");
  lineBox_->setMinimum(1);
  lineBox_->setMaximum(1);
  label->setBuddy(lineBox_);
  auto* go = new QPushButton("&Go", goToBar_);
  go->setObjectName("cmdGoToLine");
  auto* close = new QToolButton(goToBar_);
  close->setObjectName("cmdGoToClose");
  close->setText("\u00d7");
  close->setToolTip("Close (Escape)");
  row->addWidget(label);
  row->addWidget(lineBox_);
  row->addWidget(go);
  row->addStretch(1);
  row->addWidget(close);
  goToBar_->hide();

  const auto jump = [this] {
    lineBox_->interpretText();
    goToLine(lineBox_->value());
    goToBar_->hide();
    text_->setFocus();
  };
  connect(go, &QPushButton::clicked, this, jump);
  connect(lineBox_, &QSpinBox::editingFinished, this, [this, jump] {
    if (goToBar_->isVisible() && lineBox_->hasFocus()) jump();
  });
  connect(close, &QToolButton::clicked, this, [this] {
    goToBar_->hide();
    text_->setFocus();
  });
  return goToBar_;
}

// ---- The file ------------------------------------------------------------------

bool TextViewer::load(const QString& path, QString* error) {
  QFile file(path);
  if (!QFileInfo(path).isFile()) {
    *error = path + ": " + (QFileInfo::exists(path) ? "not a file" : "no such file");
    return false;
  }
  if (!file.open(QIODevice::ReadOnly)) {
    *error = path + ": " + file.errorString();
    return false;
  }
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) {
    *error = path + ": " + file.errorString();
    return false;
  }
  const bool same = QFileInfo(path) == QFileInfo(path_);
  const int top = topLine(), line = currentLine();

  QString content = QString::fromUtf8(bytes);
  content.replace("\r\n", "\n");
  text_->setPlainText(content);
  bytes_ = bytes;
  if (!watcher_->files().isEmpty()) watcher_->removePaths(watcher_->files());
  watcher_->addPath(path);
  path_ = path;
  setWindowTitle(QFileInfo(path).fileName() + " - Keldor");
  lineBox_->setMaximum(lineCount());
  listSections();
  if (same) {  // the same file, written anew: stay where the reader was
    goToLine(std::min(line, lineCount()));
    text_->verticalScrollBar()->setValue(top - 1);
  }
  showMatches();
  return true;
}

QString TextViewer::text() const { return text_->toPlainText(); }

// A new run rewrites the report: show it as it is now. A file that is gone
// (replaced by renaming) is watched again once it is back.
void TextViewer::fileChanged() {
  if (path_.isEmpty()) return;
  QString error;
  if (QFileInfo(path_).isFile()) load(path_, &error);
}

void TextViewer::listSections() {
  sections_->clear();
  std::vector<std::string> lines;
  lines.reserve(static_cast<std::size_t>(text_->blockCount()));
  for (QTextBlock b = text_->document()->begin(); b.isValid(); b = b.next())
    lines.push_back(b.text().toStdString());
  for (const fe::ReportSection& s : fe::FindSections(lines)) {
    auto* item = new QListWidgetItem(QString::fromStdString(s.title), sections_);
    item->setData(Qt::UserRole, s.line + 1);
    item->setToolTip(QString("Line %1").arg(s.line + 1));
  }
  sections_->setVisible(sections_->count() > 0);
}

// The list marks the section at the top of the view.
void TextViewer::followSection() {
  const int top = topLine();
  int row = -1;
  for (int i = 0; i < sections_->count(); ++i) {
    if (sections_->item(i)->data(Qt::UserRole).toInt() <= top) row = i;
  }
  const QSignalBlocker quiet(sections_);
  sections_->setCurrentRow(row);
}

void TextViewer::saveAs() {
  int selected = 0;
  const QString filters = SaveFilters(path_, &selected);
  const QString target = ui_.chooseFile(FileDialogMode::Save, filters, selected);
  if (target.isEmpty()) return;
  std::string reason;
  if (!fe::WriteFileAtomically(target.toStdString(),
                               std::string_view(bytes_.constData(), std::size_t(bytes_.size())),
                               &reason)) {
    ui_.show("Unable to save the copy\n\n" + target.toStdString() + ": " + reason, true);
  }
}

ReportDocument TextViewer::document() const {
  const ReportDocument* run = runDocument_ ? runDocument_() : nullptr;
  if (run != nullptr && QFileInfo(QString::fromStdString(run->run.reportPath)) == QFileInfo(path_) &&
      run->run.report == bytes_.toStdString())
    return *run;
  ReportDocument plain;
  plain.firstPage = false;
  plain.run.reportPath = path_.toStdString();
  plain.run.report = bytes_.toStdString();
  return plain;
}

void TextViewer::print() { Print(document(), ui_); }

void TextViewer::exportPdf() { ExportPdf(document(), ui_); }

// ---- Finding and going to a line ------------------------------------------------------

// The end of the last line opens no line of its own.
int TextViewer::lineCount() const {
  const int blocks = text_->blockCount();
  return blocks > 1 && text_->document()->lastBlock().length() <= 1 ? blocks - 1 : blocks;
}

int TextViewer::currentLine() const {
  return std::min(text_->textCursor().blockNumber() + 1, lineCount());
}

int TextViewer::topLine() const { return text_->verticalScrollBar()->value() + 1; }

bool TextViewer::goToLine(int line) {
  const QTextBlock block = text_->document()->findBlockByNumber(line - 1);
  if (line < 1 || line > lineCount() || !block.isValid()) return false;
  QTextCursor c(block);
  text_->setTextCursor(c);
  text_->centerCursor();
  return true;
}

bool TextViewer::goToSection(int index) {
  const QListWidgetItem* item = sections_->item(index);
  if (item == nullptr) return false;
  const int line = item->data(Qt::UserRole).toInt();
  goToLine(line);
  text_->horizontalScrollBar()->setValue(0);
  text_->verticalScrollBar()->setValue(line - 1);  // the heading at the top
  return true;
}

void TextViewer::showFind() {
  goToBar_->hide();
  findBar_->show();
  // The selected words are what is looked for.
  const QString selected = text_->textCursor().selectedText();
  if (!selected.isEmpty() && !selected.contains(QChar::ParagraphSeparator))
    findBox_->setText(selected);
  findBox_->setFocus();
  findBox_->selectAll();
  showMatches();
}

void TextViewer::showGoToLine() {
  findBar_->hide();
  goToBar_->show();
  lineBox_->setValue(currentLine());
  lineBox_->setFocus();
  lineBox_->selectAll();
  showMatches();
}

bool TextViewer::findNext() { return find(false); }
bool TextViewer::findPrevious() { return find(true); }
QString TextViewer::findStatus() const { return findStatus_->text(); }

bool TextViewer::find(bool backward) {
  const QString needle = findBox_->text();
  if (needle.isEmpty()) {
    showFind();
    return false;
  }
  QTextDocument::FindFlags flags;
  if (backward) flags |= QTextDocument::FindBackward;
  if (matchCase_->isChecked()) flags |= QTextDocument::FindCaseSensitively;
  QTextDocument* document = text_->document();
  QTextCursor found = document->find(needle, text_->textCursor(), flags);
  bool wrapped = false;
  if (found.isNull()) {
    QTextCursor from(document);
    if (backward) from.movePosition(QTextCursor::End);
    found = document->find(needle, from, flags);
    wrapped = true;
  }
  if (found.isNull()) {
    findStatus_->setText("Not found");
    showMatches();
    return false;
  }
  text_->setTextCursor(found);
  text_->centerCursor();
  showMatches();
  if (wrapped) {
    findStatus_->setText(findStatus_->text() +
                         (backward ? " (from the end)" : " (from the top)"));
  }
  return true;
}

// The extra selections: the cursor's line, and while the find bar is open
// every match of its text with the one found marked apart; the find status
// counts them. The text and its colours stay as they are.
void TextViewer::showMatches() {
  QList<QTextEdit::ExtraSelection> marks;
  QTextEdit::ExtraSelection line;
  line.format.setBackground(kCurrentLineBackground);
  line.format.setProperty(QTextFormat::FullWidthSelection, true);
  line.cursor = text_->textCursor();
  line.cursor.clearSelection();
  marks << line;

  const QString needle = findBox_->text();
  if (findBar_->isVisibleTo(this) && !needle.isEmpty()) {
    QTextDocument::FindFlags flags;
    if (matchCase_->isChecked()) flags |= QTextDocument::FindCaseSensitively;
    const QTextCursor current = text_->textCursor();
    int count = 0, index = 0;
    for (QTextCursor c = text_->document()->find(needle, 0, flags); !c.isNull();
         c = text_->document()->find(needle, c, flags)) {
      ++count;
      const bool isCurrent =
          c.selectionStart() == current.selectionStart() && c.selectionEnd() == current.selectionEnd();
      if (isCurrent) index = count;
      if (count > kMostMarkedMatches && !isCurrent) continue;
      QTextEdit::ExtraSelection match;
      match.format.setBackground(isCurrent ? kFoundBackground : kMatchBackground);
      match.cursor = c;
      marks << match;
    }
    if (count == 0) {
      findStatus_->setText("Not found");
    } else if (index > 0) {
      findStatus_->setText(QString("%1 of %2").arg(index).arg(count));
    } else {
      findStatus_->setText(QString(count == 1 ? "1 match" : "%1 matches").arg(count));
    }
  }
  text_->setExtraSelections(marks);
}

// ---- The window -------------------------------------------------------------------------

// Escape closes the find or go-to bar, else the window, as the title bar's
// Close does.
void TextViewer::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    if (findBar_->isVisible() || goToBar_->isVisible()) {
      findBar_->hide();
      goToBar_->hide();
      showMatches();
      text_->setFocus();
    } else {
      close();
    }
    return;
  }
  QMainWindow::keyPressEvent(event);
}

void TextViewer::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!shownBefore_) {
    shownBefore_ = true;
    CentreOnScreen(this);
  }
}

}  // namespace gui
