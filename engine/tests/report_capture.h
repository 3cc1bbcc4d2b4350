// Test support: a fresh engine state, the report captured in a temporary file
// and read back line by line, and helpers to cut and compare blocks of lines.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <functional>
#include <new>
#include <sstream>
#include <string>
#include <vector>

#include "state.h"

namespace keldor {

using Lines = std::vector<std::string>;

// Splits a report into lines; every line must end in CR LF.
inline Lines SplitReport(const std::string& text) {
  Lines lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(text.substr(start, end - start));
  if (start < text.size()) {
    ADD_FAILURE() << "report ends without CR LF";
    lines.push_back(text.substr(start));
  }
  return lines;
}

inline std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

namespace testing_support {

// Puts the engine state back to what it is when the library is loaded.
inline void FreshState() {
  S.report.close();
  S.side.close();
  S.~EngineState();
  new (&S) EngineState();
}

// Points S.report at a temporary file for the life of the object.
class ReportCapture {
 public:
  ReportCapture() {
    char name[] = "/tmp/keldor_report_XXXXXX";
    const int fd = mkstemp(name);
    if (fd >= 0) close(fd);
    path_ = name;
    S.report.create(path_);
  }
  ~ReportCapture() {
    S.report.close();
    std::remove(path_.c_str());
  }
  ReportCapture(const ReportCapture&) = delete;
  ReportCapture& operator=(const ReportCapture&) = delete;

  // Closes the report and returns its lines.
  Lines lines() {
    S.report.close();
    return SplitReport(ReadFile(path_));
  }

 private:
  std::string path_;
};

// Compares two blocks of report lines exactly and names the first that differs.
inline ::testing::AssertionResult SameLines(const Lines& actual, const Lines& expected) {
  const std::size_t n = std::min(actual.size(), expected.size());
  for (std::size_t k = 0; k < n; ++k)
    if (actual[k] != expected[k])
      return ::testing::AssertionFailure()
             << "line " << k + 1 << " differs:\n  actual:   \"" << actual[k] << "\"\n  expected: \""
             << expected[k] << "\"";
  if (actual.size() == expected.size()) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << actual.size() << " lines written, " << expected.size() << " expected";
}

// n lines from the first one equal to `first` (fewer at the end).
inline Lines From(const Lines& lines, const std::string& first, std::size_t n) {
  const auto begin = std::find(lines.begin(), lines.end(), first);
  const auto left = static_cast<std::size_t>(lines.end() - begin);
  return Lines(begin, begin + static_cast<std::ptrdiff_t>(std::min(n, left)));
}

inline Lines Join(Lines a, const Lines& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

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
  testing_support::ReportCapture capture;
  run();
  return capture.lines();
}

}  // namespace keldor
