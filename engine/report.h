// The report and the side file: sequential text files written line by line.
// Each line is written at its full width, trailing blanks included, and ends
// with carriage return and line feed.
//
// Every write, the flush and the close are checked. The first failure is
// kept with its system error number; the file is then closed and nothing
// more is written to it, so a file cut short is never taken for a whole one.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

namespace keldor {

class TextFile {
 public:
  // The function that writes bytes to the open file: std::fwrite, or a test's
  // stand-in that fails part-way.
  using WriteFunction = std::size_t (*)(const void*, std::size_t, std::size_t, std::FILE*);

  TextFile() = default;
  TextFile(const TextFile&) = delete;
  TextFile& operator=(const TextFile&) = delete;
  ~TextFile() { close(); }

  // Creates (or replaces) the file. Returns false when it cannot be created;
  // the reason is kept as a failure of the file.
  bool create(const std::string& path);
  // Flushes and closes the file. Returns false when the file has failed at
  // any point since it was created.
  bool close();
  // Closes the file and forgets it: as if it had never been created.
  void reset();
  bool isOpen() const { return file_ != nullptr; }

  // One line. Writes to a file that is not open are dropped.
  void line(std::string_view text);
  void blank() { line(std::string_view()); }
  // Lines written since the file was created: the number of the last line.
  int lines() const { return lines_; }

  // Whether the file was created and everything written to it so far reached
  // it (complete once closed).
  bool written() const { return created_ && error_ == 0; }
  // The system error number of the first failure; 0 when there was none.
  int error() const { return error_; }

  // Replaces the write function (std::fwrite by default) for this file.
  void setWriteFunction(WriteFunction write) { write_ = write; }

 private:
  void put(const char* data, std::size_t size);
  void fail(int error);

  std::FILE* file_ = nullptr;
  int lines_ = 0;
  bool created_ = false;
  int error_ = 0;
  WriteFunction write_ = &std::fwrite;
};

// A section heading: a blank line, the title in spaced capitals and the rule.
void Heading(TextFile& out, std::string_view title);
// The rule under a section heading: one blank and 53 "=".
extern const char* const kRule;

}  // namespace keldor
