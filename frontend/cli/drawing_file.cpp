#include "drawing_file.h"

#include <QString>

#include "drawing_export.h"
#include "engine_library.h"
#include "run_results.h"

namespace cli {

bool WriteDrawingFile(const fe::InputRecord& record, const std::string& path, int width,
                      int height, std::string* error) {
  // The library the run used: loading it again finds it in this process,
  // with its results.
  fe::EngineLibrary engine;
  std::string unused;
  fe::DrawingResults results;
  const bool ran = engine.load(fe::EngineLibrary::locate(), &unused);
  fe::RunResults run;
  if (ran) run = fe::ReadRunResults(engine);
  if (run.available()) results = fe::DrawingResultsOf(run);

  QString why;
  if (!gui::ExportDrawing(fe::DrawWall(record, run.available() ? &results : nullptr),
                          QString::fromLocal8Bit(path.c_str()),
                          QSize(width, height), &why)) {
    *error = why.toLocal8Bit().toStdString();
    return false;
  }
  return true;
}

}  // namespace cli
