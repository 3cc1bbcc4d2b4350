#include "report.h"

#include <cerrno>

namespace keldor {

const char* const kRule = " =====================================================";

namespace {

// The error number the library left, or EIO when it left none.
int LastError() { return errno != 0 ? errno : EIO; }

}  // namespace

bool TextFile::create(const std::string& path) {
  reset();
  lines_ = 0;
  errno = 0;
  file_ = std::fopen(path.c_str(), "wb");
  if (file_ == nullptr) {
    error_ = LastError();
    return false;
  }
  created_ = true;
  return true;
}

bool TextFile::close() {
  if (file_ != nullptr) {
    errno = 0;
    const bool flushed = std::fflush(file_) == 0 && std::ferror(file_) == 0;
    const int flushError = flushed ? 0 : LastError();
    errno = 0;
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    if (!flushed) {
      fail(flushError);
    } else if (!closed) {
      fail(LastError());
    }
  }
  return error_ == 0;
}

void TextFile::reset() {
  if (file_ != nullptr) std::fclose(file_);
  file_ = nullptr;
  created_ = false;
  error_ = 0;
}

void TextFile::fail(int error) {
  if (error_ == 0) error_ = error;
  if (file_ != nullptr) std::fclose(file_);
  file_ = nullptr;
}

void TextFile::put(const char* data, std::size_t size) {
  errno = 0;
  if (write_(data, 1, size, file_) != size) fail(LastError());
}

void TextFile::line(std::string_view text) {
  if (file_ == nullptr) return;
  ++lines_;
  if (!text.empty()) put(text.data(), text.size());
  if (file_ != nullptr) put("\r\n", 2);
}

void Heading(TextFile& out, std::string_view title) {
  out.blank();
  out.line(title);
  out.line(kRule);
}

}  // namespace keldor
