// One run from a record to a written report, as the Run command and
// keldor-run both do it: the input checked, the files the engine will write
// checked, the library bound, the analysis run and its report looked for.
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
};

struct RunOutcome {
  RunStep step = RunStep::Written;
  std::string report;   // the report's path
  std::string message;  // what went wrong, with the system's reason; empty
                        // when written or when the checks said it already
  bool written() const { return step == RunStep::Written; }
  // Whether the engine was reached (its report may be missing).
  bool ran() const { return step == RunStep::Written || step == RunStep::ReportMissing; }
};

// Runs `record` (its output file chosen) through every step, stopping at the
// first that fails. The checks' messages go to `messages`; nothing is written
// and the record is as it was unless the engine runs.
RunOutcome RunAnalysis(InputRecord& record, MessageSink& messages, const EngineBinding& engine);

}  // namespace fe
