#include "picture_size.h"

#include <charconv>

namespace fe {

namespace {

// A whole number of digits only, within the limits of a side.
bool Side(const std::string& text, int* value) {
  if (text.empty() || text.size() > 5) return false;
  for (char c : text)
    if (c < '0' || c > '9') return false;
  int v = 0;
  std::from_chars(text.data(), text.data() + text.size(), v);
  if (v < kSmallestPictureSide || v > kLargestPictureSide) return false;
  *value = v;
  return true;
}

}  // namespace

bool ParsePictureSize(const std::string& text, int* width, int* height, std::string* error) {
  const std::size_t x = text.find_first_of("xX");
  int w = 0, h = 0;
  if (x == std::string::npos || !Side(text.substr(0, x), &w) || !Side(text.substr(x + 1), &h)) {
    *error = "The picture size \"" + text + "\" must be WIDTHxHEIGHT in pixels, each from " +
             std::to_string(kSmallestPictureSide) + " to " + std::to_string(kLargestPictureSide) +
             ", for example 1920x1080.";
    return false;
  }
  *width = w, *height = h;
  return true;
}

}  // namespace fe
