#include "test_support.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace keldor_test {

std::string ProgramFolder() {
  char buf[PATH_MAX];
  const ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
  if (n <= 0) return ".";
  const std::string exe(buf, static_cast<std::size_t>(n));
  return exe.substr(0, exe.rfind('/'));
}

Outcome RunProgram(const std::string& program, const std::vector<std::string>& args,
                   const std::string& cwd) {
  TempFolder capture;
  const std::string outPath = capture / "stdout", errPath = capture / "stderr";
  std::vector<std::string> argStrings{program};
  argStrings.insert(argStrings.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& a : argStrings) argv.push_back(a.data());
  argv.push_back(nullptr);

  const pid_t pid = ::fork();
  if (pid == 0) {
    const int in = ::open("/dev/null", O_RDONLY);
    const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (in < 0 || out < 0 || err < 0 || ::chdir(cwd.c_str()) != 0) ::_exit(126);
    ::dup2(in, 0);
    ::dup2(out, 1);
    ::dup2(err, 2);
    ::execv(program.c_str(), argv.data());
    ::_exit(127);
  }
  Outcome o;
  int status = 0;
  if (pid > 0 && ::waitpid(pid, &status, 0) == pid && WIFEXITED(status))
    o.status = WEXITSTATUS(status);
  o.out = ReadFile(outPath);
  o.err = ReadFile(errPath);
  return o;
}

TempFolder::TempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "keldor-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create a temporary folder");
  path_ = pattern;
}

TempFolder::~TempFolder() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

InFolder::InFolder(const std::string& folder) : old_(std::filesystem::current_path().string()) {
  std::filesystem::current_path(folder);
}

InFolder::~InFolder() {
  std::error_code ec;
  std::filesystem::current_path(old_, ec);
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void WriteFile(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
}

bool Exists(const std::string& path) { return std::filesystem::exists(path); }

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  if (at == std::string::npos) throw std::logic_error("no \"" + from + "\" to replace");
  return text.replace(at, from.size(), to);
}

std::string MaskRunLine(const std::string& report) {
  std::string out;
  for (std::size_t start = 0, end = 0; start < report.size(); start = end) {
    end = std::min(report.find('\n', start), report.size() - 1) + 1;
    std::string line = report.substr(start, end - start);
    if (line.rfind(" (Version ", 0) == 0) {
      // The date and time follow the closing parenthesis and 16 blanks.
      const std::size_t close = line.find(')');
      const std::size_t body = line.find_last_not_of("\r\n") + 1;
      const std::size_t from = close == std::string::npos ? body : std::min(close + 17, body);
      line = line.substr(0, from) + (from < body ? "MM/DD/YYYY, HH:MM:SS" : "") + line.substr(body);
    }
    out += line;
  }
  return out;
}

}  // namespace keldor_test
