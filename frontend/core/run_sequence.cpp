#include "run_sequence.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>

#include "report_files.h"

namespace fe {

namespace {

RunOutcome Stop(RunStep step, const std::string& report, std::string message) {
  return RunOutcome{step, report, std::move(message), "", ""};
}

// Whether the engine created the file at `path` in the run begun at
// `start`: a regular file (re)written since then, or a device or pipe, whose
// times say nothing, that it was given.
bool CreatedSince(const std::string& path, const timespec& start) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return false;
  if (!S_ISREG(st.st_mode)) return !S_ISDIR(st.st_mode);
  return st.st_ctim.tv_sec > start.tv_sec ||
         (st.st_ctim.tv_sec == start.tv_sec && st.st_ctim.tv_nsec >= start.tv_nsec);
}

// Moves an incomplete regular file out of its own name: to the name with
// kIncompleteSuffix, or away when it is empty or cannot be moved. A device
// or a link is left as it is. Returns where the file is kept; empty when it
// was not kept.
std::string SetAside(const std::string& path, const timespec& start) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || !CreatedSince(path, start))
    return "";
  std::string kept = path + kIncompleteSuffix;
  if (st.st_size > 0 && ::rename(path.c_str(), kept.c_str()) == 0) return kept;
  ::unlink(path.c_str());
  return "";
}

RunOutcome Incomplete(RunStep step, const std::string& report, const std::string& what,
                      const std::string& reason, const std::string& kept) {
  std::string message = "The " + what + " is incomplete: " + reason;
  if (!kept.empty()) message += "\n\nWhat was written is kept as " + kept + ".";
  return RunOutcome{step, report, message, reason, kept};
}

}  // namespace

RunOutcome RunAnalysis(InputRecord& r, MessageSink& messages, const EngineBinding& binding) {
  const std::string report = r.OUTPATH.trimmedRight();
  if (!ValidateInput(r, messages)) return Stop(RunStep::InvalidInput, report, "");

  // A report the engine could not write, or one that would replace the
  // input file, is refused before it runs.
  if (SameFile(report, r.INPATH))
    return Stop(RunStep::ReportIsInput, report,
                "The report would replace the input file " + r.INPATH +
                    "; choose another output file.");
  std::string why;
  if (!CanWriteFile(report, &why))
    return Stop(RunStep::ReportNotWritable, report,
                "Cannot write the report " + report + ": " + why);
  if (!CanWriteFile(kSideFileName, &why))
    return Stop(RunStep::SideFileNotWritable, report,
                std::string("Cannot write the side file ") + kSideFileName +
                    " in the current folder: " + why);

  EngineLibrary* engine = EngineAt(binding.libraryPath, &why);
  if (engine == nullptr)
    return Stop(RunStep::NoLibrary, report,
                std::string("Cannot load the analysis library ") + kEngineLibraryName + ": " + why);

  const timespec start = RunStart();
  binding.run(*engine, r);

  // The engine closes a file at its first failed write; the file is then
  // incomplete and is taken away from its own name.
  std::int32_t reportWhole = 0, sideWhole = 0;
  char field[132];
  engine->KELDOR_WRITTEN(&reportWhole, &sideWhole, field);
  std::string reason(field, sizeof field);
  reason.erase(reason.find_last_not_of(' ') + 1);
  if (reason.empty()) reason = "the write failed";
  if (!reportWhole && CreatedSince(report, start)) {
    if (!sideWhole) SetAside(kSideFileName, start);
    return Incomplete(RunStep::ReportIncomplete, report, "report " + report, reason,
                      SetAside(report, start));
  }
  // A file the engine could not create at all, though the checks before the
  // run found it could be written (a link to a folder that is gone).
  if (!reportWhole)
    return Stop(RunStep::ReportNotWritable, report,
                "Cannot write the report " + report + ": " + reason);
  if (!sideWhole && !CreatedSince(kSideFileName, start))
    return Stop(RunStep::SideFileNotWritable, report,
                std::string("Cannot write the side file ") + kSideFileName +
                    " in the current folder: " + reason);
  if (!sideWhole)
    return Incomplete(RunStep::SideFileIncomplete, report,
                      std::string("side file ") + kSideFileName, reason,
                      SetAside(kSideFileName, start));
  if (!WrittenSince(report, start))
    return Stop(RunStep::ReportMissing, report, "The report " + report + " was not written.");
  return Stop(RunStep::Written, report, "");
}

}  // namespace fe
