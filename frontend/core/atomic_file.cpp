#include "atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <sstream>
#include <vector>

#include "file_names.h"

namespace fe {

namespace {

const AtomicFileCalls kSystemCalls{&::write, &::fsync, &::rename};
AtomicFileCalls calls = kSystemCalls;

bool Fail(int err, std::string* reason) {
  if (reason) *reason = std::strerror(err != 0 ? err : EIO);
  return false;
}

// Writes everything or fails with errno set (a write that makes no progress
// is a full device).
bool WriteAll(int fd, std::string_view content) {
  std::size_t done = 0;
  while (done < content.size()) {
    errno = 0;
    const ssize_t n = calls.write(fd, content.data() + done, content.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (n == 0) {
      if (errno == 0) errno = ENOSPC;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// Puts the rename itself on disk; a folder that cannot be synced loses
// nothing that was written.
void SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

AtomicFileCalls& AtomicFileCalls::Current() { return calls; }
void AtomicFileCalls::Restore() { calls = kSystemCalls; }

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* reason) {
  if (path.empty()) return Fail(ENOENT, reason);

  // Replace the file a link names, not the link.
  std::string target = path;
  struct stat st {};
  if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) != nullptr) target = resolved;
  }

  mode_t mode = 0;
  if (::stat(target.c_str(), &st) == 0) {
    if (S_ISDIR(st.st_mode)) return Fail(EISDIR, reason);
    mode = st.st_mode & 07777;
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }

  const std::string folder = FolderOf(target);
  std::string pattern = folder + "/.keldor-save-XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  const int fd = ::mkostemp(name.data(), O_CLOEXEC);
  if (fd < 0) return Fail(errno, reason);
  const std::string temp(name.data());

  int err = 0;
  if (::fchmod(fd, mode) != 0 || !WriteAll(fd, bytes) || calls.fsync(fd) != 0) err = errno ? errno : EIO;
  if (::close(fd) != 0 && err == 0) err = errno;
  if (err == 0 && calls.rename(temp.c_str(), target.c_str()) != 0) err = errno ? errno : EIO;
  if (err != 0) {
    ::unlink(temp.c_str());
    return Fail(err, reason);
  }
  SyncFolder(folder);
  return true;
}

bool WriteFileAtomically(const std::string& path, const std::function<void(std::ostream&)>& write,
                         std::string* reason) {
  std::ostringstream out;
  try {
    write(out);
  } catch (const std::exception& e) {
    if (reason) *reason = e.what();
    return false;
  } catch (...) {
    if (reason) *reason = "the content could not be made";
    return false;
  }
  if (!out) {
    if (reason) *reason = "the content could not be made";
    return false;
  }
  return WriteFileAtomically(path, out.str(), reason);
}

}  // namespace fe
