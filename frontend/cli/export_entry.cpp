// The export module's entry points, over the drawing and PDF writers.
#include "drawing_file.h"
#include "export_module.h"
#include "report_pdf_file.h"

#include <QGuiApplication>
#include <QString>
#include <cstdio>

namespace {

// Fonts need a GUI application; a machine without a display gets the
// offscreen platform. Qt's own chatter (a missing runtime folder, fonts) is
// not the command's to print; only its errors are, in the command's form.
void StartGuiApplication() {
  if (QGuiApplication::instance() != nullptr) return;
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
  new QGuiApplication(argc, argv);
}

}  // namespace

extern "C" __attribute__((visibility("default"))) int KeldorExportDrawing(
    const fe::InputRecord* record, const std::string* path, const int* width, const int* height,
    std::string* error) {
  StartGuiApplication();
  return cli::WriteDrawingFile(*record, *path, *width, *height, error) ? 1 : 0;
}

extern "C" __attribute__((visibility("default"))) int KeldorExportPdf(
    const fe::InputRecord* record, const fe::RunResults* results, const std::string* path,
    std::string* error) {
  StartGuiApplication();
  return cli::WriteReportPdf(*record, results, *path, error) ? 1 : 0;
}
