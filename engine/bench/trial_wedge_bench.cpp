// Cost of one trial wedge analysis: the design search runs it once for every
// trial wall, so it must stay well under 0.1 ms. Every call here searches its
// fan afresh (a run reuses a fan whose inputs repeat).
#include <benchmark/benchmark.h>

#include "keldor.h"
#include "state.h"
#include "trial_wedge.h"

namespace keldor {
namespace {

// A 10 ft wall on an 18 in footing with a five-segment backfill and three
// surcharge lines, analysed silently as in the design search.
void SetUpIrregularBackfill() {
  S.ISOIL = 2;
  S.IMODE = 2;
  S.ILOC = 2;
  S.IPRINT = 0;
  S.H = 120.0f;
  S.TF = 18.0f;
  S.WT = 36.0f;
  S.TWMIN = 12.0f;
  S.WF = 96.0f;
  S.RHOS = 0.069444f;
  S.PHI = Radians(30.0f);
  S.SS = 0.3f;
  S.SSEQ = 0.2f;
  S.AH = 0.15f;
  S.AV = 0.05f;
  S.YE = 0.33333f;
  S.YEQ = 0.5f;
  S.NSEG = 5;
  const float len[] = {40.0f, 60.0f, 50.0f, 80.0f, 2000.0f};
  const float ang[] = {15.0f, 0.0f, 20.0f, 5.0f, 0.0f};
  SETIRR(len, ang);
  S.NSUR = 3;
  const float load[] = {500.0f, 300.0f, 800.0f};
  const float xb[] = {60.0f, 120.0f, 200.0f}, yb[] = {10.0f, 15.0f, 35.0f};
  const float xe[] = {110.0f, 180.0f, 400.0f}, ye[] = {10.0f, 20.0f, 40.0f};
  SETSUR(load, xb, yb, xe, ye);
}

void BM_TrialWedge(benchmark::State& state) {
  SetUpIrregularBackfill();
  for (auto _ : state) {
    ForgetWedgeSearches();
    TrialWedge();
    benchmark::DoNotOptimize(S.PEH);
  }
}
BENCHMARK(BM_TrialWedge)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace keldor
