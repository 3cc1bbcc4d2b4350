// What each line of a report is, for the views that mark it: the failing
// checks and the messages that stop or spoil a computation, the passing
// checks, and the section headings that open each part of the report.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace fe {

enum class ReportLineKind {
  Plain,
  Failing,  // a check that fails: ends in " NG ***"
  Message,  // any other line ending in a word and " ***" (a computation
            // stopped or spoiled)
  Passing,  // a check that passes: ends in " OKAY"
};

// The kind of one report line, with or without its line end and trailing
// blanks. Asterisks that fill an overflowing number ("******", "= ***") end
// no message: a message ends in a word, a blank and three asterisks.
ReportLineKind KindOfLine(std::string_view line);

// Whether the line calls for the engineer's attention (failing or message).
inline bool NeedsAttention(ReportLineKind kind) {
  return kind == ReportLineKind::Failing || kind == ReportLineKind::Message;
}

struct ReportSection {
  int line = 0;       // 0-based index of the heading line
  std::string title;  // readable: "Weight and Righting Moment"
};

// The section headings of the report: a title in spaced capitals (one blank
// between letters, three between words, after one leading blank) directly
// followed by a rule of "=". In the order of the report.
std::vector<ReportSection> FindSections(const std::vector<std::string>& lines);

// The report's lines without their line ends ("\r\n" or "\n"). A last line
// without an end counts; the end of the last line opens no further one.
std::vector<std::string> SplitLines(std::string_view text);

}  // namespace fe
