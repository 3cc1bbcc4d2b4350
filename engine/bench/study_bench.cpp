// A study of 200 runs as keldor-run makes it: one design input over 200
// heights, each analysis in its own process with the library beside this
// program, at one and at two analyses at once. The work is done in the child
// processes, so the time that counts is the wall-clock time.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "engine_library.h"
#include "study.h"

namespace {

void BM_Study200Runs(benchmark::State& state) {
  char pattern[] = "/tmp/keldor_study_bench_XXXXXX";
  if (::mkdtemp(pattern) == nullptr) {
    state.SkipWithError("no temporary folder");
    return;
  }
  const std::string dir = pattern;
  std::filesystem::copy_file(std::string(KELDOR_GOLDEN_DIR) + "/design-spread-english.in",
                             dir + "/w.in");
  fe::StudyPlan plan;
  plan.inputs = {dir + "/w.in"};
  std::string error;
  if (!fe::ParseVariation("H=120:319:1", &plan.vary, &error)) {
    state.SkipWithError(error.c_str());
    return;
  }
  plan.jobs = static_cast<int>(state.range(0));
  plan.libraryPath = fe::EngineLibrary::locate();
  int status = 0;
  for (auto _ : state) {
    std::ostringstream out, err;
    status = fe::RunStudy(plan, out, err);
  }
  if (status != fe::kRunWritten) state.SkipWithError("a run of the study failed");
  state.counters["runs"] = 200;
  std::error_code ec;
  std::filesystem::remove_all(dir, ec);
}
BENCHMARK(BM_Study200Runs)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace
