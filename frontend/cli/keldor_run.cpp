// keldor-run: loads an input file, checks it, runs the analysis and writes the
// report, without a window.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <iostream>
#include <string>

#include "engine_library.h"
#include "file_names.h"
#include "input_defaults.h"
#include "input_file.h"
#include "run_engine.h"
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
    "KELDOR.DAT (the passing trials of a design) into the current directory,\n"
    "replacing any file of that name there.\n"
    "\n"
    "Exit status: 0 when the report was written; 1 when the report could not\n"
    "be written; 2 when the input file cannot be loaded or is not valid, or\n"
    "the command line is wrong.\n";

void Say(const std::string& text) { std::cerr << "Keldor: " << text << '\n'; }

class PrintMessages : public fe::MessageSink {
 public:
  void show(const std::string& text, bool) override { Say(text); }
};

std::string Folder(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// The input's name with the extension ".out", in the input's folder.
std::string DefaultReport(const std::string& input) {
  const std::string name = fe::FileTitle(input);
  const std::string folder = input.substr(0, input.size() - name.size());
  const auto dot = name.rfind('.');
  const std::string stem = dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
  return folder + stem + ".out";
}

bool SameFile(const std::string& a, const std::string& b) {
  struct stat sa {}, sb {};
  if (::stat(a.c_str(), &sa) != 0 || ::stat(b.c_str(), &sb) != 0) return a == b;
  return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

// Whether a file can be created or replaced at `path`; `why` says otherwise.
bool Writable(const std::string& path, std::string* why) {
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0) {
    if (S_ISDIR(st.st_mode)) {
      *why = "it is a folder";
      return false;
    }
    if (::access(path.c_str(), W_OK) != 0) {
      *why = std::strerror(errno);
      return false;
    }
    return true;
  }
  const std::string folder = Folder(path);
  if (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
    *why = "the folder " + folder + " does not exist";
    return false;
  }
  if (::access(folder.c_str(), W_OK | X_OK) != 0) {
    *why = "the folder " + folder + ": " + std::strerror(errno);
    return false;
  }
  return true;
}

// Whether the file at `path` was (re)written since `start`: its status
// change time, which no program can set back, is not older than the start.
bool WrittenSince(const std::string& path, const timespec& start) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_size == 0) return false;
  return st.st_ctim.tv_sec > start.tv_sec ||
         (st.st_ctim.tv_sec == start.tv_sec && st.st_ctim.tv_nsec >= start.tv_nsec);
}

int Run(const std::string& input, std::string report) {
  fe::InputRecord record;
  fe::InitialiseInput(record, 1);

  std::string error;
  if (!fe::LoadInputFile(record, input, &error)) {
    Say(error);
    return kBadInput;
  }
  PrintMessages messages;
  if (!fe::ValidateInput(record, messages)) return kBadInput;

  if (report.empty()) report = DefaultReport(input);
  if (SameFile(report, input)) {
    Say("The report would replace the input file " + input + "; choose another name with -o.");
    return kBadInput;
  }
  if (!fe::SetOutputFile(record, report, &error)) {
    Say(error);
    return kReportNotWritten;
  }
  if (!Writable(report, &error)) {
    Say("Cannot write the report " + report + ": " + error);
    return kReportNotWritten;
  }
  if (!Writable("KELDOR.DAT", &error)) {
    Say("Cannot write the side file KELDOR.DAT in the current directory: " + error);
    return kReportNotWritten;
  }

  fe::EngineLibrary* engine = fe::Engine(&error);
  if (engine == nullptr) {
    Say("Cannot load the analysis library " + std::string(fe::kEngineLibraryName) + ": " + error);
    return kReportNotWritten;
  }
  // File times come from the coarse clock; the start is read from it too.
  timespec start {};
  ::clock_gettime(CLOCK_REALTIME_COARSE, &start);
  fe::RunEngine(*engine, record);
  if (!WrittenSince(report, start)) {
    Say("The report " + report + " was not written.");
    return kReportNotWritten;
  }
  std::cout << "Output written to " << report << '\n';
  return kSuccess;
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
