#include "drawing_file.h"

#ifdef KELDOR_DRAWING
#include <QGuiApplication>
#include <QString>
#include <cstdio>

#include "drawing_export.h"
#include "engine_library.h"
#include "run_results.h"
#endif

namespace cli {

#ifdef KELDOR_DRAWING

bool CanDraw() { return true; }

bool WriteDrawingFile(const fe::InputRecord& record, const std::string& path, std::string* error) {
  // Fonts need a GUI application; a machine without a display gets the
  // offscreen platform.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
      qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  // Qt's own chatter (a missing runtime folder, fonts) is not the command's
  // to print; only its errors are, in the command's form.
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
      std::fprintf(stderr, "Keldor: %s\n", qPrintable(text));
  });
  static int argc = 1;
  static char name[] = "keldor-run";
  static char* argv[] = {name, nullptr};
  if (QGuiApplication::instance() == nullptr) new QGuiApplication(argc, argv);

  // The library the run used: loading it again finds it in this process,
  // with its results.
  fe::EngineLibrary engine;
  std::string unused;
  fe::DrawingResults results;
  const bool ran = engine.load(fe::EngineLibrary::besideProgram(), &unused);
  fe::RunResults run;
  if (ran) run = fe::ReadRunResults(engine);
  if (run.available()) results = fe::DrawingResultsOf(run);

  QString why;
  if (!gui::ExportDrawing(fe::DrawWall(record, run.available() ? &results : nullptr),
                          QString::fromLocal8Bit(path.c_str()),
                          QSize(gui::kExportWidth, gui::kExportHeight), &why)) {
    *error = why.toLocal8Bit().toStdString();
    return false;
  }
  return true;
}

#else

bool CanDraw() { return false; }

bool WriteDrawingFile(const fe::InputRecord&, const std::string& path, std::string* error) {
  *error = "Cannot write file " + path + ": this keldor-run was built without the drawing";
  return false;
}

#endif

}  // namespace cli
