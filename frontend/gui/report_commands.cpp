#include "report_commands.h"

#include <QPrinter>

#include "file_names.h"

namespace gui {

bool ExportPdf(const ReportDocument& document, UserInterface& ui) {
  const QString path = QString::fromStdString(
      fe::WithExtension(ui.chooseFile(FileDialogMode::Save, kPdfFilters, 0).toStdString(), ".pdf"));
  if (path.isEmpty()) return false;  // cancelled
  QString error;
  if (!ExportReportPdf(document, path, PaperSize(Paper::ByLocale), &error)) {
    ui.show("Unable to export the report as PDF\n\n" + error.toStdString(), true);
    return false;
  }
  return true;
}

bool Print(const ReportDocument& document, UserInterface& ui) {
  std::string why;
  if (document.firstPage && !fe::ReportUnchanged(document.run, &why)) {
    ui.show("Unable to print the report\n\n" + why, true);
    return false;
  }
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageSize(QPageSize(PaperSize(Paper::ByLocale)));
  printer.setFullPage(true);
  printer.setDocName(QString::fromStdString(document.run.title));
  if (!ui.choosePrinter(printer)) return false;  // cancelled
  QString error;
  if (!PaintDocument(document, printer, &error)) {
    ui.show("Unable to print the report\n\n" + error.toStdString(), true);
    return false;
  }
  return true;
}

}  // namespace gui
