#include "run_sequence.h"

#include "report_files.h"

namespace fe {

namespace {

RunOutcome Stop(RunStep step, const std::string& report, std::string message) {
  return RunOutcome{step, report, std::move(message)};
}

}  // namespace

RunOutcome RunAnalysis(InputRecord& r, MessageSink& messages, const EngineBinding& binding) {
  const std::string report = r.OUTPATH.trimmedRight();
  if (!ValidateInput(r, messages)) return Stop(RunStep::InvalidInput, report, "");

  // The engine writes no error back: a report it could not write, or one
  // that would replace the input file, is refused before it runs.
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
  if (!WrittenSince(report, start))
    return Stop(RunStep::ReportMissing, report, "The report " + report + " was not written.");
  return Stop(RunStep::Written, report, "");
}

}  // namespace fe
