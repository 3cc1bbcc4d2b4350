// The commands that reach outside the record: the input and output files, the
// run, the viewers, the title, help and About windows, and Exit.
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QStatusBar>

#include "about_window.h"
#include "drawing_pane.h"
#include "file_names.h"
#include "help_window.h"
#include "input_file.h"
#include "record_fields.h"
#include "main_window.h"
#include "record_editor.h"
#include "report_files.h"
#include "run_sequence.h"
#include "results_pane.h"
#include "text_viewer.h"
#include "title_window.h"

namespace gui {

namespace {

std::string Std(const QString& s) { return s.toStdString(); }

// The message of a failure to write the output file.
constexpr const char* kErrorSavingOutputFile = "Error saving output file";

}  // namespace

void frmMain::setPanel(int panel, const QString& text, bool repaintNow) {
  QLabel* p = panel == 1 ? panel1_ : panel2_;
  p->setText(text);
  if (repaintNow) status_->repaint();
}

// ---- Files -----------------------------------------------------------------------

// ---- Unsaved changes ---------------------------------------------------------------

bool frmMain::modified() const { return !fe::SameInput(r_, saved_); }

void frmMain::markSaved() {
  saved_ = r_;
  updateTitle();
}

void frmMain::updateTitle() {
  const QString name = r_.INPATH.empty() ? QString()
                                         : " \u2014 " + QString::fromStdString(fe::FileTitle(r_.INPATH));
  setWindowTitle("Keldor - Retaining Wall Design" + name + "[*]");
  setWindowModified(modified());
  if (drawing_ != nullptr) drawing_->inputChanged();  // the drawing follows every edit
  if (results_ != nullptr) results_->inputChanged(r_);  // so do the results
}

// Before the input is replaced or the program ends: true when nothing would
// be lost, the person chose to discard the changes, or they were saved.
bool frmMain::mayDiscardChanges() {
  if (!modified()) return true;
  const QString name =
      r_.INPATH.empty() ? QString("the new input") : QString::fromStdString(fe::FileTitle(r_.INPATH));
  switch (ui_.askSave("Save changes to " + name + "?")) {
    case SaveChoice::Save:
      return saveInput(r_.INPATH.empty());
    case SaveChoice::Discard:
      return true;
    case SaveChoice::Cancel:
      break;
  }
  return false;
}

// ---- Files -----------------------------------------------------------------------

void frmMain::loadInput() {
  if (!mayDiscardChanges()) return;
  const QString path = ui_.chooseFile(FileDialogMode::Open, kInputFilters, 1);
  if (path.isEmpty()) return;  // cancelled: nothing changes
  loadInputFile(path);
}

// Loads the file into the record, or says why not and keeps the record.
void frmMain::loadInputFile(const QString& path) {
  const std::string previous = r_.INPATH;
  std::string error;
  if (!fe::LoadInputFile(r_, Std(path), &error)) {
    ui_.show(std::string(fe::kErrorLoadingInputFile) + "\n\n" + error, true);
    return;
  }
  // A report chosen for another input would be overwritten by the next run.
  fe::ProposeReport(r_, previous);
  closeEditors();  // every array group was read anew
  RefreshWindow();
  ApplyTooltips();  // the file may have brought the other unit system
  markSaved();
  startHistory();  // the edits made to the previous input cannot be undone
  rememberFile(path);
}

void frmMain::saveInputAs() { saveInput(true); }

// Saves the input, to a file chosen now or to the current input file; false
// when it was not saved (invalid, cancelled or not written).
bool frmMain::saveInput(bool chooseName) {
  if (!fe::ValidateInput(r_, ui_)) return false;
  const QString path =
      chooseName ? QString::fromStdString(fe::WithExtension(
                       Std(ui_.chooseFile(FileDialogMode::Save, kInputFilters, 1)), ".in"))
                 : QString::fromStdString(r_.INPATH);
  if (path.isEmpty()) return false;
  const std::string previous = r_.INPATH;
  std::string error;
  if (!fe::SaveInputFile(r_, Std(path), &error)) {
    ui_.show(std::string(fe::kErrorSavingInputFile) + "\n\n" + error, true);
    return false;
  }
  rememberFile(path);
  setPanel(1, "Input file = " + QString::fromStdString(fe::FileTitle(Std(path))));
  if (fe::ProposeReport(r_, previous))
    setPanel(2, "Output file = " + QString::fromStdString(r_.OUTFILE.str()));
  markSaved();
  return true;
}

void frmMain::chooseOutputFile() {
  const QString path = QString::fromStdString(
      fe::WithExtension(Std(ui_.chooseFile(FileDialogMode::Save, kOutputFilters, 1)), ".out"));
  if (path.isEmpty()) return;
  std::string error;
  if (!fe::SetOutputFile(r_, Std(path), &error)) {
    ui_.show(std::string(kErrorSavingOutputFile) + "\n\n" + error, true);
    return;
  }
  setPanel(2, "Output file = " + QString::fromStdString(fe::FileTitle(Std(path))));
}

void frmMain::showTitleWindow() {
  title_->show();
  title_->raise();
  title_->activateWindow();
}

// ---- Run -------------------------------------------------------------------------

// After a run that wrote no report, panel 2 names the output file again.
void frmMain::endRunWithoutReport() {
  dropRunResults();
  setPanel(2, "Output file = " + QString::fromStdString(r_.OUTFILE.str()), true);
}

void frmMain::runKeldor() {
  if (r_.INPATH.empty()) {
    ui_.show("Please specify input file", true);
    return;
  }
  if (r_.OUTPATH.blank()) {
    ui_.show("Please specify output file", true);
    return;
  }
  setPanel(2, "Checking input...please wait", true);

  // The library is bound at the first run. Without it the program goes on,
  // so that no input is lost.
  const auto run = [this](const fe::EngineLibrary& engine, fe::InputRecord& r) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    setPanel(2, "Running program...please wait", true);
    setEnabled(false);
    runEngine_(engine, r);
    drawRun(engine);
    setEnabled(true);
    QApplication::restoreOverrideCursor();
  };
  const fe::RunOutcome outcome = fe::RunAnalysis(r_, ui_, {enginePath_, run});
  if (!outcome.written()) {
    endRunWithoutReport();
    // A file the engine could not write to its end: the output file's error
    // message, then which file, the system's reason and where the part is kept.
    if (outcome.step == fe::RunStep::ReportIncomplete ||
        outcome.step == fe::RunStep::SideFileIncomplete) {
      ui_.show(std::string(kErrorSavingOutputFile) + "\n\n" + outcome.message, true);
    } else if (!outcome.message.empty()) {
      ui_.show(outcome.message, true);  // else the checks said why
    }
    return;
  }
  setPanel(2, "Output written to " + QString::fromStdString(r_.OUTFILE.str()), true);
  refreshViewers();
  takeRun();
  showRunResults();
}

// ---- Viewing ---------------------------------------------------------------------

void frmMain::showFile(ViewedFile file, const QString& path, const char* failure) {
  TextViewer*& v = viewers_[file];
  if (v == nullptr) {
    v = new TextViewer(ui_, this);
    // The viewer of the last run's report prints and exports it with the
    // run's first page.
    v->setRunDocument([this] { return lastRun(false); });
  }
  QString error;
  if (!v->load(path, &error)) {
    ui_.message(QString(failure) + "\n\n" + error, MessageIcon::Information);
    return;
  }
  v->show();
  v->raise();
  v->activateWindow();
}

// The viewers open on the report and the side file show them as the run
// wrote them.
void frmMain::refreshViewers() {
  const std::pair<ViewedFile, QString> written[] = {
      {ViewedFile::Output, QString::fromStdString(r_.OUTPATH.trimmedRight())},
      {ViewedFile::SideFile, fe::kSideFileName}};
  for (const auto& [file, path] : written) {
    TextViewer* v = viewer(file);
    QString error;
    if (v != nullptr && v->isVisible() && !v->load(path, &error)) v->close();
  }
}

void frmMain::viewInputFile() {
  if (r_.INPATH.empty()) {
    ui_.show("Please specify input file name", true);
    return;
  }
  showFile(ViewedFile::Input, QString::fromStdString(r_.INPATH), "Unable to view input file");
}

void frmMain::viewOutputFile() {
  if (r_.OUTPATH.blank()) {
    ui_.show("Please specify output file name", true);
    return;
  }
  showFile(ViewedFile::Output, QString::fromStdString(r_.OUTPATH.trimmedRight()),
           "Unable to view output file");
}

void frmMain::viewSideFile() {
  showFile(ViewedFile::SideFile, fe::kSideFileName, "Unable to view Keldor.dat file");
}

// ---- Help, About, Exit -------------------------------------------------------------

void frmMain::showHelp() {
  const bool first = help_ == nullptr;
  if (first) help_ = new HelpWindow(this);
  help_->show();
  if (first) CentreOnScreen(help_);
  help_->raise();
  help_->activateWindow();
}

void frmMain::showAbout() {
  about_->show();
  about_->raise();
  about_->activateWindow();
}

void frmMain::exitProgram() {
  if (mayDiscardChanges()) QCoreApplication::exit(0);
}

// The title bar's Close ends the program as Exit does.
void frmMain::closeEvent(QCloseEvent* event) {
  if (!mayDiscardChanges()) {
    event->ignore();
    return;
  }
  event->accept();
  QCoreApplication::exit(0);
}

}  // namespace gui
