// Runs a piece of the engine with the report pointed at a temporary file and
// returns the lines it wrote (without their CR LF).
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <functional>
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

inline std::vector<std::string> CaptureReport(const std::function<void()>& run) {
  const std::string path =
      testing::TempDir() + "keldor_capture_" +
      testing::UnitTest::GetInstance()->current_test_info()->name() + ".out";
  EXPECT_TRUE(S.report.create(path));
  run();
  S.report.close();
  const std::vector<std::string> lines = SplitReport(ReadFile(path));
  std::remove(path.c_str());
  return lines;
}

}  // namespace keldor
