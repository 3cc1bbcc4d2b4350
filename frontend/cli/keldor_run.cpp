// keldor-run: loads an input file, checks it, runs the analysis and writes the
// report, without a window.
#include <iostream>
#include <string>

#include "engine_library.h"
#include "file_names.h"
#include "input_defaults.h"
#include "input_file.h"
#include "report_files.h"
#include "run_engine.h"
#include "run_sequence.h"
#include "validation.h"

namespace {

constexpr int kSuccess = 0;
constexpr int kReportNotWritten = 1;
constexpr int kBadInput = 2;

const char* const kUsage = "Usage: keldor-run [-o REPORT] INPUT.in\n";

const char* const kHelp =
    "Runs the Keldor analysis of a saved input file and writes its report.\n"
    "\n"
    "  -o, --output REPORT  write the report to REPORT (default: the input's\n"
    "                       name with the extension .out, beside the input)\n"
    "  -h, --help           show this help and exit\n"
    "  -V, --version        show the version and exit\n"
    "\n"
    "The input is checked as the program's Run command checks it; each problem\n"
    "is printed on standard error. The analysis also writes its side file\n"
    "KELDOR.DAT (the passing trials of a design) into the current folder,\n"
    "replacing any file of that name there.\n"
    "\n"
    "A report or side file whose writing failed part-way (a full disk) is\n"
    "never left under its own name: what was written is kept with the\n"
    "extension .incomplete added.\n"
    "\n"
    "Exit status: 0 when the report and the side file were written whole; 1\n"
    "when either could not be written or is incomplete; 2 when the input\n"
    "file cannot be loaded or is not valid, or the command line is wrong.\n";

void Say(const std::string& text) { std::cerr << "Keldor: " << text << '\n'; }

class PrintMessages : public fe::MessageSink {
 public:
  void show(const std::string& text, bool) override { Say(text); }
};

// The exit status of each way a run can end.
int ExitStatus(fe::RunStep step) {
  switch (step) {
    case fe::RunStep::Written:
      return kSuccess;
    case fe::RunStep::InvalidInput:
    case fe::RunStep::ReportIsInput:
      return kBadInput;
    case fe::RunStep::ReportNotWritable:
    case fe::RunStep::SideFileNotWritable:
    case fe::RunStep::NoLibrary:
    case fe::RunStep::ReportMissing:
    case fe::RunStep::ReportIncomplete:
    case fe::RunStep::SideFileIncomplete:
      break;
  }
  return kReportNotWritten;
}

int Run(const std::string& input, std::string report) {
  fe::InputRecord record;
  fe::InitialiseInput(record, KELDOR_ENGLISH);

  std::string error;
  if (!fe::LoadInputFile(record, input, &error)) {
    Say(error);
    return kBadInput;
  }
  if (report.empty()) report = fe::ReportBeside(input);
  if (!fe::SetOutputFile(record, report, &error)) {
    Say(error);
    return kReportNotWritten;
  }

  PrintMessages messages;
  const fe::RunOutcome outcome = fe::RunAnalysis(
      record, messages, {fe::EngineLibrary::besideProgram(), &fe::RunEngine});
  if (outcome.step == fe::RunStep::ReportIncomplete ||
      outcome.step == fe::RunStep::SideFileIncomplete) {
    const std::string file = outcome.step == fe::RunStep::ReportIncomplete
                                 ? "report " + report
                                 : std::string("side file ") + fe::kSideFileName;
    Say("the " + file + " is incomplete: " + outcome.reason);
    if (!outcome.kept.empty()) Say("what was written is kept as " + outcome.kept);
  } else if (!outcome.message.empty()) {
    Say(outcome.message);
  }
  if (outcome.written()) std::cout << "Output written to " << report << '\n';
  return ExitStatus(outcome.step);
}

int UsageError(const std::string& text) {
  Say(text);
  std::cerr << kUsage << "Try 'keldor-run --help' for more information.\n";
  return kBadInput;
}

}  // namespace

int main(int argc, char** argv) {
  std::string input, report;
  bool inputGiven = false, reportGiven = false, optionsEnd = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (!optionsEnd && (arg == "-h" || arg == "--help")) {
      std::cout << kUsage << kHelp;
      return kSuccess;
    }
    if (!optionsEnd && (arg == "-V" || arg == "--version")) {
      std::cout << "keldor-run"
                << fe::VersionText(fe::kVersionMajor, fe::kVersionMinor, fe::kVersionRevision)
                << '\n';
      return kSuccess;
    }
    if (!optionsEnd && arg == "--") {
      optionsEnd = true;
    } else if (!optionsEnd && (arg == "-o" || arg == "--output" || arg.rfind("--output=", 0) == 0)) {
      if (reportGiven) return UsageError("The report is named twice.");
      if (arg.size() > 8 && arg[8] == '=') {
        report = arg.substr(9);
      } else if (i + 1 < argc) {
        report = argv[++i];
      } else {
        return UsageError("Option " + arg + " needs a report file name.");
      }
      if (report.empty()) return UsageError("The report file name is empty.");
      reportGiven = true;
    } else if (!optionsEnd && arg.size() > 1 && arg[0] == '-') {
      return UsageError("Unknown option " + arg + ".");
    } else {
      if (inputGiven) return UsageError("Only one input file can be run at a time.");
      input = arg;
      inputGiven = true;
    }
  }
  if (!inputGiven) return UsageError("No input file was given.");
  return Run(input, report);
}
