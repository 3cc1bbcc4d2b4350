// The one way the program writes a whole file (the input file and every
// export): into a temporary file beside the target, every write, the sync and
// the close checked, renamed over the target only once complete. A failure
// never leaves a part-written file at the target nor destroys the file there.
#pragma once

#include <sys/types.h>

#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>

namespace fe {

// Writes `bytes` as the whole content of `path`. A file that exists keeps its
// permissions; a symbolic link is followed, so the file it names is replaced.
// On failure nothing at `path` changes, the temporary file is removed, and
// `reason` gets the system's reason ("No space left on device").
bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* reason);

// As above, with the content streamed into `out` by `write`. A stream left
// failed by `write`, or an exception from it, writes nothing.
bool WriteFileAtomically(const std::string& path, const std::function<void(std::ostream& out)>& write,
                         std::string* reason);

// The system calls the writer makes, replaceable by tests to fail part-way;
// Restore puts the real ones back.
struct AtomicFileCalls {
  ssize_t (*write)(int fd, const void* data, size_t size);
  int (*fsync)(int fd);
  int (*rename)(const char* from, const char* to);
  static AtomicFileCalls& Current();
  static void Restore();
};

}  // namespace fe
