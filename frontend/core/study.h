// Batch runs without a window: one input file run in this process, and
// studies of many runs (many inputs, or one input over a range of one value),
// each analysis in its own process, up to a given number at once.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "input_record.h"

namespace fe {

// The exit status of a batch run; a study exits with the worst of its runs.
inline constexpr int kRunWritten = 0;     // the report and the side file are whole
inline constexpr int kRunNotWritten = 1;  // either could not be written or is incomplete
inline constexpr int kRunBadInput = 2;    // the input cannot be loaded or is not valid

// What one run has to say and how it ended.
struct BatchResult {
  int status = kRunWritten;
  std::vector<std::string> messages;  // for standard error, one per line
  std::string written;                // "Output written to REPORT"; empty when not
  std::vector<std::string> summary;   // the run's cells of the summary table
};

// Runs `record`, its output file chosen, in this process with the library at
// `libraryPath`: the run sequence of the Run command. `sideName` is the name
// the messages give the side file.
BatchResult RunBatch(InputRecord& record, const std::string& libraryPath,
                     const std::string& sideName);

// One value of the record varied over a range: FROM, FROM + STEP, ... up to
// TO (TO itself included when the steps reach it).
struct Variation {
  std::string name;  // the record value's name ("H")
  double from = 0, to = 0, step = 0;  // as typed; each value is rounded to a float
  bool given() const { return !name.empty(); }
};

// Reads "NAME=FROM:TO:STEP": a float value the input file holds (any case),
// three numbers, a step that is not zero and goes from FROM towards TO, and
// at most kMaxStudyRuns values. On failure says why in `error`.
bool ParseVariation(const std::string& text, Variation* variation, std::string* error);
inline constexpr int kMaxStudyRuns = 10000;

// The values of the range, in order.
std::vector<float> VariationValues(const Variation& variation);

// A value as the shortest text that reads back as the same float ("96", "0.5").
std::string ValueText(float value);

struct StudyPlan {
  std::vector<std::string> inputs;  // input files, as given
  std::string outDir;               // the reports' folder; empty: beside each input
  Variation vary;                   // the value varied; none when not given
  int jobs = 1;                     // analyses at once
  std::string libraryPath;          // the analysis library
  bool progress = false;            // a progress line on standard error
  std::string summary;              // the summary table's file; empty for none
};

// Runs every input (over every value of the variation) and returns the worst
// exit status. Each report goes beside its input or into the plan's folder,
// named after the varied value ("w-H96.out"), and its side file beside it
// with the extension .dat. Lines never mix: each run's lines are written
// whole, in the order of the runs, its messages to `err` after
// "Keldor: " and the run's name. A run that would write over an input or
// over a file of another run of the study is refused; the others go on.
// With a summary file, the table of every run is written at the end; a
// summary that would replace an input or a file of a run stops the study
// before anything runs.
int RunStudy(const StudyPlan& plan, std::ostream& out, std::ostream& err);

}  // namespace fe
