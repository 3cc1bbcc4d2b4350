// keldor-run's PDF of the report: the run's first page and the whole report,
// written without a window.
#pragma once

#include <string>

#include "input_record.h"
#include "run_results.h"

namespace cli {

// Whether this keldor-run was built with the PDF (it needs Qt's Gui library).
bool CanWritePdf();

// Writes the PDF of the run of `record` just ended, with its `results` when
// known, to `path` (A4 or US Letter by the locale); false with `error` naming the file and the reason,
// nothing then left at `path`. Without a display, Qt's offscreen platform
// is used.
bool WriteReportPdf(const fe::InputRecord& record, const fe::RunResults* results,
                    const std::string& path, std::string* error);

}  // namespace cli
