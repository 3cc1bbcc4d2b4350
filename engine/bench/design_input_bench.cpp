// Cost of the whole design of the two demanding inputs kept beside the golden
// files (an irregular backfill of five segments with three line surcharges,
// six load combinations, toe and heel searched to 500 in; one on piles, one
// on a spread footing): the input file is read once, and every iteration
// hands the record to the engine through the exported operations and runs
// it, as the program does.
#include <benchmark/benchmark.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "engine_library.h"
#include "input_file.h"
#include "run_engine.h"
#include "state.h"

namespace {

// The engine linked into this program, bound like the library.
fe::EngineLibrary LinkedEngine() {
  fe::EngineLibrary e;
  e.SETOPT = SETOPT, e.SETMAT = SETMAT, e.SETSP = SETSP, e.SETLC = SETLC;
  e.SETSCON = SETSCON, e.SETWCON = SETWCON, e.SETRCON = SETRCON, e.SETSF = SETSF;
  e.SETPF = SETPF, e.SETPI = SETPI, e.SETLF = SETLF, e.SETIRR = SETIRR;
  e.SETSUR = SETSUR, e.CONDLL = CONDLL;
  return e;
}

void DesignRun(benchmark::State& state, const char* name) {
  fe::InputRecord input;
  std::string error;
  if (!fe::LoadInputFile(input, std::string(KELDOR_GOLDEN_DIR) + "/" + name, &error)) {
    state.SkipWithError(error.c_str());
    return;
  }
  char cwd[4096];
  if (getcwd(cwd, sizeof cwd) == nullptr) return;
  const std::string dir = "/tmp/keldor_input_bench_" + std::to_string(getpid());
  mkdir(dir.c_str(), 0700);
  if (chdir(dir.c_str()) != 0) return;
  input.OUTPATH = dir + "/design.out";
  const fe::EngineLibrary engine = LinkedEngine();
  for (auto _ : state) {
    fe::InputRecord record = input;  // a design run changes the record
    fe::RunEngine(engine, record);
  }
  state.counters["trials"] = static_cast<double>(keldor::S.NTRIAL);
  std::remove((dir + "/design.out").c_str());
  std::remove((dir + "/KELDOR.DAT").c_str());
  if (chdir(cwd) != 0) return;
  rmdir(dir.c_str());
}

void BM_DemandingPileInput(benchmark::State& state) {
  DesignRun(state, "design-pile-demanding-irregular.in");
}
void BM_DemandingSpreadInput(benchmark::State& state) {
  DesignRun(state, "design-spread-demanding-irregular.in");
}
BENCHMARK(BM_DemandingPileInput)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DemandingSpreadInput)->Unit(benchmark::kMillisecond);

}  // namespace
