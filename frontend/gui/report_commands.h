// Export as PDF and Print, as the main window and the viewer offer them: the
// file or print dialog, then the document written or printed, or a message
// saying why not.
#pragma once

#include "report_pdf.h"
#include "user_interface.h"

namespace gui {

// The file dialog's filters for a PDF.
inline constexpr const char* kPdfFilters = "PDF Files (*.pdf)|*.pdf|All Files (*.*)|*.*";

// Asks for the PDF's name (".pdf" added to a name without an extension) and
// writes the document there; true when written.
bool ExportPdf(const ReportDocument& document, UserInterface& ui);

// Shows the print dialog and prints the document on the printer chosen;
// true when printed.
bool Print(const ReportDocument& document, UserInterface& ui);

}  // namespace gui
