// Test support: a fresh engine state, the report captured in a temporary file
// and read back line by line, and a comparison of whole blocks of lines that
// names the first line that differs.
#pragma once

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <new>
#include <sstream>
#include <string>
#include <vector>

#include "state.h"

namespace keldor {
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
    std::ifstream in(path_, std::ios::binary);
    std::stringstream buffer;
    buffer << in.rdbuf();
    const std::string text = buffer.str();
    std::vector<std::string> out;
    std::size_t start = 0;
    while (start < text.size()) {
      const std::size_t end = text.find("\r\n", start);
      if (end == std::string::npos) {
        ADD_FAILURE() << "last line has no CR LF: \"" << text.substr(start) << "\"";
        out.push_back(text.substr(start));
        break;
      }
      out.push_back(text.substr(start, end - start));
      start = end + 2;
    }
    return out;
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
}  // namespace keldor
