// The size in pixels of a picture of the wall drawing: the one written when
// none is asked for, the limits of each side, and the "WxH" form of the
// command line.
#pragma once

#include <string>

namespace fe {

inline constexpr int kPictureWidth = 1400, kPictureHeight = 1000;
inline constexpr int kSmallestPictureSide = 100, kLargestPictureSide = 8000;

// Reads "1920x1080" (an x or X between two whole numbers, each from
// kSmallestPictureSide to kLargestPictureSide); false, with `error` saying
// what is wrong and leaving the sizes as they were, otherwise.
bool ParsePictureSize(const std::string& text, int* width, int* height, std::string* error);

}  // namespace fe
