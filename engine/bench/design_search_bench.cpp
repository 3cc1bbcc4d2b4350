// Cost of a demanding design run: an irregular backfill of five segments
// with three surcharge lines, six load combinations, toe and heel widths up
// to 500 in, and a pile footing whose layout is searched in every trial. The
// whole run (echo, stem, search, final analysis, both files) is timed; the
// counters give the trials the search evaluated and the time of one trial.
// A design run must stay well under a second.
#include <benchmark/benchmark.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "keldor.h"
#include "state.h"

namespace keldor {
namespace {

void SetDemandingPileDesign() {
  const int32_t units = 1, mode = 1, method = 1, soil = 2, foot = 2, optim = 1;
  SETOPT(&units, &mode, &method, &soil, &foot, &optim);
  const float rhoc = 0.086806f, fc = 4000.0f, fs = 60000.0f, rhos = 0.069444f, phi = 32.0f,
              coh = 0.0f;
  SETMAT(&rhoc, &fc, &fs, &rhos, &phi, &coh);
  const float ka = 0.307f, ye = 0.33333f, kaeq = 0.45f, yeq = 0.6f, kp = 3.25f, kpeq = 2.8f;
  const float ss = 0.2f, ssw = 0.2f, sseq = 0.1f;
  const int32_t optsl = 1;
  SETSP(&ka, &ye, &kaeq, &yeq, &kp, &kpeq, &ss, &ssw, &sseq, &optsl);
  const float pd = 300.0f, pdx = 6.0f, pl = 100.0f, plx = 6.0f, vw = 20.0f, mw = 0.0f;
  const float ah = 0.15f, av = 0.05f, veq = 30.0f, meq = 0.0f;
  const int32_t nlc = 6;
  SETLC(&pd, &pdx, &pl, &plx, &vw, &mw, &ah, &av, &veq, &meq, &nlc);
  const float h = 240.0f, ht = 24.0f, beta = 0.0f, sur = 0.0f;
  const int32_t nseg = 5, nsur = 3;
  SETSCON(&h, &ht, &beta, &sur, &nseg, &nsur);
  const float twmin = 12.0f, bwmin = 0.0f, bw = 0.0f, tfmin = 24.0f, tf = 24.0f, dkmax = 0.0f,
              dk = 0.0f, wtmax = 500.0f, wt = 0.0f, whmax = 500.0f, wf = 0.0f, wtmin = 12.0f;
  SETWCON(&twmin, &bwmin, &bw, &tfmin, &tf, &dkmax, &dk, &wtmax, &wt, &whmax, &wf, &wtmin);
  const float asw = 0.0f, cw = 2.0f, cftop = 2.0f, cfbot = 3.0f, dbar = 1.0f, ratio = 0.5f;
  SETRCON(&asw, &asw, &asw, &cw, &cftop, &cfbot, &dbar, &ratio);
  const float dia = 14.0f, me = 18.0f, ms = 42.0f, bat = 14.0f;
  const float p = 120000.0f, pw = 160000.0f, peq = 160000.0f;
  const float v = 4000.0f, vwp = 5000.0f, veqp = 5000.0f;
  const int32_t rows = 0;
  SETPF(&dia, &me, &ms, &bat, &p, &pw, &peq, &v, &vwp, &veqp, &rows);
  // D+E, D+L+E, D+E+SC, D+L+E+SC, D+E+W, D+E+EQ
  const float fd[] = {1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f};
  const float fl[] = {0.0f, 1.0f, 0.0f, 1.0f, 0.0f, 0.0f};
  const float fe[] = {1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f};
  const float fsur[] = {0.0f, 0.0f, 1.0f, 1.0f, 0.0f, 0.0f};
  const float fw[] = {0.0f, 0.0f, 0.0f, 0.0f, 1.0f, 0.0f};
  const float feq[] = {0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 1.0f};
  SETLF(fd, fl, fe, fsur, fw, feq);
  const float len[] = {40.0f, 60.0f, 50.0f, 80.0f, 2000.0f};
  const float ang[] = {15.0f, 0.0f, 20.0f, 5.0f, 0.0f};
  SETIRR(len, ang);
  const float load[] = {500.0f, 300.0f, 800.0f};
  const float xb[] = {60.0f, 120.0f, 200.0f}, yb[] = {10.0f, 15.0f, 35.0f};
  const float xe[] = {110.0f, 180.0f, 400.0f}, ye2[] = {10.0f, 20.0f, 40.0f};
  SETSUR(load, xb, yb, xe, ye2);
}

void BM_DemandingPileDesignRun(benchmark::State& state) {
  char cwd[4096];
  if (getcwd(cwd, sizeof cwd) == nullptr) return;
  const std::string dir = "/tmp/keldor_design_bench_" + std::to_string(getpid()) + "/";
  mkdir(dir.c_str(), 0700);
  if (chdir(dir.c_str()) != 0) return;
  const std::string out = dir + "design.out";
  const std::string outpath = out + std::string(132 - out.size(), ' ');
  const std::string name(80, ' '), title(80, ' ');

  std::int64_t trials = 0;
  for (auto _ : state) {
    // A design run leaves the model in review mode: set it again, as the
    // program does before every run.
    SetDemandingPileDesign();
    CONDLL(outpath.c_str(), name.c_str(), name.c_str(), title.c_str(), " 1.42");
    trials += S.NTRIAL;
  }
  state.counters["trials"] = static_cast<double>(S.NTRIAL);
  state.counters["per_trial"] =
      benchmark::Counter(static_cast<double>(trials), benchmark::Counter::kIsRate |
                                                          benchmark::Counter::kInvert);
  std::remove(out.c_str());
  std::remove((dir + "KELDOR.DAT").c_str());
  if (chdir(cwd) != 0) return;
  rmdir(dir.c_str());
}
BENCHMARK(BM_DemandingPileDesignRun)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace keldor
