// keldor-run: loads an input file, checks it, runs the analysis and writes the
// report, without a window; or runs a study of many inputs, or of one input
// over a range of one value.
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "drawing_file.h"
#include "engine_library.h"
#include "file_names.h"
#include "input_defaults.h"
#include "input_file.h"
#include "picture_size.h"
#include "report_files.h"
#include "report_pdf_file.h"
#include "results_json.h"
#include "run_engine.h"
#include "run_results.h"
#include "study.h"
#include "summary_table.h"

namespace {

const char* const kUsage =
    "Usage: keldor-run [-o REPORT] [--svg FILE] [--png FILE [--size WxH]] [--pdf FILE]\n"
    "                  [--json FILE] [--strict] INPUT.in\n"
    "       keldor-run [--out-dir DIR] [-j N] [--vary NAME=FROM:TO:STEP]\n"
    "                  [--summary FILE.csv] INPUT.in...\n";

const char* const kHelp =
    "Runs the Keldor analysis of saved input files and writes their reports.\n"
    "\n"
    "  -o, --output REPORT  write the report to REPORT (one input only; default:\n"
    "                       the input's name with the extension .out, beside\n"
    "                       the input)\n"
    "      --svg FILE       after the run, write the drawing of the wall to FILE\n"
    "                       as SVG (one input only)\n"
    "      --png FILE       after the run, write the drawing as a PNG picture\n"
    "      --size WxH       the PNG's width and height in pixels, each from 100\n"
    "                       to 8000 (default: 1400x1000)\n"
    "      --pdf FILE       after the run, write the report as PDF to FILE: a\n"
    "                       first page stating the run, its wall and verdict,\n"
    "                       then the whole report (A4 or US Letter by the locale)\n"
    "      --json FILE      write the run's results (every check with its\n"
    "                       verdict, the final geometry; docs/results-json.md)\n"
    "                       to FILE as JSON, or to standard output for -\n"
    "                       (one input only; written when the report is)\n"
    "      --strict         exit with 3 when the report was written but a\n"
    "                       check is NG or the design did not converge\n"
    "      --out-dir DIR    write the reports into DIR (made when missing)\n"
    "  -j, --jobs N         run up to N analyses at once (default: the number\n"
    "                       of processors)\n"
    "      --summary FILE.csv\n"
    "                       write one line per run to FILE.csv: the wall found\n"
    "                       or checked, its least safety factor ratios, largest\n"
    "                       bearing ratio, failing and governing checks\n"
    "      --vary NAME=FROM:TO:STEP\n"
    "                       run each input for every value of NAME from FROM\n"
    "                       to TO in steps of STEP (for example H=96:240:12);\n"
    "                       each report is named after the value (w-H96.out)\n"
    "  -h, --help           show this help and exit\n"
    "  -V, --version        show the version and exit\n"
    "\n"
    "The input is checked as the program's Run command checks it; each problem\n"
    "is printed on standard error. One input: the analysis also writes its side\n"
    "file KELDOR.DAT (the passing trials of a design) into the current folder,\n"
    "replacing any file of that name there. A study (several inputs, or --vary)\n"
    "runs each analysis in its own process and writes each side file beside its\n"
    "report as NAME.dat; its messages name the run, a run that cannot be done is\n"
    "reported and the others go on, and no run writes over an input, over a\n"
    "file of another run, or over a NAME.dat that is no side file. On a\n"
    "terminal a progress line shows the runs done.\n"
    "\n"
    "A report or side file whose writing failed part-way (a full disk) is\n"
    "never left under its own name: what was written is kept with the\n"
    "extension .incomplete added.\n"
    "\n"
    "One input: after \"Output written to REPORT\" a line gives the verdict, for\n"
    "a design \"Design converged: toe 24, footing width 90, footing thickness 15\n"
    "(in); 0 of 27 checks NG\" or \"Design did not converge\", for a review the\n"
    "number of NG checks and the governing check (the highest ratio). With\n"
    "--json - these lines go to standard error, the document alone to standard\n"
    "output.\n"
    "\n"
    "Exit status (of a study: the worst of its runs): 0 when the report and the\n"
    "side file were written whole; 1 when either could not be written or is\n"
    "incomplete, or a drawing, the summary or the results could not be written;\n"
    "2 when the input file cannot be loaded or is not valid, or the command line\n"
    "is wrong; with --strict, 3 when the report was written whole but a check is\n"
    "NG, the design did not converge or the analysis stopped early.\n";

void Say(const std::string& text) { std::cerr << "Keldor: " << text << '\n'; }

// The drawings and the PDF asked for on the command line, by file name.
struct Drawings {
  std::string svg, png, pdf;
  int width = fe::kPictureWidth, height = fe::kPictureHeight;  // of the PNG
};

// A written report that --strict does not accept.
constexpr int kRunNotPassed = 3;

// What one input's run also writes: the results document and the exit rule.
struct ResultsOptions {
  std::string json;  // the document's file, "-" for standard output; none when empty
  bool strict = false;
};

int Run(const std::string& input, std::string report, const std::string& outDir,
        const Drawings& drawings, const std::string& summary, const ResultsOptions& options) {
  fe::InputRecord record;
  fe::InitialiseInput(record, KELDOR_ENGLISH);

  std::string error;
  if (!fe::LoadInputFile(record, input, &error)) {
    Say(error);
    return fe::kRunBadInput;
  }
  if (report.empty()) report = fe::ReportBeside(input);
  if (!outDir.empty()) report = outDir + "/" + fe::FileTitle(report);
  if (!fe::SetOutputFile(record, report, &error)) {
    Say(error);
    return fe::kRunNotWritten;
  }
  for (const std::string& other : {input, report, std::string(fe::kSideFileName)}) {
    if (!summary.empty() && fe::SameFile(summary, other)) {
      Say("The summary " + summary + " would replace " + other + ".");
      return fe::kRunBadInput;
    }
    if (!drawings.pdf.empty() && fe::SameFile(drawings.pdf, other)) {
      Say("The PDF " + drawings.pdf + " would replace " + other + ".");
      return fe::kRunBadInput;
    }
    if (!options.json.empty() && options.json != "-" && fe::SameFile(options.json, other)) {
      Say("The results " + options.json + " would replace " + other + ".");
      return fe::kRunBadInput;
    }
  }
  const std::string library = fe::EngineLibrary::locate();
  const fe::BatchResult result = fe::RunBatch(record, library, fe::kSideFileName);
  for (const std::string& m : result.messages) Say(m);
  // With the document on standard output, the lines for a person go to
  // standard error.
  std::ostream& said = options.json == "-" ? std::cerr : std::cout;
  // The results belong to the run just made: the library is loaded once it ran.
  fe::RunResults results;
  if (!result.written.empty()) {
    if (fe::EngineLibrary* engine = fe::EngineAt(library, nullptr))
      results = fe::ReadRunResults(*engine);
    said << result.written << '\n' << fe::SummaryLine(results) << '\n';
  }
  int status = result.status;
  if (!summary.empty()) {
    if (!fe::WriteSummary(summary, "", {{input, "", result.summary}}, &error)) {
      Say("Cannot write the summary " + summary + ": " + error);
      status = std::max(status, fe::kRunNotWritten);
    } else {
      said << "Summary written to " << summary << '\n';
    }
  }
  if (result.status != fe::kRunWritten) return status;
  for (const std::string* drawn : {&drawings.svg, &drawings.png}) {
    const std::string& file = *drawn;
    if (file.empty()) continue;
    const bool png = drawn == &drawings.png;
    if (!cli::WriteDrawingFile(record, file, png ? drawings.width : fe::kPictureWidth,
                               png ? drawings.height : fe::kPictureHeight, &error)) {
      Say(error);
      status = fe::kRunNotWritten;
    } else {
      said << "Drawing written to " << file << '\n';
    }
  }
  if (!drawings.pdf.empty()) {
    if (!cli::WriteReportPdf(record, &results, drawings.pdf, &error)) {
      Say(error);
      status = fe::kRunNotWritten;
    } else {
      said << "PDF written to " << drawings.pdf << '\n';
    }
  }
  if (options.json == "-") {
    std::cout << fe::ResultsJsonText(results, report) << std::flush;
  } else if (!options.json.empty() && !fe::WriteResultsJson(options.json, results, report, &error)) {
    Say(error);
    status = fe::kRunNotWritten;
  }
  if (options.strict && status == fe::kRunWritten &&
      fe::VerdictOf(results) != fe::Verdict::Passes)
    status = kRunNotPassed;
  return status;
}

int UsageError(const std::string& text) {
  Say(text);
  std::cerr << kUsage << "Try 'keldor-run --help' for more information.\n";
  return fe::kRunBadInput;
}

int Processors() {
  const long n = ::sysconf(_SC_NPROCESSORS_ONLN);
  return n < 1 ? 1 : static_cast<int>(n);
}

// What the command line asked for.
struct CommandLine {
  std::vector<std::string> inputs;
  std::string report, outDir, jobs, vary, summary, size;
  Drawings drawings;
  ResultsOptions results;
  bool reportGiven = false, outDirGiven = false, jobsGiven = false, varyGiven = false;
  bool svgGiven = false, pngGiven = false, pdfGiven = false, summaryGiven = false, jsonGiven = false;
  bool sizeGiven = false;
};

// Several inputs, or one over a range of a value.
bool IsStudy(const CommandLine& cl) { return cl.inputs.size() > 1 || cl.varyGiven; }

// Not an exit status: the command line was read and the program goes on.
constexpr int kGoOn = -1;

// Reads the arguments into `cl`. Returns kGoOn, or the exit status when the
// program ends here (help, version, or a usage error already said).
int ReadCommandLine(int argc, char** argv, CommandLine& cl) {
  bool optionsEnd = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (!optionsEnd && (arg == "-h" || arg == "--help")) {
      std::cout << kUsage << kHelp;
      return fe::kRunWritten;
    }
    if (!optionsEnd && (arg == "-V" || arg == "--version")) {
      std::cout << "keldor-run" << fe::VersionText(fe::kVersionMajor, fe::kVersionMinor, fe::kVersionRevision) << '\n';
      return fe::kRunWritten;
    }
    if (!optionsEnd && arg == "--") {
      optionsEnd = true;
      continue;
    }
    if (!optionsEnd && arg == "--strict") {
      cl.results.strict = true;
      continue;
    }
    // An option with a value: "-o X", "--output X", "--output=X", "-jN".
    struct Valued {
      const char* shortName;
      const char* longName;
      std::string* value;
      bool* given;
      const char* what;
      const char* twice;
    };
    const Valued valued[] = {
        {"-o", "--output", &cl.report, &cl.reportGiven, "a report file name", "The report is named twice."},
        {"", "--out-dir", &cl.outDir, &cl.outDirGiven, "a folder", "The output folder is named twice."},
        {"-j", "--jobs", &cl.jobs, &cl.jobsGiven, "a number of analyses", "The number of analyses is given twice."},
        {"", "--vary", &cl.vary, &cl.varyGiven, "NAME=FROM:TO:STEP", "Only one value can be varied."},
        {"", "--summary", &cl.summary, &cl.summaryGiven, "a file name", "The summary is named twice."},
        {"", "--svg", &cl.drawings.svg, &cl.svgGiven, "a file name", "Option --svg is given twice."},
        {"", "--png", &cl.drawings.png, &cl.pngGiven, "a file name", "Option --png is given twice."},
        {"", "--size", &cl.size, &cl.sizeGiven, "a size such as 1920x1080", "Option --size is given twice."},
        {"", "--pdf", &cl.drawings.pdf, &cl.pdfGiven, "a file name", "Option --pdf is given twice."},
        {"", "--json", &cl.results.json, &cl.jsonGiven, "a file name or -", "The results file is named twice."},
    };
    bool matched = false;
    for (const Valued& v : valued) {
      const std::string longEq = std::string(v.longName) + "=";
      const std::string shortName = v.shortName;
      std::string value;
      bool hasValue = false;
      if (optionsEnd) break;
      if (arg == v.longName || (!shortName.empty() && arg == shortName)) {
        if (i + 1 >= argc) return UsageError("Option " + arg + " needs " + v.what + ".");
        value = argv[++i];
        hasValue = true;
      } else if (arg.rfind(longEq, 0) == 0) {
        value = arg.substr(longEq.size());
        hasValue = true;
      } else if (shortName == "-j" && arg.size() > 2 && arg.rfind("-j", 0) == 0) {
        value = arg.substr(2);
        hasValue = true;
      }
      if (!hasValue) continue;
      if (*v.given) return UsageError(v.twice);
      if (value.empty())
        return UsageError(v.value == &cl.report ? std::string("The report file name is empty.")
                                                : std::string("Option ") + v.longName + " is empty.");
      *v.value = value;
      *v.given = true;
      matched = true;
      break;
    }
    if (matched) continue;
    if (!optionsEnd && arg.size() > 1 && arg[0] == '-') return UsageError("Unknown option " + arg + ".");
    cl.inputs.push_back(arg);
  }
  if (cl.inputs.empty()) return UsageError("No input file was given.");
  return kGoOn;
}

// Checks the options against each other, takes the picture's size into the
// drawings and makes the plan of a study. Returns kGoOn, or the exit status
// when the command line is refused.
int PlanRuns(CommandLine& cl, fe::StudyPlan& plan) {
  plan.inputs = cl.inputs;
  plan.outDir = cl.outDir;
  plan.jobs = Processors();
  if (cl.jobsGiven) {
    std::size_t used = 0;
    int n = 0;
    try {
      n = std::stoi(cl.jobs, &used);
    } catch (...) {
      used = 0;
    }
    if (used != cl.jobs.size() || n < 1 || n > 1024)
      return UsageError("The number of analyses at once (-j) must be a whole number from 1 to 1024.");
    plan.jobs = n;
  }
  std::string error;
  if (cl.varyGiven && !fe::ParseVariation(cl.vary, &plan.vary, &error)) return UsageError(error);
  const bool study = IsStudy(cl);
  if (cl.sizeGiven &&
      !fe::ParsePictureSize(cl.size, &cl.drawings.width, &cl.drawings.height, &error))
    return UsageError(error);
  if (cl.sizeGiven && !cl.pngGiven)
    return UsageError("Option --size sets the size of the --png picture.");
  if ((cl.svgGiven || cl.pngGiven) && !cli::CanDraw())
    return UsageError("This keldor-run was built without the drawing.");
  if (study && (cl.svgGiven || cl.pngGiven))
    return UsageError("Options --svg and --png draw the wall of one input.");
  if (cl.pdfGiven && !cli::CanWritePdf()) return UsageError("This keldor-run was built without the PDF.");
  if (study && cl.pdfGiven) return UsageError("Option --pdf makes the PDF of one input's report.");
  if (study && cl.reportGiven)
    return UsageError("Option -o names the report of one input; for a study use --out-dir.");
  if (study && (cl.jsonGiven || cl.results.strict))
    return UsageError("Options --json and --strict apply to one input, not to a study.");
  if (cl.outDirGiven) {
    std::error_code ec;
    std::filesystem::create_directories(cl.outDir, ec);
    if (!std::filesystem::is_directory(cl.outDir)) {
      Say("Cannot make the output folder " + cl.outDir + (ec ? ": " + ec.message() : "."));
      return fe::kRunNotWritten;
    }
  }
  plan.summary = cl.summary;
  return kGoOn;
}

}  // namespace

int main(int argc, char** argv) {
  CommandLine cl;
  if (const int status = ReadCommandLine(argc, argv, cl); status != kGoOn) return status;
  fe::StudyPlan plan;
  if (const int status = PlanRuns(cl, plan); status != kGoOn) return status;
  if (!IsStudy(cl))
    return Run(cl.inputs.front(), cl.report, cl.outDir, cl.drawings, cl.summary, cl.results);

  plan.libraryPath = fe::EngineLibrary::locate();
  plan.progress = ::isatty(STDERR_FILENO) == 1;
  return fe::RunStudy(plan, std::cout, std::cerr);
}
