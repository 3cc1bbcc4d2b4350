#include "report_pdf_file.h"

#ifdef KELDOR_DRAWING
#include <QGuiApplication>
#include <QString>
#include <cstdio>
#include <ctime>

#include "report_pdf.h"
#include "run_results.h"
#include "wall_drawing.h"
#endif

namespace cli {

#ifdef KELDOR_DRAWING

bool CanWritePdf() { return true; }

bool WriteReportPdf(const fe::InputRecord& record, const fe::RunResults* results,
                    const std::string& path, std::string* error) {
  // Fonts need a GUI application; a machine without a display gets the
  // offscreen platform, and Qt's own chatter is not the command's to print.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
      qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
      std::fprintf(stderr, "Keldor: %s\n", qPrintable(text));
  });
  static int argc = 1;
  static char name[] = "keldor-run";
  static char* argv[] = {name, nullptr};
  if (QGuiApplication::instance() == nullptr) new QGuiApplication(argc, argv);

  gui::ReportDocument document;
  if (!fe::TakeRun(record, std::time(nullptr), &document.run, error)) return false;
  // The wall the run ended with, its forces and the governing base reaction.
  if (results != nullptr && results->available()) {
    document.results = *results;
    const fe::DrawingResults drawn = fe::DrawingResultsOf(*results);
    document.drawing = fe::DrawWall(record, &drawn);
  } else if (record.IMODE == 2) {
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

#else

bool CanWritePdf() { return false; }

bool WriteReportPdf(const fe::InputRecord&, const fe::RunResults*, const std::string& path,
                    std::string* error) {
  *error = "Cannot write file " + path + ": this keldor-run was built without the PDF";
  return false;
}

#endif

}  // namespace cli
