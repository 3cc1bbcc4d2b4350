// Test support: a fresh engine state, the report captured in a temporary file
// and read back line by line, and a comparison of whole blocks of lines that
// names the first line that differs.
#pragma once

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <new>
#include <sstream>
#include <string>
#include <vector>

#include "state.h"

namespace keldor {

// Splits a report into lines; every line must end in CR LF.
inline std::vector<std::string> SplitReport(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) {
      ADD_FAILURE() << "report ends without CR LF";
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
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

  // Closes the report and returns its lines; every line must end in CR LF.
  std::vector<std::string> lines() {
    S.report.close();
    return SplitReport(ReadFile(path_));
  }

 private:
  std::string path_;
};

// Compares two blocks of report lines exactly, trailing blanks included.
inline ::testing::AssertionResult SameLines(const std::vector<std::string>& actual,
                                            const std::vector<std::string>& expected) {
  const std::size_t n = actual.size() < expected.size() ? actual.size() : expected.size();
  for (std::size_t k = 0; k < n; ++k) {
    if (actual[k] != expected[k]) {
      return ::testing::AssertionFailure() << "line " << k + 1 << " differs:\n  actual:   \""
                                           << actual[k] << "\"\n  expected: \"" << expected[k]
                                           << "\"";
    }
  }
  if (actual.size() != expected.size()) {
    auto failure = ::testing::AssertionFailure();
    failure << actual.size() << " lines written, " << expected.size() << " expected";
    if (actual.size() > n) failure << "; first extra line: \"" << actual[n] << "\"";
    if (expected.size() > n) failure << "; first missing line: \"" << expected[n] << "\"";
    return failure;
  }
  return ::testing::AssertionSuccess();
}

}  // namespace testing_support

// Runs a piece of the engine with the report pointed at a temporary file and
// returns the lines it wrote (without their CR LF).
inline std::vector<std::string> CaptureReport(const std::function<void()>& run) {
  testing_support::ReportCapture capture;
  run();
  return capture.lines();
}

}  // namespace keldor
