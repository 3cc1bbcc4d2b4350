#include "report_run.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

namespace fe {

namespace {

// The whole file, or false with the system's reason.
bool ReadWhole(const std::string& path, std::string* bytes, std::string* reason) {
  errno = 0;
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    *reason = errno != 0 ? std::strerror(errno) : "cannot be opened";
    return false;
  }
  std::ostringstream content;
  content << in.rdbuf();
  if (in.bad()) {
    *reason = "cannot be read";
    return false;
  }
  *bytes = content.str();
  return true;
}

}  // namespace

bool TakeRun(const InputRecord& r, std::time_t finished, ReportRun* run, std::string* error) {
  ReportRun taken;
  taken.title = r.TITLE.trimmed();
  taken.inputPath = r.INPATH;
  taken.reportPath = r.OUTPATH.trimmedRight();
  taken.version = r.VERSION.trimmed();
  taken.units = r.IUNITS, taken.mode = r.IMODE, taken.design = r.IDESIGN;
  taken.soil = r.ISOIL, taken.foundation = r.IFOOT;
  taken.finished = finished;
  std::string reason;
  if (!ReadWhole(taken.reportPath, &taken.report, &reason)) {
    *error = "Cannot read the report " + taken.reportPath + ": " + reason;
    return false;
  }
  *run = std::move(taken);
  return true;
}

bool ReportUnchanged(const ReportRun& run, std::string* error) {
  std::string now, reason;
  if (!ReadWhole(run.reportPath, &now, &reason)) {
    *error = "The report " + run.reportPath + " of the last run is missing (" + reason +
             "). Run the analysis again.";
    return false;
  }
  if (now != run.report) {
    *error = "The report " + run.reportPath +
             " has changed since the last run. Run the analysis again.";
    return false;
  }
  return true;
}

std::string UnitsInWords(std::int32_t units) {
  switch (units) {
    case 1: return "English (inches, pounds, degrees)";
    case 2: return "SI (millimetres, newtons, degrees)";
    default: return "Unknown (" + std::to_string(units) + ")";
  }
}

std::string ModeInWords(std::int32_t mode) {
  return mode == 1 ? "Design" : mode == 2 ? "Review" : "Unknown (" + std::to_string(mode) + ")";
}

std::string DesignInWords(std::int32_t design) {
  return design == 1   ? "Ultimate strength"
         : design == 2 ? "Working stress"
                       : "Unknown (" + std::to_string(design) + ")";
}

std::string SoilInWords(std::int32_t soil) {
  return soil == 1   ? "Constant slope"
         : soil == 2 ? "Irregular"
                     : "Unknown (" + std::to_string(soil) + ")";
}

std::string FoundationInWords(std::int32_t foundation) {
  return foundation == 1   ? "Spread footing"
         : foundation == 2 ? "Pile footing"
                           : "Unknown (" + std::to_string(foundation) + ")";
}

}  // namespace fe
