// The entry points of the export module libkeldor-export.so: the wall drawing
// and the PDF of the report, which need Qt's Gui libraries. keldor-run loads
// the module only when a drawing or a PDF is asked for, so that a plain run
// (and every run of a study) starts without Qt.
#pragma once

#include <string>

#include "input_record.h"
#include "run_results.h"

// The module's file name, found beside the analysis library.
inline constexpr const char* kExportModuleName = "libkeldor-export.so";

extern "C" {
// Both return 1 when the file was written, else 0 with `error` set; they take
// the caller's objects, built by the same compiler in the same build.
int KeldorExportDrawing(const fe::InputRecord* record, const std::string* path, const int* width,
                        const int* height, std::string* error);
int KeldorExportPdf(const fe::InputRecord* record, const fe::RunResults* results,
                    const std::string* path, std::string* error);
}
