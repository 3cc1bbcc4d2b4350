// The last run's report to hand over: File > Export Report as PDF... and
// File > Print..., with the run's first page.
#include <ctime>

#include "engine_library.h"
#include "main_window.h"
#include "report_commands.h"
#include "report_pdf.h"
#include "run_results.h"
#include "wall_drawing.h"

namespace gui {

// Right after a run: the report as written, the results, and the wall the
// run ended with (a review's input wall when the run left no results).
void frmMain::takeRun() {
  auto document = std::make_unique<ReportDocument>();
  std::string error;
  if (!fe::TakeRun(r_, std::time(nullptr), &document->run, &error)) {
    lastRun_.reset();
    return;
  }
  if (const fe::EngineLibrary* engine = fe::EngineAt(enginePath_, nullptr)) {
    const fe::RunResults results = fe::ReadRunResults(*engine);
    if (results.available()) {
      document->results = results;
      const fe::DrawingResults drawn = fe::DrawingResultsOf(results);
      document->drawing = fe::DrawWall(r_, &drawn);
    }
  }
  if (!document->drawing && r_.IMODE == 2) document->drawing = fe::DrawWall(r_);
  lastRun_ = std::move(document);
}

const ReportDocument* frmMain::lastRun(bool sayWhyNot) {
  if (lastRun_ == nullptr && sayWhyNot)
    ui_.show("There is no run to hand over yet: run the analysis first (Run > Keldor).", true);
  return lastRun_.get();
}

void frmMain::exportReportPdf() {
  if (const ReportDocument* d = lastRun(true)) ExportPdf(*d, ui_);
}

void frmMain::printReport() {
  if (const ReportDocument* d = lastRun(true)) Print(*d, ui_);
}

}  // namespace gui
