// A run as its printed report states it: taken right after the run, so that
// a PDF or a print made later says what was run, when, and refuses a report
// that has gone or changed since.
#pragma once

#include <ctime>
#include <string>

#include "input_record.h"

namespace fe {

struct ReportRun {
  std::string title;       // the report title, without surrounding blanks
  std::string inputPath;   // the input file run
  std::string reportPath;  // the report the run wrote
  std::string version;     // "1.42"
  std::int32_t units = 0, mode = 0, design = 0, soil = 0, foundation = 0;
  std::time_t finished = 0;  // when the run ended
  std::string report;        // the report's bytes as the run wrote them
};

// Takes the run of `r` just ended: its record and the report at OUTPATH.
// False, with `error` naming the file and the reason, when the report
// cannot be read.
bool TakeRun(const InputRecord& r, std::time_t finished, ReportRun* run, std::string* error);

// Whether the report on disk is still the one the run wrote; otherwise
// `error` says it is missing or has changed since the run.
bool ReportUnchanged(const ReportRun& run, std::string* error);

// The run's options in words: "English (inches, pounds, degrees)",
// "Review", "Ultimate strength", "Constant slope", "Pile footing".
std::string UnitsInWords(std::int32_t units);
std::string ModeInWords(std::int32_t mode);
std::string DesignInWords(std::int32_t design);
std::string SoilInWords(std::int32_t soil);
std::string FoundationInWords(std::int32_t foundation);

}  // namespace fe
