#include "report.h"

namespace keldor {

const char* const kRule = " =====================================================";

bool TextFile::create(const std::string& path) {
  close();
  lines_ = 0;
  file_ = std::fopen(path.c_str(), "wb");
  return file_ != nullptr;
}

void TextFile::close() {
  if (file_ != nullptr) std::fclose(file_);
  file_ = nullptr;
}

void TextFile::line(std::string_view text) {
  if (file_ == nullptr) return;
  ++lines_;
  if (!text.empty()) std::fwrite(text.data(), 1, text.size(), file_);
  std::fwrite("\r\n", 1, 2, file_);
}

void Heading(TextFile& out, std::string_view title) {
  out.blank();
  out.line(title);
  out.line(kRule);
}

}  // namespace keldor
