#include "test_support.h"

#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
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

// The text as one word for the shell.
static std::string Quoted(const std::string& text) {
  std::string q = "'";
  for (char c : text) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

Outcome RunProgram(const std::string& program, const std::vector<std::string>& args,
                   const std::string& cwd) {
  TempFolder capture;
  std::string command = "cd " + Quoted(cwd) + " && exec " + Quoted(program);
  for (const std::string& a : args) command += " " + Quoted(a);
  command += " </dev/null >" + Quoted(capture / "stdout") + " 2>" + Quoted(capture / "stderr");
  const int status = std::system(command.c_str());
  Outcome o;
  if (status != -1 && WIFEXITED(status)) o.status = WEXITSTATUS(status);
  o.out = ReadFile(capture / "stdout");
  o.err = ReadFile(capture / "stderr");
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

std::size_t Entries(const std::string& folder) {
  return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

Outcome KeldorRun(const std::vector<std::string>& args, const std::string& cwd) {
  return RunProgram(ProgramFolder() + "/keldor-run", args, cwd);
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  if (at == std::string::npos) throw std::logic_error("no \"" + from + "\" to replace");
  return text.replace(at, from.size(), to);
}

std::string MaskRunLine(const std::string& report) {
  // The date and time follow the closing parenthesis and 16 blanks.
  static const std::regex runLine(R"((^|\n)( \(Version [^)\r\n]*\)[^\r\n]{16})[^\r\n]+)");
  return std::regex_replace(report, runLine, "$1$2MM/DD/YYYY, HH:MM:SS");
}

std::vector<std::string> SplitCrLf(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(text.substr(start, end - start));
  return lines;
}

std::string Identifier(std::string text) {
  for (char& c : text)
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  return text;
}

std::vector<std::string> InputNames(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    if (entry.path().extension() == ".in") names.push_back(entry.path().stem().string());
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace keldor_test
