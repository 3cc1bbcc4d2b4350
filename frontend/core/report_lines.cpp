#include "report_lines.h"

#include <cctype>

namespace fe {

namespace {

std::string_view TrimmedRight(std::string_view s) {
  while (!s.empty() && (s.back() == ' ' || s.back() == '\r' || s.back() == '\n' || s.back() == '\t'))
    s.remove_suffix(1);
  return s;
}

bool EndsWith(std::string_view s, std::string_view end) {
  return s.size() >= end.size() && s.substr(s.size() - end.size()) == end;
}

bool IsCapitalOrDigit(char c) { return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); }

// " P R O G R A M   O P T I O N S" gives "PROGRAM OPTIONS"; anything else,
// including a title of one letter, gives "".
std::string SpacedCapitals(std::string_view line) {
  line = TrimmedRight(line);
  if (line.size() < 4 || line[0] != ' ') return {};
  std::string words;
  std::size_t i = 1;
  while (true) {
    if (!IsCapitalOrDigit(line[i])) return {};
    words += line[i];
    if (++i == line.size()) break;
    if (line.compare(i, 3, "   ") == 0 && i + 3 < line.size()) {
      words += ' ';
      i += 3;
    } else if (line[i] == ' ' && i + 1 < line.size() && line[i + 1] != ' ') {
      i += 1;
    } else {
      return {};
    }
  }
  return words.size() >= 2 ? words : std::string();
}

bool IsRule(std::string_view line) {
  line = TrimmedRight(line);
  if (line.size() < 6 || line[0] != ' ') return false;
  return line.find_first_not_of('=', 1) == std::string_view::npos;
}

// "WEIGHT AND RIGHTING MOMENT" gives "Weight and Righting Moment".
std::string Readable(const std::string& words) {
  std::string out;
  std::size_t start = 0;
  while (start <= words.size()) {
    std::size_t end = words.find(' ', start);
    if (end == std::string::npos) end = words.size();
    std::string word = words.substr(start, end - start);
    const bool small = !out.empty() && (word == "AND" || word == "OF" || word == "IN");
    for (std::size_t k = small ? 0 : 1; k < word.size(); ++k)
      word[k] = static_cast<char>(std::tolower(static_cast<unsigned char>(word[k])));
    if (!out.empty()) out += ' ';
    out += word;
    start = end + 1;
  }
  return out;
}

}  // namespace

ReportLineKind KindOfLine(std::string_view line) {
  line = TrimmedRight(line);
  if (EndsWith(line, " NG ***")) return ReportLineKind::Failing;
  // Every message ends in a word; a field of asterisks is a number too wide.
  if (EndsWith(line, " ***") && line.size() > 4 &&
      std::isalpha(static_cast<unsigned char>(line[line.size() - 5])))
    return ReportLineKind::Message;
  if (EndsWith(line, " OKAY")) return ReportLineKind::Passing;
  return ReportLineKind::Plain;
}

std::vector<ReportSection> FindSections(const std::vector<std::string>& lines) {
  std::vector<ReportSection> sections;
  for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
    if (!IsRule(lines[i + 1])) continue;
    const std::string words = SpacedCapitals(lines[i]);
    if (!words.empty()) sections.push_back({static_cast<int>(i), Readable(words)});
  }
  return sections;
}

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

}  // namespace fe
