// Handing the record to the engine: the calling order, the arguments, the
// run strings, and binding the library by file name.
#include "run_engine.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "file_names.h"
#include "input_defaults.h"
#include "number_text.h"
#include "test_files.h"

namespace fe {
namespace {

// A stand-in engine that logs every call with the values it was given,
// reading arrays by the counts set before them as the engine does.
struct Log {
  std::vector<std::string> calls;
  std::int32_t nlc = 0, nseg = 0, nsur = 0, nrows = 0;
  std::string strings;
} log;

std::string List(const float* a, std::int32_t n) {
  std::string s;
  for (std::int32_t i = 0; i < n; ++i) s += (i ? "," : "") + FileNumber(a[i]);
  return s;
}

void SETOPT(const int32_t* u, const int32_t* m, const int32_t* d, const int32_t* s, const int32_t* f,
            const int32_t* o) {
  log.calls.push_back("SETOPT " + std::to_string(*u) + std::to_string(*m) + std::to_string(*d) +
                      std::to_string(*s) + std::to_string(*f) + std::to_string(*o));
}
void SETMAT(const float* rhoc, const float*, const float*, const float*, const float* phi, const float*) {
  log.calls.push_back("SETMAT " + FileNumber(*rhoc) + " " + FileNumber(*phi));
}
void SETSP(const float* ka, const float*, const float*, const float*, const float*, const float*,
           const float*, const float*, const float*, const int32_t* optsl) {
  log.calls.push_back("SETSP " + FileNumber(*ka) + " " + std::to_string(*optsl));
}
void SETLC(const float* pd, const float*, const float*, const float*, const float*, const float*,
           const float*, const float*, const float*, const float* meq, const int32_t* nlc) {
  log.nlc = *nlc;
  log.calls.push_back("SETLC " + FileNumber(*pd) + " " + FileNumber(*meq) + " " + std::to_string(*nlc));
}
void SETSCON(const float* h, const float*, const float*, const float* sur, const int32_t* nseg,
             const int32_t* nsur) {
  log.nseg = *nseg;
  log.nsur = *nsur;
  log.calls.push_back("SETSCON " + FileNumber(*h) + " " + FileNumber(*sur) + " " +
                      std::to_string(*nseg) + " " + std::to_string(*nsur));
}
void SETWCON(const float* twmin, const float* bwmin, const float* bw, const float*, const float* tf,
             const float*, const float*, const float*, const float* wt, const float*, const float* wf,
             const float* wtmin) {
  log.calls.push_back("SETWCON " + List(twmin, 1) + " " + List(bwmin, 1) + " " + List(bw, 1) + " " +
                      List(tf, 1) + " " + List(wt, 1) + " " + List(wf, 1) + " " + List(wtmin, 1));
}
void SETRCON(const float* asw, const float*, const float*, const float*, const float*, const float*,
             const float*, const float* ratio) {
  log.calls.push_back("SETRCON " + FileNumber(*asw) + " " + FileNumber(*ratio));
}
void SETSF(const float* q, const float*, const float*, const float*, const float*, const float*,
           const float*, const float*, const float*, const float*, const float*, const float* sfsleq) {
  log.calls.push_back("SETSF " + FileNumber(*q) + " " + FileNumber(*sfsleq));
}
void SETPF(const float* dia, const float*, const float*, const float*, const float*, const float*,
           const float*, const float*, const float*, const float* pileveq, const int32_t* nrows) {
  log.nrows = *nrows;
  log.calls.push_back("SETPF " + FileNumber(*dia) + " " + FileNumber(*pileveq) + " " +
                      std::to_string(*nrows));
}
void SETPI(const float* x, const float* b, const float* s) {
  log.calls.push_back("SETPI " + List(x, log.nrows) + " " + List(b, log.nrows) + " " + List(s, log.nrows));
}
void SETLF(const float* fd, const float*, const float*, const float*, const float*, const float* feq) {
  log.calls.push_back("SETLF " + List(fd, log.nlc) + " " + List(feq, log.nlc));
}
void SETIRR(const float* l, const float* a) {
  log.calls.push_back("SETIRR " + List(l, log.nseg) + " " + List(a, log.nseg));
}
void SETSUR(const float* s, const float*, const float*, const float*, const float* ye) {
  log.calls.push_back("SETSUR " + List(s, log.nsur) + " " + List(ye, log.nsur));
}
void CONDLL(const char* outpath, const char* infile, const char* outfile, const char* title,
            const char* version) {
  log.calls.push_back("CONDLL");
  log.strings = std::string(outpath, 132) + "|" + std::string(infile, 80) + "|" +
                std::string(outfile, 80) + "|" + std::string(title, 80) + "|" + std::string(version, 5);
}

EngineLibrary Fake() {
  log = Log{};
  EngineLibrary e;
  e.SETOPT = SETOPT;
  e.SETMAT = SETMAT;
  e.SETSP = SETSP;
  e.SETLC = SETLC;
  e.SETSCON = SETSCON;
  e.SETWCON = SETWCON;
  e.SETRCON = SETRCON;
  e.SETSF = SETSF;
  e.SETPF = SETPF;
  e.SETPI = SETPI;
  e.SETLF = SETLF;
  e.SETIRR = SETIRR;
  e.SETSUR = SETSUR;
  e.CONDLL = CONDLL;
  return e;
}

using Calls = std::vector<std::string>;

InputRecord Record() {
  InputRecord r;
  InitialiseInput(r, 1);
  r.H = 120.0f;
  r.NLC = 2;
  r.FD = {0.0f, 1.4f, 0.9f};
  r.FEQ = {0.0f, 0.0f, 1.0f};
  r.FL = r.FE = r.FSUR = r.FW = {0.0f, 1.7f, 1.7f};
  r.PD = 1200.0f;
  r.MEQ = -5.0f;
  return r;
}

TEST(RunEngine, SpreadFootingOnAConstantSlope) {
  const EngineLibrary e = Fake();
  InputRecord r = Record();
  RunEngine(e, r);
  EXPECT_EQ(log.calls, (Calls{
                           "SETOPT 111111",
                           "SETMAT .0868 0",
                           "SETSP .3 0",
                           "SETLC 1200 -5 2",
                           "SETSCON 120 0 0 0",
                           "SETWCON 12 2.4 2.4 15 0 0 0",
                           "SETRCON 0 .5",
                           "SETSF 20.83 1.2",
                           "SETLF 1.4,.9 0,1",
                           "CONDLL",
                       }));
}

TEST(RunEngine, PileReviewOnAnIrregularBackfillPassesEveryGroup) {
  const EngineLibrary e = Fake();
  InputRecord r = Record();
  r.IMODE = 2;
  r.ISOIL = 2;
  r.IFOOT = 2;
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
  RunEngine(e, r);
  EXPECT_EQ(log.calls, (Calls{
                           "SETOPT 121221",
                           "SETMAT .0868 0",
                           "SETSP .3 0",
                           "SETLC 1200 -5 2",
                           "SETSCON 120 0 2 1",
                           "SETWCON 12 2.4 2.4 15 0 0 0",
                           "SETRCON 0 .5",
                           "SETPF 12 20000 2",
                           "SETPI 18,66 18.43,0 72,72",
                           "SETLF 1.4,.9 0,1",
                           "SETIRR 96,120 26.57,-5",
                           "SETSUR 400 48",
                           "CONDLL",
                       }));
}

// A pile design generates its own rows; an irregular backfill without
// surcharges passes none.
TEST(RunEngine, PileDesignPassesNoRowsAndNoSurchargesWhenThereAreNone) {
  const EngineLibrary e = Fake();
  InputRecord r = Record();
  r.ISOIL = 2;
  r.IFOOT = 2;
  r.NSEG = 1;
  r.LSEG = r.ASEG = {0.0f, 50.0f};
  r.NROWS = 3;
  RunEngine(e, r);
  EXPECT_EQ(log.calls, (Calls{
                           "SETOPT 111221",
                           "SETMAT .0868 0",
                           "SETSP .3 0",
                           "SETLC 1200 -5 2",
                           "SETSCON 120 0 1 0",
                           "SETWCON 12 2.4 2.4 15 0 0 0",
                           "SETRCON 0 .5",
                           "SETPF 12 20000 3",
                           "SETLF 1.4,.9 0,1",
                           "SETIRR 50 50",
                           "CONDLL",
                       }));
}

// A count larger than its arrays (a record built in code) hands the engine
// zeros for the missing records instead of memory beyond the arrays.
TEST(RunEngine, ArraysShorterThanTheirCountArePaddedWithZeros) {
  const EngineLibrary e = Fake();
  InputRecord r = Record();
  r.NLC = 4;
  r.IFOOT = 3;  // neither footing: no footing operation at all
  RunEngine(e, r);
  EXPECT_EQ(log.calls[7], "SETLF 1.4,.9,0,0 0,1,0,0");
  EXPECT_EQ(log.calls[8], "CONDLL");
}

TEST(RunEngine, RunStringsAreBlankPaddedFixedFields) {
  const EngineLibrary e = Fake();
  InputRecord r = Record();
  r.INFILE = "w1.in";
  std::string error;
  ASSERT_TRUE(SetOutputFile(r, "/tmp/w1.out", &error));
  RunEngine(e, r);
  EXPECT_EQ(log.strings, "/tmp/w1.out" + std::string(121, ' ') + "|w1.in" + std::string(75, ' ') +
                             "|w1.out" + std::string(74, ' ') + "|Keldor Program Output" +
                             std::string(59, ' ') + "| 1.42");
  EXPECT_EQ(r.VERSION.str(), " 1.42");
}

TEST(VersionText, IsTheVersionReadBackAsANumberWithABlankForTheSign) {
  EXPECT_EQ(VersionText(1, 4, 2), " 1.42");
  EXPECT_EQ(VersionText(1, 4, 0), " 1.4");  // the trailing zero goes
  EXPECT_EQ(VersionText(2, 0, 0), " 2");
  EXPECT_EQ(VersionText(2, 10, 3), " 2.103");
}

TEST(EngineLibrary, ReportsWhyALibraryCannotBeBound) {
  EngineLibrary e;
  std::string error;
  EXPECT_FALSE(e.load("/nonexistent/libkeldor.so", &error));
  EXPECT_NE(error.find("/nonexistent/libkeldor.so"), std::string::npos) << error;
  EXPECT_FALSE(e.loaded());
  // A library without the engine's operations names itself and the export.
  EXPECT_FALSE(e.load("libm.so.6", &error));
  EXPECT_EQ(error.rfind("libm.so.6: export SETOPT not found", 0), 0u) << error;
  EXPECT_FALSE(e.loaded());
}

// The real library beside the test program, bound at the first call and
// kept: a run writes the report on the chosen path.
TEST(EngineLibrary, BindsTheEngineBesideTheProgramAndRunsIt) {
  std::string error;
  EngineLibrary* engine = Engine(&error);
  ASSERT_NE(engine, nullptr) << error;
  EXPECT_EQ(Engine(&error), engine);
  EXPECT_EQ(FileTitle(engine->path()), "libkeldor.so");

  test::TempDir dir;
  char cwd[4096];
  ASSERT_NE(::getcwd(cwd, sizeof cwd), nullptr);
  ASSERT_EQ(::chdir(dir.path().c_str()), 0);  // the side file goes to the current folder
  InputRecord r = Record();
  r.TITLE = "Bound";
  ASSERT_TRUE(SetOutputFile(r, dir / "w.out", &error));
  RunEngine(*engine, r);
  ASSERT_EQ(::chdir(cwd), 0);
  const std::string report = test::ReadFile(dir / "w.out");
  EXPECT_EQ(report.substr(0, 8), " Bound  ");
  EXPECT_NE(report.find(" (Version  1.42)"), std::string::npos);
  EXPECT_TRUE(std::filesystem::exists(dir / "KELDOR.DAT"));
}

}  // namespace
}  // namespace fe
