// Test helpers shared by every test folder: temporary folders, whole files,
// running a built program of the project as a user would from a shell, and
// the report's run line masked as the golden files keep it.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace keldor_test {

struct Outcome {
  int status = -1;  // exit status; -1 when the program did not exit normally
  std::string out;  // standard output
  std::string err;  // standard error
};

// The folder of the running test program; the programs are built beside it.
std::string ProgramFolder();

// Runs `program` with `args` in the folder `cwd`, with no standard input.
Outcome RunProgram(const std::string& program, const std::vector<std::string>& args,
                   const std::string& cwd);
// Runs the built keldor-run.
Outcome KeldorRun(const std::vector<std::string>& args, const std::string& cwd);

// A fresh temporary folder, removed with everything in it at the end.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::string& path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

// Makes `folder` the current folder (where the engine writes its side file)
// until the end of the scope.
class InFolder {
 public:
  explicit InFolder(const std::string& folder);
  ~InFolder();
  InFolder(const InFolder&) = delete;
  InFolder& operator=(const InFolder&) = delete;

 private:
  std::string old_;
};

// The names (without ".in") of the input files in `folder`, sorted.
std::vector<std::string> InputNames(const std::string& folder);

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& text);
bool Exists(const std::string& path);
// The number of entries in `folder`.
std::size_t Entries(const std::string& folder);

// `text` with the first `from` replaced by `to`; the test fails without one.
std::string Replaced(std::string text, const std::string& from, const std::string& to);

// The lines of a text whose every line ends in CR LF (a report, a side
// file), without their line ends; what follows the last CR LF is left out.
std::vector<std::string> SplitCrLf(const std::string& text);

// The report with the date and time of its run line (the line that starts
// with " (Version ") masked as "MM/DD/YYYY, HH:MM:SS".
std::string MaskRunLine(const std::string& report);

// The text with every character but letters and digits made "_" (a test name).
std::string Identifier(std::string text);

}  // namespace keldor_test
