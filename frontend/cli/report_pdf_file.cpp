#include "report_pdf_file.h"

#include <QString>
#include <ctime>

#include "report_pdf.h"
#include "run_results.h"
#include "wall_drawing.h"

namespace cli {

bool WriteReportPdf(const fe::InputRecord& record, const fe::RunResults* results,
                    const std::string& path, std::string* error) {
  gui::ReportDocument document;
  if (!fe::TakeRun(record, std::time(nullptr), &document.run, error)) return false;
  // The wall the run ended with, its forces and the governing base reaction.
  if (results != nullptr && results->available()) {
    document.results = *results;
    const fe::DrawingResults drawn = fe::DrawingResultsOf(*results);
    document.drawing = fe::DrawWall(record, &drawn);
  } else if (record.IMODE == KELDOR_REVIEW) {
    document.drawing = fe::DrawWall(record);
  }
  QString failure;
  if (!gui::ExportReportPdf(document, QString::fromLocal8Bit(path.c_str()),
                            gui::PaperSize(gui::Paper::ByLocale), &failure)) {
    *error = failure.toLocal8Bit().toStdString();
    return false;
  }
  return true;
}

}  // namespace cli
