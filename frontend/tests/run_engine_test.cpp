// Handing the record to the engine: arrays shorter than their counts, and
// the refusals of a library that cannot be bound. (The golden reports, which
// keldor-run writes through the same RunEngine, pin every branch of the
// calling order, the arrays and the run strings as the engine prints them.)
#include "run_engine.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "number_text.h"
#include "start_up.h"

namespace fe {
namespace {

// A stand-in engine: every operation logs its name; the array operations
// also log the entries they read, by the counts set before them as the
// engine reads them.
std::vector<std::string> calls;
std::int32_t nlc, nseg, nsur, nrows;

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
  LOG(CONDLL);
  return e;
}

InputRecord Record() {
  InputRecord r = StartUp();
  r.NLC = 2;
  r.FD = r.FL = r.FE = r.FSUR = r.FW = {1.4f, 0.9f};
  r.FEQ = {0.0f, 1.0f};
  return r;
}

// A count larger than its arrays (a record built in code) hands the engine
// zeros for the missing records instead of memory beyond the arrays.
TEST(RunEngine, ArraysShorterThanTheirCountArePaddedWithZeros) {
  InputRecord r = Record();
  r.NLC = 4;
  r.FL.clear();
  r.IFOOT = 3;  // neither footing: no footing operation at all
  RunEngine(Fake(), r);
  EXPECT_EQ(calls.at(7), "SETLF 1.4,.9,0,0 0,0,0,0 1.4,.9,0,0 1.4,.9,0,0 1.4,.9,0,0 0,1,0,0");
  EXPECT_EQ(calls.size(), 9u);
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
