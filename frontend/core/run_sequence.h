// One run from a record to a written report, as the Run command and
// keldor-run both do it: the input checked, the files the engine will write
// checked, the library bound, the analysis run, and the engine asked whether
// it wrote both its files to the end.
#pragma once

#include <functional>
#include <string>

#include "engine_library.h"
#include "input_record.h"
#include "validation.h"

namespace fe {

// Where the library comes from and what a run does with it.
struct EngineBinding {
  std::string libraryPath;  // loaded at the first run that gets this far
  // Runs the analysis with the bound library (RunEngine, or a caller's
  // wrapper around it).
  std::function<void(const EngineLibrary&, InputRecord&)> run;
};

// How a run ended, in the order the steps are taken.
enum class RunStep {
  Written,              // the report was written
  InvalidInput,         // the record failed its checks (each message already shown)
  ReportIsInput,        // the report would replace the input file
  ReportNotWritable,    // the report's file cannot be created or replaced
  SideFileNotWritable,  // the side file cannot be written in the current folder
  NoLibrary,            // the analysis library cannot be loaded
  ReportMissing,        // the engine ran but left no report
  ReportIncomplete,     // a write of the report failed: it stops part-way
  SideFileIncomplete,   // the report is whole, a write of the side file failed
};

// A file the engine left incomplete is never left under its own name, where
// it could be taken for a whole one: what was written is kept beside it under
// this suffix for the user to inspect (an empty file is removed).
inline constexpr const char* kIncompleteSuffix = ".incomplete";

struct RunOutcome {
  RunStep step = RunStep::Written;
  std::string report;   // the report's path
  std::string message;  // what went wrong, with the system's reason; empty
                        // when written or when the checks said it already
  std::string reason;   // an incomplete file: the system's reason alone
  std::string kept;     // an incomplete file: where what was written is kept
                        // (empty when nothing was kept)
  bool written() const { return step == RunStep::Written; }
  // Whether the engine was reached (its files may be missing or incomplete).
  bool ran() const {
    return step == RunStep::Written || step == RunStep::ReportMissing ||
           step == RunStep::ReportIncomplete || step == RunStep::SideFileIncomplete;
  }
};

// Runs `record` (its output file chosen) through every step, stopping at the
// first that fails. The checks' messages go to `messages`; nothing is written
// and the record is as it was unless the engine runs.
RunOutcome RunAnalysis(InputRecord& record, MessageSink& messages, const EngineBinding& engine);

}  // namespace fe
