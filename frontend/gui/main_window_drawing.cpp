// The drawing pane beside the tabs and File > Export Drawing.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>

#include "drawing_export.h"
#include "drawing_pane.h"
#include "file_names.h"
#include "main_window.h"
#include "picture_size.h"
#include "run_results.h"

namespace gui {

inline constexpr const char* kDrawingFilters =
    "SVG Drawing (*.svg)|*.svg|PNG Picture (*.png)|*.png|All Files (*.*)|*.*";

void frmMain::buildDrawing() {
  // The tabs and the drawing side by side, sharing the spare width.
  QWidget* tabs = takeCentralWidget();
  auto* split = new QSplitter(Qt::Horizontal, this);
  split->setObjectName("splDrawing");
  split->setChildrenCollapsible(false);
  split->addWidget(tabs);
  drawing_ = new DrawingPane(r_, split);
  split->addWidget(drawing_);
  // A window narrower than it first opens takes from both, three parts
  // from the tabs for two from the drawing (see fitPages).
  split->setStretchFactor(0, 3);
  split->setStretchFactor(1, 2);
  setCentralWidget(split);

  // File > Export Drawing..., before Exit.
  auto* file = menuBar()->findChild<QMenu*>("mnuFile");
  QAction* exit = nullptr;
  for (QAction* a : file->actions())
    if (a->objectName() == "mnuExit") exit = a;
  auto* exportAction = new QAction("E&xport Drawing...", file);  // Alt+D is Define
  exportAction->setObjectName("mnuExportDrawing");
  file->insertAction(exit, exportAction);
  file->insertSeparator(exit);
  connect(exportAction, &QAction::triggered, this, &frmMain::exportDrawing);
}

// After a run the drawing shows the wall the run ended with and its results;
// a run that left none leaves the input's wall.
void frmMain::drawRun(const fe::EngineLibrary& engine) {
  const fe::RunResults run = fe::ReadRunResults(engine);
  if (!run.available()) {
    drawing_->setResults(nullptr);
    return;
  }
  const fe::DrawingResults results = fe::DrawingResultsOf(run);
  drawing_->setResults(&results);
}

// Writes the drawing as the pane shows it, SVG or PNG by the name's suffix
// (SVG when the name has none); a PNG at the size asked for.
void frmMain::exportDrawing() {
  const QString chosen = ui_.chooseFile(FileDialogMode::Save, kDrawingFilters, 0);
  if (chosen.isEmpty()) return;
  const QString path = QString::fromStdString(fe::WithExtension(chosen.toStdString(), ".svg"));
  QSize size(fe::kPictureWidth, fe::kPictureHeight);
  if (FormatOf(path) == DrawingFormat::Png) {
    size = ui_.choosePictureSize(size);
    if (size.isEmpty()) return;
  }
  QString error;
  if (!ExportDrawing(drawing_->drawing(), path, size, &error)) {
    ui_.show("Error exporting the drawing\n\n" + error.toStdString(), true);
    return;
  }
  status_->showMessage(
      "Drawing written to " + QString::fromStdString(fe::FileTitle(path.toStdString())), 5000);
}

}  // namespace gui
