// Test support: a fresh engine state, the report or side file captured in a
// temporary file and read back line by line, and value comparisons.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <new>
#include <string>
#include <vector>

#include "state.h"
#include "test_support.h"

namespace keldor {

using Lines = std::vector<std::string>;

// Splits a report into lines; every line must end in CR LF.
inline Lines SplitReport(const std::string& text) {
  Lines lines = keldor_test::SplitCrLf(text);
  std::size_t whole = 0;
  for (const std::string& line : lines) whole += line.size() + 2;
  if (whole < text.size()) {
    ADD_FAILURE() << "report ends without CR LF";
    lines.push_back(text.substr(whole));
  }
  return lines;
}

namespace testing_support {

// Puts the engine state back to what it is when the library is loaded.
inline void FreshState() {
  S.report.close();
  S.side.close();
  S.~EngineState();
  new (&S) EngineState();
}

// Points one of the engine's files (the report unless told otherwise) at a
// temporary file for the life of the object.
class Capture {
 public:
  explicit Capture(TextFile& file = S.report) : file_(file) { file_.create(dir_ / "file"); }
  ~Capture() { file_.close(); }
  Capture(const Capture&) = delete;
  Capture& operator=(const Capture&) = delete;

  // Closes the file and returns its lines.
  Lines lines() {
    file_.close();
    return SplitReport(keldor_test::ReadFile(dir_ / "file"));
  }

 private:
  keldor_test::TempFolder dir_;
  TextFile& file_;
};

// Compares values pairwise, exactly or to a tolerance relative to each
// expected value, and names the first that differs.
inline ::testing::AssertionResult SameValues(const std::vector<float>& actual,
                                             const std::vector<float>& expected,
                                             float relative = 0.0f) {
  if (actual.size() != expected.size()) return ::testing::AssertionFailure() << "size differs";
  for (std::size_t k = 0; k < actual.size(); ++k)
    if (!(std::fabs(actual[k] - expected[k]) <= relative * std::fabs(expected[k])))
      return ::testing::AssertionFailure()
             << "value " << k + 1 << " is " << actual[k] << ", expected " << expected[k];
  return ::testing::AssertionSuccess();
}

inline bool Contains(const Lines& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

}  // namespace testing_support

// Runs a piece of the engine with the report pointed at a temporary file and
// returns the lines it wrote (without their CR LF).
inline Lines CaptureReport(const std::function<void()>& run) {
  testing_support::Capture capture;
  run();
  return capture.lines();
}

}  // namespace keldor
