// Handing the record to the engine: the calling order, the arrays and run
// strings it receives, and binding the library by file name.
#include "run_engine.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "file_names.h"
#include "input_defaults.h"
#include "number_text.h"
#include "test_support.h"

namespace fe {
namespace {

// A stand-in engine: every operation logs its name; the array operations
// also log the entries they read, by the counts set before them as the
// engine reads them.
std::vector<std::string> calls;
std::int32_t nlc, nseg, nsur, nrows;
std::string strings;

const char* const kNames[] = {"SETOPT", "SETMAT", "SETSP", "SETWCON", "SETRCON", "SETSF"};
template <int N, typename... A>
void Named(A...) {
  calls.push_back(kNames[N]);
}

std::string List(const float* a, std::int32_t n) {
  std::string s;
  for (std::int32_t i = 0; i < n; ++i) s += (i ? "," : "") + FileNumber(a[i]);
  return s;
}

EngineLibrary Fake() {
  calls.clear();
  EngineLibrary e;
  e.SETOPT = &Named<0>;
  e.SETMAT = &Named<1>;
  e.SETSP = &Named<2>;
  e.SETWCON = &Named<3>;
  e.SETRCON = &Named<4>;
  e.SETSF = &Named<5>;
  e.SETLC = [](const float*, const float*, const float*, const float*, const float*, const float*,
               const float*, const float*, const float*, const float*, const int32_t* n) {
    nlc = *n;
    calls.push_back("SETLC");
  };
  e.SETSCON = [](const float*, const float*, const float*, const float*, const int32_t* s,
                 const int32_t* u) {
    nseg = *s;
    nsur = *u;
    calls.push_back("SETSCON");
  };
  e.SETPF = [](const float*, const float*, const float*, const float*, const float*, const float*,
               const float*, const float*, const float*, const float*, const int32_t* n) {
    nrows = *n;
    calls.push_back("SETPF");
  };
  e.SETPI = [](const float* x, const float* b, const float* s) {
    calls.push_back("SETPI " + List(x, nrows) + " " + List(b, nrows) + " " + List(s, nrows));
  };
  e.SETLF = [](const float* d, const float*, const float*, const float*, const float*, const float* q) {
    calls.push_back("SETLF " + List(d, nlc) + " " + List(q, nlc));
  };
  e.SETIRR = [](const float* l, const float* a) {
    calls.push_back("SETIRR " + List(l, nseg) + " " + List(a, nseg));
  };
  e.SETSUR = [](const float* s, const float*, const float*, const float*, const float* y) {
    calls.push_back("SETSUR " + List(s, nsur) + " " + List(y, nsur));
  };
  e.CONDLL = [](const char* o, const char* i, const char* f, const char* t, const char* v) {
    calls.push_back("CONDLL");
    strings = std::string(o, 132) + "|" + std::string(i, 80) + "|" + std::string(f, 80) + "|" +
              std::string(t, 80) + "|" + std::string(v, 5);
  };
  return e;
}

using Calls = std::vector<std::string>;
const Calls kFirst{"SETOPT", "SETMAT", "SETSP", "SETLC", "SETSCON", "SETWCON", "SETRCON"};

Calls First(Calls rest) {
  Calls all = kFirst;
  all.insert(all.end(), rest.begin(), rest.end());
  return all;
}

InputRecord Record() {
  InputRecord r;
  InitialiseInput(r, 1);
  r.H = 120.0f;
  r.NLC = 2;
  r.FD = {0.0f, 1.4f, 0.9f};
  r.FEQ = {0.0f, 0.0f, 1.0f};
  return r;
}

TEST(RunEngine, SpreadFootingOnAConstantSlope) {
  InputRecord r = Record();
  RunEngine(Fake(), r);
  EXPECT_EQ(calls, First({"SETSF", "SETLF 1.4,.9 0,1", "CONDLL"}));
}

TEST(RunEngine, PileReviewOnAnIrregularBackfillPassesEveryGroup) {
  InputRecord r = Record();
  r.IMODE = r.ISOIL = r.IFOOT = 2;
  r.NSEG = 2;
  r.LSEG = {0.0f, 96.0f, 120.0f};
  r.ASEG = {0.0f, 26.57f, -5.0f};
  r.NSUR = 1;
  r.SURL = r.XSBEG = r.YSBEG = r.XSEND = {0.0f, 400.0f};
  r.YSEND = {0.0f, 48.0f};
  r.NROWS = 2;
  r.PILEX = {0.0f, 18.0f, 66.0f};
  r.PILEB = {0.0f, 18.43f, 0.0f};
  r.PILES = {0.0f, 72.0f, 72.0f};
  RunEngine(Fake(), r);
  EXPECT_EQ(calls, First({"SETPF", "SETPI 18,66 18.43,0 72,72", "SETLF 1.4,.9 0,1",
                          "SETIRR 96,120 26.57,-5", "SETSUR 400 48", "CONDLL"}));
}

// A pile design generates its own rows; an irregular backfill without
// surcharges passes none.
TEST(RunEngine, PileDesignPassesNoRowsAndNoSurchargesWhenThereAreNone) {
  InputRecord r = Record();
  r.ISOIL = r.IFOOT = 2;
  r.NSEG = 1;
  r.LSEG = r.ASEG = {0.0f, 50.0f};
  r.NROWS = 3;
  RunEngine(Fake(), r);
  EXPECT_EQ(calls, First({"SETPF", "SETLF 1.4,.9 0,1", "SETIRR 50 50", "CONDLL"}));
}

// A count larger than its arrays (a record built in code) hands the engine
// zeros for the missing records instead of memory beyond the arrays.
TEST(RunEngine, ArraysShorterThanTheirCountArePaddedWithZeros) {
  InputRecord r = Record();
  r.NLC = 4;
  r.IFOOT = 3;  // neither footing: no footing operation at all
  RunEngine(Fake(), r);
  EXPECT_EQ(calls, First({"SETLF 1.4,.9,0,0 0,1,0,0", "CONDLL"}));
}

TEST(RunEngine, RunStringsAreBlankPaddedFixedFields) {
  InputRecord r = Record();
  r.INFILE = "w1.in";
  std::string error;
  ASSERT_TRUE(SetOutputFile(r, "/tmp/w1.out", &error));
  RunEngine(Fake(), r);
  EXPECT_EQ(strings, "/tmp/w1.out" + std::string(121, ' ') + "|w1.in" + std::string(75, ' ') +
                         "|w1.out" + std::string(74, ' ') + "|Keldor Program Output" +
                         std::string(59, ' ') + "| 1.42");
}

TEST(VersionText, IsTheVersionReadBackAsANumberWithABlankForTheSign) {
  EXPECT_EQ(VersionText(1, 4, 2), " 1.42");
  EXPECT_EQ(VersionText(1, 4, 0), " 1.4");  // the trailing zero goes
  EXPECT_EQ(VersionText(2, 10, 3), " 2.103");
}

TEST(EngineLibrary, ReportsWhyALibraryCannotBeBound) {
  EngineLibrary e;
  std::string error;
  EXPECT_FALSE(e.load("/nonexistent/libkeldor.so", &error));
  EXPECT_NE(error.find("/nonexistent/libkeldor.so"), std::string::npos) << error;
  // A library without the engine's operations names itself and the export.
  EXPECT_FALSE(e.load("libm.so.6", &error));
  EXPECT_EQ(error.rfind("libm.so.6: export SETOPT not found", 0), 0u) << error;
  EXPECT_FALSE(e.loaded());
}

// The real library beside the test program, bound at the first call and
// kept: a run writes the report on the chosen path and the side file in the
// current folder.
TEST(EngineLibrary, BindsTheEngineBesideTheProgramAndRunsIt) {
  std::string error;
  EngineLibrary* engine = Engine(&error);
  ASSERT_NE(engine, nullptr) << error;
  EXPECT_EQ(Engine(&error), engine);
  EXPECT_EQ(FileTitle(engine->path()), "libkeldor.so");

  keldor_test::TempFolder dir;
  char cwd[4096];
  ASSERT_NE(::getcwd(cwd, sizeof cwd), nullptr);
  ASSERT_EQ(::chdir(dir.path().c_str()), 0);
  InputRecord r = Record();
  r.TITLE = "Bound";
  ASSERT_TRUE(SetOutputFile(r, dir / "w.out", &error));
  RunEngine(*engine, r);
  ASSERT_EQ(::chdir(cwd), 0);
  EXPECT_EQ(keldor_test::ReadFile(dir / "w.out").substr(0, 8), " Bound  ");
  EXPECT_TRUE(keldor_test::Exists(dir / "KELDOR.DAT"));
}

}  // namespace
}  // namespace fe
