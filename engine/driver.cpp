// CONDLL: creates the report and the side file, initialises the run, writes
// the input echo and runs the analyses in the order of the report.
// KELDOR_WRITTEN: whether the last run's two files were written whole.
#include "driver.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

#include "design_search.h"
#include "footing.h"
#include "input_echo.h"
#include "keldor.h"
#include "results.h"
#include "stability.h"
#include "state.h"
#include "stem.h"
#include "trial_wedge.h"
#include "weights.h"

namespace keldor {

namespace {

std::string Field(const char* text, std::size_t width) {
  return text == nullptr ? std::string(width, ' ') : std::string(text, width);
}

std::string TrimRight(const std::string& s) {
  const auto end = s.find_last_not_of(' ');
  return end == std::string::npos ? std::string() : s.substr(0, end + 1);
}

// Run start: stores the strings and opens both files. Returns false when the
// run cannot go on (the report could not be created, or the side file could
// not be opened, which the report says).
bool StartRun(const char* outpath, const char* infile, const char* outfile, const char* title,
              const char* version) {
  S.OUTPATH = Field(outpath, 132);
  S.INFILE = Field(infile, 80);
  S.OUTFILE = Field(outfile, 80);
  S.TITLE = Field(title, 80);
  S.VERSION = Field(version, 5);
  if (TrimRight(S.OUTPATH).empty()) S.OUTPATH = "KELDOR.OUT" + std::string(122, ' ');

  S.side.reset();
  if (!S.report.create(TrimRight(S.OUTPATH))) return false;  // nowhere to say it
  if (!S.side.create("KELDOR.DAT")) {
    S.report.blank();
    ReportMessage(" ERROR OPENING KELDOR.DAT ***");
    S.results.status = KELDOR_STOPPED;
    S.report.close();
    return false;
  }
  return true;
}

// The report is complete unless the run had to stop after a message.
void EndRun() {
  S.results.status = S.STOPRUN ? KELDOR_STOPPED : KELDOR_COMPLETE;
  S.report.close();
  S.side.close();
}

// Shortens `count` to the shortest of the arrays that hold its entries and
// adds a report line about the entries that were missing.
void Clamp(std::int32_t& count, std::initializer_list<const RealArray*> arrays, const char* what,
           std::vector<std::string>& lines) {
  int have = count;
  for (const RealArray* a : arrays)
    if (a->size() < have) have = a->size();
  if (have >= count) return;
  lines.push_back(" ONLY " + std::to_string(have) + " OF " + std::to_string(count) + " " + what +
                  " WERE SET; THE OTHERS ARE IGNORED ***");
  count = have;
}

void Run(const char* outpath, const char* infile, const char* outfile, const char* title,
         const char* version) {
  ClearResults(S.IMODE);  // a run that cannot start leaves no results
  if (!StartRun(outpath, infile, outfile, title, version)) return;
  RunInit();
  const std::vector<std::string> missing = CheckCounts();
  InputEcho();
  for (const std::string& line : missing) {
    S.report.blank();
    ReportMessage(line);
  }
  WallDesign();
  if (16.0f * S.STEP <= S.H) StemLoadTable();
  // Design mode: the search finds, restores and reports the best wall and
  // leaves the model in review mode for the analysis of that wall. A stem
  // that could not be designed leaves nothing to search for.
  if (S.IMODE == KELDOR_DESIGN && (S.NOSTEM || !DesignSearch())) {
    if (!S.STOPRUN) {
      S.report.blank();
      ReportMessage(" THE SOLUTION DID NOT CONVERGE ***");
    }
    EndRun();
    return;
  }
  S.results.converged = S.results.mode == KELDOR_DESIGN;
  FinalAnalysis();
  RecordFinalGeometry();
  EndRun();
}

}  // namespace

void RunInit() {
  if (S.IUNITS == KELDOR_ENGLISH) {
    S.ES = 29000000.0f;
    S.EC = 57000.0f * std::sqrt(S.FC);
    S.STEP = 6.0f;
  } else if (S.IUNITS == KELDOR_SI) {
    S.ES = 200000.0f;
    S.EC = 5000.0f * std::sqrt(S.FC);
    S.STEP = 150.0f;
  }
  S.ASEC = S.CSEC = S.MDES = S.VDES = S.TSEC = S.TMIN = 0.0f;
  S.PEH = S.PESH = S.PEQH = S.YAPPE = S.YAPPES = S.YAPPEQ = S.XAPP = S.HBACK = 0.0f;
  S.WDEAD = S.MDEAD = S.WLIVE = S.MLIVE = S.WSURV = S.MSURV = S.WSOIL = S.MSOIL = 0.0f;
  S.IOK = 0;
  S.NPILES = 0.0f;
  S.WH = 0.0f;
  for (int j = 1; j <= S.NROWS && j <= S.PLOAD.size(); ++j) S.PLOAD(j) = 0.0f;
  S.IPRINT = 1;
  S.ILOC = KELDOR_STEM_PLANE;
  S.STOPRUN = false;
  S.NOSTEM = false;
  S.NTRIAL = 0;
  ForgetWedgeSearches();
  ClearResults(S.IMODE);
}

void FinalAnalysis() {
  S.IPRINT = 1;
  S.IOK = 1;
  WeightsAndMoments();
  ExternalStability();
  FootingDesign();
}

std::vector<std::string> CheckCounts() {
  std::vector<std::string> lines;
  Clamp(S.NLC, {&S.FD, &S.FL, &S.FE, &S.FSUR, &S.FW, &S.FEQ, &S.HCOMB, &S.VCOMB, &S.MRCOMB,
                &S.MOCOMB},
        "LOAD COMBINATIONS", lines);
  if (S.ISOIL == KELDOR_IRREGULAR) {
    Clamp(S.NSEG, {&S.LSEG, &S.ASEG, &S.XGBEG, &S.YGBEG, &S.XGEND, &S.YGEND}, "GROUND SEGMENTS",
          lines);
    Clamp(S.NSUR, {&S.SURL, &S.XSBEG, &S.YSBEG, &S.XSEND, &S.YSEND},
          "IRREGULAR SURCHARGE LOADS", lines);
  }
  if (S.IFOOT == KELDOR_PILE_FOOTING && S.IMODE == KELDOR_REVIEW)
    Clamp(S.NROWS, {&S.PILEX, &S.PILEB, &S.PILES, &S.PLOAD}, "PILE ROWS", lines);
  return lines;
}

}  // namespace keldor

extern "C" void CONDLL(const char* OUTPATH, const char* INFILE, const char* OUTFILE,
                       const char* TITLE, const char* VERSION) {
  try {
    keldor::Run(OUTPATH, INFILE, OUTFILE, TITLE, VERSION);
  } catch (...) {
    // Nothing may escape into the calling program; the report says the run
    // did not finish.
    using keldor::S;
    const bool written = S.report.isOpen();
    S.report.blank();
    try {
      keldor::ReportMessage(" THE ANALYSIS STOPPED ON AN INTERNAL ERROR ***");
    } catch (...) {
      // The line is written before it is recorded: short of memory to record
      // it, the report says it all the same.
    }
    if (written) S.results.status = KELDOR_STOPPED;
    S.report.close();
    keldor::S.side.close();
  }
}

extern "C" void KELDOR_WRITTEN(int32_t* REPORT_OK, int32_t* SIDE_OK, char* REASON) {
  const keldor::TextFile& report = keldor::S.report;
  const keldor::TextFile& side = keldor::S.side;
  if (REPORT_OK != nullptr) *REPORT_OK = report.written() ? 1 : 0;
  if (SIDE_OK != nullptr) *SIDE_OK = side.written() ? 1 : 0;
  if (REASON == nullptr) return;
  const char* reason = "";
  if (!report.written())
    reason = report.error() != 0 ? std::strerror(report.error()) : "no analysis has been run";
  else if (!side.written())
    reason = side.error() != 0 ? std::strerror(side.error()) : "the file was not created";
  // Copied without allocating: nothing may escape into the calling program.
  const std::size_t n = std::min<std::size_t>(std::strlen(reason), 132);
  std::fill(std::copy(reason, reason + n, REASON), REASON + 132, ' ');
}
