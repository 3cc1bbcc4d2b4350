#include "report_files.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "file_names.h"

namespace fe {

bool CanWriteFile(const std::string& path, std::string* why) {
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0) {
    if (S_ISDIR(st.st_mode)) {
      *why = "it is a folder";
      return false;
    }
    if (::access(path.c_str(), W_OK) != 0) {
      *why = std::strerror(errno);
      return false;
    }
    return true;
  }
  const std::string folder = FolderOf(path);
  if (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
    *why = "the folder " + folder + " does not exist";
    return false;
  }
  if (::access(folder.c_str(), W_OK | X_OK) != 0) {
    *why = "the folder " + folder + ": " + std::strerror(errno);
    return false;
  }
  return true;
}

bool SameFile(const std::string& a, const std::string& b) {
  struct stat sa {}, sb {};
  if (::stat(a.c_str(), &sa) != 0 || ::stat(b.c_str(), &sb) != 0) return a == b;
  return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

timespec RunStart() {
  // File times come from the coarse clock; the start is read from it too.
  timespec start {};
  ::clock_gettime(CLOCK_REALTIME_COARSE, &start);
  return start;
}

bool WrittenSince(const std::string& path, const timespec& start) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_size == 0) return false;
  return st.st_ctim.tv_sec > start.tv_sec ||
         (st.st_ctim.tv_sec == start.tv_sec && st.st_ctim.tv_nsec >= start.tv_nsec);
}

}  // namespace fe
