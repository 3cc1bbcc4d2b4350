// Test helpers for the tests that run an input through the engine library in
// this process, as the window does: the library, one run in a temporary
// folder, and the report's lines and printed numbers.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <regex>
#include <string>
#include <vector>

#include "engine_library.h"
#include "file_names.h"
#include "input_defaults.h"
#include "input_file.h"
#include "run_engine.h"
#include "run_results.h"
#include "test_support.h"

namespace keldor_test {

using Lines = std::vector<std::string>;

inline fe::EngineLibrary& Library() {
  std::string error;
  fe::EngineLibrary* e = fe::EngineAt(ProgramFolder() + "/libkeldor.so", &error);
  if (e == nullptr) ADD_FAILURE() << error;
  return *e;
}

// Runs an input file in `folder`, its report r.out there; returns the
// report's lines (the results are the library's, fe::ReadRunResults).
inline Lines RunInput(const std::string& input, const TempFolder& folder) {
  fe::InputRecord r;
  fe::InitialiseInput(r, KELDOR_ENGLISH);
  std::string error;
  EXPECT_TRUE(fe::LoadInputFile(r, input, &error)) << error;
  EXPECT_TRUE(fe::SetOutputFile(r, folder / "r.out", &error)) << error;
  InFolder in(folder.path());
  fe::RunEngine(Library(), r);
  return SplitCrLf(ReadFile(folder / "r.out"));
}

// The numbers printed on a line, as magnitudes.
inline std::vector<double> Numbers(const std::string& line) {
  static const std::regex number(R"(-?(\d+\.?\d*|\.\d+)(E[-+]\d+)?)");
  std::vector<double> v;
  for (std::sregex_iterator m(line.begin(), line.end(), number), end; m != end; ++m)
    v.push_back(std::fabs(std::stod(m->str())));
  return v;
}

// Printed to four significant digits (`digits` 3 for safety factors): within
// half a unit of the last digit.
inline bool Near(double printed, float value, int digits = 4) {
  const double v = value, share = digits == 3 ? 6e-3 : 6e-4;
  return std::fabs(printed - v) <= share * std::max(std::fabs(printed), std::fabs(v)) + 1e-6;
}

}  // namespace keldor_test
