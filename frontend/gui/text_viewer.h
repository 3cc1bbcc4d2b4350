// A read-only window showing a text file (the report, the input file or the
// side file) in a fixed-pitch font, so that the report's columns line up:
// find, go to line, a list of the report's sections that jumps to each, the
// verdicts in colour, and Save As, Print and Export as PDF.
#pragma once

#include <QByteArray>
#include <QMainWindow>
#include <QString>
#include <functional>

#include "report_pdf.h"

class QCheckBox;
class QFileSystemWatcher;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QSpinBox;
class QSplitter;

namespace gui {

class ReportHighlighter;
class UserInterface;

class TextViewer : public QMainWindow {
  Q_OBJECT
 public:
  TextViewer(UserInterface& ui, QWidget* parent);

  // Reads the file at `path` and shows it. Returns false, leaving the window
  // as it was and saying why in `error`, when it cannot be read. Loading the
  // file shown again keeps the line in view.
  bool load(const QString& path, QString* error);

  QString path() const { return path_; }
  QString text() const;
  QPlainTextEdit* view() const { return text_; }
  QListWidget* sections() const { return sections_; }

  // Puts the cursor at the start of line `line` (1-based) and brings the
  // line into the middle of the view; false, changing nothing, when the file
  // has no such line.
  bool goToLine(int line);
  // The number of lines of the file.
  int lineCount() const;
  // Shows section `index` of the list (0-based) with its heading at the top
  // of the view; false when the report has no such section.
  bool goToSection(int index);
  // The 1-based line of the cursor.
  int currentLine() const;
  // The first line of the view.
  int topLine() const;

  // Finds the text of the find box after (or before) the cursor, wrapping at
  // the end (the start); false when it occurs nowhere.
  bool findNext();
  bool findPrevious();
  // The text of the find box's status ("3 of 17", "Not found", ...).
  QString findStatus() const;

  // Where the viewer finds the last run's report: the file shown, when it is
  // that report as the run wrote it, prints with the run's first page.
  void setRunDocument(std::function<const ReportDocument*()> source) { runDocument_ = std::move(source); }
  // What Print and Export as PDF hand over.
  ReportDocument document() const;

 public slots:
  void showFind();
  void showGoToLine();
  void saveAs();
  void print();
  void exportPdf();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void buildMenus();
  QWidget* buildFindBar();
  QWidget* buildGoToBar();
  bool find(bool backward);
  void showMatches();
  void listSections();
  void followSection();
  void fileChanged();

  UserInterface& ui_;
  QPlainTextEdit* text_ = nullptr;
  ReportHighlighter* highlighter_ = nullptr;
  QSplitter* splitter_ = nullptr;
  QListWidget* sections_ = nullptr;
  QWidget* findBar_ = nullptr;
  QLineEdit* findBox_ = nullptr;
  QCheckBox* matchCase_ = nullptr;
  QLabel* findStatus_ = nullptr;
  QWidget* goToBar_ = nullptr;
  QSpinBox* lineBox_ = nullptr;
  QFileSystemWatcher* watcher_ = nullptr;
  QString path_;
  QByteArray bytes_;  // the file as read, saved as it is by Save As
  bool shownBefore_ = false;
  std::function<const ReportDocument*()> runDocument_;
};

}  // namespace gui
