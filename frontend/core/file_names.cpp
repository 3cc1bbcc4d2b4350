#include "file_names.h"

namespace fe {

std::string FolderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string FileTitle(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool SetOutputFile(InputRecord& r, const std::string& path, std::string* error) {
  std::string why;
  if (path.empty() || FileTitle(path).empty()) {
    why = "No output file name was given.";
  } else if (path.size() > r.OUTPATH.size()) {
    why = "The output file path is " + std::to_string(path.size()) +
          " characters long; the analysis accepts at most " + std::to_string(r.OUTPATH.size()) +
          ". Choose a shorter path:\n" + path;
  } else if (path.back() == ' ') {
    why = "The output file path must not end in a blank:\n" + path;
  }
  if (!why.empty()) {
    if (error) *error = why;
    return false;
  }
  r.OUTPATH = path;
  r.OUTFILE = FileTitle(path);
  return true;
}

std::string WithExtension(const std::string& path, const char* extension) {
  const std::string name = FileTitle(path);
  if (name.empty() || name.find('.') != std::string::npos) return path;
  return path + extension;
}

std::string ReportBeside(const std::string& input) {
  const std::string name = FileTitle(input);
  const std::string folder = input.substr(0, input.size() - name.size());
  const auto dot = name.rfind('.');
  const std::string stem = dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
  return folder + stem + ".out";
}

bool ProposeReport(InputRecord& r, const std::string& previous) {
  if (previous.empty() || r.OUTPATH.blank() || r.INPATH == previous) return false;
  std::string error;
  return SetOutputFile(r, ReportBeside(r.INPATH), &error);
}

}  // namespace fe
