// frmMain: the tabbed input window over the input record, with its menus,
// its two-panel status bar and the commands that save, load, run and view.
#pragma once

#include <QHash>
#include <QLabel>
#include <QMainWindow>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "edit_history.h"
#include "engine_library.h"
#include "input_options.h"
#include "input_record.h"
#include "user_interface.h"
#include "window_tabs.h"

class QAction;
class QGroupBox;
class QGridLayout;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QStatusBar;
class QTabWidget;

namespace gui {

class DrawingPane;
class ResultsPane;
class HelpWindow;
struct ReportDocument;
class RecordEditor;
class RecordTable;
class TextViewer;
class frmAbout;
class frmTitle;

// The filter lists of the file dialogs: description and pattern pairs.
inline constexpr const char* kInputFilters =
    "All Files (*.*)|*.*|Input Files (*.in)|*.in|Text Files (*.txt)|*.txt";
inline constexpr const char* kOutputFilters =
    "All Files (*.*)|*.*|Output Files (*.out)|*.out|Text Files (*.txt)|*.txt";

// The object name of the button that opens a group's table, beside the
// button that opens its editor ("cmdViewLC": "cmdTableLC").
std::string TableButtonName(const char* editorButton);

// The files the View menu shows.
enum class ViewedFile { Input, Output, SideFile };

class frmMain : public QMainWindow, private fe::WindowHooks {
  Q_OBJECT
 public:
  // The report, results and wall of the last run (for PDF and print), or null.
  const ReportDocument* lastRunDocument() const { return lastRun_.get(); }
  // The window edits `record` and talks to the person through `ui`. When the
  // record has no input file yet, it starts with the English defaults.
  frmMain(fe::InputRecord& record, UserInterface& ui, QWidget* parent = nullptr);
  ~frmMain() override;

  // Writes the whole window from the record.
  void RefreshWindow();
  // Sets the tooltips that name units, for the units button selected.
  void ApplyTooltips();

  // Whether the input differs from the one last loaded or saved (the title
  // then ends in "*").
  bool modified() const;

  // The two panels of the status bar (1: input file, 2: output file and run).
  QString panelText(int panel) const;

  RecordEditor* editor(fe::CountGroup group) const;
  // The table of all the group's records.
  RecordTable* table(fe::CountGroup group) const;
  frmTitle* titleWindow() const { return title_; }
  frmAbout* aboutWindow() const { return about_; }
  HelpWindow* helpWindow() const { return help_; }
  DrawingPane* drawingPane() const { return drawing_; }
  // The results of the last run, docked under the tabs.
  ResultsPane* resultsPane() const { return results_; }
  // The verdict of the last run in the status bar; empty before a run.
  QString verdictText() const;
  // The viewer of a file, or nullptr before the file was first shown.
  TextViewer* viewer(ViewedFile file) const;

  // The engine library is loaded from this file at the first run (by default
  // libkeldor.so beside the program).
  void setEngineLibraryPath(const std::string& path) { enginePath_ = path; }
  // What a run does with the bound library (by default fe::RunEngine).
  using EngineRunner = std::function<void(const fe::EngineLibrary&, fe::InputRecord&)>;
  void setEngineRunner(EngineRunner runner) { runEngine_ = std::move(runner); }

 public slots:
  void loadInput();
  void saveInputAs();
  void chooseOutputFile();
  void showTitleWindow();
  void runKeldor();
  void viewInputFile();
  void viewOutputFile();
  void viewSideFile();
  void showHelp();
  void showAbout();
  void exitProgram();
  // The last run's report as PDF, or printed (main_window_report.cpp).
  void exportReportPdf();
  void printReport();
  void openEditor(fe::CountGroup group);
  void openTable(fe::CountGroup group);
  void undo();
  void redo();
  // Converts every value of the input to the other unit system, as one edit.
  void convertUnits();
  void exportDrawing();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  // fe::WindowHooks, called by the option rules.
  void refreshWindow() override { RefreshWindow(); }
  void applyTooltips() override { ApplyTooltips(); }

  // Building the window (main_window.cpp).
  void buildTabs();
  void fitPages();
  void buildMenus();
  void buildStatusBar();
  void buildDrawing();  // main_window_drawing.cpp
  void drawRun(const fe::EngineLibrary& engine);
  void buildResults();  // main_window_results.cpp
  void showRunResults();
  void dropRunResults();
  void showReportLine(int line);
  QWidget* page(const char* caption);
  QGroupBox* frame(QWidget* page, QGridLayout* grid, int row, int column, const char* name,
                   const char* caption, int rowSpan = 1, int columnSpan = 1);
  QLineEdit* box(QGroupBox* frame, const char* caption, const char* name);
  void unitLabel(QGroupBox* frame, const char* boxName);
  void showUnit(const fe::TabControl& box);
  QLabel* label(QGroupBox* frame, const char* caption, const char* name = nullptr);
  QRadioButton* option(QGroupBox* frame, const char* caption, const char* name, int column);
  QPushButton* button(QGroupBox* frame, const char* caption, const char* name);
  QAction* action(QMenu* menu, const char* caption, const char* name);

  // The recent input files (main_window_recent.cpp).
  void buildRecentMenu(QMenu* file, QAction* before);
  void rememberFile(const QString& path);
  void showRecentFiles();
  void loadInputFile(const QString& path);

  // Undo and redo (main_window_edits.cpp).
  void buildEditMenu();
  void connectEditHistory();
  void startHistory();
  void commitEdit(const QString& what);
  void commitPending();
  void restoreStep(bool (fe::EditHistory::*step)(fe::InputRecord&));
  void updateEditMenu();
  bool eventFilter(QObject* watched, QEvent* event) override;

  // The change handlers (main_window_handlers.cpp).
  void connectHandlers();
  void connectNumber(const char* box, std::function<bool(std::string_view)> store,
                     std::function<float()> kept);
  void connectCount(const char* box, fe::CountGroup group);
  void connectOption(const char* name, const char* what, std::function<void()> handler);
  void chooseUnits(std::int32_t units);
  fe::ModeButton selectedMode() const;
  void reset(const QString& what, void (*section)(fe::InputRecord&));
  void closeEditors();
  void buildTables();
  void refreshTables();

  // Commands (main_window_commands.cpp).
  void setPanel(int panel, const QString& text, bool repaintNow = false);
  bool saveInput(bool chooseName);
  void markSaved();
  void updateTitle();
  bool mayDiscardChanges();
  void showFile(ViewedFile file, const QString& path, const char* failure);
  void endRunWithoutReport();
  void refreshViewers();
  void takeRun();
  const ReportDocument* lastRun(bool sayWhyNot);

  // Widgets by object name.
  QLineEdit* txt(const char* name) const;
  QRadioButton* opt(const char* name) const;
  QGroupBox* fra(const char* name) const;
  QLabel* lbl(const char* name) const;
  QWidget* widget(const char* name) const;
  void write(const char* box, float value);
  void writeCount(const char* box, std::int32_t value);

  fe::InputRecord& r_;
  UserInterface& ui_;
  std::string enginePath_;
  EngineRunner runEngine_;
  bool shownBefore_ = false;
  fe::InputRecord saved_;  // the input as last loaded or saved
  fe::EditHistory history_;
  QString pendingWhat_;    // the box typed into since the last committed edit
  // While a count is typed, the records its group had: a count typed through
  // an empty box or a smaller number keeps them until it is committed.
  std::optional<fe::InputRecord> countHeld_;
  int busy_ = 0;           // inside a command: its own steps are not edits
  bool restoring_ = false; // undo or redo is writing the window
  QAction* undo_ = nullptr;
  QAction* redo_ = nullptr;
  QAction* convert_ = nullptr;
  QMenu* recent_ = nullptr;

  QTabWidget* tabs_ = nullptr;
  QStatusBar* status_ = nullptr;
  QLabel* panel1_ = nullptr;
  QLabel* panel2_ = nullptr;
  QHash<QString, QWidget*> widgets_;
  std::map<fe::CountGroup, RecordEditor*> editors_;
  std::map<fe::CountGroup, RecordTable*> tables_;
  std::map<ViewedFile, TextViewer*> viewers_;
  frmTitle* title_ = nullptr;
  frmAbout* about_ = nullptr;
  HelpWindow* help_ = nullptr;
  std::unique_ptr<ReportDocument> lastRun_;  // the report of the last run, for PDF and print
  DrawingPane* drawing_ = nullptr;
  ResultsPane* results_ = nullptr;
  QLabel* verdict_ = nullptr;
};

}  // namespace gui
