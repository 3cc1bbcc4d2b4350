// Handing the record to the engine: the calling order, the arrays and run
// strings it receives, and the refusals of a library that cannot be bound.
// (The real engine's reports for every branch are pinned by the golden
// files, which keldor-run writes through the same RunEngine.)
#include "run_engine.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "file_names.h"
#include "input_defaults.h"
#include "number_text.h"

namespace fe {
namespace {

// A stand-in engine: every operation logs its name; the array operations
// also log the entries they read, by the counts set before them as the
// engine reads them.
std::vector<std::string> calls;
std::int32_t nlc, nseg, nsur, nrows;
std::string strings;

std::string List(const float* a, std::int32_t n) {
  std::string s;
  for (std::int32_t i = 0; i < n; ++i) s += (i ? "," : "") + FileNumber(a[i]);
  return s;
}

template <std::size_t I, typename... A>
std::int32_t Arg(A... a) {
  return *std::get<I>(std::make_tuple(a...));
}

#define LOG(op) e.op = [](auto...) { calls.push_back(#op); }
#define LOG_ARRAYS(op, count) \
  e.op = [](auto... a) { calls.push_back((std::string(#op) + ... + (" " + List(a, count)))); }

EngineLibrary Fake() {
  calls.clear();
  EngineLibrary e;
  LOG(SETOPT);
  LOG(SETMAT);
  LOG(SETSP);
  LOG(SETWCON);
  LOG(SETRCON);
  LOG(SETSF);
  e.SETLC = [](auto... a) { nlc = Arg<10>(a...); calls.push_back("SETLC"); };
  e.SETSCON = [](auto... a) { nseg = Arg<4>(a...); nsur = Arg<5>(a...); calls.push_back("SETSCON"); };
  e.SETPF = [](auto... a) { nrows = Arg<10>(a...); calls.push_back("SETPF"); };
  LOG_ARRAYS(SETPI, nrows);
  LOG_ARRAYS(SETLF, nlc);
  LOG_ARRAYS(SETIRR, nseg);
  LOG_ARRAYS(SETSUR, nsur);
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
  r.NLC = 2;
  r.FD = r.FL = r.FE = r.FSUR = r.FW = {0.0f, 1.4f, 0.9f};
  r.FEQ = {0.0f, 0.0f, 1.0f};
  return r;
}

const std::string kFactors = "SETLF 1.4,.9 1.4,.9 1.4,.9 1.4,.9 1.4,.9 0,1";

TEST(RunEngine, PileReviewOnAnIrregularBackfillPassesEveryGroupInOrder) {
  InputRecord r = Record();
  r.IMODE = r.ISOIL = r.IFOOT = 2;
  r.NSEG = 2;
  r.LSEG = {0.0f, 96.0f, 120.0f};
  r.ASEG = {0.0f, 26.57f, -5.0f};
  r.NSUR = 1;
  r.SURL = {0.0f, 400.0f};
  r.XSBEG = {0.0f, 1.0f};
  r.YSBEG = {0.0f, 2.0f};
  r.XSEND = {0.0f, 3.0f};
  r.YSEND = {0.0f, 48.0f};
  r.NROWS = 2;
  r.PILEX = {0.0f, 18.0f, 66.0f};
  r.PILEB = {0.0f, 18.43f, 0.0f};
  r.PILES = {0.0f, 72.0f, 72.0f};
  RunEngine(Fake(), r);
  EXPECT_EQ(calls, First({"SETPF", "SETPI 18,66 18.43,0 72,72", kFactors, "SETIRR 96,120 26.57,-5",
                          "SETSUR 400 1 2 3 48", "CONDLL"}));
}

// A spread footing passes no piles; a pile design generates its own rows; an
// irregular backfill without surcharges passes none.
TEST(RunEngine, OperationsThatTheOptionsLeaveOut) {
  InputRecord r = Record();
  RunEngine(Fake(), r);
  EXPECT_EQ(calls, First({"SETSF", kFactors, "CONDLL"}));
  r.ISOIL = r.IFOOT = 2;
  r.NSEG = 1;
  r.LSEG = r.ASEG = {0.0f, 50.0f};
  r.NROWS = 3;
  RunEngine(Fake(), r);
  EXPECT_EQ(calls, First({"SETPF", kFactors, "SETIRR 50 50", "CONDLL"}));
}

// A count larger than its arrays (a record built in code) hands the engine
// zeros for the missing records instead of memory beyond the arrays.
TEST(RunEngine, ArraysShorterThanTheirCountArePaddedWithZeros) {
  InputRecord r = Record();
  r.NLC = 4;
  r.FL.clear();
  r.IFOOT = 3;  // neither footing: no footing operation at all
  RunEngine(Fake(), r);
  EXPECT_EQ(calls, First({"SETLF 1.4,.9,0,0 0,0,0,0 1.4,.9,0,0 1.4,.9,0,0 1.4,.9,0,0 0,1,0,0",
                          "CONDLL"}));
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

}  // namespace
}  // namespace fe
