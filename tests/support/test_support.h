// Test helpers: temporary folders, whole files, and running a built program
// of the project as a user would from a shell.
#pragma once

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

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& text);
bool Exists(const std::string& path);

}  // namespace keldor_test
