// The export module's entry points, over the drawing and PDF writers.
#include "drawing_file.h"
#include "export_module.h"
#include "report_pdf_file.h"

extern "C" __attribute__((visibility("default"))) int KeldorExportDrawing(
    const fe::InputRecord* record, const std::string* path, std::string* error) {
  return cli::WriteDrawingFile(*record, *path, error) ? 1 : 0;
}

extern "C" __attribute__((visibility("default"))) int KeldorExportPdf(
    const fe::InputRecord* record, const fe::RunResults* results, const std::string* path,
    std::string* error) {
  return cli::WriteReportPdf(*record, results, *path, error) ? 1 : 0;
}
