// The report and the side file: sequential text files written line by line.
// Each line is written at its full width, trailing blanks included, and ends
// with carriage return and line feed.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace keldor {

class TextFile {
 public:
  TextFile() = default;
  TextFile(const TextFile&) = delete;
  TextFile& operator=(const TextFile&) = delete;
  ~TextFile() { close(); }

  // Creates (or replaces) the file. Returns false when it cannot be created.
  bool create(const std::string& path);
  void close();
  bool isOpen() const { return file_ != nullptr; }

  // One line. Writes to a file that is not open are dropped.
  void line(std::string_view text);
  void blank() { line(std::string_view()); }
  // Lines written since the file was created: the number of the last line.
  int lines() const { return lines_; }

 private:
  std::FILE* file_ = nullptr;
  int lines_ = 0;
};

// A section heading: a blank line, the title in spaced capitals and the rule.
void Heading(TextFile& out, std::string_view title);
// The rule under a section heading: one blank and 53 "=".
extern const char* const kRule;

}  // namespace keldor
