#include "report_run.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

#include "keldor.h"

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

namespace {

// The words for an option code that has two values; any other is unknown.
std::string OneOfTwo(std::int32_t code, std::int32_t first, const char* firstText,
                     std::int32_t second, const char* secondText) {
  if (code == first) return firstText;
  if (code == second) return secondText;
  return "Unknown (" + std::to_string(code) + ")";
}

}  // namespace

std::string UnitsInWords(std::int32_t units) {
  return OneOfTwo(units, KELDOR_ENGLISH, "English (inches, pounds, degrees)", KELDOR_SI,
                  "SI (millimetres, newtons, degrees)");
}

std::string ModeInWords(std::int32_t mode) {
  return OneOfTwo(mode, KELDOR_DESIGN, "Design", KELDOR_REVIEW, "Review");
}

std::string DesignInWords(std::int32_t design) {
  return OneOfTwo(design, KELDOR_ULTIMATE_STRENGTH, "Ultimate strength", KELDOR_WORKING_STRESS,
                  "Working stress");
}

std::string SoilInWords(std::int32_t soil) {
  return OneOfTwo(soil, KELDOR_CONSTANT_SLOPE, "Constant slope", KELDOR_IRREGULAR, "Irregular");
}

std::string FoundationInWords(std::int32_t foundation) {
  return OneOfTwo(foundation, KELDOR_SPREAD_FOOTING, "Spread footing", KELDOR_PILE_FOOTING,
                  "Pile footing");
}

}  // namespace fe
