// The results pane under the tabs, the verdict in the status bar and at the
// end of a run, and a check's report line in the report viewer.
#include <QDockWidget>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>

#include "main_window.h"
#include "results_pane.h"
#include "run_results.h"
#include "text_viewer.h"

namespace gui {

void frmMain::buildResults() {
  auto* dock = new QDockWidget("Results", this);
  dock->setObjectName("dockResults");
  dock->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
  results_ = new ResultsPane(dock);
  dock->setWidget(results_);
  addDockWidget(Qt::BottomDockWidgetArea, dock);
  dock->hide();  // until the first run
  connect(results_, &ResultsPane::lineActivated, this, &frmMain::showReportLine);

  // View > Results shows the pane again once closed.
  if (auto* view = menuBar()->findChild<QMenu*>("mnuView")) {
    QAction* show = dock->toggleViewAction();
    show->setObjectName("mnuViewResults");
    show->setText("&Results");
    view->addAction(show);
  }

  verdict_ = new QLabel(status_);
  verdict_->setObjectName("SBVerdict");
  verdict_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  status_->addPermanentWidget(verdict_);
  verdict_->hide();
}

QString frmMain::verdictText() const { return verdict_->isVisible() ? verdict_->text() : QString(); }

// After a run that wrote its report: the results it recorded, read from the
// engine, in the pane and the status bar, and the verdict in the message.
void frmMain::showRunResults() {
  fe::RunResults results;
  std::string why;
  if (fe::EngineLibrary* engine = fe::EngineAt(enginePath_, &why))
    results = fe::ReadRunResults(*engine);
  results_->setResults(results, r_);
  if (auto* dock = findChild<QDockWidget*>("dockResults")) dock->show();
  const bool passes = fe::VerdictOf(results) == fe::Verdict::Passes;
  verdict_->setText(QString::fromStdString(fe::VerdictText(results)));
  verdict_->setStyleSheet(passes ? "color:#2e7d32; font-weight:bold;"
                                 : "color:#c62828; font-weight:bold;");
  verdict_->show();
  ui_.show(fe::EndOfRunMessage(results), true);
}

// A run that wrote no report has no results; the last run's are dropped.
void frmMain::dropRunResults() {
  results_->setResults(fe::RunResults(), r_);
  verdict_->hide();
}

void frmMain::showReportLine(int line) {
  viewOutputFile();
  if (TextViewer* v = viewer(ViewedFile::Output); v != nullptr && v->isVisible()) v->goToLine(line);
}

}  // namespace gui
