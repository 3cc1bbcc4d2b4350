// keldor-run: loads an input file, checks it, runs the analysis and writes the
// report, without a window.
#include <iostream>
#include <string>

#include "drawing_file.h"
#include "engine_library.h"
#include "file_names.h"
#include "input_defaults.h"
#include "input_file.h"
#include "run_engine.h"
#include "run_sequence.h"
#include "validation.h"

namespace {

constexpr int kSuccess = 0;
constexpr int kReportNotWritten = 1;
constexpr int kBadInput = 2;

const char* const kUsage = "Usage: keldor-run [-o REPORT] [--svg FILE] [--png FILE] INPUT.in\n";

const char* const kHelp =
    "Runs the Keldor analysis of a saved input file and writes its report.\n"
    "\n"
    "  -o, --output REPORT  write the report to REPORT (default: the input's\n"
    "                       name with the extension .out, beside the input)\n"
    "      --svg FILE       after the run, write the drawing of the wall to FILE\n"
    "                       as SVG\n"
    "      --png FILE       after the run, write the drawing as a PNG picture\n"
    "  -h, --help           show this help and exit\n"
    "  -V, --version        show the version and exit\n"
    "\n"
    "The input is checked as the program's Run command checks it; each problem\n"
    "is printed on standard error. The analysis also writes its side file\n"
    "KELDOR.DAT (the passing trials of a design) into the current folder,\n"
    "replacing any file of that name there.\n"
    "\n"
    "Exit status: 0 when the report was written; 1 when the report or a drawing\n"
    "could not be written; 2 when the input file cannot be loaded or is not valid, or\n"
    "the command line is wrong.\n";

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
      break;
  }
  return kReportNotWritten;
}

// The drawings asked for on the command line, by file name.
struct Drawings {
  std::string svg, png;
};

int Run(const std::string& input, std::string report, const Drawings& drawings) {
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
  if (!outcome.message.empty()) Say(outcome.message);
  if (outcome.written()) std::cout << "Output written to " << report << '\n';
  int status = ExitStatus(outcome.step);
  if (!outcome.written()) return status;
  for (const std::string& file : {drawings.svg, drawings.png}) {
    if (file.empty()) continue;
    if (!cli::WriteDrawingFile(record, nullptr, file, &error)) {
      Say(error);
      status = kReportNotWritten;
    } else {
      std::cout << "Drawing written to " << file << '\n';
    }
  }
  return status;
}

int UsageError(const std::string& text) {
  Say(text);
  std::cerr << kUsage << "Try 'keldor-run --help' for more information.\n";
  return kBadInput;
}

}  // namespace

int main(int argc, char** argv) {
  std::string input, report;
  Drawings drawings;
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
    } else if (!optionsEnd && (arg == "--svg" || arg == "--png")) {
      std::string& file = arg == "--svg" ? drawings.svg : drawings.png;
      if (!file.empty()) return UsageError("Option " + arg + " is given twice.");
      if (i + 1 >= argc || argv[i + 1][0] == '\0')
        return UsageError("Option " + arg + " needs a file name.");
      file = argv[++i];
      if (!cli::CanDraw()) return UsageError("This keldor-run was built without the drawing.");
    } else if (!optionsEnd && arg.size() > 1 && arg[0] == '-') {
      return UsageError("Unknown option " + arg + ".");
    } else {
      if (inputGiven) return UsageError("Only one input file can be run at a time.");
      input = arg;
      inputGiven = true;
    }
  }
  if (!inputGiven) return UsageError("No input file was given.");
  return Run(input, report, drawings);
}
